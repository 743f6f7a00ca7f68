// A picture box: a canvas that replays the model's display list. New strokes
// are drawn on what is there; a clear, a new picture or a new pixel ratio
// redraws from the strokes kept since the last clear.
import { colour, px } from './appearance.js';

const STROKE_FIELDS = 10; // kind, x1, y1, x2, y2, colour, left, top, width, height
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

  // Strokes from index `first` (in strokes, not numbers), snapped to whole
  // pixels as the desktop draws them.
  draw(first) {
    const { width, height } = this.state;
    const context = this.canvas.getContext('2d');
    const s = this.strokes;
    for (let i = first * STROKE_FIELDS; i < s.length; i += STROKE_FIELDS) {
      const [kind, x1, y1, x2, y2, stroke, left, top, w, h] = s.slice(i, i + STROKE_FIELDS);
      const ax = Math.floor(((x1 - left) / w) * width);
      const ay = Math.floor(((y1 - top) / h) * height);
      if (!Number.isFinite(ax) || !Number.isFinite(ay)) continue;
      context.fillStyle = context.strokeStyle = colour(stroke);
      if (kind === 1) {
        context.fillRect(ax, ay, 1, 1);
        continue;
      }
      const bx = Math.floor(((x2 - left) / w) * width);
      const by = Math.floor(((y2 - top) / h) * height);
      if (!Number.isFinite(bx) || !Number.isFinite(by)) continue;
      context.lineWidth = 1;
      context.beginPath();
      context.moveTo(ax + 0.5, ay + 0.5);
      context.lineTo(bx + 0.5, by + 0.5);
      context.stroke();
    }
  }
}
