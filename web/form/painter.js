// One surface as the desktop paints it: for a picture box its drawing
// (background, picture, strokes), kept in a backing canvas; over it the
// labels, lines and shapes in stacking order. Only what changed is painted
// again: the old and the new place of each item that changed, and the
// pixels of new strokes.
import { colour, displayText, fontOf, pixelRect, px, TEXT_PLACEMENT } from './appearance.js';
import { denseLineRuns, figureLineRuns, lineRuns, shapeRuns } from './raster.js';
import { Alignment, BorderStyle, ShapeKind } from './codes.js';

const SHAPES = {
  [ShapeKind.RECTANGLE]: 'rect', [ShapeKind.ROUNDED_RECTANGLE]: 'rounded', [ShapeKind.OVAL]: 'oval',
};

const fillRuns = (context, runs) => {
  for (const [x, y, width, height] of runs) context.fillRect(x, y, width, height);
};

const union = (a, b) => {
  const [left, top] = [Math.min(a[0], b[0]), Math.min(a[1], b[1])];
  return [left, top, Math.max(a[0] + a[2], b[0] + b[2]) - left, Math.max(a[1] + a[3], b[1] + b[3]) - top];
};

// The box an item may paint in, or nothing while it is hidden.
function boundsOf(m) {
  if (!m.visible) return null;
  if (m.kind !== 'line') return pixelRect(m.rect);
  const [x1, y1, x2, y2] = m.ends.map(px);
  const reach = Math.max(m.width, 1) / 2 + 2;
  return [Math.min(x1, x2) - reach, Math.min(y1, y2) - reach, Math.abs(x2 - x1) + 2 * reach,
    Math.abs(y2 - y1) + 2 * reach].map(Math.floor);
}

// The lines of a label's text: its own line breaks and, when it wraps,
// breaks between words where a line would grow wider than the label.
function linesOf(context, text, width) {
  const lines = [];
  for (const paragraph of text.split('\n')) {
    let line = '';
    for (const word of paragraph.split(/(?<= )/)) {
      if (line && context.measureText((line + word).trimEnd()).width > width) {
        lines.push(line);
        line = '';
      }
      line += word;
    }
    lines.push(line);
  }
  return lines;
}

// How each item is painted. Figures are rasterised once per change into
// runs of their colours ([colour, runs] pairs), labels set their text each time.
const FIGURES = {
  line(m) {
    const [x1, y1, x2, y2] = m.ends.map(px);
    return [[colour(m.colour), figureLineRuns(x1, y1, x2, y2, Math.max(m.width, 1))]];
  },
  shape(m) {
    const pen = m.border === BorderStyle.NONE ? 0 : Math.max(m.borderWidth, 1);
    const dotted = m.border === BorderStyle.DOT;
    const { fill, border } = shapeRuns(SHAPES[m.shape], pixelRect(m.rect), pen, { dotted });
    return [[colour(m.fill), m.filled ? fill : []], [colour(m.borderColour), border]];
  },
};

function paintLabel(context, m) {
  const [x, y, width, height] = pixelRect(m.rect);
  if (!m.transparent) {
    context.fillStyle = colour(m.bg);
    context.fillRect(x, y, width, height);
  }
  context.save();
  context.beginPath();
  context.rect(x, y, width, height);
  context.clip();
  const font = fontOf(m.font);
  context.font = font.css;
  context.letterSpacing = `${TEXT_PLACEMENT.letterSpacing}px`;
  context.fillStyle = colour(m.fg);
  const { fontBoundingBoxAscent: ascent, fontBoundingBoxDescent: descent } = context.measureText('');
  // As a line box sets it: half the leading above, rounded down.
  let baseline = y + Math.floor((font.lineHeight - Math.round(ascent) - Math.round(descent)) / 2) + Math.round(ascent);
  for (const line of linesOf(context, displayText(m.text), m.wrap ? width : Infinity)) {
    const room = width - context.measureText(line.trimEnd()).width;
    const left = x + { [Alignment.LEFT]: 0, [Alignment.RIGHT]: room, [Alignment.CENTRE]: room / 2 }[m.align]
      + TEXT_PLACEMENT.shift;
    context.fillText(line, left, baseline);
    baseline += font.lineHeight;
  }
  context.restore();
}

// A figure is rasterised when first painted: the clock may move it more
// often than the screen shows it.
function drawItem(context, item) {
  const figure = FIGURES[item.model.kind];
  if (!figure) return paintLabel(context, item.model);
  item.pixels ??= figure(item.model);
  for (const [fill, runs] of item.pixels) {
    context.fillStyle = fill;
    fillRuns(context, runs);
  }
}

// Labels and shapes are drawn once per change into a picture of their own,
// which each later paint only copies; lines, which the clock moves at every
// tick, are drawn afresh. A label the clock changes draws again into the
// picture it had: a new one for each change costs more than the drawing.
function paintItem(context, item, ratio) {
  if (item.model.kind === 'line') return drawItem(context, item);
  const [x, y, width, height] = item.bounds;
  if (item.sprite?.ratio !== ratio) {
    const size = [Math.max(1, Math.ceil(width * ratio)), Math.max(1, Math.ceil(height * ratio))];
    const spare = item.spare;
    delete item.spare;
    const canvas = spare?.width === size[0] && spare.height === size[1] ? spare : new OffscreenCanvas(...size);
    const sprite = canvas.getContext('2d');
    sprite.setTransform(1, 0, 0, 1, 0, 0);
    sprite.clearRect(0, 0, ...size);
    sprite.setTransform(ratio, 0, 0, ratio, -x * ratio, -y * ratio);
    drawItem(sprite, item);
    item.sprite = { ratio, canvas };
  }
  context.drawImage(item.sprite.canvas, x, y, item.sprite.canvas.width / ratio, item.sprite.canvas.height / ratio);
}

export class SurfacePainter {
  // tiles: the canvases that show the surface, each with the part of it it
  // shows ([x, y, width, height] in the surface's pixels; none for all of
  // it). images: the decoded pictures by key, shared by the surfaces.
  constructor(tiles, images) {
    this.tiles = tiles;
    this.images = images;
    this.items = new Map();
    this.size = [0, 0];
    this.ratio = 1;
    this.drawing = null;
    this.dirty = [];
  }

  resize([width, height], ratio) {
    this.size = [width, height];
    this.ratio = ratio;
    for (const tile of this.tiles) {
      const [x, y, w, h] = tile.box ?? [0, 0, width, height];
      // On whole pixels of the screen, edge to edge with the next tile.
      tile.origin = [Math.round(x * ratio), Math.round(y * ratio)];
      tile.canvas.width = Math.round((x + w) * ratio) - tile.origin[0];
      tile.canvas.height = Math.round((y + h) * ratio) - tile.origin[1];
    }
    if (this.drawing) this.redrawBacking();
    this.invalidate([0, 0, width, height]);
  }

  // Everything again, its texts too: a font arrived.
  repaint() {
    for (const item of this.items.values()) delete item.sprite;
    this.invalidate([0, 0, ...this.size]);
  }

  // Places to paint again, kept apart unless they overlap: a tick changes
  // a few small places far apart.
  invalidate(box) {
    if (!box) return;
    let merged = box;
    for (;;) {
      const other = this.dirty.findIndex((d) => overlaps(d, merged));
      if (other < 0) break;
      merged = union(merged, this.dirty.splice(other, 1)[0]);
    }
    this.dirty.push(merged);
  }

  // Labels, lines and shapes that changed, each with its control number,
  // which is its place in the stacking order.
  setItems(models) {
    let added = false;
    for (const m of models) {
      const old = this.items.get(m.id);
      this.invalidate(old?.bounds);
      added ||= !old;
      const bounds = boundsOf(m);
      this.items.set(m.id, { model: m, bounds, spare: old?.sprite?.canvas ?? old?.spare });
      this.invalidate(bounds);
    }
    if (added) this.items = new Map([...this.items].sort(([a], [b]) => a - b));
  }

  // A picture box's drawing: a new look (background, picture, a clear)
  // starts it afresh, new strokes are drawn on what is there.
  setDrawing(m) {
    const look = { bg: m.bg, image: m.image, loads: m.loads, zoom: m.zoom };
    const same = this.drawing && !m.clear && Object.keys(look).every((key) => this.drawing.look[key] === look[key]);
    if (!this.drawing || m.clear) this.drawing = { look, strokes: [] };
    const first = this.drawing.strokes.length;
    this.drawing.strokes.push(...m.strokes);
    this.drawing.look = look;
    if (same) this.invalidate(this.drawStrokes(first));
    else {
      this.redrawBacking();
      this.invalidate([0, 0, ...this.size]);
    }
  }

  // A picture that arrived after the drawing that shows it.
  pictureArrived(key) {
    if (this.drawing?.look.image !== key) return;
    this.redrawBacking();
    this.invalidate([0, 0, ...this.size]);
  }

  redrawBacking() {
    const [width, height] = this.size;
    const [w, h] = [Math.max(1, Math.round(width * this.ratio)), Math.max(1, Math.round(height * this.ratio))];
    // Kept from one look to the next: a plot cleared at every click would
    // otherwise cost a new canvas each time.
    if (this.backing?.width !== w || this.backing.height !== h) this.backing = new OffscreenCanvas(w, h);
    const context = this.backing.getContext('2d');
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.clearRect(0, 0, w, h);
    context.setTransform(this.ratio, 0, 0, this.ratio, 0, 0);
    context.fillStyle = colour(this.drawing.look.bg);
    context.fillRect(0, 0, width, height);
    const { image, zoom } = this.drawing.look;
    const picture = image && this.images.get(image);
    // A picture larger than the window is drawn smaller, to whole pixels as
    // on the desktop; a denser picture at the size of the one it stands for.
    if (picture) {
      const { bitmap, density } = picture;
      const [w, h] = [bitmap.width, bitmap.height].map((side) => Math.round((side / density) * zoom));
      context.drawImage(bitmap, 0, 0, w, h);
    }
    this.drawStrokes(0);
  }

  // Strokes from index `first` onto the backing,
  // pixel by pixel as the desktop draws them; the box they cover.
  drawStrokes(first) {
    const context = this.backing.getContext('2d');
    const strokes = this.drawing.strokes;
    // On a screen of a whole number of pixels to a pixel, the lines step by
    // the screen's pixels, not in blocks of them.
    const k = Math.round(this.ratio);
    const dense = k >= 2 && Math.abs(this.ratio - k) < 1e-6;
    context.save();
    if (dense) context.setTransform(1, 0, 0, 1, 0, 0);
    let covered = null;
    for (const { from: [ax, ay], to: [bx, by], colour: stroke } of strokes.slice(first)) {
      context.fillStyle = colour(stroke);
      fillRuns(context, dense ? denseLineRuns(ax, ay, bx, by, k) : lineRuns(ax, ay, bx, by));
      const box = [Math.min(ax, bx), Math.min(ay, by), Math.abs(bx - ax) + 1, Math.abs(by - ay) + 1];
      covered = covered ? union(covered, box) : box;
    }
    context.restore();
    return covered;
  }

  // Paints what changed since the last time, place by place, on whole
  // pixels of the canvas.
  paint() {
    const places = this.dirty;
    this.dirty = [];
    for (const place of places) {
      this.paintPlace(place);
      this.unsettled = this.unsettled ? union(this.unsettled, place) : place;
    }
  }

  // Paints once more, the same, all that was painted since the last time:
  // WebKit may leave a worker's last paint of a canvas off the screen until
  // the canvas is painted again.
  settle() {
    if (this.unsettled) this.paintPlace(this.unsettled);
    this.unsettled = null;
  }

  paintPlace([left, top, width, height]) {
    const r = this.ratio;
    // The place in the screen's pixels of the surface, then of each tile.
    const place = [Math.floor(left * r), Math.floor(top * r), Math.ceil((left + width) * r), Math.ceil((top + height) * r)];
    for (const tile of this.tiles) {
      const { canvas, origin: [ox, oy] } = tile;
      const [x0, y0] = [Math.max(place[0], ox), Math.max(place[1], oy)];
      const [x1, y1] = [Math.min(place[2], ox + canvas.width), Math.min(place[3], oy + canvas.height)];
      if (x1 <= x0 || y1 <= y0) continue;
      // Asked once: Firefox refuses a second context of a canvas handed to a worker.
      const context = (tile.context ??= canvas.getContext('2d'));
      context.setTransform(1, 0, 0, 1, 0, 0);
      context.clearRect(x0 - ox, y0 - oy, x1 - x0, y1 - y0);
      if (this.backing) context.drawImage(this.backing, x0, y0, x1 - x0, y1 - y0, x0 - ox, y0 - oy, x1 - x0, y1 - y0);
      context.save();
      context.beginPath();
      context.rect(x0 - ox, y0 - oy, x1 - x0, y1 - y0);
      context.clip();
      context.setTransform(r, 0, 0, r, -ox, -oy);
      const area = [x0 / r, y0 / r, (x1 - x0) / r, (y1 - y0) / r];
      for (const item of this.items.values()) {
        if (item.bounds && overlaps(item.bounds, area)) paintItem(context, item, r);
      }
      context.restore();
    }
  }
}

const overlaps = (a, b) => a[0] < b[0] + b[2] && b[0] < a[0] + a[2] && a[1] < b[1] + b[3] && b[1] < a[1] + a[3];
