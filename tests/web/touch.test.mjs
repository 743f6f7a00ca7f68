// Fingers on both pages, in Chromium's touch emulation: a tap is a left click
// where the finger lifts, a long press held still a right click, a swipe no click at all, and no
// menu or selection comes up. The long press is timed on the page's clock.
import assert from 'node:assert/strict';
import { browserTest, text, waitText } from './harness.mjs';
import { openFaked, tick } from './views.mjs';

const TABLET = { width: 1024, height: 768, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
const PHONE = { width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

// A program's page on a touch screen, with what the page did on a long
// press that it should not: a context menu left open, a selection.
async function touchPage(open, program, screen) {
  const page = await openFaked(open, program);
  await page.native.setViewport(screen); // a page turned into a touch screen's loads again
  await page.waitFor(() => document.querySelector('body.ready') !== null);
  await page.evaluate(() => {
    window.menus = 0;
    addEventListener('contextmenu', (e) => (window.menus += e.defaultPrevented ? 0 : 1));
  });
  return page;
}
const unwanted = (page) => page.evaluate(() => [window.menus, String(getSelection())]);

// Where a finger goes: in a control's middle, or at twips from its drawing area's corner.
const at = (page, name, point) => page.evaluate((n, p) => {
  const element = document.querySelector(`[data-name="${n}"]`);
  const box = (element.querySelector('.area') ?? element).getBoundingClientRect();
  const scale = window.kymbralPage.view.scale;
  return p ? { x: box.left + (p.x / 15) * scale, y: box.top + (p.y / 15) * scale }
    : { x: box.left + box.width / 2, y: box.top + box.height / 2 };
}, name, point);

const fingers = {
  tap: (page, { x, y }) => page.native.touchscreen.tap(x, y),
  async press(page, { x, y }) {
    await page.native.touchscreen.touchStart(x, y);
    await tick(page, 60);
    await page.native.touchscreen.touchEnd();
  },
  async swipe(page, { x, y }) {
    await page.native.touchscreen.touchStart(x, y);
    await page.native.touchscreen.touchMove(x + 40, y + 60);
    await tick(page, 60);
    await page.native.touchscreen.touchEnd();
  },
};

// The browser's own presses, which come a few frames after a lift.
const countPresses = (page) => page.evaluate(() => {
  window.presses = 0;
  addEventListener('mousedown', () => window.presses++, true);
});
const presses = (page) => page.evaluate(() => window.presses);

browserTest('Kymbral by touch: a tap is a left click at the lift, a long press a right click, a swipe nothing', { needs: ['touch'] }, async ({ open }) => {
  for (const screen of [TABLET, PHONE]) {
    const page = await touchPage(open, 'kymbral.html', screen);
    await countPresses(page);
    await fingers.tap(page, await at(page, 'Insert'));
    await waitText(page, 'Info', '53.22');
    const steps = [['press', '51'], ['tap', '50'], ['tap', '49'], ['swipe', '49'], ['press', '50']];
    for (const [finger, expected] of steps) {
      await fingers[finger](page, await at(page, 'KeyIn0'));
      await tick(page, 10);
      assert.equal(await text(page, 'ShimLabel0'), expected, `${finger} on Z0 at ${screen.width} wide`);
    }
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'KeyIn0', 'the tapped knob takes the keyboard');
    assert.deepEqual(await unwanted(page), [0, ''], 'no menu, no selection');
    assert.equal(await presses(page), 0, "taps are acted on at the lift, not by the browser's click");
    // The command line is the browser's to tap: it raises the keyboard.
    await fingers.tap(page, await at(page, 'KeyboardInput'));
    await page.waitFor(() => document.activeElement.dataset.name === 'KeyboardInput');
    await page.close();
  }
});

// Where a finger lands a few pixels below a control's bottom edge, in the middle.
const below = (page, name, by) => page.evaluate((n, d) => {
  const box = document.querySelector(`[data-name="${n}"]`).getBoundingClientRect();
  return { x: box.left + box.width / 2, y: box.bottom + d };
}, name, by);

browserTest('a finger just beside a small knob, on nothing that takes it, works the knob; further off, nothing', { needs: ['touch'] }, async ({ open }) => {
  const page = await touchPage(open, 'kymbral.html', TABLET);
  const knob = await page.evaluate(() => document.querySelector('[data-name="KeyIn0"]').getBoundingClientRect().height);
  assert.ok(knob < 20, `the knob is ${knob} pixels high on a tablet`);
  await fingers.tap(page, await below(page, 'KeyIn0', 4));
  await tick(page, 10);
  assert.equal(await text(page, 'ShimLabel0'), '49', 'a tap 4 pixels below');
  await fingers.press(page, await below(page, 'KeyIn0', 4));
  await tick(page, 10);
  assert.equal(await text(page, 'ShimLabel0'), '50', 'a long press 4 pixels below');
  await fingers.tap(page, await below(page, 'KeyIn0', 14));
  await tick(page, 10);
  assert.equal(await text(page, 'ShimLabel0'), '50', 'a tap 14 pixels below');
});

browserTest('Tessivar by touch: a tap on the target goes on, a long press goes back, no menu', { needs: ['touch'] }, async ({ open }) => {
  const page = await touchPage(open, 'tessivar.html', TABLET);
  const target = await at(page, 'Picture1', { x: 2805 - 150, y: 8820 - 150 });
  await fingers.swipe(page, target);
  assert.equal(await text(page, 'ClueLabel'), 'Clue Level = 0', 'the swipe was no click');
  await fingers.tap(page, target);
  await waitText(page, 'InfoBox', 'Screen:  1\n');
  await fingers.press(page, target);
  await waitText(page, 'InfoBox', 'Screen:  0\n');
  assert.deepEqual(await unwanted(page), [0, '']);
});

browserTest('a phone held upright asks to be turned; the page may be zoomed', { needs: ['touch'] }, async ({ open }) => {
  const page = await touchPage(open, 'kymbral.html', { ...PHONE, width: PHONE.height, height: PHONE.width });
  const notice = () => page.evaluate(() => getComputedStyle(document.querySelector('.turn-notice')).display !== 'none');
  assert.equal(await notice(), true, 'upright');
  await page.native.setViewport(PHONE);
  assert.equal(await notice(), false, 'sideways');
  const viewport = await page.evaluate(() => document.querySelector('meta[name="viewport"]').content);
  assert.doesNotMatch(viewport, /user-scalable\s*=\s*no|maximum-scale/);
});
