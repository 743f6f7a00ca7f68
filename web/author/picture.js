// The chosen slide's picture at its own size, with the parts that the show's
// texts cover and the slide's target, which a drag of the mouse draws and
// the arrow keys move and size.
import { Arrow } from './codes.js';

const $ = (id) => document.getElementById(id);
// The arrow keys move the target a pixel (Shift: ten) and with Ctrl size it,
// as a drag sets it: Alt and an arrow is the browser's Back and Forward.
const ARROWS = { ArrowLeft: Arrow.LEFT, ArrowRight: Arrow.RIGHT, ArrowUp: Arrow.UP, ArrowDown: Arrow.DOWN };

function place(element, [left, top, width, height]) {
  Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
}

export class TargetPicture {
  // page: the author page, whose state and chosen entry it shows and edits.
  constructor(page) {
    this.page = page;
    [this.picture, this.shot, this.target] = ['picture', 'shot', 'target'].map($);
    this.urls = new Map(); // a picture's address while it shows
    this.dragFrom = null;
  }

  urlOf(name) {
    const blob = this.page.files.blobs.get(name);
    if (this.urls.get(name)?.blob !== blob) {
      if (this.urls.has(name)) URL.revokeObjectURL(this.urls.get(name).url);
      this.urls.set(name, { blob, url: URL.createObjectURL(blob) });
    }
    return this.urls.get(name).url;
  }

  // state: the module's (deck.state), entry: the chosen one.
  show(state, entry) {
    const { picture, shot, target } = this;
    picture.querySelectorAll('.shade').forEach((shade) => shade.remove());
    this.name(entry);
    if (!state.size) {
      shot.removeAttribute('src');
      shot.hidden = true;
      target.hidden = true;
      return;
    }
    const [width, height] = state.size;
    Object.assign(shot, { width, height, hidden: false });
    // Each picture starts in view from its top left corner.
    if (shot.getAttribute('src') !== this.urlOf(entry.picture)) {
      shot.src = this.urlOf(entry.picture);
      $('scroll').scrollTo(0, 0);
    }
    for (const [left, top, right, bottom] of state.covered) {
      const shade = document.createElement('div');
      shade.className = 'shade';
      place(shade, [left, top, right - left, bottom - top]);
      picture.insertBefore(shade, target);
    }
    target.hidden = !entry.target;
    if (entry.target) place(target, entry.target);
  }

  // What a screen reader says of the picture, where the arrow keys set the target.
  name(entry) {
    this.picture.setAttribute('aria-label', entry ? `Target on ${entry.picture}` : 'Target');
    $('target-text').textContent = entry?.described ?? '';
  }

  // The picture's pixel under the pointer, kept on the picture.
  pointAt(event) {
    const box = this.picture.getBoundingClientRect();
    const [width, height] = this.page.state.size;
    return [Math.min(width, Math.max(0, Math.floor(event.clientX - box.left))),
      Math.min(height, Math.max(0, Math.floor(event.clientY - box.top)))];
  }

  dragged(event) {
    const [x, y] = this.pointAt(event);
    const [fromX, fromY] = this.dragFrom;
    return [Math.min(x, fromX), Math.min(y, fromY), Math.abs(x - fromX), Math.abs(y - fromY)];
  }

  watch() {
    const { picture, target, page } = this;
    picture.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || !page.state.size || page.state.entries[page.chosen].kind === 'unread') return;
      event.preventDefault();
      picture.setPointerCapture(event.pointerId);
      this.dragFrom = this.pointAt(event);
    });
    picture.addEventListener('pointermove', (event) => {
      if (!this.dragFrom) return;
      target.hidden = false;
      place(target, this.dragged(event));
    });
    picture.addEventListener('pointerup', (event) => {
      if (!this.dragFrom) return;
      const drawn = this.dragged(event);
      this.dragFrom = null;
      if (drawn[2] > 0 && drawn[3] > 0) {
        page.deck.setTarget(page.chosen, drawn);
        page.edited();
      } else {
        page.render();
      }
    });
    picture.addEventListener('pointercancel', () => {
      this.dragFrom = null;
      page.render();
    });
    picture.addEventListener('keydown', (event) => {
      const arrow = ARROWS[event.key];
      if (arrow === undefined || event.altKey || event.metaKey || !page.state.size) return;
      event.preventDefault();
      const view = $('scroll');
      const inView = [view.scrollLeft, view.scrollTop, view.clientWidth, view.clientHeight];
      const keyed = page.deck.keyedTarget(page.chosen, arrow, event.shiftKey, event.ctrlKey, inView);
      if (!keyed) return;
      page.deck.setTarget(page.chosen, keyed);
      page.edited();
    });
  }
}
