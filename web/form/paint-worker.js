// Paints the page's surfaces on the canvases the page hands over
// (surfaces.js), away from the page's own thread, once a frame: what came
// since the last is painted together, as no screen shows more.
import { createPainting } from './painting.js';

const painting = createPainting();
const frame = self.requestAnimationFrame?.bind(self) ?? ((run) => setTimeout(run, 16));
// Two frames after the last paint, what it painted is painted again
// (SurfacePainter.settle).
const SETTLE_MS = 32;
let due = false;
let settling;
let synced = [];
let fontsSettled = Promise.resolve();

function paint() {
  due = false;
  painting.paint();
  clearTimeout(settling);
  settling = setTimeout(painting.settle, SETTLE_MS);
  for (const sync of synced) self.postMessage({ synced: sync });
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

function schedule() {
  if (due) return;
  due = true;
  frame(paint);
}

self.postMessage({ started: true });
self.onmessage = ({ data }) => {
  if (data.fonts) return loadFonts(data.fonts);
  if (data.sync !== undefined) {
    fontsSettled.then(() => {
      synced.push(data.sync);
      schedule();
    });
  } else {
    painting.handle(data);
    schedule();
  }
};
