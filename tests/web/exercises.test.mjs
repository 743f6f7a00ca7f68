// Kymbral with an exercise set: the panel beside the window, a set played
// through by keyboard, and a set made in the exercise set page, tried there
// and played from its packages on a learning platform (score, passed or
// failed, an interaction a task, a resume that keeps the time used).
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after } from 'node:test';
import { browserTest, click, closeMessage, SITE, text, waitText } from './harness.mjs';
import { framed, heldWhen, interactions, platform, problems, response, status } from './platform.mjs';
import { download, keepingDownloads } from './downloads.mjs';
import { openFaked } from './views.mjs';

// As LibreOffice saves it: a sample within 10 %, a level-2 lock within
// 5 minutes, a shim to a lock level of 50; 70 to pass.
const SET = 'kind,text,level,tolerance,goal,minutes,points,passing score\r\n' +
  'sample,,,10,,,1,70\r\nlock,,2,,,5,1,\r\nshim,,,,50,,1,\r\n';

const panelText = (page, part) => page.evaluate((p) => document.querySelector(`.exercises ${p}`)?.textContent ?? null, part);
const waitPanel = (page, part, expected) => page.waitFor((p, e) =>
  document.querySelector(`.exercises ${p}`)?.textContent.startsWith(e), part, expected);

// The hidden sample's values typed in the panel's boxes, then Enter.
async function answerSample(page, off = 1) {
  const values = [];
  for (const name of ['PW90Value', 'T1Value', 'T2Value']) values.push(Number(await text(page, name)) * off);
  await page.evaluate(() => document.querySelector('.exercises input').focus());
  for (const [i, value] of values.entries()) {
    await page.keyboard.type(String(Math.round(value * 100) / 100));
    await page.keyboard.press(i < 2 ? 'Tab' : 'Enter');
  }
}

browserTest('an exercise set in its panel beside the window, played by keyboard to its score', async ({ open }) => {
  const page = await openFaked(open, 'kymbral.html?exercises=exercises.csv', { 'exercises.csv': SET });
  await waitPanel(page, 'h2', 'Task 1 of 3');
  // The window keeps its whole width beside the panel, scaled to the room left.
  const [panel, window] = [await page.box('.exercises'), await page.box('#window')];
  assert.ok(window.x + window.width <= panel.x + 1, JSON.stringify({ panel, window }));
  assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('.exercises label')].map((l) => l.textContent)),
    ['90-degree pulse width (µs)', 'T1 (s)', 'T2 (s)']);
  assert.equal(await page.evaluate(() => document.querySelector('[data-name="PW90Value"]').hidden), true);

  await answerSample(page);
  await waitPanel(page, '.verdict', 'Right: each value is within 10 %.');
  assert.equal(await panelText(page, '.points'), 'Points: 1 of 3');
  await page.keyboard.press('Enter'); // on "Next task"
  await waitPanel(page, 'h2', 'Task 2 of 3');
  assert.equal(await text(page, 'Walkup'), 'Answer');
  assert.equal(await panelText(page, '.time-left'), 'Time left: 5:00');
  await page.evaluate(() => window.kymbralPage.clock.advance(301_000));
  await waitPanel(page, '.verdict', 'Wrong: the time is up.');

  await page.evaluate(() => document.querySelector('.exercises .action').click());
  await waitPanel(page, 'h2', 'Task 3 of 3');
  await page.evaluate(() => document.querySelector('.exercises .action').click());
  await waitPanel(page, '.verdict', 'Wrong: the lock level is 0, below 50.');
  assert.equal(await panelText(page, '.points'), 'Score: 33 of 100 (points 1 of 3; 70 to pass): not passed');
  assert.equal(await page.evaluate(() => document.querySelector('.exercises .action').hidden), true);
});

browserTest('a set that cannot be run says why, line by line, and the page stops', async ({ open }) => {
  const page = await open('kymbral.html?exercises=exercises.csv',
    { files: { 'exercises.csv': 'kind;level\r\nlock;4\r\n' }, ready: false });
  await page.waitFor(() => document.querySelector('dialog.message-box[open]') !== null);
  assert.match(await page.evaluate(() => document.querySelector('dialog.message-box[open]').textContent),
    /exercises\.csv line 2: level must be 1, 2 or 3/);
});

// A set made in the exercise set page as an instructor makes it: a sample
// within 10 % (1 point), a level-2 lock within 5 minutes (2 points), a shim
// to a lock level of 50 (1 point); 60 to pass.
async function makeSet(page) {
  const task = (n, field) => `#tasks li:nth-child(${n}) [name="${field}"]`;
  const choose = (selector, value) => page.evaluate((s, v) => {
    const select = document.querySelector(s);
    select.focus();
    select.value = v;
    select.dispatchEvent(new Event('input', { bubbles: true }));
  }, selector, value);
  const typeInto = async (selector, text) => {
    await page.evaluate((s) => document.querySelector(s).select(), selector);
    await page.keyboard.type(text);
  };
  await choose(task(1, 'kind'), 'sample');
  await page.mouse.click('#add-task');
  await typeInto(task(2, 'points'), '2');
  await page.mouse.click('#add-task');
  await choose(task(3, 'kind'), 'shim');
  await typeInto(task(3, 'text'), 'Shim the magnet: "Gradient Shim", then Z0, to a lock level of 50.');
  await page.evaluate((s) => { document.querySelector(s).value = ''; document.querySelector(s).dispatchEvent(new Event('input')); }, task(3, 'minutes'));
  await typeInto('#mastery', '60');
}

// A level-1 scramble undone as a student does it: the sample in, the
// gradient shim for Z1 and Z2, then Z0 turned until the lock level is 50.
async function shim(view) {
  await click(view, 'Insert');
  await click(view, 'GradientShim');
  await waitText(view, 'GradientShim', 'Shimming...');
  await view.waitFor(() => document.querySelector('[data-name="GradientShim"]').textContent === 'Gradient Shim');
  let z0 = Number(await text(view, 'ShimLabel0'));
  for (const setting of [...Array(20).keys()].map((i) => (i < 10 ? 51 - i : 42 + i))) {
    for (; z0 !== setting; z0 += setting > z0 ? 1 : -1) await click(view, 'KeyIn0', { button: setting > z0 ? 'right' : 'left' });
    await waitText(view, 'ShimLabel0', String(z0));
    if (Number(await text(view, 'Info')) >= 50) return;
  }
}

// A latency in seconds, as either version writes it (0000:00:03.52, PT3.52S).
const seconds = (latency) => (latency.startsWith('PT') ? Number(latency.slice(2, -1))
  : latency.split(':').reduce((sum, part) => sum * 60 + Number(part), 0));
const nextTask = (view) => view.evaluate(() => document.querySelector('.exercises .action').click());

const lms = platform({ site: SITE });
const work = mkdtempSync(join(tmpdir(), 'kymbral-exercises-'));
after(() => rmSync(work, { recursive: true, force: true }));

browserTest('a set made in the exercise set page, tried there, and played from its packages on a platform: an interaction a task, the score, failed, a resume that keeps the time used',
  { site: lms.root }, async ({ engine, open }) => {
    const author = await keepingDownloads(open, 'exercises.html');
    await makeSet(author);
    await author.mouse.click('#try');
    await waitPanel(framed(author), 'h2', 'Task 1 of 3');
    await author.mouse.click('#close-trial');
    const folder = mkdtempSync(join(work, `${engine}-`));
    const set = readFileSync(await download(author, '#export-set', folder), 'utf8');
    assert.equal(set, '\ufeffkind,text,level,tolerance,goal,minutes,points,passing score\r\n' +
      'sample,,,10,,5,1,60\r\nlock,,2,,,5,2,\r\n' +
      'shim,"Shim the magnet: ""Gradient Shim"", then Z0, to a lock level of 50.",,,50,,1,\r\n');

    for (const version of ['1.2', '2004']) {
      const zip = await download(author, version === '1.2' ? '#export-scorm12' : '#export-scorm2004', folder);
      const name = `exercises-${engine}-${version}`;
      lms.add(zip, name);
      assert.match(lms.manifestOf(name), version === '1.2' ? /<adlcp:masteryscore>60</ : /<imsss:minNormalizedMeasure>0\.60*</);
      const page = await lms.page(open, [name]);
      let view = await lms.play(page, { version, name });
      await waitPanel(view, 'h2', 'Task 1 of 3');
      await answerSample(view);
      await waitPanel(view, '.verdict', 'Right: each value');
      await nextTask(view);
      // Check is the game's Answer: with the sample out, its warning, then its verdict.
      await waitPanel(view, 'h2', 'Task 2 of 3');
      await nextTask(view);
      assert.equal((await closeMessage(view))[1], 'Something is wrong. Did you inject your sample?');
      assert.match((await closeMessage(view))[1], /^The answers will be shown/);
      await waitPanel(view, '.verdict', 'Wrong: the lock was not back.');
      await nextTask(view);
      await waitPanel(view, 'h2', 'Task 3 of 3');
      // Time passes on the task at hand; leaving keeps it (to the second) for the next launch.
      await new Promise((resume) => setTimeout(resume, 3200));
      await page.evaluate(() => window.leave());
      let cmi = await heldWhen(page, (c) => (c.core ?? c).exit === 'suspend' && Object.keys(c.interactions).length === 2);
      const used = Number(cmi.suspend_data.split(';')[3]) / 10;
      assert.ok(used >= 2, cmi.suspend_data);
      // As a platform keeps them: each interaction's id and type before what depends on its type.
      const kept = { interactions: Object.fromEntries(Object.entries(cmi.interactions)
        .map(([n, i]) => [n, { id: i.id, type: i.type, ...i }])), suspend_data: cmi.suspend_data,
        ...(version === '1.2' ? { core: { entry: 'resume', lesson_location: '2' } } : { entry: 'resume', location: '2' }) };

      view = await lms.play(page, { version, name }, { kept });
      await waitPanel(view, 'h2', 'Task 3 of 3');
      assert.equal(await panelText(view, '.task'), 'Shim the magnet: "Gradient Shim", then Z0, to a lock level of 50.');
      assert.equal(await panelText(view, '.points'), 'Points: 1 of 4');
      await shim(view);
      await nextTask(view);
      await waitPanel(view, '.verdict', 'Right: the lock level is');
      cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 3 && (c.core?.score.raw ?? c.score.raw) !== '');
      const tasks = interactions(cmi);
      assert.deepEqual(tasks.map((i) => [i.id, i.result, i.weighting]),
        [['task-1-sample', 'correct', '1'], ['task-2-lock', version === '1.2' ? 'wrong' : 'incorrect', '2'],
          ['task-3-shim', 'correct', '1']]);
      assert.match(response(tasks[0]), /^pw90=[\d.]+ T1=[\d.]+ T2=[\d.]+$/);
      assert.deepEqual([response(tasks[1]), response(tasks[2]).startsWith('lock level ')], ['not locked', true]);
      assert.ok(seconds(tasks[2].latency) >= used, tasks[2].latency);
      assert.deepEqual([status(cmi).score, status(cmi).passed], ['50', 'failed']);
      assert.deepEqual(await problems(page), []);
    }
  });
