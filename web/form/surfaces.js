// Where the labels, lines, shapes and picture boxes are painted: a canvas
// per surface (the form, each picture box) whose pixels a worker paints
// (paint-worker.js), so that what moves with the clock costs the page's own
// thread no frame of its own. A browser that cannot hand a canvas to a
// worker has them painted on the page's thread.
import { createPainting } from './painting.js';

// The faces of the page's style sheets (fonts/fonts.css), for the worker.
function pageFaces() {
  const faces = [];
  const visit = (sheet) => {
    for (const rule of sheet.cssRules) {
      if (rule.styleSheet) visit(rule.styleSheet);
      if (!(rule instanceof CSSFontFaceRule)) continue;
      const style = rule.style;
      const source = style.getPropertyValue('src')
        .replace(/url\("?([^")]+)"?\)/g, (_, url) => `url("${new URL(url, sheet.href ?? location.href)}")`);
      faces.push({
        family: style.getPropertyValue('font-family').replace(/"/g, ''),
        source,
        descriptors: { weight: style.getPropertyValue('font-weight') || 'normal', style: style.getPropertyValue('font-style') || 'normal' },
      });
    }
  };
  for (const sheet of document.styleSheets) visit(sheet);
  return faces;
}

export class Surfaces {
  constructor() {
    this.batch = [];
    this.transfer = [];
    this.syncs = new Map();
    if (typeof Worker === 'function' && 'transferControlToOffscreen' in HTMLCanvasElement.prototype) {
      this.worker = new Worker(new URL('./paint-worker.js', import.meta.url), { type: 'module' });
      this.worker.onmessage = ({ data }) => {
        this.started = true;
        this.syncs.get(data.synced)?.(data.shown);
      };
      // Before its first word, an error is the worker's files that did not load;
      // named from the site's top, where an instructor looks for it.
      this.worker.onerror = () => this.started || cannotStart(document.title, 'form/paint-worker.js');
      this.worker.postMessage({ fonts: pageFaces() });
    } else {
      this.local = createPainting();
    }
  }

  // tiles: [{ canvas, box }], the canvases that show the surface and the
  // part of it each shows (none: all of it).
  add(surface, tiles) {
    const handed = tiles.map(({ canvas, box }) => ({
      canvas: this.worker ? canvas.transferControlToOffscreen() : canvas,
      box,
    }));
    this.queue({ surface, tiles: handed }, this.worker ? handed.map((tile) => tile.canvas) : []);
  }

  // Messages go out together, once the page has taken in a batch of
  // changes; those of an input (now) to be painted at once, the others at
  // the painter's next frame, as no screen shows more.
  queue(message, transfer = []) {
    this.batch.push(message);
    this.transfer.push(...transfer);
  }

  send(now = false) {
    if (!this.batch.length) return;
    const [batch, transfer] = [this.batch, this.transfer];
    [this.batch, this.transfer] = [[], []];
    if (this.worker) return this.worker.postMessage({ batch, now }, transfer);
    this.local.handle({ batch });
    if (now) return this.local.paint();
    if (this.due) return;
    this.due = true;
    requestAnimationFrame(() => {
      this.due = false;
      this.local.paint();
    });
  }

  // Resolves once what was sent is painted and shown, with when the frame
  // that shows it began (on the page's clock, performance.now()).
  painted() {
    this.send();
    if (!this.worker) {
      this.local.paint();
      return new Promise(requestAnimationFrame);
    }
    const sync = (this.lastSync = (this.lastSync ?? 0) + 1);
    return new Promise((resolve) => {
      // The worker tells its frame's start in ms since the epoch.
      this.syncs.set(sync, (shown) => {
        this.syncs.delete(sync);
        requestAnimationFrame(() => resolve(shown - performance.timeOrigin));
      });
      this.worker.postMessage({ sync });
    });
  }
}
