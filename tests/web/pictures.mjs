// Pictures of a page and how far two pictures differ; what a page shows of
// its controls.

// What the page shows, taken until two takes two frames apart agree (ten
// at most): a busy machine may show a canvas its worker painted a frame or
// two late, WebKit's later still.
const frames = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));

export async function settled(page, take = () => page.screenshot()) {
  let png = await take();
  for (let tries = 0; tries < 10; tries++) {
    await frames(page);
    const again = await take();
    if (again.equals(png)) break;
    png = again;
  }
  return png;
}

// Whether the page comes to show something other than `before`, as `expected`
// says it must, within forty takes two frames apart: a picture late by more
// than a few frames on a loaded machine still counts, a wrong one never does.
// Coming back to `before` counts once it stays so.
export async function comesToDiffer(page, before, expected) {
  for (let tries = 0; tries < 40; tries++) {
    const differs = !(await page.screenshot()).equals(before);
    if (differs === expected) return expected || !(await settled(page)).equals(before);
    await frames(page);
  }
  return !expected;
}

// The form's picture (PNG, as the window shows it: taking more would resize
// the page) and, in the form's pixels, the message box over it with its
// shadow. Chromium's: its screenshot takes a part of the page.
export async function picture(page) {
  const box = await page.box('#window');
  const png = await settled(page, async () =>
    Buffer.from(await page.native.screenshot({ clip: box, captureBeyondViewport: false })));
  const masks = await page.evaluate(([x, y, shadow]) => [...document.querySelectorAll('dialog.message-box[open]')]
    .map((d) => {
      const r = d.getBoundingClientRect();
      return [r.left - x - shadow, r.top - y - shadow, r.width + 2 * shadow, r.height + 2 * shadow];
    }), [box.x, box.y, 24]);
  return { png, masks };
}

// Every control as the page shows it, in the page's order: whether any of
// it can be seen (its own display, and the boxes that clip it), its box on
// the form in pixels, and its text. Lines and shapes, painted on their
// surface without an element of their own, as the page was told them: what
// is painted of them, the pictures tell.
export const pageControls = (page) => page.evaluate(() => {
  const form = document.querySelector('.form').getBoundingClientRect();
  const textOf = (element) => (element.tagName === 'INPUT' ? element.value
    : element.classList.contains('listbox') ? [...element.children].map((r) => r.textContent).join('\n')
      : element.textContent);
  return [...window.kymbralPage.view.controls.values()].map(({ model, element }) => {
    if (!element) return { name: model.name, visible: model.visible, model };
    const r = element.getBoundingClientRect();
    let seen = element.checkVisibility();
    for (let e = element.parentElement; e; e = e.parentElement) {
      const c = getComputedStyle(e).overflow === 'visible' ? null : e.getBoundingClientRect();
      seen &&= !c || (r.left <= c.right && r.right >= c.left && r.top <= c.bottom && r.bottom >= c.top);
    }
    const text = model.kind === 'picture' ? undefined : textOf(element);
    return { name: model.name, visible: seen, box: [r.left - form.left, r.top - form.top, r.width, r.height], text };
  });
});

// Two pictures of one size compared outside the masks. A pixel is apart
// when a channel differs by more than a tenth of its range; it is unmatched
// when, besides, either picture has no colour that close to the other's
// within one pixel of it: the two views' text may shade a glyph's edge
// differently or set it a fraction of a pixel further, but a line, a label
// or a dot that one of them lacks leaves its pixels unmatched. Returns the
// shares of the pixels apart and unmatched, the unmatched inside each
// region ({ box: [left, top, width, height] }) as a share of its pixels or,
// given its background ([red, green, blue]), of its ink, and a picture of
// the differences (red: unmatched, yellow: apart only). `page` is any page
// of the site, to work in.
export async function differing(page, pngA, pngB, { masks = [], regions = [] } = {}) {
  const result = await page.evaluate(async (a, b, masks, regions) => {
    const decode = async (base64) => {
      const blob = await (await fetch(`data:image/png;base64,${base64}`)).blob();
      const bitmap = await createImageBitmap(blob, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
      const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return context.getImageData(0, 0, bitmap.width, bitmap.height);
    };
    const [{ width, height, data: A }, { data: B, width: widthB }] = await Promise.all([decode(a), decode(b)]);
    if (A.length !== B.length || width !== widthB) throw new Error('the pictures differ in size');
    const near = (P, i, Q, j) => [0, 1, 2].every((k) => Math.abs(P[i + k] - Q[j + k]) <= 25.5);
    const matched = (P, Q, x, y) => {
      for (let v = Math.max(0, y - 1); v <= Math.min(height - 1, y + 1); v++) {
        for (let u = Math.max(0, x - 1); u <= Math.min(width - 1, x + 1); u++) {
          if (near(P, 4 * (y * width + x), Q, 4 * (v * width + u))) return true;
        }
      }
      return false;
    };
    const inBox = ([l, t, w, h], visit) => {
      for (let y = Math.max(0, Math.floor(t)); y < Math.min(height, Math.ceil(t + h)); y++) {
        for (let x = Math.max(0, Math.floor(l)); x < Math.min(width, Math.ceil(l + w)); x++) visit(y * width + x);
      }
    };
    // 0 masked, 1 alike, 2 apart only, 3 unmatched
    const kind = new Uint8Array(width * height).fill(1);
    for (const mask of masks) inBox(mask, (p) => { kind[p] = 0; });
    const diff = new ImageData(width, height);
    const counts = [0, 0, 0, 0];
    for (let p = 0; p < width * height; p++) {
      diff.data[4 * p + 3] = 255;
      if (kind[p] && !near(A, 4 * p, B, 4 * p)) {
        const [x, y] = [p % width, Math.floor(p / width)];
        kind[p] = !matched(A, B, x, y) || !matched(B, A, x, y) ? 3 : 2;
        diff.data.set(kind[p] === 3 ? [255, 0, 0] : [255, 255, 0], 4 * p);
      }
      counts[kind[p]]++;
    }
    // Of a region's pixels, or of those of its ink: the first picture's
    // pixels that are not its background.
    const shareIn = ({ box, background }) => {
      const [inside, ink] = [[0, 0, 0, 0], background && [...background, 0]];
      let inked = 0;
      inBox(box, (p) => {
        inside[kind[p]]++;
        if (ink && kind[p] && !near(A, 4 * p, ink, 0)) inked++;
      });
      const compared = ink ? inked : inside[1] + inside[2] + inside[3];
      return compared ? inside[3] / compared : 0;
    };
    const canvas = new OffscreenCanvas(width, height);
    canvas.getContext('2d').putImageData(diff, 0, 0);
    const picture = await new Promise((resolve) => {
      const reader = new FileReader();
      reader.onload = () => resolve(reader.result.split(',')[1]);
      canvas.convertToBlob().then((blob) => reader.readAsDataURL(blob));
    });
    const compared = counts[1] + counts[2] + counts[3];
    return { apart: (counts[2] + counts[3]) / compared, unmatched: counts[3] / compared, regions: regions.map(shareIn), picture };
  }, pngA.toString('base64'), pngB.toString('base64'), masks, regions);
  return { ...result, picture: Buffer.from(result.picture, 'base64') };
}
