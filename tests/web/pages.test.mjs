// The programs' pages in Chromium: the desktop's behaviour through the
// browser's clicks and keys, and every control where its layout puts it.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { click, closeMessage, launch, open, serve, text, waitText } from './harness.mjs';

const site = process.env.KYMBRAL_SITE ?? new URL('../../build-web/site', import.meta.url).pathname;
let server;
let browser;
before(async () => {
  server = await serve(site);
  browser = await launch();
});
after(async () => {
  await browser?.end();
  server?.close();
});

const kymbral = (options) => open(browser, `${server.url}kymbral.html`, options);
const tessivar = (options) => open(browser, `${server.url}tessivar.html`, options);
const strokes = (page, name) =>
  page.evaluate((n) => [...window.formView.controls.values()]
    .find((c) => c.model.name === n).element.picture.strokes, name);

test('Kymbral: sample, knobs, command line, acquisition', async () => {
  const page = await kymbral();
  await click(page, 'Insert');
  for (const label of ['Info', 'Info2']) await waitText(page, label, '53.22');
  assert.ok(await strokes(page, 'PlotPeakShape') > 0, 'the spike is drawn');

  const menus = page.evaluate(() => new Promise((resolve) => document.addEventListener(
    'contextmenu', (e) => resolve(e.defaultPrevented), { once: true })));
  await click(page, 'KeyIn0', { button: 'right' });
  assert.equal(await menus, true, 'no context menu');
  await waitText(page, 'ShimLabel0', '51');

  await page.type('[data-name="KeyboardInput"]', 'pw=3');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => /pw +3/.test(document.querySelector('[data-name="ParametersListBox"]').textContent));

  await click(page, 'Restart');
  await page.waitForFunction(() => document.querySelector('[data-name="TimeLabel"]').textContent !== '0');
  const grown = await strokes(page, 'PlotFID');
  await page.waitForFunction((n) => window.formView.controls.size && n < [...window.formView.controls.values()]
    .find((c) => c.model.name === 'PlotFID').element.picture.strokes, {}, grown);
  await click(page, 'Restart');
  const [time, fid] = [await text(page, 'TimeLabel'), await strokes(page, 'PlotFID')];
  await new Promise((resolve) => setTimeout(resolve, 200));
  assert.deepEqual([await text(page, 'TimeLabel'), await strokes(page, 'PlotFID')], [time, fid], 'Abort freezes it');
});

test('Kymbral: game, messages and the gradient shim', async () => {
  const page = await kymbral();
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
    const step = () => (performance.now() - start < 500 ? (count++, requestAnimationFrame(step)) : resolve(count));
    requestAnimationFrame(step);
  }));
  await click(page, 'GradientShim');
  await waitText(page, 'GradientShim', 'Shimming...');
  const before = await text(page, 'ShimLabel0');
  await click(page, 'KeyIn0', { button: 'right' });
  assert.ok(await frames() > 10, 'the page keeps painting during the wait');
  assert.equal(await text(page, 'ShimLabel0'), before, 'the click waits for the shim');
  await waitText(page, 'GradientShim', 'Gradient Shim');
  await page.waitForFunction((b) => document.querySelector('[data-name="ShimLabel0"]').textContent !== b, {}, before);
});

const targets = [...readFileSync(new URL('../../slideshow/slide_table.cpp', import.meta.url), 'utf8')
  .matchAll(/^\s*\{(\d+), (\d+),/gm)].map(([, x, y]) => ({ x: x - 100, y: y - 100 })); // just inside

test('Tessivar: clicks, clues, going back and the end of the show', async () => {
  assert.equal(targets.length, 26);
  const page = await tessivar();
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

// A deck named in the page's address, its files served as given here or from the site.
const deck = (name, files = {}) => open(browser, `${server.url}tessivar.html?deck=${encodeURIComponent(name)}`, {
  before: async (p) => {
    await p.setRequestInterception(true);
    p.on('request', (r) => {
      const body = files[decodeURIComponent(new URL(r.url()).pathname.slice(1))];
      return body === undefined ? r.continue() : r.respond({ body });
    });
  },
});
const header = 'picture,text,left,top,width,height\r\n';
const zoom = 1239 / 1445; // the console picture, shrunk to the window's width

test('Tessivar: a deck beside the page plays; other links and bad rows are told and stop', async () => {
  const cases = [
    ['Orvane ScreenShots', {}, targets[0], 'Screen:  1'],
    ['big', { 'big/deck.csv': `${header}wide.jpg,Wide,100,100,96,20\r\n`,
      'big/wide.jpg': readFileSync(`${site}/console_background.jpg`) },
    { x: 148 * zoom * 15, y: 110 * zoom * 15 }, /^You completed this exercise/],
    ['bad', { 'bad/deck.csv': `${header}x.jpg,Hi,0,0,0,10\r\n` }, null,
      /^deck\.csv line 2: width must be a whole number greater than 0$/],
    ...['../x', 'http://evil', '/abs', 'a\\b', ''].map((name) => [name, {}, null,
      /^Tessivar plays only a deck in a folder beside this page/]),
  ];
  for (const [name, files, target, expected] of cases) {
    const page = await deck(name, files);
    if (target) await click(page, 'Picture1', target);
    if (typeof expected === 'string') await waitText(page, 'InfoBox', expected);
    else assert.match((await closeMessage(page))[1], expected, name);
    if (!target) await page.waitForSelector('.form.stopped');
  }
});
