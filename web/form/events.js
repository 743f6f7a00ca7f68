// The page's events to the module: each kind through its own export
// (form/web/web_exports.cpp), its fields by name.
import { PageEvent } from './codes.js';

// A text in the module's memory while `use` runs.
export function withText(module, text, use) {
  const size = module.lengthBytesUTF8(text) + 1;
  const pointer = module._malloc(size);
  module.stringToUTF8(text, pointer, size);
  try {
    return use(pointer);
  } finally {
    module._free(pointer);
  }
}

// Each kind's export, given the control and the event's fields; true when
// the module must then be pumped.
const SENDERS = {
  [PageEvent.CLICK]: (module, control) => module._web_post_click(control),
  [PageEvent.MOUSE_UP]: (module, control, { button, x = 0, y = 0 }) => module._web_post_mouse_up(control, button, x, y),
  [PageEvent.KEY_UP]: (module, control, { keyCode }) => module._web_post_key_up(control, keyCode),
  [PageEvent.MOUSE_MOVE]: (module, control, { buttons, x, y }) => module._web_post_mouse_move(control, buttons, x, y),
  [PageEvent.TEXT]: (module, control, { text }) =>
    withText(module, text, (pointer) => module._web_post_text(control, pointer)),
  [PageEvent.CHECK]: (module, control, { checked }) => module._web_post_check(control, checked),
  [PageEvent.TICK]: (module, control) => module._web_post_tick(control),
  [PageEvent.KEY]: (module, control, { keyCode, shift = false, held = false }) =>
    module._web_post_key(control, keyCode, shift, held),
  [PageEvent.ANNOUNCE]: (module) => module._web_post_announce(),
};

// The view's `post(control, kind, fields)`. Straight to the exports: an
// event may come while a handler waits, and ccall would take it for part of
// that wait.
export function eventPoster(module, pump) {
  return (control, event, fields = {}) => {
    if (SENDERS[event](module, control, fields)) pump();
  };
}
