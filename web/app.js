// Starts a program on its page: its WebAssembly module, the view of its
// window, its message boxes and pictures.
import { FormView } from './form/form.js';
import { MessageBoxes } from './form/dialog.js';
import { ProgressLine } from './progress.js';
import { connectPlatform } from './platform/scorm.js';
import { clock } from './form/clock.js';
import { DENSER_RATIOS, denserName, SiteFiles } from './files.js';
import { hookOf, publish } from './hook.js';
import { eventPoster } from './form/events.js';
import { ExercisePanel, exercisePoster } from './exercise-panel.js';

// Tried from an author page around it: the deck or the exercise set as it
// stands there, read from the files chosen on the computer. A page of another origin around it
// cannot be looked into.
function filesOnTrial() {
  return window.parent === window ? null : hookOf(window.parent)?.filesOnTrial ?? null;
}

// Every face the page's fonts/fonts.css declares (a course package carries
// only those its program uses), before the first paint. One that does not
// load leaves the browser's face of its kind in its place, and the console
// says so.
function loadFaces() {
  return Promise.all([...document.fonts].map((face) => face.load().catch(() =>
    console.warn(`${face.family} (${face.weight} ${face.style}): the font did not load; the page uses the browser's own face`))));
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
  const view = new FormView(root, background && {
    src: background,
    srcset: [`${background} 1x`, ...DENSER_RATIOS.map((ratio) => `${denserName(background, ratio)} ${ratio}x`)].join(', '),
  });
  publish({ view, clock });
  // Inside a learning platform's course, the program's reports go to it.
  const platform = connectPlatform();
  const trial = filesOnTrial();
  const site = new SiteFiles();
  const [boxes, progress] = [new MessageBoxes(), new ProgressLine()];
  const page = {
    apply: (changes) => view.apply(changes),
    showMessage: (title, text) => boxes.show(title, text),
    // A picture of the site's own deck is drawn from the denser picture the screen needs.
    decodePicture: (path, bytes) => view.decodePicture(path, bytes, trial ? null : site),
    fetchFile: (path) => (trial ?? site).read(path),
    fetchAhead: trial ? () => {} : (path) => site.fetchAhead(path), // a deck on trial is on the computer, not on the site
    showProgress: (done, total) => progress.show(done, total),
    stop: (why) => view.stop(why),
    timeOfDay: clock.timeOfDay,
    report: (event) => platform?.report(JSON.parse(event)),
    // Kymbral's exercise set: a panel beside the window, made when the module first shows it.
    showPanel: (panel) => {
      panels ??= new ExercisePanel(view, exercisePoster(module, pump));
      panels.show(JSON.parse(panel));
    },
    resumeData: () => platform?.resumeData ?? null,
    learnerId: () => platform?.learnerId ?? null,
  };
  let panels = null;
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
  view.post = eventPoster(module, pump);
  await module.ccall('web_start', null, [], [], { async: true });
  // The keyboard goes where the desktop's goes first: the first control that
  // takes it (Kymbral's command line, Tessivar's screenshot).
  root.querySelector('input, button, [tabindex="0"]')?.focus({ preventScroll: true });
  document.body.classList.add('ready');
  // After the next frame's paint: the benchmark's "first complete paint".
  requestAnimationFrame(() => setTimeout(() => performance.mark('painted')));
}
