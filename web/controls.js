// One element per control model, brought up to date from the fields the
// binding sends (see common/web/control_json.cpp). Texts are always set as
// text, never as markup.
import { applyFont, colour, displayText, place, px } from './appearance.js';
import { PictureCanvas } from './picture.js';

// Event kinds as the binding numbers them (WebForm::Event).
export const EVENT = { click: 0, mouseUp: 1, keyUp: 2, mouseMove: 3, text: 4, check: 5, tick: 6 };

// The desktop's codes: 1 left, 2 right, 4 middle (DOM numbers them 0, 2, 1).
const BUTTON_CODES = [1, 4, 2];

// A release is of the button its press began with, or of the right one when
// a context menu was asked for in between (Control-click on a Mac): engines
// disagree on the release itself (WebKit's automation reports every release
// as the left button's, and clicks after a right press).
let pressed = 0;
addEventListener('mousedown', (e) => (pressed = e.button), true);
addEventListener('contextmenu', () => (pressed = 2), true);
const released = () => BUTTON_CODES[pressed];

// A click is the left button's; one from the keyboard has no press (detail 0).
function onClick(element, post) {
  element.addEventListener('click', (e) => (pressed === 0 || e.detail === 0) && post(EVENT.click));
}

const ALIGN = ['left', 'right', 'center'];

function show(element, visible) {
  element.hidden = !visible;
}

function makeElement(tag, model) {
  const element = document.createElement(tag);
  element.className = `control ${model.kind}`;
  element.dataset.name = model.name;
  return element;
}

const KINDS = {
  label: {
    create: (model, post) => {
      const element = makeElement('div', model);
      onClick(element, post);
      // A label takes the mouse: a picture under it does not see it.
      for (const type of ['mouseup', 'mousemove']) {
        element.addEventListener(type, (e) => e.stopPropagation());
      }
      return element;
    },
    update(element, m, changed) {
      if (changed('rect')) place(element, m.rect);
      if (changed('font')) applyFont(element, m.font);
      if (changed('text')) element.textContent = displayText(m.text);
      if (changed('fg', 'bg', 'transparent', 'align', 'wrap')) {
        Object.assign(element.style, {
          color: colour(m.fg),
          background: m.transparent ? 'transparent' : colour(m.bg),
          textAlign: ALIGN[m.align],
          whiteSpace: m.wrap ? 'pre-wrap' : 'pre',
        });
      }
      show(element, m.visible);
    },
  },
  button: {
    create: (model, post) => {
      const element = makeElement('button', model);
      onClick(element, post);
      element.addEventListener('mouseup', () => post(EVENT.mouseUp, released()));
      return element;
    },
    update(element, m, changed) {
      if (changed('rect')) place(element, m.rect);
      if (changed('font')) applyFont(element, m.font);
      if (changed('text')) element.textContent = displayText(m.text);
      element.disabled = !m.enabled;
      show(element, m.visible);
    },
  },
  textbox: {
    create: (model, post) => {
      const element = makeElement('input', model);
      element.type = 'text';
      element.spellcheck = false;
      element.addEventListener('input', () => post(EVENT.text, 0, 0, 0, element.value));
      // keyCode is the desktop's virtual key code: 13 for Enter, letters in capitals.
      element.addEventListener('keyup', (e) => post(EVENT.keyUp, e.keyCode));
      return element;
    },
    update(element, m) {
      place(element, m.rect);
      applyFont(element, m.font);
      if (element.value !== m.text) element.value = m.text;
      show(element, m.visible);
    },
  },
  listbox: {
    create: (model) => makeElement('div', model),
    update(element, m) {
      place(element, m.rect);
      applyFont(element, m.font);
      element.replaceChildren(
        ...m.items.map((item) => {
          const row = document.createElement('div');
          row.textContent = item;
          return row;
        }),
      );
    },
  },
  checkbox: {
    create: (model, post) => {
      const element = makeElement('label', model);
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.addEventListener('change', () => post(EVENT.check, box.checked ? 1 : 0));
      element.append(box, document.createElement('span'));
      return element;
    },
    update(element, m) {
      place(element, m.rect);
      applyFont(element, m.font);
      element.firstChild.checked = m.checked;
      element.lastChild.textContent = displayText(m.text);
    },
  },
  line: {
    create: (model) => {
      const element = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
      element.setAttribute('class', 'control line');
      element.dataset.name = model.name;
      element.append(document.createElementNS('http://www.w3.org/2000/svg', 'line'));
      return element;
    },
    // The drawing's box never moves: a new position changes the line's ends
    // only, which neither restyles nor lays out the page. The ends keep the
    // offset a whole-pixel box around the line would give them, which sets
    // how its edges shade.
    update(element, m, changed) {
      const line = element.firstChild;
      const [x1, y1, x2, y2] = m.ends.map(px);
      const width = Math.max(m.width, 1);
      const [left, top] = [Math.min(x1, x2) - width, Math.min(y1, y2) - width];
      const [dx, dy] = [Math.round(left) - left, Math.round(top) - top];
      const ends = { x1: x1 + dx, y1: y1 + dy, x2: x2 + dx, y2: y2 + dy };
      Object.entries(ends).forEach(([key, value]) => line.setAttribute(key, value));
      if (changed('colour', 'width')) {
        line.setAttribute('stroke', colour(m.colour));
        line.setAttribute('stroke-width', width);
      }
      show(element, m.visible);
    },
  },
  shape: {
    create: (model) => makeElement('div', model),
    update(element, m) {
      place(element, m.rect);
      const [w, h] = [px(m.rect[2]), px(m.rect[3])];
      Object.assign(element.style, {
        border:
          m.border === 0
            ? 'none'
            : `${Math.max(m.borderWidth, 1)}px ${m.border === 2 ? 'dotted' : 'solid'} ${colour(m.borderColour)}`,
        background: m.filled ? colour(m.fill) : 'transparent',
        borderRadius: ['0', `${Math.min(w, h) / 6}px`, '50%'][m.shape],
      });
      show(element, m.visible);
    },
  },
  picture: {
    create: (model, post, view) => {
      const element = makeElement('div', model);
      const canvas = new PictureCanvas(element, view.pictures);
      element.picture = canvas;
      // Positions in twips from the drawing area's corner, whatever the page's zoom.
      const report = (kind, code) => (e) => {
        const box = canvas.area.getBoundingClientRect();
        const x = ((e.clientX - box.left) / view.scale) * 15;
        const y = ((e.clientY - box.top) / view.scale) * 15;
        post(kind, code(e), x, y);
      };
      canvas.area.addEventListener('mouseup', report(EVENT.mouseUp, released));
      // buttons: 1 left, 2 right, 4 middle, added up: the desktop's codes already.
      canvas.area.addEventListener('mousemove', report(EVENT.mouseMove, (e) => e.buttons));
      return element;
    },
    update(element, m, changed, view) {
      place(element, m.rect);
      element.classList.toggle('sunken', m.sunken);
      element.style.background = colour(m.bg);
      element.picture.update(m, view.scale);
    },
  },
};

// Each update touches only what differs from the control's last model: a
// clock tick changes a caption or a line's ends, not fonts and places.
export function createControl(model, post, view) {
  const kind = KINDS[model.kind];
  const element = kind.create(model, post, view);
  let last = null;
  return {
    element,
    update(m) {
      const changed = (...keys) =>
        !last || keys.some((key) => JSON.stringify(m[key]) !== JSON.stringify(last[key]));
      kind.update(element, m, changed, view);
      last = m;
    },
  };
}
