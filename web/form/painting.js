// The painters of a page's surfaces and what the page tells them, in
// whichever thread paints (paint-worker.js, or the page's own: surfaces.js).
import { SurfacePainter } from './painter.js';

const PAINTED = ['label', 'line', 'shape'];

export function createPainting() {
  const painters = new Map();
  // The decoded pictures: only the last, as a deck of large pictures must
  // not be held decoded all at once.
  const images = new Map();
  const handle = (message) => {
    if (message.batch) return message.batch.forEach(handle);
    if (message.image) {
      for (const old of images.values()) old.bitmap.close();
      images.clear();
      images.set(message.image, { bitmap: message.bitmap, density: message.density });
      for (const painter of painters.values()) painter.pictureArrived(message.image);
      return;
    }
    if (message.repaint) return painters.forEach((painter) => painter.repaint());
    if (message.changes) return takeChanges(JSON.parse(message.changes).controls);
    if (message.tiles) painters.set(message.surface, new SurfacePainter(message.tiles, images));
    if (message.size) painters.get(message.surface).resize(message.size, message.ratio);
  };
  // Labels, lines and shapes go to the surface they lie on (-1 the form's),
  // picture boxes' drawings to their own.
  const takeChanges = (controls) => {
    const items = new Map();
    for (const m of controls) {
      if (m.kind === 'picture') painters.get(m.id).setDrawing(m);
      else if (PAINTED.includes(m.kind)) items.set(m.parent, [...(items.get(m.parent) ?? []), m]);
    }
    for (const [surface, models] of items) painters.get(surface).setItems(models);
  };
  return {
    handle,
    paint: () => painters.forEach((painter) => painter.paint()),
    settle: () => painters.forEach((painter) => painter.settle()),
  };
}
