// Pictures of a page and how far two pictures differ; what a page shows of
// its controls.
// The form's picture (PNG) and, in the form's pixels, the message box over
// it with its shadow.
export async function picture(page) {
  const form = await page.$('#window');
  const box = await form.boundingBox();
  // As the window shows it: taking more than the window would resize the page.
  const png = Buffer.from(await page.screenshot({ clip: box, encoding: 'base64', captureBeyondViewport: false }), 'base64');
  const masks = await page.$$eval('dialog.message-box[open]', (dialogs, [x, y]) => dialogs.map((d) => {
    const [r, shadow] = [d.getBoundingClientRect(), 24];
    return [r.left - x - shadow, r.top - y - shadow, r.width + 2 * shadow, r.height + 2 * shadow];
  }), [box.x, box.y]);
  return { png, masks };
}

// Every control as the page shows it, in the page's order: whether any of
// it can be seen (its own display, and the boxes that clip it), its box on
// the form in pixels, and its text. Lines and shapes, painted on their
// surface without an element of their own, as the page was told them: what
// is painted of them, the pictures tell.
export const pageControls = (page) => page.evaluate(() => {
  const form = document.querySelector('.form').getBoundingClientRect();
  const clips = (element) => {
    const boxes = [];
    for (let e = element.parentElement; e; e = e.parentElement) {
      if (getComputedStyle(e).overflow !== 'visible') boxes.push(e.getBoundingClientRect());
    }
    return boxes;
  };
  const textOf = (element) => {
    if (element.tagName === 'INPUT') return element.value;
    if (element.classList.contains('listbox')) return [...element.children].map((r) => r.textContent).join('\n');
    return element.textContent;
  };
  return [...window.formView.controls.values()].map(({ model, element }) => {
    if (!element) return { name: model.name, visible: model.visible, model };
    const r = element.getBoundingClientRect();
    const seen = element.checkVisibility() && clips(element).every((c) =>
      r.left <= c.right && r.right >= c.left && r.top <= c.bottom && r.bottom >= c.top);
    return {
      name: model.name,
      visible: seen,
      box: [r.left - form.left, r.top - form.top, r.width, r.height],
      text: model.kind === 'picture' ? undefined : textOf(element),
    };
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
// the differences (red: unmatched, yellow: apart only).
export async function differing(browser, pngA, pngB, { masks = [], regions = [] } = {}) {
  const page = await browser.newPage();
  try {
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
      const near = (P, i, Q, j) => Math.abs(P[i] - Q[j]) <= 25.5 && Math.abs(P[i + 1] - Q[j + 1]) <= 25.5 &&
        Math.abs(P[i + 2] - Q[j + 2]) <= 25.5;
      const matched = (P, Q, x, y) => {
        for (let v = Math.max(0, y - 1); v <= Math.min(height - 1, y + 1); v++) {
          for (let u = Math.max(0, x - 1); u <= Math.min(width - 1, x + 1); u++) {
            if (near(P, 4 * (y * width + x), Q, 4 * (v * width + u))) return true;
          }
        }
        return false;
      };
      // 0 masked, 1 alike, 2 apart only, 3 unmatched
      const kind = new Uint8Array(width * height).fill(1);
      for (const [l, t, w, h] of masks) {
        for (let y = Math.max(0, Math.floor(t)); y < Math.min(height, t + h); y++) {
          kind.fill(0, y * width + Math.max(0, Math.floor(l)), y * width + Math.min(width, Math.ceil(l + w)));
        }
      }
      const diff = new ImageData(width, height);
      const counts = [0, 0, 0, 0];
      for (let y = 0; y < height; y++) {
        for (let x = 0; x < width; x++) {
          const p = y * width + x;
          diff.data[4 * p + 3] = 255;
          if (kind[p] === 0 || near(A, 4 * p, B, 4 * p)) {
            counts[kind[p]]++;
            continue;
          }
          kind[p] = !matched(A, B, x, y) || !matched(B, A, x, y) ? 3 : 2;
          counts[kind[p]]++;
          diff.data.set(kind[p] === 3 ? [255, 0, 0] : [255, 255, 0], 4 * p);
        }
      }
      // Of a region's pixels, or of those of its ink: the pixels of the
      // first picture that differ from its background.
      const shareIn = ({ box: [l, t, w, h], background }) => {
        const [inside, ink] = [[0, 0, 0, 0], background && [...background, 0]];
        let inked = 0;
        for (let y = Math.max(0, Math.floor(t)); y < Math.min(height, Math.ceil(t + h)); y++) {
          for (let x = Math.max(0, Math.floor(l)); x < Math.min(width, Math.ceil(l + w)); x++) {
            const p = y * width + x;
            inside[kind[p]]++;
            if (ink && kind[p] && !near(A, 4 * p, ink, 0)) inked++;
          }
        }
        const compared = ink ? inked : inside[1] + inside[2] + inside[3];
        return compared ? inside[3] / compared : 0;
      };
      const canvas = new OffscreenCanvas(width, height);
      canvas.getContext('2d').putImageData(diff, 0, 0);
      const bytes = new Uint8Array(await (await canvas.convertToBlob()).arrayBuffer());
      let binary = '';
      for (const byte of bytes) binary += String.fromCharCode(byte);
      const compared = counts[1] + counts[2] + counts[3];
      return {
        apart: (counts[2] + counts[3]) / compared,
        unmatched: counts[3] / compared,
        regions: regions.map(shareIn),
        picture: btoa(binary),
      };
    }, pngA.toString('base64'), pngB.toString('base64'), masks, regions);
    return { ...result, picture: Buffer.from(result.picture, 'base64') };
  } finally {
    await page.close();
  }
}
