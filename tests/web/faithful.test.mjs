// The page where it must be as faithful as the desktop: what the model hides
// stays hidden, a clock its handler stopped stays stopped, a page that
// cannot load a file says so, a screenshot that fails once is fetched
// again, and a stopped page says why.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { click, closeMessage, launch, text } from './harness.mjs';
import { openFaked, serveSite, tick } from './views.mjs';

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
  'its own flag, on a stopped page': (model) => [['stop'], [model(false), false], [model(true), true]],
};
const apply = (page, controls) => page.evaluate((c) => {
  window.formView.apply(JSON.stringify({ controls: c }));
  return window.formView.painted();
}, controls);

for (const [way, steps] of Object.entries(WAYS)) {
  test(`a control hidden by ${way} is not drawn`, async () => {
    const inPicture = way.includes('picture');
    for (const kind of inPicture ? ['label', 'line'] : Object.keys(CONTROLS)) {
      const model = (visible, { parent = -1, outside = false } = {}) => {
        const fields = { id: 1, parent, name: kind, visible, ...CONTROLS[kind] };
        if (outside) Object.assign(fields, fields.rect ? { rect: [600, 3600, 900, 300] } : { ends: [600, 3600, 1500, 4000] });
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
