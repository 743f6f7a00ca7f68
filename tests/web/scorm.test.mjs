// The course packages on a learning platform, played by scorm-again's
// runtimes as the platform's side: each package unpacked as a platform
// unpacks it, its launch page in a frame of the platform's page, and what the
// platform holds after the student's clicks.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after } from 'node:test';
import { browserTest, click, closeMessage, SITE, text, waitText } from './harness.mjs';

const runtimes = new URL('node_modules/scorm-again/dist/', import.meta.url).pathname;
const VERSIONS = { 12: '1.2', 2004: '2004' };
const PACKAGES = ['kymbral', 'tessivar'].flatMap((program) => Object.entries(VERSIONS)
  .map(([scorm, version]) => ({ program, version, name: `${program}-scorm${scorm}` })));
const zipOf = (name) => join(SITE, 'packages', `${name}.zip`);

// The platform: the packages unpacked beside its page and scorm-again's runtimes.
const root = mkdtempSync(join(tmpdir(), 'kymbral-platform-'));
after(() => rmSync(root, { recursive: true, force: true }));
for (const { name } of PACKAGES) execFileSync('unzip', ['-q', zipOf(name), '-d', join(root, name)]);
copyFileSync(new URL('platform.html', import.meta.url), join(root, 'platform.html'));
for (const scorm of Object.keys(VERSIONS)) copyFileSync(`${runtimes}scorm${scorm}.min.js`, join(root, `scorm${scorm}.js`));

// Before its own scripts, a launch page records in the top window what goes
// wrong: console errors and warnings, uncaught errors, files that did not
// load, and requests outside its own folder (the package) but the
// browser's own for the site's icon.
const WATCH = `<script>(() => {
  const problems = (top.problems ??= []);
  for (const level of ['error', 'warn']) {
    const real = console[level].bind(console);
    console[level] = (...args) => { problems.push(args.join(' ')); real(...args); };
  }
  addEventListener('error', (e) => problems.push(e.message ?? 'not loaded: ' + (e.target.src ?? e.target.href)), true);
  addEventListener('unhandledrejection', (e) => problems.push(String(e.reason)));
  const folder = new URL('./', location).href;
  new PerformanceObserver((list) => list.getEntries().forEach(({ name }) =>
    name.startsWith(folder) || name.endsWith('/favicon.ico') || problems.push('outside: ' + name))).observe({ type: 'resource', buffered: true });
})();</script>`;
const watched = (folder, page) => ({
  [`${folder}${page}`]: readFileSync(join(folder ? root : SITE, folder, page), 'utf8').replace('<head>', `<head>\n${WATCH}`),
});
const problems = (page) => page.evaluate(() => window.problems ?? []);

// What a platform takes from the manifest: the launch page's address, and
// before the first launch the passing score, where the package declares one.
const manifestOf = (name) => readFileSync(join(root, name, 'imsmanifest.xml'), 'utf8');
const launchOf = (name) => /<resource [^>]*href="([^"]+)"/.exec(manifestOf(name))[1].replaceAll('&amp;', '&');
function platformData(name, version) {
  const manifest = manifestOf(name);
  const percent = /<adlcp:masteryscore>(\d+)</.exec(manifest)?.[1];
  const measure = /<imsss:minNormalizedMeasure>([\d.]+)</.exec(manifest)?.[1];
  if (version === '1.2') return percent ? { student_data: { mastery_score: percent } } : {};
  return measure ? { scaled_passing_score: measure } : {};
}

// The harness's page calls, aimed at the document in the platform's frame:
// functions run in the frame's window, mouse positions from its corner.
const inFrame = async (source, args) => {
  const frame = document.querySelector('iframe')?.contentWindow;
  if (!frame?.document.body) return undefined;
  const value = await new frame.Function(`return (${source})`)()(...args);
  return value === undefined ? value : JSON.parse(JSON.stringify(value));
};
const framed = (page) => ({
  evaluate: (fn, ...args) => page.evaluate(inFrame, String(fn), args),
  waitFor: (fn, ...args) => page.waitFor(inFrame, String(fn), args),
  mouse: {
    async click(at, options) {
      const frame = await page.box('iframe');
      await page.mouse.click({ x: at.x + frame.x, y: at.y + frame.y }, options);
    },
  },
  keyboard: page.keyboard,
});

// The platform's page, watching every package's launch page.
const platformPage = (open) => open('platform.html', {
  ready: false, files: Object.assign({}, ...PACKAGES.map(({ name, program }) => watched(`${name}/`, `${program}.html`))),
});

// The package's launch page in the platform's frame, once its first activation has run.
async function play(page, { version, name }, { kept = {}, failure } = {}) {
  const data = { ...platformData(name, version), ...kept };
  await page.evaluate((...args) => window.launch(...args), `${name}/${launchOf(name)}`, version, data, failure ?? null);
  const view = framed(page);
  await view.waitFor(() => document.querySelector('body.ready, dialog.message-box[open]') !== null);
  return view;
}

const held = (page) => page.evaluate(() => window.held());
const interactions = (cmi) => Object.values(cmi.interactions);
// Until the platform holds what the page reported: reports wait until the
// click that caused them has been drawn.
const heldWhen = async (page, ready) => {
  await page.waitFor((source) => new Function(`return (${source})`)()(window.held()), String(ready));
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

browserTest('each package: a well-formed manifest at the root naming its launch page and every file of the zip, and only those',
  { site: root }, async ({ open }) => {
    const page = await open('platform.html', { ready: false });
    for (const { name, program, version } of PACKAGES) {
      const entries = execFileSync('unzip', ['-Z1', zipOf(name)], { encoding: 'utf8' }).trim().split('\n');
      assert.ok(entries.every((e) => !e.startsWith('/') && !e.includes('\\') && !e.split('/').includes('..')), name);
      const manifest = await page.evaluate((xml) => {
        const doc = new DOMParser().parseFromString(xml, 'application/xml');
        if (doc.querySelector('parsererror')) return null;
        const [resource] = doc.getElementsByTagName('resource');
        return { schema: doc.getElementsByTagName('schemaversion')[0].textContent, scos: doc.getElementsByTagName('resource').length,
          launch: resource.getAttribute('href'), files: [...doc.getElementsByTagName('file')].map((f) => f.getAttribute('href')) };
      }, manifestOf(name));
      assert.ok(manifest, `${name}: well-formed`);
      assert.equal(manifest.schema, version === '1.2' ? '1.2' : '2004 4th Edition');
      assert.equal(manifest.scos, 1);
      // Tessivar's launch page names the deck it plays, which the package holds.
      const [launch, query] = manifest.launch.split('?');
      assert.equal(launch, `${program}.html`);
      const deck = new URLSearchParams(query).get('deck');
      const files = manifest.files.map(decodeURIComponent).sort();
      assert.deepEqual(files, entries.filter((e) => e !== 'imsmanifest.xml').sort(), name);
      assert.ok(entries.includes('imsmanifest.xml') && files.includes(launch), name);
      assert.equal(deck === null || files.includes(`${deck}/deck.csv`), true, name);
      assert.equal(deck !== null, program === 'tessivar', name);
    }
  });

for (const pkg of tessivars) {
  browserTest(`Tessivar, SCORM ${pkg.version}: score, status and a time for each slide; a score below 0 reports 0`,
    { site: root }, async ({ open }) => {
      const page = await platformPage(open);
      const view = await play(page, pkg);
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
      assert.deepEqual(await problems(page), []);
    });

  browserTest(`Tessivar, SCORM ${pkg.version}: launched again to resume, the show goes on where it stood`,
    { site: root }, async ({ open }) => {
      const page = await platformPage(open);
      await clickSlides(await play(page, pkg), 0, 5, { 3: 3 });
      await page.evaluate(() => window.leave());
      const cmi = await heldWhen(page, (c) => (c.core ?? c).exit === 'suspend');
      const { location } = status(cmi);
      assert.equal(location, '5');
      const kept = (suspend) => (pkg.version === '1.2'
        ? { core: { entry: 'resume', lesson_location: location }, suspend_data: suspend }
        : { entry: 'resume', location, suspend_data: suspend });

      const again = await play(page, pkg, { kept: kept(cmi.suspend_data) });
      await waitText(again, 'InfoBox', screen(5));
      assert.equal(await text(again, 'ScoreLabel'), 'Score = 94');
      await clickSlides(again, 5, 7);
      assert.equal(await text(again, 'ScoreLabel'), 'Score = 94');

      const otherDeck = cmi.suspend_data.replace(/^T1;[^;]*/, 'T1;0123456789abcdef');
      for (const damaged of [otherDeck, cmi.suspend_data.slice(0, -4), 'nonsense', '']) {
        const fresh = await play(page, pkg, { kept: kept(damaged) });
        await waitText(fresh, 'InfoBox', screen(0));
        assert.equal(await text(fresh, 'ScoreLabel'), 'Score = 0', damaged);
      }
      assert.deepEqual(await problems(page), []);
    });
}

browserTest('Tessivar: a launch page opened in a window of its own finds the platform through its opener',
  { site: root }, async ({ open }) => {
    const page = await platformPage(open);
    const pkg = tessivars[1];
    await page.evaluate((...args) => window.launch(...args), `${pkg.name}/${launchOf(pkg.name)}`, pkg.version, {}, null, true);
    await page.mouse.click('button'); // a platform opens it on the student's click
    const cmi = await heldWhen(page, (c) => c.location === '0');
    assert.equal(cmi.completion_status, 'incomplete');
    await page.evaluate(() => window.popup.close());
  });

browserTest('Tessivar: a platform whose calls fail or take long does not stop the show; its error code is logged once',
  { site: root }, async ({ open }) => {
    const cases = [
      ['refusing', [/^Learning platform: LMSInitialize failed, error 101$/]],
      ['failing', [/^Learning platform: LMSSetValue failed, error 101$/]],
      ['slow', []],
    ];
    for (const [failure, logged] of cases) {
      const page = await platformPage(open);
      const view = await play(page, tessivars[0], { failure });
      await clickSlides(view, 0, 26);
      assert.match((await closeMessage(view))[1], /score of:  100!/, failure);
      await clickSlides(view, 0, 2);
      const seen = await problems(page);
      assert.equal(seen.length, logged.length, `${failure}: ${seen}`);
      logged.forEach((pattern, i) => assert.match(seen[i], pattern));
      if (failure === 'slow') assert.equal(await page.evaluate(() => window.commits), 1, 'no commit after the slow one');
    }
  });

for (const pkg of PACKAGES.filter((p) => p.program === 'kymbral')) {
  browserTest(`Kymbral, SCORM ${pkg.version}: a won scramble game gives an interaction and completion`,
    { site: root }, async ({ open }) => {
      const page = await platformPage(open);
      const view = await play(page, pkg);
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
      await view.waitFor(() => document.querySelector('[data-name="GradientShim"]').textContent === 'Gradient Shim');
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
      assert.deepEqual(await problems(page), []);
    });
}

browserTest('the plain site reports to nobody and shows nothing in the console', async ({ open }) => {
  for (const program of ['kymbral', 'tessivar']) {
    const page = await open(`${program}.html`, { files: watched('', `${program}.html`) });
    if (program === 'tessivar') await clickSlides(page, 0, 2);
    assert.deepEqual(await problems(page), [], program);
  }
});
