// What assistive technology is told of both pages: axe-core's checks in each
// state a student meets, every control named in the accessibility tree, and
// the read-outs of the polite live regions, paced on the page's clock.
import assert from 'node:assert/strict';
import { serious } from './axe.mjs';
import { browserTest, click, closeMessage, waitText } from './harness.mjs';
import { openFaked, tick } from './views.mjs';

// Each page in the states a student meets, in turn.
const STATES = {
  'kymbral.html': {
    'at start': async () => {},
    'with the sample in': async (page) => {
      await click(page, 'Insert');
      await tick(page, 100);
    },
    'with a message box open': async (page) => {
      await click(page, 'Help');
      await page.waitFor(() => document.querySelector('dialog.message-box[open]') !== null);
    },
  },
  'tessivar.html': {
    'at start': async () => {},
    'with a clue drawn': async (page) => {
      await click(page, 'Picture1', { x: 30, y: 30 });
      await waitText(page, 'ClueLabel', 'Clue Level = 1');
    },
  },
  'kymbral.html?exercises=exercises.csv': {
    'with its first task': async (page) => {
      await page.waitFor(() => document.querySelector('.exercises h2')?.textContent === 'Task 1 of 2');
    },
    'with a task judged': async (page) => {
      await page.evaluate(() => document.querySelector('.exercises .action').click());
      await page.waitFor(() => document.querySelector('.exercises .action').textContent === 'Next task');
    },
    'with boxes for an answer': async (page) => {
      await page.evaluate(() => document.querySelector('.exercises .action').click());
      await page.waitFor(() => document.querySelector('.exercises input') !== null);
    },
  },
  'index.html': { 'at start': async () => {} },
  'author.html': { 'at start, nothing chosen': async () => {} },
  'exercises.html': {
    'with two tasks': async (page) => page.evaluate(() => document.getElementById('add-task').click()),
  },
};
// The set the page with an exercise set runs: a shim task, then a sample task.
const FILES = { 'exercises.csv': 'kind,goal\r\nshim,50\r\nsample,\r\n' };

browserTest('axe-core finds nothing serious on any page of the site, at start, with the sample in, under a message box, with an exercise set', async ({ open }) => {
  for (const [program, states] of Object.entries(STATES)) {
    // The index is a plain page: nothing starts on it.
    const page = await openFaked(open, program, FILES, { ready: program !== 'index.html' });
    for (const [state, reach] of Object.entries(states)) {
      await reach(page);
      assert.deepEqual(await serious(page), [], `${program} ${state}`);
    }
  }
});

// Every name in the tree, as Chromium gives it to a screen reader.
async function treeNames(page) {
  const names = [];
  const walk = (node) => {
    names.push(`${node.role} ${node.name}`);
    node.children?.forEach(walk);
  };
  walk(await page.native.accessibility.snapshot({ interestingOnly: false }));
  return names;
}

browserTest('the accessibility tree names every control that takes a click, and the read-outs', { needs: ['accessibility'] }, async ({ open }) => {
  const samples = {
    'kymbral.html': ['spinbutton Z0 shim', 'spinbutton Z1 shim', 'meter Lock level', 'button Insert',
      'checkbox AutoGain', 'listbox Experiment parameters', 'textbox Command line', 'image Lock graph'],
    'tessivar.html': ['application Screenshot of screen 0', 'StaticText Clue Level = 0', 'StaticText Score = 0'],
  };
  for (const [program, expected] of Object.entries(samples)) {
    const page = await openFaked(open, program);
    const names = await treeNames(page);
    const named = await page.evaluate(() => [...document.querySelectorAll('.form [aria-label]')]
      .filter((element) => !element.closest('[hidden]')).map((element) => element.getAttribute('aria-label')));
    for (const name of named) assert.ok(names.some((line) => line.endsWith(` ${name}`)), `${program}: ${name}`);
    for (const line of expected) assert.ok(names.includes(line), `${program}: ${line}`);
    assert.ok(!names.includes('StaticText Check1'), 'a check box is read by its name only');
    assert.deepEqual(names.filter((line) => /Label7|HelpInfoBox/.test(line)), [], 'no caption the layout left for the clock');
    await page.close();
  }
});

// The first node of the tree with the role whose name matches.
async function treeNode(page, role, name) {
  const find = (node) => (node.role === role && name.test(node.name) ? node : node.children?.map(find).find(Boolean));
  return find(await page.native.accessibility.snapshot({ interestingOnly: false }));
}

browserTest('a knob gives its range, and the line shape is described as a shim moves it from narrow to broad', { needs: ['accessibility'] }, async ({ open }) => {
  const page = await openFaked(open, 'kymbral.html');
  await click(page, 'Insert');
  await tick(page);
  const knob = await treeNode(page, 'spinbutton', /^Z1 shim$/);
  assert.deepEqual([knob.valuemin, knob.valuemax, knob.value], [-32768, 32767, 0]);
  const shape = async () => (await treeNode(page, 'image', /^Spectrum line shape/)).description;
  assert.match(await shape(), /^One narrow line/);
  for (let step = 0; step < 20; step++) await click(page, 'KeyIn1', { button: 'right' });
  await tick(page);
  assert.match(await shape(), /^One broad line/);
});

const spoken = (page, name) => page.evaluate((n) => document.querySelector(`.spoken[data-of="${n}"]`)?.textContent, name);

browserTest('read-outs: the lock level at most once a second, the latest last; Tessivar\'s instruction and clue level', async ({ open }) => {
  const page = await openFaked(open, 'kymbral.html');
  await click(page, 'Insert');
  await tick(page, 300); // long after the level was last read
  const heard = [await spoken(page, 'Info')];
  for (let i = 0; i < 5; i++) {
    await click(page, 'KeyIn6', { button: 'right' });
    await tick(page, 10);
    heard.push(await spoken(page, 'Info'));
  }
  await tick(page, 100);
  const last = `Lock level, ${await page.evaluate(() => document.querySelector('[data-name="Info"]').getAttribute('aria-valuenow'))}`;
  heard.push(await spoken(page, 'Info'));
  const read = heard.filter((text, i) => text !== heard[i - 1]);
  assert.equal(read.length, 3, `the level before, the first change at once, the latest a second later: ${read}`);
  assert.equal(read.at(-1), last);

  const show = await openFaked(open, 'tessivar.html');
  assert.match(await spoken(show, 'InfoBox'), /^Screen: {2}0\n/);
  const steps = [[{ x: 2805 - 150, y: 8820 - 150 }, 'InfoBox', 'Screen:  1\n'], [{ x: 30, y: 30 }, 'ClueLabel', 'Clue Level = 1']];
  for (const [at, name, expected] of steps) {
    await click(show, 'Picture1', at);
    await waitText(show, name, expected);
    await tick(show, 100);
    assert.ok((await spoken(show, name)).startsWith(expected), name);
  }
});

browserTest('a message box is read as it opens: its title names it, its text describes it', async ({ open }) => {
  const page = await openFaked(open, 'kymbral.html');
  await click(page, 'Help');
  const [name, description] = await page.waitFor(() => {
    const box = document.querySelector('dialog.message-box[open]');
    const text = (id) => document.getElementById(box.getAttribute(id)).textContent;
    return box !== null && [text('aria-labelledby'), text('aria-describedby').slice(0, 20)];
  });
  assert.deepEqual([name, (await closeMessage(page))[1].slice(0, 20)], ['Kymbral Help', description]);
});
