// The course packages on a learning platform, played by scorm-again's
// runtimes as the platform's side: each package unpacked as a platform
// unpacks it, its launch page in a frame of the platform's page, and what the
// platform holds after the student's clicks.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { click, closeMessage, launch, open, serve, text, waitText } from './harness.mjs';

const site = process.env.KYMBRAL_SITE ?? new URL('../../build-web/site', import.meta.url).pathname;
const runtimes = new URL('node_modules/scorm-again/dist/', import.meta.url).pathname;
const VERSIONS = { 12: '1.2', 2004: '2004' };
const PACKAGES = ['kymbral', 'tessivar'].flatMap((program) => Object.entries(VERSIONS)
  .map(([scorm, version]) => ({ program, version, name: `${program}-scorm${scorm}` })));
const zipOf = (name) => join(site, 'packages', `${name}.zip`);

let root;
let server;
let browser;
before(async () => {
  root = mkdtempSync(join(tmpdir(), 'kymbral-platform-'));
  for (const { name } of PACKAGES) execFileSync('unzip', ['-q', zipOf(name), '-d', join(root, name)]);
  copyFileSync(new URL('platform.html', import.meta.url), join(root, 'platform.html'));
  for (const scorm of Object.keys(VERSIONS)) copyFileSync(`${runtimes}scorm${scorm}.min.js`, join(root, `scorm${scorm}.js`));
  server = await serve(root);
  browser = await launch();
});
after(async () => {
  await browser?.end();
  server?.close();
  rmSync(root, { recursive: true, force: true });
});

// What a platform knows from the manifest before the first launch: the
// passing score, where the package declares one.
function platformData(name, version) {
  const manifest = readFileSync(join(root, name, 'imsmanifest.xml'), 'utf8');
  const percent = /<adlcp:masteryscore>(\d+)</.exec(manifest)?.[1];
  const measure = /<imsss:minNormalizedMeasure>([\d.]+)</.exec(manifest)?.[1];
  if (version === '1.2') return percent ? { student_data: { mastery_score: percent } } : {};
  return measure ? { scaled_passing_score: measure } : {};
}

// The harness's helpers, aimed at the program's page in the platform's frame.
const framed = (page, frame) => ({
  $: (selector) => frame.$(selector),
  evaluate: (...args) => frame.evaluate(...args),
  waitForFunction: (...args) => frame.waitForFunction(...args),
  waitForSelector: (...args) => frame.waitForSelector(...args),
  mouse: page.mouse,
  keyboard: page.keyboard,
});

// The platform's page, alone.
async function platformPage() {
  const page = await browser.newPage();
  await page.setViewport({ width: 1400, height: 900 });
  await page.goto(`${server.url}platform.html`);
  return page;
}

// The platform's page, with the package's launch page in its frame once the
// first activation has run. What goes wrong on either page is kept in
// `problems`: console errors and warnings, failed requests, requests
// outside the package.
async function play({ program, version, name }, { kept = {}, failure, page } = {}) {
  if (!page) {
    page = await platformPage();
    page.problems = [];
    page.on('console', (m) => ['error', 'warn'].includes(m.type()) && !m.location()?.url?.endsWith('/favicon.ico')
      && page.problems.push(m.text()));
    page.on('pageerror', (e) => page.problems.push(String(e)));
    page.on('requestfailed', (r) => page.problems.push(`failed: ${r.url()}`));
    page.on('response', (r) => {
      const path = decodeURIComponent(new URL(r.url()).pathname);
      if (path === '/favicon.ico') return;
      if (r.status() >= 400 || !/^\/(platform\.html|scorm\d+\.js|[^/]+-scorm\d+\/.)/.test(path)) {
        page.problems.push(`${r.status()}: ${path}`);
      }
    });
  }
  const data = { ...platformData(name, version), ...kept };
  await page.evaluate((...args) => window.launch(...args), `${name}/${program}.html`, version, data, failure);
  const frame = await (await page.waitForSelector('iframe')).contentFrame();
  await frame.waitForSelector('body.ready, dialog.message-box[open]');
  return { page, view: framed(page, frame) };
}

const held = (page) => page.evaluate(() => window.held());
const interactions = (cmi) => Object.values(cmi.interactions);
// Until the platform holds what the page reported: the reports wait until
// the click that caused them has been drawn.
const heldWhen = async (page, ready) => {
  await page.waitForFunction(`(${ready})(window.held())`, { timeout: 10000 });
  return held(page);
};

const targets = [...readFileSync(new URL('../../slideshow/slide_table.cpp', import.meta.url), 'utf8')
  .matchAll(/^\s*\{(\d+), (\d+),/gm)].map(([, x, y]) => ({ x: x - 100, y: y - 100 })); // just inside
const screen = (slide) => `Screen:  ${slide}\n`;

// Each slide's target from `from` up to `to`, after wrong[slide] wrong clicks.
async function clickSlides(view, from, to, wrong = {}) {
  for (let slide = from; slide < to; slide++) {
    for (let k = 1; k <= (wrong[slide] ?? 0); k++) {
      await click(view, 'Picture1', { x: 30, y: 30 });
      await waitText(view, 'ClueLabel', `Clue Level = ${k}`);
    }
    await click(view, 'Picture1', targets[slide]);
    if (slide < targets.length - 1) await waitText(view, 'InfoBox', screen(slide + 1));
  }
}

const tessivars = PACKAGES.filter((p) => p.program === 'tessivar');
// The standard's names, where SCORM 1.2 and 2004 differ.
const status = (cmi) => (cmi.core ? { score: cmi.core.score.raw, passed: cmi.core.lesson_status, location: cmi.core.lesson_location,
  exit: cmi.core.exit, time: cmi.core.session_time } : { score: cmi.score.raw, scaled: cmi.score.scaled, passed: cmi.success_status,
  completed: cmi.completion_status, location: cmi.location, exit: cmi.exit, time: cmi.session_time });
const response = (i) => i.student_response ?? i.learner_response;

test('each package: a well-formed manifest at the root naming its launch page and every file of the zip, and only those', async () => {
  const page = await platformPage();
  for (const { name, program, version } of PACKAGES) {
    const entries = execFileSync('unzip', ['-Z1', zipOf(name)], { encoding: 'utf8' }).trim().split('\n');
    assert.ok(entries.every((e) => !e.startsWith('/') && !e.includes('\\') && !e.split('/').includes('..')), name);
    const manifest = await page.evaluate((xml) => {
      const doc = new DOMParser().parseFromString(xml, 'application/xml');
      if (doc.querySelector('parsererror')) return null;
      const [resource] = doc.getElementsByTagName('resource');
      return { schema: doc.getElementsByTagName('schemaversion')[0].textContent, scos: doc.getElementsByTagName('resource').length,
        launch: resource.getAttribute('href'), files: [...doc.getElementsByTagName('file')].map((f) => f.getAttribute('href')) };
    }, readFileSync(join(root, name, 'imsmanifest.xml'), 'utf8'));
    assert.ok(manifest, `${name}: well-formed`);
    assert.equal(manifest.schema, version === '1.2' ? '1.2' : '2004 4th Edition');
    assert.equal(manifest.scos, 1);
    assert.equal(manifest.launch, `${program}.html`);
    const files = manifest.files.map(decodeURIComponent).sort();
    assert.deepEqual(files, entries.filter((e) => e !== 'imsmanifest.xml').sort(), name);
    assert.ok(entries.includes('imsmanifest.xml') && files.includes(manifest.launch), name);
  }
});

for (const pkg of tessivars) {
  test(`Tessivar, SCORM ${pkg.version}: score, status and a time for each slide; a score below 0 reports 0`, async () => {
    const { page, view } = await play(pkg);
    await clickSlides(view, 0, 26, { 3: 3 }); // 1 + 2 + 3 = 6 points
    assert.match((await closeMessage(view))[1], /score of:  94!/);
    let cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 26
      && (c.core?.lesson_location ?? c.location) === '0');
    assert.deepEqual(status(cmi), pkg.version === '1.2'
      ? { score: '94', passed: 'passed', location: '0', exit: '', time: cmi.core.session_time }
      : { score: '94', scaled: '0.94', passed: 'passed', completed: 'completed', location: '0', exit: '', time: cmi.session_time });
    const slides = interactions(cmi);
    assert.deepEqual(slides.map((i) => [i.id, response(i)]), targets.map((_, s) => [`screen-${s}`, s === 3 ? '3' : '0']));
    assert.equal(slides[3].result, pkg.version === '1.2' ? 'wrong' : 'incorrect');
    assert.ok(slides.every((i) => i.type === 'numeric' && i.latency), 'each slide has its time');

    await clickSlides(view, 0, 26, { 1: 15 }); // 120 points
    assert.match((await closeMessage(view))[1], /score of: -20!/);
    cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 52);
    assert.equal(status(cmi).score, '0');
    assert.equal(status(cmi).passed, 'failed');

    await page.evaluate(() => window.leave());
    cmi = await heldWhen(page, (c) => (c.core ?? c).session_time !== '');
    assert.match(status(cmi).time, pkg.version === '1.2' ? /^\d{2,4}:\d\d:\d\d(\.\d+)?$/ : /^PT\d+(\.\d+)?S$/);
    assert.equal(status(cmi).exit, 'suspend');
    assert.deepEqual(page.problems, []);
  });

  test(`Tessivar, SCORM ${pkg.version}: launched again to resume, the show goes on where it stood`, async () => {
    const { page, view } = await play(pkg);
    await clickSlides(view, 0, 5, { 3: 3 });
    await page.evaluate(() => window.leave());
    const cmi = await heldWhen(page, (c) => (c.core ?? c).exit === 'suspend');
    const { location } = status(cmi);
    assert.equal(location, '5');
    const kept = (suspend) => (pkg.version === '1.2'
      ? { core: { entry: 'resume', lesson_location: location }, suspend_data: suspend }
      : { entry: 'resume', location, suspend_data: suspend });

    const again = await play(pkg, { page, kept: kept(cmi.suspend_data) });
    await waitText(again.view, 'InfoBox', screen(5));
    assert.equal(await text(again.view, 'ScoreLabel'), 'Score = 94');
    await clickSlides(again.view, 5, 7);
    assert.equal(await text(again.view, 'ScoreLabel'), 'Score = 94');

    const otherDeck = cmi.suspend_data.replace(/^T1;[^;]*/, 'T1;0123456789abcdef');
    for (const damaged of [otherDeck, cmi.suspend_data.slice(0, -4), 'nonsense', '']) {
      const fresh = await play(pkg, { page, kept: kept(damaged) });
      await waitText(fresh.view, 'InfoBox', screen(0));
      assert.equal(await text(fresh.view, 'ScoreLabel'), 'Score = 0', damaged);
    }
    assert.deepEqual(page.problems, []);
  });
}

test('Tessivar: a launch page opened in a window of its own finds the platform through its opener', async () => {
  const page = await platformPage();
  const pkg = tessivars[1];
  const [view] = await Promise.all([new Promise((resolve) => page.once('popup', resolve)),
    page.evaluate((...args) => window.launch(...args), `${pkg.name}/tessivar.html`, pkg.version, {}, undefined, true)]);
  await view.waitForSelector('body.ready');
  await clickSlides(view, 0, 1);
  assert.equal(status(await heldWhen(page, (c) => c.location === '1')).location, '1');
});

test('Tessivar: a platform whose calls fail or take long does not stop the show; its error code is logged once', async () => {
  const cases = [
    ['refusing', [/^Learning platform: LMSInitialize failed, error 101$/]],
    ['failing', [/^Learning platform: LMSSetValue failed, error 101$/]],
    ['slow', []],
  ];
  for (const [failure, logged] of cases) {
    const { page, view } = await play(tessivars[0], { failure });
    await clickSlides(view, 0, 26);
    assert.match((await closeMessage(view))[1], /score of:  100!/, failure);
    await clickSlides(view, 0, 2);
    assert.equal(page.problems.length, logged.length, `${failure}: ${page.problems}`);
    logged.forEach((pattern, i) => assert.match(page.problems[i], pattern));
    if (failure === 'slow') assert.equal(await page.evaluate(() => window.commits), 1, 'no commit after the slow one');
  }
});

for (const pkg of PACKAGES.filter((p) => p.program === 'kymbral')) {
  test(`Kymbral, SCORM ${pkg.version}: a won scramble game gives an interaction and completion`, async () => {
    const { page, view } = await play(pkg);
    await click(view, 'SampleScramble');
    await click(view, 'SampleScramble');
    let cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 1);
    assert.equal(interactions(cmi)[0].id, 'unknown-sample-pw90');

    // The gradient shim cancels the errors of Z1 and Z2; Z0's is found by turning its knob.
    await click(view, 'ScrambleEasy');
    await waitText(view, 'Walkup', 'Answer');
    await click(view, 'Insert');
    await click(view, 'GradientShim');
    await waitText(view, 'GradientShim', 'Shimming...');
    await view.waitForFunction(() => document.querySelector('[data-name="GradientShim"]').textContent === 'Gradient Shim',
      { timeout: 15000 });
    // Z0's error is a whole hundredth from -0.10 to 0.09: one of 42 to 61 cancels it.
    let z0 = Number(await text(view, 'ShimLabel0'));
    const turnTo = async (setting) => {
      for (; z0 !== setting; z0 += setting > z0 ? 1 : -1) {
        await click(view, 'KeyIn0', { button: setting > z0 ? 'right' : 'left' });
      }
      await waitText(view, 'ShimLabel0', String(z0));
    };
    const candidates = [...Array(20).keys()].map((i) => (i < 10 ? 51 - i : 42 + i));
    for (const setting of candidates) {
      await turnTo(setting);
      if (Number(await text(view, 'Info')) > 53) break;
    }
    await click(view, 'Walkup');
    assert.match((await closeMessage(view))[1], /^You got it in/);

    cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 2);
    const game = interactions(cmi)[1];
    assert.deepEqual([game.id, game.result], ['scramble-level-1', 'correct']);
    assert.equal(cmi.core?.lesson_status ?? cmi.completion_status, 'completed');
    await page.evaluate(() => window.leave());
    cmi = await heldWhen(page, (c) => (c.core ?? c).session_time !== '');
    assert.ok(status(cmi).time);
    assert.deepEqual(page.problems, []);
  });
}

test('the plain site reports to nobody and shows nothing in the console', async () => {
  const plain = await serve(site);
  for (const program of ['kymbral', 'tessivar']) {
    const problems = [];
    const page = await open(browser, `${plain.url}${program}.html`, {
      before: async (p) => {
        p.on('console', (m) => m.location()?.url?.endsWith('/favicon.ico') || problems.push(m.text()));
        p.on('pageerror', (e) => problems.push(String(e)));
      },
    });
    if (program === 'tessivar') await clickSlides(page, 0, 2);
    await page.close();
    assert.deepEqual(problems, [], program);
  }
  plain.close();
});
