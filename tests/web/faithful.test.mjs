// The page where it must be as faithful as the desktop: what the model hides
// stays hidden, a clock its handler stopped stays stopped, a page that
// cannot load a file says so, a screenshot that fails once is fetched
// again, and a stopped page says why.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { click, closeMessage, launch, text } from './harness.mjs';
import { openFaked, serveSite, site, tick } from './views.mjs';

let server;
let browser;
before(async () => {
  server = await serveSite();
  browser = await launch();
});
after(async () => {
  await browser?.end();
  server?.close();
});

// A form of the page's own renderer on a page of the site, without a program.
async function renderer() {
  const page = await browser.newPage();
  await page.setViewport({ width: 400, height: 300 });
  await page.goto(`${server.url}index.html`);
  await page.evaluate(async () => {
    const { FormView } = await import('./form.js');
    document.body.replaceChildren();
    document.body.style.margin = '0';
    const root = document.createElement('div');
    root.id = 'window';
    document.body.append(root);
    window.formView = new FormView(root, null);
    window.formView.apply(JSON.stringify({ caption: 'Form', width: 6000, height: 4500, controls: [] }));
    await window.formView.painted();
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
const apply = (page, controls) => page.evaluate((c) => {
  window.formView.apply(JSON.stringify({ controls: c }));
  return window.formView.painted();
}, controls);

for (const [way, steps] of Object.entries(WAYS)) {
  test(`a control hidden by ${way} is not drawn`, async () => {
    const inPicture = way.includes('picture');
    for (const kind of inPicture ? ['label', 'line'] : Object.keys(CONTROLS)) {
      const model = (visible, { parent = -1, outside = false, low = false } = {}) => {
        const fields = { id: 1, parent, name: kind, visible, ...CONTROLS[kind] };
        if (outside) Object.assign(fields, fields.rect ? { rect: [600, 3600, 900, 300] } : { ends: [600, 3600, 1500, 4000] });
        if (low) Object.assign(fields, fields.rect ? { rect: [600, 3000, 900, 300] } : { ends: [600, 3000, 1500, 3900] });
        return fields;
      };
      const page = await renderer();
      if (inPicture) await apply(page, [picture]);
      const models = steps(model);
      if (models[0][0] === 'stop') await page.evaluate(() => window.formView.stop() ?? window.formView.painted());
      const empty = await page.screenshot();
      for (const [m, drawn] of models.filter(([m]) => m !== 'stop')) {
        await apply(page, [m]);
        const shot = await page.screenshot();
        assert.equal(!shot.equals(empty), drawn, `${kind}: ${JSON.stringify({ visible: m.visible, parent: m.parent })}`);
      }
      await page.close();
    }
  });
}

test('a scan that cannot start while acquiring shows its message once, and the clock stays stopped', async () => {
  const page = await openFaked(browser, 'kymbral.html');
  await click(page, 'Insert');
  await click(page, 'Restart');
  await tick(page, 20);
  for (const [box, typed] of [['T2Value', '0'], ['KeyboardInput', 'at=0.1']]) {
    await page.focus(`[data-name="${box}"]`);
    await page.$eval(`[data-name="${box}"]`, (input) => input.select());
    await page.keyboard.type(typed);
    await page.keyboard.press('Enter');
  }
  await tick(page);
  assert.deepEqual(await closeMessage(page), ['Kymbral', 'T2 must be a finite number greater than 0.']);
  await tick(page, 100);
  assert.equal(await page.$('dialog.message-box[open]'), null, 'no second message');
  assert.equal(await page.evaluate(() => window.fakeClock.armed()), 0, 'no timer armed');
  assert.equal(await text(page, 'Restart'), 'GA');
});

// A page of the site served with `files` in place of its own, as it comes:
// its console's warnings kept.
async function served(program, files) {
  const server = await serveSite(files);
  const page = await browser.newPage();
  page.warnings = [];
  page.on('console', (message) => message.type() === 'warn' && page.warnings.push(message.text()));
  page.once('close', server.close);
  page.server = server;
  await page.goto(`${server.url}${program}`);
  return page;
}

const fontFiles = readdirSync(join(site, 'fonts')).filter((name) => name.endsWith('.ttf'));
const missing = (...paths) => Object.fromEntries(paths.map((path) => [path, { status: 404 }]));

test('a page whose fonts do not load starts with the browser\'s own faces and says so', async () => {
  const page = await served('kymbral.html', missing(...fontFiles.map((name) => `fonts/${name}`)));
  await page.waitForSelector('body.ready');
  assert.equal(await page.$$eval('[data-name]', (controls) => controls.length > 50), true);
  assert.ok(page.warnings.some((w) => w.includes('Kymbral Sans') && w.includes('did not load')), page.warnings.join('\n'));
  await page.close();
});

test('a page whose script or module does not load names the file and what to do', async () => {
  const cases = [
    ['kymbral.html', 'app.js', 'Kymbral'],
    ['kymbral.html', 'kymbral.js', 'Kymbral'],
    ['kymbral.html', 'kymbral.wasm', 'Kymbral'],
    ['tessivar.html', 'tessivar.wasm', 'Tessivar'],
    ['tessivar.html', 'paint-worker.js', 'Tessivar'],
  ];
  for (const [program, file, caption] of cases) {
    const page = await served(program, missing(file));
    const notice = await page.waitForSelector('p.notice');
    const said = await notice.evaluate((n) => n.textContent);
    assert.match(said, new RegExp(`^${caption}.* cannot start: its file ${file.replace('.', '\\.')} did not load`), file);
    assert.match(said, /reload the page/);
    await page.close();
  }
});

const slide1 = 'Orvane ScreenShots/ScreenShot-1.jpg';
const screenshot1 = readFileSync(join(site, slide1));
const [target0] = [...readFileSync(new URL('../../slideshow/slide_table.cpp', import.meta.url), 'utf8')
  .matchAll(/^\s*\{(\d+), (\d+),/gm)].map(([, x, y]) => ({ x: x - 100, y: y - 100 }));

// Moves the fake clock on, whenever the page waits on it to try a picture
// again, until `done` holds on the page.
async function retried(page, done) {
  for (let i = 0; i < 20; i++) {
    await page.waitForFunction(`window.fakeClock.armed() > 0 || (${done})()`);
    if (await page.evaluate(done)) return;
    await tick(page, 25);
  }
}

test('the next slide\'s screenshot is fetched ahead, and one that fails to load is tried again', async () => {
  // The fetch ahead and the first try fail; the third load comes.
  const page = await openFaked(browser, 'tessivar.html', { [slide1]: (asked) => (asked <= 2 ? { status: 503 } : screenshot1) });
  await page.waitForFunction((name) => performance.getEntriesByType('resource').some((r) => r.name.endsWith(name)),
    {}, encodeURI(slide1));
  await click(page, 'Picture1', target0);
  await retried(page, () => document.querySelector('[data-name="InfoBox"]').textContent.startsWith('Screen:  1'));
  assert.match(await text(page, 'InfoBox'), /^Screen: {2}1/);
  assert.equal(await page.$('dialog.message-box[open]'), null);
  assert.equal(page.server.asked(slide1), 3);
  await page.close();
});

test('a stopped page says what stopped it and how to start again', async () => {
  const cases = [
    ['a bad deck', 'tessivar.html?deck=bad', { 'bad/deck.csv': 'picture,text,left,top,width,height\r\nx.jpg,Hi,0,0,0,10\r\n' },
      'deck.csv line 2: width must be a whole number greater than 0'],
    ['a screenshot that never loads', 'tessivar.html', { [slide1]: { status: 503 } }, `Cannot load the screenshot\n${slide1}`],
  ];
  for (const [name, program, files, reason] of cases) {
    const page = await openFaked(browser, program, files);
    if (program === 'tessivar.html') {
      await click(page, 'Picture1', target0);
      await retried(page, () => document.querySelector('dialog.message-box[open]'));
    }
    await closeMessage(page);
    const notice = await page.waitForSelector('.stopped-notice');
    const said = await notice.evaluate((n) => n.innerText);
    assert.match(said, /^Tessivar has stopped\. Reload the page to start again\./, name);
    assert.ok(said.includes(reason), `${name}: ${said}`);
    await page.close();
  }
});

test('a long text in a message box wraps inside it', async () => {
  const page = await openFaked(browser, `tessivar.html?deck=${'x'.repeat(10000)}`);
  const box = await page.waitForSelector('dialog.message-box[open] p');
  const [inside, right] = await box.evaluate((p) => [p.scrollWidth <= p.clientWidth, p.parentElement.getBoundingClientRect().right]);
  assert.ok(inside, 'no line runs past the box');
  assert.ok(right <= 1400, 'the box fits the window');
  await page.close();
});

test('the site\'s index opened from a file lists the programs and says how to serve them', async () => {
  const page = await browser.newPage();
  await page.goto(`file://${site}/index.html`);
  await page.waitForSelector('p.notice');
  const [notice, links] = await page.evaluate(() => [document.querySelector('p.notice').textContent,
    [...document.querySelectorAll('a')].map((a) => a.getAttribute('href'))]);
  assert.match(notice, /scripts\/serve-web/);
  assert.deepEqual(links.filter((href) => href.endsWith('.html')), ['kymbral.html', 'tessivar.html']);
  await page.close();
});
