// Fingers on the form. A tap is the browser's own left click where the
// finger lifts. A finger held still for half a second is a right click
// there (a knob one step up, the slide show one slide back), with no menu
// or selection; a finger that moves, or a second one, scrolls or zooms.
import { clock } from './clock.js';

const LONG_PRESS_MS = 500;
const STILL_PX = 10; // how far a held finger may drift

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
      buttons.rightClickAt(press.x, press.y);
    }, LONG_PRESS_MS);
  }, { passive: true });
  form.addEventListener('touchmove', (e) => {
    const touch = e.touches[0];
    if (press && !press.long && Math.hypot(touch.clientX - press.x, touch.clientY - press.y) > STILL_PX) cancel();
    if (e.touches.length !== 1) cancel();
  }, { passive: true });
  form.addEventListener('touchend', (e) => {
    // After a long press, no left click follows.
    if (press?.long) e.preventDefault();
    cancel();
  });
  form.addEventListener('touchcancel', cancel);
}
