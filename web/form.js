// The page's view of a window: the control models the binding describes,
// drawn over the window's background picture and scaled down to fit the
// browser window. Events go back to the binding through `post`.
import { createControl, EVENT } from './controls.js';
import { px } from './appearance.js';
import { clock } from './clock.js';

export class FormView {
  constructor(root, background) {
    this.root = root;
    this.form = document.createElement('div');
    this.form.className = 'form';
    if (background) {
      const picture = document.createElement('img');
      picture.className = 'background';
      picture.src = background;
      picture.alt = '';
      this.form.append(picture);
    }
    root.append(this.form);
    this.controls = new Map();
    this.timers = new Map();
    this.pictures = new Map();
    this.scale = 1;
    this.post = () => {};
    // The right button steps the knobs and goes back a slide: no menu over the programs.
    root.addEventListener('contextmenu', (e) => e.preventDefault());
    addEventListener('resize', () => this.fit());
  }

  apply(changes) {
    if (changes.width) this.open(changes);
    for (const model of changes.controls) this.update(model);
  }

  open({ caption, width, height }) {
    document.title = caption;
    this.size = [px(width), px(height)];
    Object.assign(this.form.style, { width: `${this.size[0]}px`, height: `${this.size[1]}px` });
    this.fit();
  }

  update(model) {
    if (model.kind === 'timer') return this.setTimer(model);
    let control = this.controls.get(model.id);
    if (!control) {
      const post = (...event) => this.post(model.id, ...event);
      control = createControl(model, post, this);
      control.model = model;
      const parent = this.controls.get(model.parent);
      (parent ? parent.element.picture.items : this.form).append(control.element);
      this.controls.set(model.id, control);
    }
    control.model = model;
    control.update(model);
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
      this.post(id, EVENT.tick);
    };
    this.timers.set(id, clock.setTimeout(tick, interval));
  }

  // Scaled down, never up, so the whole window shows; the pictures follow at
  // the new size so that they stay sharp.
  fit() {
    if (!this.size) return;
    const [width, height] = this.size;
    this.scale = Math.min(1, innerWidth / width, innerHeight / height);
    this.form.style.transform = this.scale === 1 ? '' : `scale(${this.scale})`;
    Object.assign(this.root.style, {
      width: `${width * this.scale}px`,
      height: `${height * this.scale}px`,
    });
    for (const control of this.controls.values()) control.element.picture?.rescale(this.scale);
  }

  // Fetches and decodes a picture beside the page; kept under its path.
  // Its [width, height], or false when it is missing or damaged. Every
  // display loads its picture afresh, so only the last one is kept: a deck
  // of large pictures must not hold them all decoded at once.
  async loadPicture(path) {
    try {
      const response = await fetch(encodeURI(path.replaceAll('\\', '/')));
      if (!response.ok) return false;
      const bitmap = await createImageBitmap(await response.blob());
      for (const old of this.pictures.values()) old.close();
      this.pictures.clear();
      this.pictures.set(path, bitmap);
      return [bitmap.width, bitmap.height];
    } catch {
      return false;
    }
  }

  // The program cannot go on: no more events, the clocks stop.
  stop() {
    this.post = () => {};
    for (const id of this.timers.keys()) clock.clearTimeout(this.timers.get(id));
    this.timers.clear();
    this.form.classList.add('stopped');
  }
}
