// One element per control model, brought up to date from the fields the
// binding sends (see form/web/control_json.cpp). Texts are always set as
// text, never as markup.
import { applyFont, colour, displayText, place, px } from './appearance.js';
import { PageEvent } from './codes.js';

// The left button's clicks and the keyboard's, not the others' (buttons.js).
function onClick(element, post, buttons) {
  element.addEventListener('click', (e) => buttons.isLeftClick(e) && post(PageEvent.CLICK));
}

const BORDER = 2; // a picture box's sunken border, in pixels

// As an attribute: an SVG element has no `hidden` property to set.
function show(element, visible) {
  element.toggleAttribute('hidden', !visible);
}

function makeElement(tag, model) {
  const element = document.createElement(tag);
  element.className = `control ${model.kind}`;
  element.dataset.name = model.name;
  return element;
}

// Lines and shapes are painted with their surface (painter.js) and have no
// element of their own.
const PAINTED = { create: () => null, update: () => {} };

const KINDS = {
  // A label's text is painted with its surface; its element keeps the text
  // and takes the mouse over it, and draws nothing itself.
  label: {
    create: (model, post, view) => {
      const element = makeElement('div', model);
      onClick(element, post, view.buttons);
      // A label takes the mouse: a picture under it does not see it.
      for (const type of ['mouseup', 'mousemove']) {
        element.addEventListener(type, (e) => e.stopPropagation());
      }
      return element;
    },
    update(element, m, changed) {
      if (changed('rect')) place(element, m.rect);
      if (changed('text')) element.textContent = displayText(m.text);
      show(element, m.visible);
    },
  },
  button: {
    create: (model, post, view) => {
      const element = makeElement('button', model);
      onClick(element, post, view.buttons);
      element.addEventListener('mouseup', () => post(PageEvent.MOUSE_UP, { button: view.buttons.released() }));
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
      element.addEventListener('input', () => post(PageEvent.TEXT, { text: element.value }));
      // keyCode is the desktop's virtual key code: 13 for Enter, letters in capitals.
      element.addEventListener('keyup', (e) => post(PageEvent.KEY_UP, { keyCode: e.keyCode }));
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
    create: (model) => {
      const element = makeElement('div', model);
      // Arrows read through the rows, as a list does.
      element.addEventListener('keydown', (e) => {
        const step = { ArrowDown: 1, ArrowUp: -1 }[e.key];
        if (!step || !element.children.length) return;
        e.preventDefault();
        const rows = [...element.children];
        const now = rows.findIndex((row) => row.id === element.getAttribute('aria-activedescendant'));
        const next = rows[Math.min(rows.length - 1, Math.max(0, now + step))];
        rows.forEach((row) => row.setAttribute('aria-selected', `${row === next}`));
        element.setAttribute('aria-activedescendant', next.id);
        next.scrollIntoView({ block: 'nearest' });
      });
      return element;
    },
    update(element, m) {
      place(element, m.rect);
      applyFont(element, m.font);
      element.replaceChildren(
        ...m.items.map((item, i) => {
          const row = document.createElement('div');
          row.textContent = item;
          row.id = `row-${m.id}-${i}`;
          row.setAttribute('role', 'option');
          row.setAttribute('aria-selected', 'false');
          return row;
        }),
      );
      element.removeAttribute('aria-activedescendant');
    },
  },
  checkbox: {
    create: (model, post) => {
      const element = makeElement('label', model);
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.addEventListener('change', () => post(PageEvent.CHECK, { checked: box.checked }));
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
  line: PAINTED,
  shape: PAINTED,
  // Its drawing and the labels and lines on it are painted on its canvas.
  picture: {
    create: (model, post, view) => {
      const element = makeElement('div', model);
      const area = document.createElement('div');
      area.className = 'area';
      const canvas = document.createElement('canvas');
      // The elements of the labels on it, above the drawing.
      const items = document.createElement('div');
      items.className = 'items';
      // Where the keyboard pointer is, shown while the keyboard is in use.
      const crosshair = document.createElement('div');
      crosshair.className = 'crosshair';
      crosshair.hidden = true;
      area.append(canvas, items, crosshair);
      element.append(area);
      element.picture = { area, canvas, items, crosshair };
      view.surfaces.add(model.id, [{ canvas }]);
      // Positions in twips from the drawing area's corner, whatever the page's zoom.
      const at = (e) => {
        const box = area.getBoundingClientRect();
        const x = ((e.clientX - box.left) / view.scale) * 15;
        const y = ((e.clientY - box.top) / view.scale) * 15;
        return { x, y };
      };
      area.addEventListener('mouseup', (e) => post(PageEvent.MOUSE_UP, { button: view.buttons.released(), ...at(e) }));
      // buttons: 1 left, 2 right, 4 middle, added up: the desktop's codes already.
      area.addEventListener('mousemove', (e) => post(PageEvent.MOUSE_MOVE, { buttons: e.buttons, ...at(e) }));
      return element;
    },
    update(element, m, changed, view) {
      if (changed('rect', 'sunken')) {
        place(element, m.rect);
        element.classList.toggle('sunken', m.sunken);
        const border = m.sunken ? BORDER : 0;
        const size = [2, 3].map((i) => Math.max(0, px(m.rect[i]) - 2 * border));
        for (const box of [element.picture.area, element.picture.canvas]) {
          Object.assign(box.style, { width: `${size[0]}px`, height: `${size[1]}px` });
        }
        view.sizeSurface(m.id, size);
      }
      if (changed('bg')) element.style.background = colour(m.bg);
      // How many strokes it shows, counted as the painter draws them.
      element.picture.strokes = (m.clear ? 0 : element.picture.strokes ?? 0) + m.strokes.length;
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
      // Fields are texts, numbers, flags or short lists of them.
      const changed = (...keys) => !last || keys.some((key) => `${m[key]}` !== `${last[key]}`);
      kind.update(element, m, changed, view);
      last = m;
    },
  };
}
