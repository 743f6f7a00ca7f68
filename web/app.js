// Starts a program on its page: its WebAssembly module, the view of its
// window, its message boxes and pictures.
import { FormView } from './form.js';
import { showMessage } from './dialog.js';
import { showProgress } from './progress.js';
import { FACES } from './appearance.js';
import { clock } from './clock.js';
import { fetchFile, fetchAhead } from './files.js';

// The page's own faces (fonts/fonts.css). One that does not load leaves the
// browser's face of its kind in its place, and the console says so.
function loadFaces() {
  const fallBack = (face) => console.warn(`${face}: the font did not load; the page uses the browser's own face`);
  return Promise.all(FACES.map((face) => document.fonts.load(face)
    .then((loaded) => loaded.length || fallBack(face), () => fallBack(face))));
}

// The program's module, its JavaScript then its WebAssembly; the file that
// does not load is named on the page.
async function loadModule(program, caption, page) {
  let createModule;
  try {
    ({ default: createModule } = await import(`./${program}.js`));
  } catch {
    return cannotStart(caption, `${program}.js`);
  }
  try {
    return await createModule({ page });
  } catch {
    return cannotStart(caption, `${program}.wasm`);
  }
}

export async function start({ program, caption, background }) {
  const root = document.getElementById('window');
  const view = new FormView(root, background);
  const page = {
    apply: (changes) => view.apply(changes),
    showMessage,
    decodePicture: (path, bytes) => view.decodePicture(path, bytes),
    fetchFile,
    fetchAhead,
    showProgress,
    stop: (why) => view.stop(why),
    timeOfDay: clock.timeOfDay,
  };
  const [module] = await Promise.all([loadModule(program, caption, page), loadFaces()]);
  if (!module) return;
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
