// Fingers on the form. A tap is a left click where the finger lifts. A
// finger held still for half a second is a right click there (a knob one
// step up, the slide show one slide back), with no menu or selection; a
// finger that moves, or a second one, scrolls or zooms.
// A finger that lands beside a small control, on nothing that takes it,
// means the nearest control within a target of 24 pixels square.
import { clock } from './clock.js';

const LONG_PRESS_MS = 500;
const STILL_PX = 10; // how far a held finger may drift
const TARGET_PX = 24; // the least target a finger is given, square, in CSS pixels
const TAKES_INPUT = 'button:not(:disabled), input, label.checkbox, [role="button"], [role="application"], .listbox';

// The control a finger at (x, y) beside it means, on nothing that takes
// input: the nearest whose target, grown to TARGET_PX about its middle,
// holds the point. Null on a control, or far from any.
function meantBeside(form, x, y) {
  const under = document.elementFromPoint(x, y);
  if (!under || under.closest(TAKES_INPUT)) return null;
  let [meant, nearest] = [null, Infinity];
  for (const element of form.querySelectorAll(TAKES_INPUT)) {
    if (!element.checkVisibility()) continue;
    const box = element.getBoundingClientRect();
    const [dx, dy] = [Math.max(box.left - x, 0, x - box.right), Math.max(box.top - y, 0, y - box.bottom)];
    const [reachX, reachY] = [(TARGET_PX - box.width) / 2, (TARGET_PX - box.height) / 2];
    if (dx > Math.max(0, reachX) || dy > Math.max(0, reachY) || Math.hypot(dx, dy) >= nearest) continue;
    [meant, nearest] = [element, Math.hypot(dx, dy)];
  }
  return meant;
}

// What a tap at (x, y) clicks, at once where the finger lifts: the browser's
// own click comes a few frames later. A text box is left to the browser,
// which raises the keyboard for it.
function tappedAt(form, x, y) {
  const under = document.elementFromPoint(x, y);
  if (!under || !form.contains(under)) return null;
  if (under.matches('input:not([type="checkbox"])') || under.closest(':disabled')) return null;
  return meantBeside(form, x, y) ?? under;
}

// buttons: the view's MouseButtons, which give the right click.
export function watchTouch(form, buttons) {
  let press = null;
  const cancel = () => {
    if (press) clock.clearTimeout(press.timer);
    press = null;
  };
  form.addEventListener('touchstart', (e) => {
    cancel();
    if (e.touches.length !== 1) return;
    const { clientX: x, clientY: y } = e.touches[0];
    press = { x, y, long: false };
    press.timer = clock.setTimeout(() => {
      press.long = true;
      const target = meantBeside(form, press.x, press.y) ?? document.elementFromPoint(press.x, press.y);
      if (target) buttons.clickAt(target, press.x, press.y, 2);
    }, LONG_PRESS_MS);
  // Not passive: the browser hands a passive touch to the page at its next
  // frame, and the lift behind it with it.
  }, { passive: false });
  form.addEventListener('touchmove', (e) => {
    const touch = e.touches[0];
    if (press && !press.long && Math.hypot(touch.clientX - press.x, touch.clientY - press.y) > STILL_PX) cancel();
    if (e.touches.length !== 1) cancel();
  }, { passive: true });
  form.addEventListener('touchend', (e) => {
    // After a long press, no left click follows.
    if (press?.long) e.preventDefault();
    const tapped = press && !press.long && tappedAt(form, press.x, press.y);
    if (tapped) {
      e.preventDefault();
      buttons.clickAt(tapped, press.x, press.y, 0);
    }
    cancel();
  });
  form.addEventListener('touchcancel', cancel);
}
