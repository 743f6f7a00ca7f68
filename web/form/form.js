// The page's view of a window: the control models the binding describes,
// drawn over the window's background picture and scaled down to fit the
// browser window. As on the desktop, labels, lines and shapes are painted
// on the form's surface under the windowed controls, each with an element
// of the page's only where it needs one. Events go back to the binding
// through `post(control, kind, fields)` (events.js).
import { createControl } from './controls.js';
import { PageEvent } from './codes.js';
import { displayText, px } from './appearance.js';
import { clock } from './clock.js';
import { Surfaces } from './surfaces.js';
import { FormAccess } from './access.js';
import { watchTouch } from './touch.js';
import { MouseButtons } from './buttons.js';

const FORM = -1; // the surface of the controls that lie on no picture box
// Pixels square. Each tile a clock tick touches is handed to the screen whole
// at each frame: fewer, larger tiles cost the browser less than many small.
const TILE = 256;
// Smaller than this, the console's 11-pixel captions are no longer read with ease.
const SMALLEST_FIT = 2 / 3;
// An ImageBitmap of the bytes, or null when they cannot be decoded.
const decoded = (bytes) => createImageBitmap(new Blob([bytes])).catch(() => null);

export class FormView {
  constructor(root, background) {
    this.root = root;
    this.form = document.createElement('div');
    this.form.className = 'form';
    // background: { src, srcset }, the window's picture at each density the screen may take.
    if (background) {
      const picture = document.createElement('img');
      picture.className = 'background';
      Object.assign(picture, background);
      picture.alt = '';
      this.form.append(picture);
    }
    // The form's surface, tiled: the screen takes in only the tiles that
    // changed, not the whole form at every tick of the clock.
    this.surface = document.createElement('div');
    this.surface.className = 'surface';
    this.form.append(this.surface);
    root.append(this.form);
    this.surfaces = new Surfaces();
    this.surfaceSizes = new Map();
    this.controls = new Map();
    this.timers = new Map();
    this.scale = 1;
    this.besides = 0; // CSS pixels at the window's right taken by a panel beside it
    this.post = () => {};
    // What an input changes is painted at once, not at the next frame's turn.
    this.input = (...event) => {
      this.urgent = true;
      try {
        this.post(...event);
      } finally {
        this.urgent = false;
      }
    };
    // The right button steps the knobs and goes back a slide: no menu over the programs.
    root.addEventListener('contextmenu', (e) => e.preventDefault());
    addEventListener('resize', () => this.fit());
    this.access = new FormAccess(this);
    this.buttons = new MouseButtons();
    watchTouch(this.form, this.buttons);
    // Upright, a phone shows the window too small to use.
    const turn = document.createElement('p');
    turn.className = 'turn-notice';
    turn.textContent = 'Turn your phone sideways to see the whole window.';
    root.before(turn);
  }

  // The changes as the binding writes them (JSON): the painter takes the
  // text as it is, which costs less to hand over than the objects.
  apply(text) {
    const changes = JSON.parse(text);
    if (changes.width) this.open(changes);
    for (const model of changes.controls) this.update(model);
    this.access.apply(changes);
    this.surfaces.queue({ changes: text });
    this.surfaces.send(this.urgent);
  }

  open({ caption, width, height }) {
    document.title = caption;
    this.size = [px(width), px(height)];
    Object.assign(this.form.style, { width: `${this.size[0]}px`, height: `${this.size[1]}px` });
    const tiles = [];
    for (let y = 0; y < this.size[1]; y += TILE) {
      for (let x = 0; x < this.size[0]; x += TILE) {
        const box = [x, y, Math.min(TILE, this.size[0] - x), Math.min(TILE, this.size[1] - y)];
        const canvas = document.createElement('canvas');
        Object.assign(canvas.style, { left: `${x}px`, top: `${y}px`, width: `${box[2]}px`, height: `${box[3]}px` });
        this.surface.append(canvas);
        tiles.push({ canvas, box });
      }
    }
    this.surfaces.add(FORM, tiles);
    this.sizeSurface(FORM, this.size);
    this.fit();
  }

  update(model) {
    if (model.kind === 'timer') return this.setTimer(model);
    let control = this.controls.get(model.id);
    if (!control) {
      const post = (...event) => this.input(model.id, ...event);
      control = createControl(model, post, this);
      if (control.element) control.element.controlId = model.id;
      const parent = this.controls.get(model.parent);
      if (control.element) (parent ? parent.element.picture.items : this.form).append(control.element);
      this.controls.set(model.id, control);
    }
    control.model = model;
    control.update(model);
  }

  // A surface's size in the page's pixels; its canvas has as many pixels
  // as the screen shows of it. Painted afresh only when either changes.
  sizeSurface(id, size) {
    const ratio = devicePixelRatio * this.scale;
    const last = this.surfaceSizes.get(id);
    this.surfaceSizes.set(id, { size, ratio });
    if (last?.ratio === ratio && `${last.size}` === `${size}`) return;
    this.surfaces.queue({ surface: id, size, ratio });
  }

  // Resolves once the page shows what it was last told, with when the
  // frame that shows it began (on the page's clock, performance.now()).
  painted() {
    return this.surfaces.painted();
  }

  // Enabling a timer, or changing its interval, starts its count afresh.
  // Ticks keep to their schedule, not to the last one's lateness; those that
  // came due while the page was held up are dropped, as on the desktop. The
  // next tick is armed before the handler runs, so that a handler that stops
  // its clock (also from inside a message box) clears it for good.
  setTimer({ id, enabled, interval }) {
    clock.clearTimeout(this.timers.get(id));
    this.timers.delete(id);
    if (!enabled || interval <= 0) return;
    let due = clock.now() + interval;
    const tick = () => {
      const now = clock.now();
      due += interval;
      if (now - due >= interval) due += Math.floor((now - due) / interval) * interval;
      this.timers.set(id, clock.setTimeout(tick, due - now));
      this.post(id, PageEvent.TICK);
    };
    this.timers.set(id, clock.setTimeout(tick, interval));
  }

  // Scaled down to fit the browser window, never up, and never below
  // SMALLEST_FIT: a window that would be smaller than that shows at full size
  // and the page scrolls (a phone, or a zoom kept from an earlier visit). A
  // zoom while the page is open changes the pixel ratio, not only the room:
  // the window keeps its scale then, so that it grows with the zoom. The
  // pictures follow at the new size so that they stay sharp.
  fit() {
    if (!this.size) return;
    const [width, height] = this.size;
    if (devicePixelRatio === this.ratio || this.ratio === undefined) {
      const room = Math.min(1, (innerWidth - this.besides) / width, innerHeight / height);
      this.scale = room >= SMALLEST_FIT ? room : 1;
    }
    this.ratio = devicePixelRatio;
    this.form.style.transform = this.scale === 1 ? '' : `scale(${this.scale})`;
    Object.assign(this.root.style, {
      width: `${width * this.scale}px`,
      height: `${height * this.scale}px`,
    });
    for (const [id, { size }] of this.surfaceSizes) this.sizeSurface(id, size);
    this.surfaces.send();
  }

  // Decodes a picture's bytes (fetched and checked by the module), for the
  // painter to draw under its path. Its [width, height], or false when it
  // cannot be decoded. Where `site` (SiteFiles) has a denser picture for it
  // that the screen needs, the painter draws that one at this one's size.
  async decodePicture(path, bytes, site = null) {
    const bitmap = await decoded(bytes);
    if (!bitmap) return false;
    const size = [bitmap.width, bitmap.height];
    const ratio = devicePixelRatio * this.scale;
    const denser = ratio > 1 && site ? await site.denser(path, ratio) : null;
    const dense = denser && await decoded(denser.bytes);
    const fits = dense && dense.width === size[0] * denser.density && dense.height === size[1] * denser.density;
    const [drawn, spare] = fits ? [{ bitmap: dense, density: denser.density }, bitmap] : [{ bitmap, density: 1 }, dense];
    spare?.close();
    this.surfaces.queue({ image: path, ...drawn }, [drawn.bitmap]);
    this.surfaces.send(true);
    return size;
  }

  // The program cannot go on: no more events, the clocks stop.
  // Over the form, greyed, a line says so and how to start again, above
  // what stopped it (the problems of its last message), still to be read.
  stop(why = '') {
    this.post = () => {};
    for (const id of this.timers.keys()) clock.clearTimeout(this.timers.get(id));
    this.timers.clear();
    this.form.classList.add('stopped');
    const notice = document.createElement('div');
    notice.className = 'stopped-notice';
    notice.setAttribute('role', 'alert');
    const line = document.createElement('p');
    line.textContent = `${document.title} has stopped. Reload the page to start again.`;
    const reasons = document.createElement('p');
    reasons.className = 'reasons';
    reasons.textContent = displayText(why);
    notice.append(line, reasons);
    this.root.append(notice);
  }
}
