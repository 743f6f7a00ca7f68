// Which mouse button a release or a click is of, as the desktop numbers
// them. A release is of the button its press began with, or of the right
// one when a context menu was asked for in between (Control-click on a Mac):
// engines disagree on the release itself (WebKit's automation reports every
// release as the left button's, and clicks after a right press).

// The desktop's codes: 1 left, 2 right, 4 middle (DOM numbers them 0, 2, 1).
const BUTTON_CODES = [1, 4, 2];

export class MouseButtons {
  constructor() {
    this.pressed = 0;
    addEventListener('mousedown', (e) => (this.pressed = e.button), true);
    addEventListener('contextmenu', () => (this.pressed = 2), true);
  }

  released() {
    return BUTTON_CODES[this.pressed];
  }

  // A click is the left button's; one from the keyboard has no press (detail 0).
  isLeftClick(e) {
    return this.pressed === 0 || e.detail === 0;
  }

  // A click on the control a finger tapped or meant, by the mouse's own
  // path: the release (a knob's step, a picture's click) and, of the left
  // button (0), the click; the right (2) is a long press.
  clickAt(target, x, y, button) {
    this.pressed = button;
    // As the left button's press would, the control takes the keyboard first.
    if (button === 0) target.closest('button, input, [tabindex]')?.focus({ preventScroll: true });
    const init = { bubbles: true, cancelable: true, clientX: x, clientY: y, button, buttons: 0 };
    target.dispatchEvent(new MouseEvent('mouseup', init));
    if (button !== 0) return;
    target.dispatchEvent(new MouseEvent('click', { ...init, detail: 1 }));
  }
}
