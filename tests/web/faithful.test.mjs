// The page where it must be as faithful as the desktop: what the model hides
// stays hidden, a clock its handler stopped stays stopped, a page that
// cannot load a file says so, a screenshot that fails once is fetched
// again, and a stopped page says why.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { browserTest, click, closeMessage, SITE, text } from './harness.mjs';
import { openFaked, tick, typeInto } from './views.mjs';
import { comesToDiffer, settled } from './pictures.mjs';

const messageOpen = (page) => page.evaluate(() => document.querySelector('dialog.message-box[open]') !== null);

// A form of the page's own renderer on a page of the site, without a program.
async function renderer(open) {
  const page = await openFaked(open, 'index.html', {}, { ready: false });
  await page.evaluate(async () => {
    const [{ FormView }, { publish }] = await Promise.all([import('./form/form.js'), import('./hook.js')]);
    document.body.outerHTML = '<body style="margin: 0"><div id="window"></div></body>';
    const view = new FormView(document.getElementById('window'), null);
    publish({ view });
    view.apply(JSON.stringify({ caption: 'Form', width: 6000, height: 4500, controls: [] }));
    await view.painted();
  });
  return page;
}

const red = '#ff0000';
const picture = {
  id: 9, parent: -1, kind: 'picture', name: 'Box', rect: [300, 300, 3000, 3000], font: ['Arial', 8.25, false],
  bg: '#ffffff', sunken: true, image: '', loads: 0, zoom: 1, clear: true, strokes: [],
};
const CONTROLS = {
  label: { kind: 'label', rect: [600, 600, 900, 300], font: ['Arial', 8.25, true], text: 'Label', fg: red, bg: red,
    transparent: false, align: 0, wrap: false },
  button: { kind: 'button', rect: [600, 600, 900, 300], font: ['Arial', 8.25, true], text: 'Button', enabled: true },
  textbox: { kind: 'textbox', rect: [600, 600, 900, 300], font: ['Arial', 8.25, false], text: 'Box' },
  line: { kind: 'line', ends: [600, 600, 1500, 1500], colour: red, width: 4 },
  shape: { kind: 'shape', rect: [600, 600, 900, 900], shape: 2, border: 1, borderWidth: 2, borderColour: red,
    filled: true, fill: red },
};
// Each way a control can be hidden, as a list of models in turn and whether
// each must be drawn.
const WAYS = {
  'its own flag, shown then hidden then shown': (model) => [[model(true), true], [model(false), false], [model(true), true]],
  'its own flag, hidden then shown then hidden': (model) => [[model(false), false], [model(true), true], [model(false), false]],
  'its picture box, whose area it lies outside': (model) => [[model(true, { parent: 9, outside: true }), false]],
  'its own flag, inside a picture box': (model) => [[model(true, { parent: 9 }), true], [model(false, { parent: 9 }), false]],
  // Below the line that says the page stopped.
  'its own flag, on a stopped page': (model) => [['stop'], [model(false, { low: true }), false], [model(true, { low: true }), true]],
};
// Painted, and a frame later on the screen: WebKit may show a worker's
// canvas a frame after the others.
const shown = () => window.kymbralPage.view.painted().then(() => new Promise((resolve) => requestAnimationFrame(resolve)));
const apply = (page, controls) => page.evaluate((c, wait) => {
  window.kymbralPage.view.apply(JSON.stringify({ controls: c }));
  return eval(wait)();
}, controls, String(shown));

for (const [way, steps] of Object.entries(WAYS)) {
  browserTest(`a control hidden by ${way} is not drawn`, async ({ open }) => {
    const inPicture = way.includes('picture');
    // Three pages each in a picture box: WebKit lost a worker's paint on some pages only.
    for (const kind of inPicture ? Array(3).fill(['label', 'line']).flat() : Object.keys(CONTROLS)) {
      const model = (visible, { parent = -1, outside = false, low = false } = {}) => {
        const fields = { id: 1, parent, name: kind, visible, ...CONTROLS[kind] };
        if (outside) Object.assign(fields, fields.rect ? { rect: [600, 3600, 900, 300] } : { ends: [600, 3600, 1500, 4000] });
        if (low) Object.assign(fields, fields.rect ? { rect: [600, 3000, 900, 300] } : { ends: [600, 3000, 1500, 3900] });
        return fields;
      };
      const page = await renderer(open);
      if (inPicture) await apply(page, [picture]);
      const models = steps(model);
      if (models[0][0] === 'stop') await page.evaluate((wait) => window.kymbralPage.view.stop() ?? eval(wait)(), String(shown));
      const empty = await settled(page);
      for (const [m, drawn] of models.filter(([m]) => m !== 'stop')) {
        await apply(page, [m]);
        assert.equal(await comesToDiffer(page, empty, drawn), drawn,
          `${kind}: ${JSON.stringify({ visible: m.visible, parent: m.parent })}`);
      }
      await page.close();
    }
  });
}

browserTest('a scan that cannot start while acquiring shows its message once, and the clock stays stopped', async ({ open }) => {
  const page = await openFaked(open, 'kymbral.html');
  await click(page, 'Insert');
  await click(page, 'Restart');
  await tick(page, 20);
  await typeInto(page, 'T2Value', '0');
  await typeInto(page, 'KeyboardInput', 'at=0.1');
  await tick(page);
  assert.deepEqual(await closeMessage(page), ['Kymbral', 'T2 must be a finite number greater than 0.']);
  await tick(page, 200);
  // No second message, and the page falls quiet: no timer armed (the texts
  // for screen readers wait a second before their last copy).
  assert.deepEqual([await messageOpen(page), await page.evaluate(() => window.kymbralPage.clock.armed()),
    await text(page, 'Restart')], [false, 0, 'GA']);
});

const fonts = readdirSync(join(SITE, 'fonts')).filter((name) => name.endsWith('.ttf')).map((name) => `fonts/${name}`);
const missing = (files) => Object.fromEntries(files.map((path) => [path, null]));

browserTest('a page missing its fonts starts with the browser\'s faces, and its console says so', { needs: ['console'] },
  async ({ open }) => {
    const page = await openFaked(open, 'kymbral.html', missing(fonts), { ready: false });
    const warnings = [];
    page.native.on('console', (message) => message.type() === 'warn' && warnings.push(message.text()));
    await page.goto(page.native.url());
    await page.waitFor(() => document.body.classList.contains('ready'));
    assert.ok(warnings.some((w) => /Kymbral Sans.*did not load/.test(w)), warnings.join('\n'));
  });

browserTest('a page missing a script or module names it', async ({ open }) => {
  const cases = [...['app.js', 'kymbral.js', 'kymbral.wasm'].map((f) => ['kymbral.html', f]),
    ...['tessivar.wasm', 'form/paint-worker.js'].map((f) => ['tessivar.html', f])];
  for (const [program, file] of cases) {
    const page = await openFaked(open, program, missing([file]), { ready: false });
    const said = await page.waitFor(() => document.querySelector('p.notice')?.textContent);
    const caption = program === 'kymbral.html' ? 'Kymbral' : 'Tessivar';
    assert.ok(said.startsWith(caption) && said.includes(`cannot start: its file ${file} did not load`), said);
    assert.match(said, /reload the page/);
    await page.close();
  }
});

const slide1 = 'Orvane ScreenShots/ScreenShot-1.jpg';
const screenshot1 = readFileSync(join(SITE, slide1));
const [target0] = [...readFileSync(new URL('../../tessivar/show/slide_table.cpp', import.meta.url), 'utf8')
  .matchAll(/^\s*\{(\d+), (\d+),/gm)].map(([, x, y]) => ({ x: x - 100, y: y - 100 }));

// Moves the fake clock on, whenever the page waits on it to try a picture
// again, until `done` holds on the page.
async function retried(page, done) {
  for (let i = 0; i < 20; i++) {
    await page.waitFor((source) => window.kymbralPage.clock.armed() > 0 || Boolean(eval(source)()), String(done));
    if (await page.evaluate(done)) return;
    await tick(page, 25);
  }
}

browserTest('the next slide\'s screenshot is fetched ahead, and one that fails to load is tried again', async ({ open }) => {
  // The fetch ahead and the first try fail; the third load comes.
  const page = await openFaked(open, 'tessivar.html', { [slide1]: (asked) => (asked <= 2 ? { status: 503 } : screenshot1) });
  await page.waitFor((name) => performance.getEntriesByType('resource').some((r) => r.name.endsWith(name)),
    encodeURI(slide1));
  await click(page, 'Picture1', target0);
  await retried(page, () => document.querySelector('[data-name="InfoBox"]').textContent.startsWith('Screen:  1'));
  assert.deepEqual([(await text(page, 'InfoBox')).slice(0, 10), await messageOpen(page), page.asked(slide1)],
    ['Screen:  1', false, 3]);
});

browserTest('a stopped page says what stopped it and how to start again', async ({ open }) => {
  const cases = [
    ['a bad deck', 'tessivar.html?deck=bad', { 'bad/deck.csv': 'picture,text,left,top,width,height\r\nx.jpg,Hi,0,0,0,10\r\n' },
      'deck.csv line 2: width must be a whole number greater than 0'],
    ['a screenshot that never loads', 'tessivar.html', { [slide1]: { status: 503 } }, `Cannot load the screenshot\n${slide1}`],
  ];
  for (const [name, program, files, reason] of cases) {
    const page = await openFaked(open, program, files);
    if (program === 'tessivar.html') {
      await click(page, 'Picture1', target0);
      await retried(page, () => document.querySelector('dialog.message-box[open]'));
    }
    await closeMessage(page);
    const said = await page.waitFor(() => document.querySelector('.stopped-notice')?.innerText);
    assert.match(said, /^Tessivar has stopped\. Reload the page to start again\./, name);
    assert.ok(said.includes(reason), `${name}: ${said}`);
    await page.close();
  }
});

browserTest('a long text in a message box wraps inside it', async ({ open }) => {
  const page = await openFaked(open, `tessivar.html?deck=${'x'.repeat(10000)}`);
  // No line runs past the box, and the box fits the window.
  assert.ok(await page.evaluate(() => {
    const p = document.querySelector('dialog.message-box[open] p');
    return p.scrollWidth <= p.clientWidth && p.parentElement.getBoundingClientRect().right <= 1400;
  }));
});

const PAGES = readdirSync(SITE).filter((name) => name.endsWith('.html'));

browserTest('every page opened from a file says how to serve it, the index with its list of programs', async ({ open }) => {
  for (const file of PAGES) {
    const page = await open(`file://${SITE}/${file}`, { ready: false });
    await page.waitFor(() => document.querySelector('p.notice') !== null);
    const [notice, links] = await page.evaluate(() => [document.querySelector('p.notice')?.textContent,
      [...document.querySelectorAll('a[href$=".html"]')].map((a) => a.getAttribute('href'))]);
    assert.match(notice, /scripts\/serve-web/, file);
    assert.deepEqual(links, file === 'index.html' ? ['kymbral.html', 'tessivar.html', 'author.html', 'exercises.html'] : []);
    await page.close();
  }
});

browserTest('every file that a page of the site names is there', async ({ open }) => {
  for (const file of PAGES) {
    const page = await open(file, { ready: false });
    const missing = await page.evaluate(async () => {
      const named = [...document.querySelectorAll('script[src], link[rel="stylesheet"]')].map((e) => e.src || e.href);
      const found = await Promise.all(named.map(async (url) => (await fetch(url)).ok));
      return named.filter((_, at) => !found[at]);
    });
    assert.deepEqual(missing, [], file);
    await page.close();
  }
});
