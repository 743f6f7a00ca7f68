// The page beside the desktop: the same states reached by the same steps in
// both views (the desktop's real window offscreen, driven by desktop_driver
// with the test fakes; the page in Chromium on its fake clock), then every
// control's visibility, place and caption on the page checked against the
// desktop's models, and the page's picture against the desktop's.
// The pixel comparison is Chromium's: it is the engine whose text and
// drawing were matched to the desktop's.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before } from 'node:test';
import { browserTest, click, closeMessage, SITE } from './harness.mjs';
import { openFaked, tick, typeInto } from './views.mjs';
import { differing, pageControls, picture } from './pictures.mjs';
import { colour } from '../../web/form/appearance.js';

const build = process.env.KYMBRAL_BUILD ?? new URL('../../build', import.meta.url).pathname;
const keep = process.env.KYMBRAL_COMPARE_KEEP; // a folder for the pictures and their differences

const targets = [...readFileSync(new URL('../../tessivar/show/slide_table.cpp', import.meta.url), 'utf8')
  .matchAll(/^\s*\{(\d+), (\d+),/gm)].map(([, x, y]) => `${x - 100} ${y - 100}`); // just inside
const onTarget = (slide) => `click Picture1 left ${targets[slide]}`;

// Each state: the program and the steps that reach it from start-up.
const STATES = {
  'kymbral start-up': ['kymbral'],
  'kymbral insert': ['kymbral', 'click Insert'],
  'kymbral acquiring': ['kymbral', 'click Insert', 'click Restart', 'tick 150'],
  'kymbral shim map': ['kymbral', 'click Insert', 'click ShimXLabel'],
  'kymbral message': ['kymbral', 'click Insert', 'click Restart', 'tick 20', 'type T2Value 0',
    'type KeyboardInput at=0.1', 'snap-at-message', 'tick 1'],
  'tessivar slide 2': ['tessivar', onTarget(0), onTarget(1), 'click Picture1 left 300 300',
    'click Picture1 left 300 300'],
  'tessivar end': ['tessivar', ...targets.slice(0, 25).map((_, slide) => onTarget(slide)), 'snap-at-message',
    onTarget(25)],
};
const fileName = (state) => state.replaceAll(' ', '-');

let folder;
before(() => {
  folder = keep ?? mkdtempSync(join(tmpdir(), 'kymbral-compare-'));
});
after(() => {
  if (!keep) rmSync(folder, { recursive: true, force: true });
});

// The desktop's picture and models of the state, behind its message box if it has one.
const desktops = new Map();
const desktop = (state) => desktops.get(state) ?? desktops.set(state, drive(state)).get(state);
function drive(state) {
  const [program, ...steps] = STATES[state];
  const name = fileName(state);
  const script = steps.map((step) => (step === 'snap-at-message' ? `${step} ${name}` : step));
  if (!steps.includes('snap-at-message')) script.push(`snap ${name}`);
  execFileSync(join(build, 'tests/gui/desktop_driver'), [program, folder],
    { cwd: build, input: `${script.join('\n')}\n`, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  return {
    png: readFileSync(join(folder, `${name}.png`)),
    ...JSON.parse(readFileSync(join(folder, `${name}.json`), 'utf8')),
  };
}

async function step(page, line) {
  const [kind, name, ...rest] = line.split(' ');
  if (kind === 'click') {
    const [button = 'left', x, y] = rest;
    await click(page, name, { button, x: x && Number(x), y: y && Number(y) });
  } else if (kind === 'type') {
    await typeInto(page, name, rest.join(' '));
  } else if (kind === 'tick') {
    await tick(page, Number(name));
  }
  await page.waitFor(() => window.kymbralPage.view.idle || document.querySelector('dialog.message-box[open]') !== null);
}

// The page's picture, controls and message of the state; `spoil` runs on
// the page just before its picture is taken, `files` stand in for the site's.
async function browserView(open, state, spoil, files) {
  const [program, ...steps] = STATES[state];
  const page = await openFaked(open, `${program}.html`, files);
  for (const line of steps.filter((s) => s !== 'snap-at-message')) await step(page, line);
  if (spoil) await page.evaluate(spoil);
  await page.evaluate(() => window.kymbralPage.view.painted());
  const shot = { ...await picture(page), controls: await pageControls(page) };
  if (steps.includes('snap-at-message')) shot.message = await closeMessage(page);
  return { ...shot, page };
}

// The model's facts as the page must show them: where each control lies on
// the form in pixels, whether any of it can be seen, and its text.
function fromModels(form) {
  const byId = new Map(form.controls.map((c) => [c.id, c]));
  const areaOf = ({ rect, sunken }, border = sunken ? 2 : 0) =>
    rect.map((t, i) => t / 15 + (i < 2 ? border : -2 * border));
  return form.controls.filter((c) => c.kind !== 'timer').map((c) => {
    const area = byId.has(c.parent) && areaOf(byId.get(c.parent));
    const [x1, y1, x2, y2] = c.ends?.map((t) => t / 15) ?? [];
    const box = c.ends ? [Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1), Math.abs(y2 - y1)] : c.rect.map((t) => t / 15);
    if (area) [box[0], box[1]] = [box[0] + area[0], box[1] + area[1]];
    const visible = (c.visible ?? true) && (!area || overlaps(box, area));
    const text = c.items ? c.items.join('\n') : c.text?.replace(/\r\n?/g, '\n');
    return { name: c.name, kind: c.kind, visible, box, text, background: c.kind === 'picture' ? c.bg : undefined };
  });
}

const overlaps = ([l, t, w, h], [left, top, width, height]) =>
  l < left + width && l + w > left && t < top + height && t + h > top;

// Where a control's own pixels lie: its box, a line's widened by its pen;
// for a picture box, its drawing on its background.
const region = ({ kind, box: [left, top, width, height], background }, pen = kind === 'line' ? 2 : 0) => ({
  box: [left - pen, top - pen, width + 2 * pen, height + 2 * pen],
  background: background && colour(background).match(/\w\w/g).map((hex) => parseInt(hex, 16)),
});

// Whether the page's picture is the desktop's: under 0.5 % of the pixels
// apart, under 0.1 % unmatched, and no control with a twelfth of the pixels
// of its own box unmatched (a small label or a line is lost in the whole).
const percent = (share) => `${(100 * share).toFixed(3)} %`;
const verdict = (diff, controls) => [
  ...(diff.apart >= 0.005 ? [`${percent(diff.apart)} of the pixels apart`] : []),
  ...(diff.unmatched >= 0.001 ? [`${percent(diff.unmatched)} of the pixels unmatched`] : []),
  ...controls.flatMap((c, i) => (diff.regions[i] >= 0.08 ? [`${c.name}: ${percent(diff.regions[i])} of its pixels unmatched`] : [])),
];

// The page's picture of a state beside the desktop's, with the verdict.
async function compared(open, state, spoil, files) {
  const wanted = desktop(state);
  const shown = await browserView(open, state, spoil, files);
  // Hidden controls too: what they must not show is the desktop's there.
  const placed = fromModels(wanted.form);
  const diff = await differing(shown.page, shown.png, wanted.png,
    { masks: shown.masks, regions: placed.map((c) => region(c)) });
  return { wanted, shown, placed, diff, faults: verdict(diff, placed) };
}

for (const state of Object.keys(STATES)) {
  browserTest(`${state}: the page shows what the desktop shows`, { needs: ['pixels'] }, async ({ open }) => {
    const { wanted, shown, placed, diff, faults } = await compared(open, state);
    if (keep) {
      writeFileSync(join(folder, `${fileName(state)}-page.png`), shown.png);
      writeFileSync(join(folder, `${fileName(state)}-diff.png`), diff.picture);
    }
    const worst = Math.max(...diff.regions);
    console.log(`${state}: ${percent(diff.apart)} of the pixels apart by more than 10 %, ${percent(diff.unmatched)} ` +
      `unmatched; worst control ${placed[diff.regions.indexOf(worst)].name}, ${percent(worst)} unmatched`);

    assert.deepEqual(shown.controls.map((c) => c.name), placed.map((c) => c.name), 'the same controls, in order');
    for (const [i, want] of placed.entries()) {
      const got = shown.controls[i];
      assert.equal(got.visible, want.visible, `${want.name} visible`);
      if (got.model) continue; // painted without an element: its pixels are compared
      if (want.text !== undefined) assert.equal(got.text, want.text, `${want.name} text`);
      // Edges on whole pixels, as on the desktop.
      const near = got.box.every((v, j) => Math.abs(v - want.box[j]) <= 0.5);
      assert.ok(!want.visible || near, `${want.name} at ${got.box} rather than ${want.box}`);
    }
    if (shown.message) assert.deepEqual(shown.message, wanted.messages.at(-1).map((t) => t.replace(/\r\n?/g, '\n')));
    assert.deepEqual(faults, []);
  });
}

// The tolerance is narrower than the faults it is for: the page spoiled in
// each of these ways fails the comparison.
const hide = (name) => `(() => {
  const { model } = [...window.kymbralPage.view.controls.values()].find((c) => c.model.name === ${JSON.stringify(name)});
  window.kymbralPage.view.apply(JSON.stringify({ controls: [{ ...model, visible: false }] }));
})()`;
// Lines drawn without their ends: a gap at every join of a polyline.
const dotted = {
  'form/raster.js': readFileSync(join(SITE, 'form/raster.js'), 'utf8').replace('i = 0; i <= steps;', 'i = 1; i < steps;'),
};
const SPOILED = {
  'a hidden nucleus bar': ['kymbral acquiring', hide('Nucleus2xy')],
  'a hidden axis': ['kymbral acquiring', hide('Line1')],
  'a missing one-letter label': ['kymbral insert', hide('Label16')],
  'a missing word': ['kymbral insert', hide('Label19')],
  'a missing caption': ['tessivar slide 2', hide('ClueLabel')],
  'dotted polylines': ['kymbral shim map', null, dotted],
};
for (const [spoiled, [state, spoil, files]] of Object.entries(SPOILED)) {
  browserTest(`${state} with ${spoiled} fails the comparison`, { needs: ['pixels'] }, async ({ open }) => {
    const { faults } = await compared(open, state, spoil, files);
    console.log(`${state} with ${spoiled}: ${faults.join('; ')}`);
    assert.notDeepEqual(faults, []);
  });
}
