// The pixels that the desktop sets when it draws without smoothing, as runs
// of pixels side by side: [x, y, width, height]. Positions are in pixels.
// There a point at x covers the pixel that starts at x, not the one whose
// centre is nearest: a pixel belongs to a figure when the point a hair past
// its top-left corner lies inside it.
const HAIR = 1 / 64;

// A one-pixel line between two pixels, both ends included: one pixel a step
// along its longer axis, the other axis rounded.
export function lineRuns(ax, ay, bx, by) {
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

// The same line on a screen of `k` device pixels to a pixel (a whole
// number), in the screen's pixels: stepping by them between the middles of
// its ends, k thick, so that its ends cover their pixels whole.
export function denseLineRuns(ax, ay, bx, by, k) {
  const half = Math.floor(k / 2);
  return lineRuns(ax * k + half, ay * k + half, bx * k + half, by * k + half)
    .map(([x, y, width, height]) => [x - half, y - half, width + k - 1, height + k - 1]);
}

// The pixels inside a figure within a box, row by row: `inside(x, y)` is
// asked of each pixel's sample point.
function scan([left, top, right, bottom], inside) {
  const found = [];
  for (let y = Math.floor(top); y < Math.ceil(bottom); y++) {
    let start = null;
    for (let x = Math.floor(left); x <= Math.ceil(right); x++) {
      const hit = x < Math.ceil(right) && inside(x + HAIR, y + HAIR);
      if (hit && start === null) start = x;
      if (!hit && start !== null) {
        found.push([start, y, x - start, 1]);
        start = null;
      }
    }
  }
  return found;
}

// A line figure: `width` pixels wide with round ends; one pixel wide, a
// plain line between the pixels of its ends.
export function figureLineRuns(x1, y1, x2, y2, width) {
  const pixel = (v) => Math.floor(v + HAIR);
  if (width <= 1) return lineRuns(pixel(x1), pixel(y1), pixel(x2), pixel(y2));
  const half = width / 2;
  const [dx, dy] = [x2 - x1, y2 - y1];
  const length2 = dx * dx + dy * dy;
  return scan([Math.min(x1, x2) - half, Math.min(y1, y2) - half, Math.max(x1, x2) + half, Math.max(y1, y2) + half],
    (x, y) => {
      const t = length2 ? Math.max(0, Math.min(1, ((x - x1) * dx + (y - y1) * dy) / length2)) : 0;
      const [ex, ey] = [x - x1 - t * dx, y - y1 - t * dy];
      return ex * ex + ey * ey <= half * half;
    });
}

// How far a point lies outside the outline of a shape (negative inside):
// a rectangle with rounded corners of `radius`, or an oval.
function distanceOutside(kind, [left, top, width, height], radius, x, y) {
  const [cx, cy, hx, hy] = [left + width / 2, top + height / 2, width / 2, height / 2];
  if (kind === 'oval') {
    // The implicit function over its gradient: near enough within the few
    // pixels of a pen.
    const [px, py, ax, ay] = [x - cx, y - cy, hx * hx, hy * hy];
    const gradient = Math.hypot((2 * px) / ax, (2 * py) / ay);
    return gradient ? ((px * px) / ax + (py * py) / ay - 1) / gradient : -Math.min(hx, hy);
  }
  const [qx, qy] = [Math.abs(x - cx) - (hx - radius), Math.abs(y - cy) - (hy - radius)];
  return Math.hypot(Math.max(qx, 0), Math.max(qy, 0)) + Math.min(Math.max(qx, qy), 0) - radius;
}

// A shape's outline path (its box less half the pen on each side): the
// pixels of its fill and of its border, which is `pen` wide and, when
// dotted, a pen's length on and two off along the box from its top-left corner.
export function shapeRuns(kind, box, pen, { dotted = false } = {}) {
  const [left, top, width, height] = box;
  const path = [left + pen / 2, top + pen / 2, width - pen, height - pen];
  const radius = kind === 'rounded' ? Math.min(path[2], path[3]) / 6 : 0;
  const outside = (x, y) => distanceOutside(kind, path, radius, x, y);
  const extent = [left - 1, top - 1, left + width + 1, top + height + 1];
  const along = (x, y) => {
    const [w, h] = [path[2], path[3]];
    const [u, v] = [x - path[0], y - path[1]];
    const edges = [[Math.abs(v), u], [Math.abs(u - w), w + v], [Math.abs(v - h), w + h + (w - u)], [Math.abs(u), 2 * w + h + (h - v)]];
    return edges.reduce((best, edge) => (edge[0] < best[0] ? edge : best))[1];
  };
  return {
    fill: scan(extent, (x, y) => outside(x, y) <= 0),
    border: pen ? scan(extent, (x, y) => Math.abs(outside(x, y)) <= pen / 2 &&
      (!dotted || Math.floor(along(x, y) / pen) % 3 === 0)) : [],
  };
}
