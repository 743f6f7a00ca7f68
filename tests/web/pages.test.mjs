// The programs' pages in each browser engine: the desktop's behaviour through
// the browser's clicks and keys, and every control where its layout puts it.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { browserTest, click, closeMessage, SITE, text, waitText } from './harness.mjs';

const strokes = (page, name) =>
  page.evaluate((n) => [...window.kymbralPage.view.controls.values()]
    .find((c) => c.model.name === n).element.picture.strokes, name);

browserTest('Kymbral: sample, knobs, command line, acquisition', async ({ open }) => {
  const page = await open('kymbral.html');
  await click(page, 'Insert');
  for (const label of ['Info', 'Info2']) await waitText(page, label, '53.22');
  assert.ok(await strokes(page, 'PlotPeakShape') > 0, 'the spike is drawn');

  // A right click is no click: Help's box would stop the knob's step.
  await page.evaluate(() => document.addEventListener('contextmenu', (e) => (window.menu = !e.defaultPrevented)));
  await click(page, 'Help', { button: 'right' });
  await click(page, 'KeyIn0', { button: 'right' });
  await waitText(page, 'ShimLabel0', '51');
  assert.equal(await page.evaluate(() => window.menu), false, 'no context menu');

  await page.mouse.click('[data-name="KeyboardInput"]');
  await page.keyboard.type('pw=3');
  await page.keyboard.press('Enter');
  await page.waitFor(() => /pw +3/.test(document.querySelector('[data-name="ParametersListBox"]').textContent));

  await click(page, 'Restart');
  await page.waitFor(() => document.querySelector('[data-name="TimeLabel"]').textContent !== '0');
  const grown = await strokes(page, 'PlotFID');
  await page.waitFor((n) => n < [...window.kymbralPage.view.controls.values()]
    .find((c) => c.model.name === 'PlotFID').element.picture.strokes, grown);
  await click(page, 'Restart');
  const [time, fid] = [await text(page, 'TimeLabel'), await strokes(page, 'PlotFID')];
  await new Promise((resolve) => setTimeout(resolve, 200));
  assert.deepEqual([await text(page, 'TimeLabel'), await strokes(page, 'PlotFID')], [time, fid], 'Abort freezes it');
});

browserTest('Kymbral: game, messages and the gradient shim', async ({ open }) => {
  const page = await open('kymbral.html');
  await click(page, 'ScrambleEasy');
  await waitText(page, 'Walkup', 'Answer');
  await click(page, 'Walkup');
  assert.equal((await closeMessage(page))[1], 'Something is wrong. Did you inject your sample?');
  assert.match((await closeMessage(page))[1], /^The answers will be shown when you click OK\.\n/);
  await click(page, 'Help');
  assert.equal((await closeMessage(page))[0], 'Kymbral Help');

  await click(page, 'Insert');
  const frames = () => page.evaluate(() => new Promise((resolve) => {
    let count = 0;
    const start = performance.now();
    const step = () => (performance.now() - start < 1000 ? (count++, requestAnimationFrame(step)) : resolve(count));
    requestAnimationFrame(step);
  }));
  await click(page, 'GradientShim');
  await waitText(page, 'GradientShim', 'Shimming...');
  const before = await text(page, 'ShimLabel0');
  await click(page, 'KeyIn0', { button: 'right' });
  // Not a speed: a page that waited by blocking would paint no frame at all.
  const painted = await frames();
  assert.ok(painted > 5, `the page keeps painting during the wait (${painted} frames in a second)`);
  assert.equal(await text(page, 'ShimLabel0'), before, 'the click waits for the shim');
  await waitText(page, 'GradientShim', 'Gradient Shim');
  await page.waitFor((b) => document.querySelector('[data-name="ShimLabel0"]').textContent !== b, before);
});

const targets = [...readFileSync(new URL('../../tessivar/show/slide_table.cpp', import.meta.url), 'utf8')
  .matchAll(/^\s*\{(\d+), (\d+),/gm)].map(([, x, y]) => ({ x: x - 100, y: y - 100 })); // just inside

browserTest('Tessivar: clicks, clues, going back and the end of the show', async ({ open }) => {
  assert.equal(targets.length, 26);
  const page = await open('tessivar.html');
  await click(page, 'Picture1', targets[0]);
  await waitText(page, 'InfoBox', 'Screen:  1');
  await click(page, 'Picture1', { x: 30, y: 30 });
  await waitText(page, 'ClueLabel', 'Clue Level = 1');
  assert.notEqual(await text(page, 'ScoreLabel'), 'Score = 0');
  await click(page, 'Picture1', { button: 'right', x: 30, y: 30 });
  await waitText(page, 'InfoBox', 'Screen:  0');
  for (const [slide, target] of targets.entries()) {
    await click(page, 'Picture1', target);
    if (slide < 25) await waitText(page, 'InfoBox', `Screen:  ${slide + 1}`);
  }
  assert.match((await closeMessage(page))[1], /^You completed this exercise with a score of: /);
});

const header = 'picture,text,left,top,width,height\r\n';
const zoom = 1239 / 1445; // the console picture, shrunk to the window's width

browserTest('Tessivar: a deck beside the page plays; other links and bad rows are told and stop', async ({ open }) => {
  const cases = [
    ['Orvane ScreenShots', {}, targets[0], 'Screen:  1'],
    ['big', { 'big/deck.csv': `${header}wide.jpg,Wide,100,100,96,20\r\n`,
      'big/wide.jpg': readFileSync(`${SITE}/console_background.jpg`) },
    { x: 148 * zoom * 15, y: 110 * zoom * 15 }, /^You completed this exercise/],
    ['bad', { 'bad/deck.csv': `${header}x.jpg,Hi,0,0,0,10\r\n` }, null,
      /^deck\.csv line 2: width must be a whole number greater than 0$/],
    ...['../x', 'http://evil', '/abs', 'a\\b', ''].map((name) => [name, {}, null,
      /^Tessivar plays only a deck in a folder beside this page/]),
  ];
  for (const [name, files, target, expected] of cases) {
    const page = await open(`tessivar.html?deck=${encodeURIComponent(name)}`, { files });
    if (target) await click(page, 'Picture1', target);
    if (typeof expected === 'string') await waitText(page, 'InfoBox', expected);
    else assert.match((await closeMessage(page))[1], expected, name);
    if (!target) await page.waitFor(() => document.querySelector('.form.stopped') !== null);
    await page.close();
  }
});

for (const scale of [1, 2]) {
  browserTest(`every control at its layout rectangle / 15, device pixel ratio ${scale}`, async ({ open }) => {
    for (const program of ['kymbral.html', 'tessivar.html']) {
      const page = await open(program, { scale });
      const wrong = await page.evaluate(() => [...window.kymbralPage.view.controls.values()].filter(({ model, element }) => {
        if (!element || !model.rect || model.visible === false) return false;
        const outer = element.parentElement.getBoundingClientRect();
        const box = element.getBoundingClientRect();
        const [left, top, width, height] = model.rect.map((t) => t / 15);
        return [box.left - outer.left - left, box.top - outer.top - top, box.width - width, box.height - height]
          .some((d) => Math.abs(d) > 0.5); // edges on whole pixels, as on the desktop
      }).map(({ model }) => model.name));
      assert.deepEqual(wrong, []);
      assert.equal(await page.evaluate(() => devicePixelRatio), scale);
    }
  });
}
