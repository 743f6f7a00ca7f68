// A picture box: a canvas that replays the model's display list. New strokes
// are drawn on what is there; a clear, a new picture or a new pixel ratio
// redraws from the strokes kept since the last clear.
import { colour, px } from './appearance.js';

// kind (0 line, 1 point), the pixels of its ends on the drawing area, colour.
const STROKE_FIELDS = 6;
const BORDER = 2; // the sunken border, in pixels

export class PictureCanvas {
  constructor(element, pictures) {
    this.pictures = pictures;
    this.area = document.createElement('div');
    this.area.className = 'area';
    this.canvas = document.createElement('canvas');
    // Items inside the picture lie above the drawing.
    this.items = document.createElement('div');
    this.items.className = 'items';
    this.area.append(this.canvas, this.items);
    element.append(this.area);
    this.strokes = [];
    this.state = {};
  }

  update(model, scale) {
    const border = model.sunken ? BORDER : 0;
    const width = Math.max(0, px(model.rect[2]) - 2 * border);
    const height = Math.max(0, px(model.rect[3]) - 2 * border);
    Object.assign(this.area.style, { width: `${width}px`, height: `${height}px` });
    if (model.clear) this.strokes = [];
    const first = this.strokes.length / STROKE_FIELDS;
    this.strokes.push(...model.strokes);
    // A picture loaded again is drawn again, even under the same name.
    const look = { width, height, bg: model.bg, image: model.image, loads: model.loads, zoom: model.zoom, scale,
      dpr: devicePixelRatio };
    const same = Object.keys(look).every((key) => this.state[key] === look[key]);
    this.state = look;
    if (same && !model.clear) this.draw(first);
    else this.redraw();
  }

  rescale(scale) {
    if (this.state.scale === scale && this.state.dpr === devicePixelRatio) return;
    Object.assign(this.state, { scale, dpr: devicePixelRatio });
    this.redraw();
  }

  redraw() {
    const { width, height, bg, image, zoom, scale } = this.state;
    const ratio = devicePixelRatio * scale;
    this.canvas.width = Math.round(width * ratio);
    this.canvas.height = Math.round(height * ratio);
    Object.assign(this.canvas.style, { width: `${width}px`, height: `${height}px` });
    const context = this.canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.fillStyle = colour(bg);
    context.fillRect(0, 0, width, height);
    const bitmap = image && this.pictures.get(image);
    // A picture larger than the window is drawn smaller, to whole pixels as on the desktop.
    if (bitmap) context.drawImage(bitmap, 0, 0, Math.round(bitmap.width * zoom), Math.round(bitmap.height * zoom));
    this.draw(0);
  }

  // Strokes from index `first` (in strokes, not numbers), pixel by pixel
  // without smoothing, as the desktop draws them: solid across every join.
  draw(first) {
    const context = this.canvas.getContext('2d');
    const s = this.strokes;
    for (let i = first * STROKE_FIELDS; i < s.length; i += STROKE_FIELDS) {
      const [, ax, ay, bx, by, stroke] = s.slice(i, i + STROKE_FIELDS);
      context.fillStyle = colour(stroke);
      for (const [x, y, width, height] of runs(ax, ay, bx, by)) context.fillRect(x, y, width, height);
    }
  }
}

// The pixels of a line, both ends included: one a step along its longer
// axis, the other axis rounded; as runs of pixels side by side, [x, y, width, height].
export function runs(ax, ay, bx, by) {
  const steep = Math.abs(by - ay) > Math.abs(bx - ax);
  const [a, b, c, d] = steep ? [ay, by, ax, bx] : [ax, bx, ay, by];
  const steps = Math.abs(b - a);
  const found = [];
  for (let i = 0; i <= steps; i++) {
    const along = a + Math.sign(b - a) * i;
    const across = c + (steps ? Math.round(((d - c) * i) / steps) : 0);
    const last = found.at(-1);
    if (last?.across === across) {
      last.from = Math.min(last.from, along);
      last.length++;
    } else {
      found.push({ across, from: along, length: 1 });
    }
  }
  return found.map(({ across, from, length }) => (steep ? [across, from, 1, length] : [from, across, length, 1]));
}
