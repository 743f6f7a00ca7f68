// Starts a program on its page: its WebAssembly module, the view of its
// window, its message boxes and pictures.
import { FormView } from './form.js';
import { showMessage } from './dialog.js';
import { connectPlatform } from './scorm.js';
import { showProgress } from './progress.js';

// A file beside the page, each part of its path encoded for the address
// (names may hold # ? % and the like): its bytes, or null.
async function fetchFromSite(path) {
  try {
    const response = await fetch(path.split('/').map(encodeURIComponent).join('/'));
    return response.ok ? new Uint8Array(await response.arrayBuffer()) : null;
  } catch {
    return null;
  }
}

// Tried from the author page around it: the deck as it stands there, read
// from the files chosen on the computer. A page of another origin around it
// cannot be looked into.
function deckOnTrial() {
  try {
    return window.parent === window ? null : window.parent.deckOnTrial ?? null;
  } catch {
    return null;
  }
}

export async function start({ createModule, background }) {
  const root = document.getElementById('window');
  const view = new FormView(root, background);
  // Inside a learning platform's course, the program's reports go to it.
  const platform = connectPlatform();
  const page = {
    apply: (changes) => view.apply(JSON.parse(changes)),
    showMessage,
    decodePicture: (path, bytes) => view.decodePicture(path, bytes),
    fetchFile: deckOnTrial()?.read ?? fetchFromSite,
    showProgress,
    stop: () => view.stop(),
    report: (event) => platform?.report(JSON.parse(event)),
    resumeData: () => platform?.resumeData ?? null,
  };
  // Every face the page's fonts.css declares (a course package carries only
  // those its program uses), before the first paint.
  const [module] = await Promise.all([
    createModule({ page }),
    ...[...document.fonts].map((face) => face.load()),
  ]);
  const pump = () => module.ccall('web_pump', null, [], [], { async: true });
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
  document.body.classList.add('ready');
  // After the next frame's paint: the benchmark's "first complete paint".
  requestAnimationFrame(() => setTimeout(() => performance.mark('painted')));
}
