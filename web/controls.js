// One element per control model, brought up to date from the fields the
// binding sends (see common/web/control_json.cpp). Texts are always set as
// text, never as markup.
import { ALIASED, applyFont, colour, displayText, pixelRect, place, px } from './appearance.js';
import { PictureCanvas } from './picture.js';

// Event kinds as the binding numbers them (WebForm::Event).
export const EVENT = { click: 0, mouseUp: 1, keyUp: 2, mouseMove: 3, text: 4, check: 5, tick: 6 };

// The desktop's codes: 1 left, 2 right, 4 middle (DOM numbers them 0, 2, 1).
const BUTTON_CODES = [1, 4, 2];

const ALIGN = ['left', 'right', 'center'];
// A line wider than its label overflows on the side away from its alignment, as on the desktop.
const JUSTIFY = ['flex-start', 'flex-end', 'center'];

// As an attribute: an SVG element has no `hidden` property to set.
function show(element, visible) {
  element.toggleAttribute('hidden', !visible);
}

const SVG = 'http://www.w3.org/2000/svg';

// A line or shape: drawn without smoothing, as the desktop draws them.
function makeFigure(model, tag) {
  const element = document.createElementNS(SVG, 'svg');
  element.setAttribute('class', `control ${model.kind}`);
  element.dataset.name = model.name;
  element.append(document.createElementNS(SVG, tag));
  return element;
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
      element.addEventListener('click', () => post(EVENT.click));
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
          justifyContent: JUSTIFY[m.align],
          whiteSpace: m.wrap ? 'pre-wrap' : 'pre',
        });
      }
      show(element, m.visible);
    },
  },
  button: {
    create: (model, post) => {
      const element = makeElement('button', model);
      element.addEventListener('click', () => post(EVENT.click));
      element.addEventListener('mouseup', (e) => post(EVENT.mouseUp, BUTTON_CODES[e.button]));
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
    create: (model) => makeFigure(model, 'line'),
    // The drawing's box never moves: a new position changes the line's ends
    // only, which neither restyles nor lays out the page.
    update(element, m, changed) {
      const line = element.firstChild;
      const [x1, y1, x2, y2] = m.ends.map((twips) => px(twips) + ALIASED);
      Object.entries({ x1, y1, x2, y2 }).forEach(([key, value]) => line.setAttribute(key, value));
      if (changed('colour', 'width')) {
        line.setAttribute('stroke', colour(m.colour));
        line.setAttribute('stroke-width', Math.max(m.width, 1));
      }
      show(element, m.visible);
    },
  },
  // The border lies inside the shape's box, as wide as it is.
  shape: {
    create: (model) => makeFigure(model, ['rect', 'rect', 'ellipse'][model.shape]),
    update(element, m) {
      place(element, m.rect);
      const pen = m.border === 0 ? 0 : Math.max(m.borderWidth, 1);
      const [width, height] = pixelRect(m.rect).slice(2).map((size) => size - pen);
      const [x, y] = [pen / 2 + ALIASED, pen / 2 + ALIASED];
      const figure = element.firstChild;
      const geometry = m.shape === 2
        ? { cx: x + width / 2, cy: y + height / 2, rx: width / 2, ry: height / 2 }
        : { x, y, width, height, rx: m.shape === 1 ? Math.min(width, height) / 6 : 0 };
      Object.entries(geometry).forEach(([key, value]) => figure.setAttribute(key, value));
      figure.setAttribute('fill', m.filled ? colour(m.fill) : 'none');
      figure.setAttribute('stroke', pen ? colour(m.borderColour) : 'none');
      figure.setAttribute('stroke-width', pen);
      // Dots one pen wide, two apart.
      figure.setAttribute('stroke-dasharray', m.border === 2 ? `${pen} ${2 * pen}` : 'none');
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
      canvas.area.addEventListener('mouseup', report(EVENT.mouseUp, (e) => BUTTON_CODES[e.button]));
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
