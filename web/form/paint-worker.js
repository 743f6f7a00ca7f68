// Paints the page's surfaces on the canvases the page hands over
// (surfaces.js), away from the page's own thread.
import { createPainting } from './painting.js';

const painting = createPainting();
const frame = self.requestAnimationFrame?.bind(self) ?? ((run) => setTimeout(run, 16));
// Two frames after the last paint, what it painted is painted again
// (SurfacePainter.settle).
const SETTLE_MS = 32;
let pending = false; // what came is not painted yet
let showing = false; // what was painted waits for the frame that shows it
let shownAt = 0; // when the frame that showed the last paint began, in ms since the epoch
let frameAsked = false;
let settling;
let synced = [];
let fontsSettled = Promise.resolve();

function paint() {
  pending = false;
  showing = true;
  painting.paint();
  clearTimeout(settling);
  settling = setTimeout(painting.settle, SETTLE_MS);
}

function shown() {
  showing = false;
  shownAt = performance.timeOrigin + performance.now();
  for (const sync of synced) self.postMessage({ synced: sync, shown: shownAt });
  synced = [];
}

// The page's own faces; until one loads, its text falls back on the
// browser's face of its kind, as the page's does. A sync waits for them
// all: what is reported painted is painted in its own faces.
function loadFonts(faces) {
  fontsSettled = Promise.all(faces.map(({ family, source, descriptors }) => {
    const face = new FontFace(family, source, descriptors);
    self.fonts.add(face);
    return face.load().then(
      () => painting.handle({ repaint: true }),
      () => console.warn(`${family}: the font could not be loaded; the pictures use the browser's own face`),
    ).then(schedule);
  }));
}

// At the next frame: what is due is painted, and the screen takes what was
// painted since the last.
function askFrame() {
  if (frameAsked) return;
  frameAsked = true;
  frame(() => {
    frameAsked = false;
    if (pending) paint();
    if (showing) shown();
  });
}

function schedule() {
  pending = true;
  askFrame();
}

self.postMessage({ started: true });
// An input's changes are painted at once (now), the clock's at the next
// frame: what came since the last is painted together.
self.onmessage = ({ data }) => {
  if (data.fonts) return loadFonts(data.fonts);
  if (data.sync !== undefined) {
    fontsSettled.then(() => {
      if (pending || showing) synced.push(data.sync);
      else self.postMessage({ synced: data.sync, shown: shownAt });
    });
  } else {
    painting.handle(data);
    if (!data.now) return schedule();
    paint();
    askFrame();
  }
};
