// The form without a mouse: Tab in the reading order the binding gives,
// keys that the binding turns into the clicks they stand for, and what
// assistive technology is told of each control (roles and names in ARIA,
// read-outs in polite live regions).
import { PageEvent } from './codes.js';
import { clock } from './clock.js';

const TWIPS_PER_PIXEL = 15;
const COPY_PACE_MS = 1000;
// The keys that the binding may turn into a click or a pointer's move; which
// one stands for what on which control is its business. Others keep their
// browser's meaning (Tab, Shift, a shortcut).
const CLICKING_KEYS = new Set([' ', 'Enter', 'Backspace', 'ArrowLeft', 'ArrowUp', 'ArrowRight', 'ArrowDown']);

// The element that takes the focus and is named: a check box's own box.
const namedElement = (element) => (element.classList.contains('checkbox') ? element.firstChild : element);

// A spin button's or a meter's value in its range.
const valueOf = (f) => ({ 'aria-valuenow': Number.parseFloat(f.value) || 0, 'aria-valuemin': f.minimum, 'aria-valuemax': f.maximum });

// The binding's roles in ARIA. A native element keeps its own role.
const ROLES = {
  button: (element) => element.localName !== 'button' && { role: 'button' },
  spinButton: (element, f) => ({ role: 'spinbutton', ...valueOf(f), 'aria-valuetext': f.value }),
  checkBox: () => null,
  list: () => ({ role: 'listbox' }),
  textBox: () => null,
  meter: (element, f) => ({ role: 'meter', ...valueOf(f) }),
  // A picture that takes the keyboard pointer's keys is an application, so
  // that a screen reader hands it the arrows, and its texts stay readable.
  image: (element, f) => ({ role: f.keys === 'pointer' ? 'application' : 'img' }),
};

function setAttributes(element, attributes) {
  for (const [name, value] of Object.entries(attributes)) {
    if (value === null || value === '') element.removeAttribute(name);
    else element.setAttribute(name, `${value}`);
  }
}

export class FormAccess {
  constructor(view) {
    this.view = view;
    this.keys = new Map(); // control id -> 'knob' or 'pointer'
    this.regions = new Map(); // control id -> its live region
    this.copies = new Map(); // control id -> the unseen copy of its text
    this.sayTimer = null;
    // The window's caption heads the page, for readers.
    this.heading = document.createElement('h1');
    this.heading.className = 'spoken';
    view.root.prepend(this.heading);
    // The ring and the cross-hair show while the keyboard is in use; a
    // press of the mouse or a finger hides them, so their look stays.
    document.addEventListener('keydown', () => document.body.classList.add('keyboard'), true);
    document.addEventListener('pointerdown', () => document.body.classList.remove('keyboard'), true);
    view.form.addEventListener('keydown', (e) => this.key(e));
    // The pointer waits in the middle of the picture from its first focus.
    view.form.addEventListener('focusin', (e) => {
      if (this.keys.get(e.target.controlId) === 'pointer') this.view.input(e.target.controlId, PageEvent.KEY, { keyCode: 0 });
      this.ringInside(e.target);
    });
    // The ring of a control larger than the window (a screenshot), drawn
    // inside the window's part of it: its own would lie beyond the edges.
    this.ring = document.createElement('div');
    this.ring.className = 'focus-ring';
    this.ring.hidden = true;
    view.form.append(this.ring);
    view.form.addEventListener('focusout', () => { this.ring.hidden = true; });
  }

  ringInside(element) {
    const [form, box] = [this.view.form, element].map((e) => e.getBoundingClientRect());
    const inside = box.left >= form.left && box.top >= form.top && box.right <= form.right && box.bottom <= form.bottom;
    element.classList.toggle('ringed-inside', !inside);
    this.ring.hidden = inside;
    if (inside) return;
    const [left, top] = [Math.max(box.left, form.left) - form.left, Math.max(box.top, form.top) - form.top];
    const [right, bottom] = [Math.min(box.right, form.right) - form.left, Math.min(box.bottom, form.bottom) - form.top];
    const { scale } = this.view;
    Object.assign(this.ring.style, {
      left: `${left / scale}px`, top: `${top / scale}px`, width: `${(right - left) / scale}px`, height: `${(bottom - top) / scale}px`,
    });
  }

  apply(changes) {
    if (changes.caption) this.heading.textContent = changes.caption;
    if (changes.order) this.arrange(changes.order);
    for (const facts of changes.told ?? []) this.tell(facts);
    for (const { id, text } of changes.say ?? []) this.region(id).textContent = text;
    clock.clearTimeout(this.sayTimer);
    if (changes.sayIn !== undefined) {
      this.sayTimer = clock.setTimeout(() => this.view.post(-1, PageEvent.ANNOUNCE), changes.sayIn * 1000);
    }
    for (const [id, x, y] of changes.pointers ?? []) this.movePointer(id, x, y);
  }

  // Tab follows the order of the page's elements: the controls that take
  // clicks go last, in reading order, a picture's label with its picture.
  // Each keeps its place in the stack, so what covers what is as before.
  arrange(order) {
    for (const [id, control] of this.view.controls) {
      if (control.element) control.element.style.zIndex = `${id + 1}`;
    }
    for (const id of order) {
      const element = this.view.controls.get(id).element;
      if (!element.matches('button, input, label')) element.tabIndex = 0;
      let top = element;
      while (top.parentElement !== this.view.form) top = top.parentElement;
      this.view.form.append(top);
    }
  }

  tell(f) {
    const control = this.view.controls.get(f.id);
    if (!control?.element) return;
    const element = namedElement(control.element);
    if (f.keys) this.keys.set(f.id, f.keys);
    // A check box says its name; the caption beside it, clipped as on the
    // desktop, is not read again.
    if (element !== control.element) control.element.lastChild.setAttribute('aria-hidden', 'true');
    if (f.role === 'none') {
      element.setAttribute('aria-hidden', 'true');
      return;
    }
    if (f.role === 'text') {
      this.copyText(this.copyOf(f.id, element), f.name);
      return;
    }
    setAttributes(element, {
      ...(ROLES[f.role]?.(element, f) || {}),
      'aria-label': f.name,
      'aria-description': f.description,
    });
    if (f.live) this.region(f.id);
  }

  // A text is read as it stands, from an unseen copy beside its element (the
  // element itself stays unpainted), written at most once a second: each
  // change costs the page a frame, and text that changes at the clock's rate
  // would cost one every tick. The latest text is written when the second is up.
  copyText(copy, text) {
    copy.latest = text;
    if (copy.resting) return;
    copy.textContent = text;
    copy.resting = true;
    clock.setTimeout(() => {
      copy.resting = false;
      if (copy.latest !== copy.textContent) this.copyText(copy, copy.latest);
    }, COPY_PACE_MS);
  }

  // Right after the element, so that it is read in the element's place and
  // hidden with it (style.css).
  copyOf(id, element) {
    let copy = this.copies.get(id);
    if (!copy) {
      copy = document.createElement('span');
      copy.className = 'spoken';
      element.after(copy);
      this.copies.set(id, copy);
    }
    return copy;
  }

  // A polite live region of the control's own, unseen, for its read-outs.
  region(id) {
    let region = this.regions.get(id);
    if (!region) {
      region = document.createElement('div');
      region.className = 'spoken';
      region.setAttribute('aria-live', 'polite');
      region.dataset.of = this.view.controls.get(id).model.name;
      this.view.root.append(region);
      this.regions.set(id, region);
    }
    return region;
  }

  movePointer(id, x, y) {
    const { crosshair } = this.view.controls.get(id).element.picture;
    crosshair.hidden = false;
    crosshair.style.left = `${x / TWIPS_PER_PIXEL}px`;
    crosshair.style.top = `${y / TWIPS_PER_PIXEL}px`;
  }

  // Keys for a knob or a picture go to the binding, which knows which click
  // each stands for; a clickable label clicks on Enter and Space, as a button.
  key(e) {
    if (!CLICKING_KEYS.has(e.key) || e.ctrlKey || e.altKey || e.metaKey) return;
    const id = e.target.controlId;
    if (id === undefined) return;
    if (this.keys.has(id)) {
      e.preventDefault();
      this.view.input(id, PageEvent.KEY, { keyCode: e.keyCode, shift: e.shiftKey, held: e.repeat });
    } else if (e.target.getAttribute('role') === 'button' && (e.key === 'Enter' || e.key === ' ')) {
      e.preventDefault();
      this.view.input(id, PageEvent.CLICK);
    }
  }
}
