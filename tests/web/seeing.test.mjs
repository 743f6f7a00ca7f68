// What students with low vision need of both programs' pages: a zoom that
// enlarges (the page scrolls to what no longer fits), controls that keep
// their faces under forced colours, and a focus ring that shows.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { denseLineRuns } from '../../web/form/raster.js';
import { browserTest } from './harness.mjs';
import { differing, picture } from './pictures.mjs';

// A control's height on the screen, in device pixels: what a zoom must enlarge.
const shownHeight = (page, name) => page.evaluate((n) =>
  document.querySelector(`[data-name="${n}"]`).getBoundingClientRect().height * devicePixelRatio, name);

// The controls whose top left corner cannot be brought into view by scrolling to them.
const outOfReach = (page) => page.evaluate(() => [...document.querySelectorAll('.form .control')]
  .filter((element) => element.checkVisibility() && !element.closest('[hidden]'))
  .filter((element) => {
    element.scrollIntoView({ block: 'start', inline: 'start' });
    const { left, top } = element.getBoundingClientRect();
    return !(left >= -1 && top >= -1 && left < innerWidth && top < innerHeight);
  }).map((element) => element.dataset.name));

// Where the open message box's title lies out of the viewport: its edges that do.
const titleOutside = (page) => page.evaluate(() => {
  const r = document.querySelector('dialog.message-box[open] .title').getBoundingClientRect();
  return Object.entries({ left: r.left < 0, top: r.top < 0, right: r.right > innerWidth, bottom: r.bottom > innerHeight })
    .filter(([, out]) => out).map(([edge]) => edge);
});

// A laptop's screen at 100 %, and the same screen as the page sees it at 200 % and 400 %.
const SCREEN = { width: 1280, height: 800, scale: 1 };
const ZOOMED = [2, 4].map((zoom) => ({ zoom, width: SCREEN.width / zoom, height: SCREEN.height / zoom, scale: zoom }));
const MEASURED = { 'kymbral.html': 'Insert', 'tessivar.html': 'InfoBox' };

browserTest('a zoom enlarges the window, while open and kept from a visit before; the page scrolls to every control; an exercise panel and a message box stay in view', { needs: ['zoom'] }, async ({ open }) => {
  for (const [program, name] of Object.entries(MEASURED)) {
    const page = await open(program, SCREEN);
    const before = await shownHeight(page, name);
    for (const { zoom, ...viewport } of ZOOMED) {
      await page.setViewport(viewport);
      assert.ok(await shownHeight(page, name) >= 0.95 * zoom * before, `${program} zoomed to ${zoom * 100} %`);
      const kept = await open(program, viewport);
      assert.ok(await shownHeight(kept, name) >= 0.95 * zoom * before, `${program} opened at ${zoom * 100} %`);
      assert.deepEqual(await outOfReach(kept), [], `${program} at ${zoom * 100} %`);
    }
  }
  const withSet = await open('kymbral.html?exercises=exercises.csv', { ...ZOOMED[0], files: { 'exercises.csv': 'kind,goal\r\nshim,50\r\n' } });
  const panel = await withSet.waitFor(() => {
    const r = document.querySelector('.exercises h2')?.closest('.exercises').getBoundingClientRect();
    return r && [r.left >= 0, r.right <= document.documentElement.clientWidth];
  });
  assert.deepEqual(panel, [true, true], 'the exercise panel at 200 %');
  const page = await open('kymbral.html', ZOOMED[1]);
  await page.evaluate(() => document.querySelector('[data-name="Help"]').focus());
  await page.keyboard.press('Enter');
  await page.waitFor(() => document.querySelector('dialog.message-box[open]') !== null);
  assert.deepEqual(await titleOutside(page), [], 'the title of a message box at 400 %');
});

// Each windowed control's box, on the form, in pixels.
const controlBoxes = (page) => page.evaluate(() => {
  const form = document.querySelector('.form').getBoundingClientRect();
  return [...document.querySelectorAll('.form button.control, .form input.control, .form .listbox, .form .checkbox')]
    .filter((element) => element.checkVisibility())
    .map((element) => {
      const r = element.getBoundingClientRect();
      const style = getComputedStyle(element.matches('.checkbox') ? element.firstChild : element);
      return { name: element.dataset.name, box: [r.left - form.left, r.top - form.top, r.width, r.height],
        system: style.appearance === 'auto', face: style.backgroundColor, border: [style.borderTopWidth, style.borderTopColor] };
    });
});

// A control the system draws itself (a native check box) has the system's face and border.
browserTest('with forced colours every control keeps a face and a border, and no caption of the console picture shows inside it', { needs: ['forcedColors'] }, async ({ open }) => {
  const page = await open('kymbral.html');
  const devtools = await page.native.createCDPSession();
  await devtools.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
  const controls = await controlBoxes(page);
  assert.ok(controls.length > 20);
  for (const { name, face, border: [width, colour] } of controls.filter((control) => !control.system)) {
    assert.doesNotMatch(face, /rgba\(.*, 0\)|transparent/, `${name}: its face`);
    assert.ok(parseFloat(width) >= 1 && colour !== face, `${name}: its border`);
  }
  await page.evaluate(() => document.activeElement.blur()); // no caret blinking between the two
  const shown = await picture(page);
  await page.evaluate(() => { document.querySelector('.form .background').style.visibility = 'hidden'; });
  const bare = await picture(page);
  // Inside the rounded corners, where a control's face is whole.
  const faces = controls.map(({ box: [left, top, width, height] }) => ({ box: [left + 2, top + 2, width - 4, height - 4] }));
  const { regions } = await differing(page, shown.png, bare.png, { regions: faces });
  controls.forEach(({ name }, i) => assert.equal(regions[i], 0, `${name}: the picture shows through`));
});

// The screenshot, larger than the window, has the focus from the start (keyboard.test.mjs).
browserTest('Tessivar\'s ring shows at the window\'s edges', async ({ open }) => {
  const page = await open('tessivar.html');
  await page.keyboard.press('ArrowRight');
  const [ring, window] = await page.evaluate(() => ['.focus-ring', '#window'].map((selector) => {
    const element = document.querySelector(selector);
    const { left, top, width, height } = element.getBoundingClientRect();
    return { seen: element.checkVisibility(), box: [left, top, width, height].map(Math.round) };
  }));
  assert.deepEqual(ring, { seen: true, box: window.box });
});

// The spinning nuclei and the plots move because they are the lesson; the
// page itself animates nothing, with or without a wish for less motion.
browserTest('no page of the site animates or eases anything of its own', async ({ open }) => {
  for (const path of ['index.html', 'kymbral.html', 'tessivar.html', 'author.html', 'exercises.html']) {
    const page = await open(path, { ready: path !== 'index.html' });
    await page.evaluate(() => document.querySelector('[data-name="Insert"]')?.click());
    assert.deepEqual(await page.evaluate(() => document.getAnimations().map((a) => a.animationName ?? a.transitionProperty ?? a.id)), [], path);
  }
});

// The paths of what the page fetched.
const fetched = (page) => page.evaluate(() => performance.getEntriesByType('resource')
  .map((entry) => decodeURIComponent(new URL(entry.name).pathname)));

browserTest('on a screen of two device pixels to a pixel, the console picture and the built-in screenshots are drawn from their 2x pictures', async ({ open }) => {
  for (const scale of [1, 2]) {
    const kymbral = await open('kymbral.html', { scale });
    const background = await kymbral.evaluate(() => document.querySelector('.background').currentSrc);
    assert.match(background, scale === 1 ? /\/console_background\.jpg$/ : /\/2x\/console_background\.png$/);
    const tessivar = await open('tessivar.html', { scale });
    const dense = (await fetched(tessivar)).filter((path) => path.endsWith('/Orvane ScreenShots/2x/ScreenShot-0.png'));
    assert.equal(dense.length, scale - 1, `Tessivar at ${scale}x`);
  }
});

test('a line on a screen of 2 or 3 pixels to a pixel steps by the screen\'s pixels, one of its own thick, its ends whole', () => {
  for (const k of [2, 3]) {
    const lit = new Map(); // column -> its lit rows
    for (const [x, y, width, height] of denseLineRuns(0, 0, 9, 2, k)) {
      for (let i = x; i < x + width; i++) for (let j = y; j < y + height; j++) lit.set(i, [...(lit.get(i) ?? []), j]);
    }
    const rows = (i) => [...new Set(lit.get(i))].sort((a, b) => a - b);
    assert.deepEqual([...lit.keys()].sort((a, b) => a - b), [...Array(10 * k).keys()], `${k}: from end to end, whole`);
    for (const [column, from] of [[0, 0], [10 * k - 1, 2 * k]]) assert.deepEqual(rows(column), [...Array(k).keys()].map((j) => from + j));
    for (const column of lit.keys()) assert.ok([k, k + 1].includes(rows(column).length), `${k}: thick ${rows(column)}`);
    assert.ok([...lit.keys()].some((column) => rows(column)[0] % k !== 0), `${k}: a step between its own pixels`);
  }
});
