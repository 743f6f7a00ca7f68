// Both programs with the keyboard alone: no mouse event is sent. Tab goes
// through the controls in reading order, keys click as their kind does, a
// knob's keys are its mouse buttons, and Tessivar's cross-hair clicks.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { browserTest, closeMessage, text, waitText } from './harness.mjs';
import { openFaked, tick } from './views.mjs';

const focused = (page) => page.evaluate(() => document.activeElement.closest('[data-name]')?.dataset.name);

// Tab (or Shift+Tab) until the control has the focus.
async function tabTo(page, name, key = 'Tab') {
  for (let i = 0; i < 40; i++) {
    await page.keyboard.press(key);
    if ((await focused(page)) === name) return;
  }
  assert.fail(`${key} never reaches ${name}`);
}

// Headless Firefox over WebDriver BiDi clicks no button by Enter once the
// focus has gone round through the browser's own bar: the steps never wrap.
browserTest('Kymbral by keyboard: Tab, the knobs\' keys, the command line, GA and Help', async ({ open }) => {
  const page = await openFaked(open, 'kymbral.html');
  assert.equal(await focused(page), 'KeyboardInput', 'the command line has the focus at start');
  await page.keyboard.type('pw=3');
  await page.keyboard.press('Enter');
  await page.waitFor(() => /pw +3/.test(document.querySelector('[data-name="ParametersListBox"]').textContent));

  const steps = [
    ['Insert', ['Enter'], 'Info', '53.22'],
    ['KeyIn0', ['ArrowUp'], 'ShimLabel0', '51'],
    ['KeyIn0', ['ArrowDown', ' ', 'Enter'], 'ShimLabel0', '48'],
    ['KeyIn1', ['ArrowUp', 'ArrowUp'], 'ShimLabel1', '2'],
  ];
  for (const [name, keys, shows, expected] of steps) {
    if ((await focused(page)) !== name) await tabTo(page, name);
    for (const key of keys) await page.keyboard.press(key);
    await waitText(page, shows, expected);
  }

  await tabTo(page, 'Restart', 'Shift+Tab');
  await page.keyboard.press('Enter');
  await tick(page, 100);
  const time = await text(page, 'TimeLabel');
  assert.notEqual(time, '0', 'GA acquires');
  await page.keyboard.press('Enter');
  await tick(page, 100);
  assert.equal(await text(page, 'TimeLabel'), time, 'Abort stops it');

  // The message box takes the focus on its OK, and gives it back.
  await tabTo(page, 'Help');
  await page.keyboard.press('Enter');
  await page.waitFor(() => document.activeElement.closest('dialog.message-box[open]') !== null);
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'OK');
  assert.equal((await closeMessage(page))[0], 'Kymbral Help');
  assert.equal(await focused(page), 'Help');
});

// Just inside each target's lower-right corner, in twips from the picture's
// drawing area: the middle may lie under the texts over the picture.
const targets = [...readFileSync(new URL('../../tessivar/show/slide_table.cpp', import.meta.url), 'utf8')
  .matchAll(/^\s*\{(\d+), (\d+),/gm)].map(([, x, y]) => [x - 150, y - 150]);
const STEP = 60; // twips an arrow moves the cross-hair; ten times that with Shift

// The cross-hair where it is, in twips from the drawing area's corner.
const crossHair = (page) => page.evaluate(() => {
  const { style } = document.querySelector('.crosshair');
  return [style.left, style.top].map((side) => Number.parseFloat(side) * 15);
});

// Arrows, long steps first, to within a step of the point.
async function moveTo(page, point) {
  const at = await crossHair(page);
  for (const [axis, [less, more]] of [['ArrowLeft', 'ArrowRight'], ['ArrowUp', 'ArrowDown']].entries()) {
    const steps = Math.round((point[axis] - at[axis]) / STEP);
    const key = steps < 0 ? less : more;
    for (let i = 0; i < Math.floor(Math.abs(steps) / 10); i++) await page.keyboard.press(`Shift+${key}`);
    for (let i = 0; i < Math.abs(steps) % 10; i++) await page.keyboard.press(key);
  }
}

browserTest('Tessivar by keyboard: the cross-hair reaches every target, Enter clicks, Backspace goes back', async ({ open }) => {
  assert.equal(targets.length, 26);
  const page = await openFaked(open, 'tessivar.html');
  assert.equal(await focused(page), 'Picture1', 'the screenshot has the focus at start');
  await page.waitFor(() => !document.querySelector('.crosshair').hidden);
  const slide = (n) => waitText(page, 'InfoBox', `Screen:  ${n}\n`);
  await moveTo(page, targets[0]);
  await page.keyboard.press('Enter');
  await slide(1);
  await page.keyboard.press('Backspace');
  await slide(0);
  for (const [n, target] of targets.entries()) {
    await moveTo(page, target);
    await page.keyboard.press('Enter');
    if (n < 25) await slide(n + 1);
  }
  assert.match((await closeMessage(page))[1], /^You completed this exercise with a score of: /);
});
