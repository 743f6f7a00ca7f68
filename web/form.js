// The page's view of a window: the control models the binding describes,
// drawn over the window's background picture and scaled down to fit the
// browser window. Events go back to the binding through `post`.
import { createControl, EVENT } from './controls.js';
import { px } from './appearance.js';

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
  // came due while the page was held up are dropped, as on the desktop.
  setTimer({ id, enabled, interval }) {
    clearTimeout(this.timers.get(id));
    this.timers.delete(id);
    if (!enabled || interval <= 0) return;
    let due = performance.now() + interval;
    const tick = () => {
      this.post(id, EVENT.tick);
      const now = performance.now();
      due += interval;
      if (now - due >= interval) due += Math.floor((now - due) / interval) * interval;
      this.timers.set(id, setTimeout(tick, due - now));
    };
    this.timers.set(id, setTimeout(tick, interval));
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

  // Decodes a picture's bytes (fetched and checked by the module) and keeps
  // it under its path. Its [width, height], or false when it cannot be
  // decoded. Every display loads its picture afresh, so only the last one is
  // kept: a deck of large pictures must not hold them all decoded at once.
  async decodePicture(path, bytes) {
    try {
      const bitmap = await createImageBitmap(new Blob([bytes]));
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
    for (const id of this.timers.keys()) clearTimeout(this.timers.get(id));
    this.timers.clear();
    this.form.classList.add('stopped');
  }
}
