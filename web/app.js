// Starts a program on its page: its WebAssembly module, the view of its
// window, its message boxes and pictures.
import { FormView } from './form.js';
import { showMessage } from './dialog.js';
import { FACES } from './appearance.js';
import { clock } from './clock.js';

export async function start({ createModule, background }) {
  const root = document.getElementById('window');
  const view = new FormView(root, background);
  const page = {
    apply: (changes) => view.apply(changes),
    showMessage,
    loadPicture: (path) => view.loadPicture(path),
    stop: () => view.stop(),
    timeOfDay: clock.timeOfDay,
  };
  const [module] = await Promise.all([
    createModule({ page }),
    ...FACES.map((face) => document.fonts.load(face)),
  ]);
  // Idle once the events posted so far have run (a handler may wait for a
  // picture or a message box meanwhile).
  view.idle = true;
  let pumps = 0;
  const pump = () => {
    const mine = ++pumps;
    view.idle = false;
    Promise.resolve(module.ccall('web_pump', null, [], [], { async: true })).then(() => {
      if (mine === pumps) view.idle = true;
    });
  };
  // Straight to the export: it may come while a handler waits, and ccall
  // would take it for part of that wait.
  view.post = (control, event, button = 0, x = 0, y = 0, text = '') => {
    const size = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(size);
    module.stringToUTF8(text, pointer, size);
    const mustPump = module._web_post(control, event, button, x, y, pointer);
    module._free(pointer);
    if (mustPump) pump();
  };
  window.formView = view;
  await module.ccall('web_start', null, [], [], { async: true });
  // The keyboard goes where the desktop's goes first: the first control that takes it.
  root.querySelector('input, button')?.focus();
  document.body.classList.add('ready');
  // After the next frame's paint: the benchmark's "first complete paint".
  requestAnimationFrame(() => setTimeout(() => performance.mark('painted')));
}
