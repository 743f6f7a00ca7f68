// The course packages' figures, in headless Chromium with scorm-again as the
// platform (the test page of tests/web):
//   node bench/course_bench.mjs [SITE]   (SITE defaults to build-web/site)
// each package's size, the time to write all four, and in the platform's
// frame: load to first complete paint, a click to the platform holding the
// slide it led to, a wrong click to its painted frame beside the plain page.
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { click, launch, open, serve } from '../tests/web/harness.mjs';

const site = process.argv[2] ?? new URL('../build-web/site', import.meta.url).pathname;
const build = join(site, '..');
const web = new URL('../tests/web/', import.meta.url).pathname;
const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
const RUNS = 5;

const started = performance.now();
execFileSync('cmake', ['--build', build, '--target', 'web_packages'], { stdio: 'ignore' });
console.log(`writing the four packages (cmake --build build-web --target web_packages): ${
  ((performance.now() - started) / 1000).toFixed(2)} s`);
const GOALS = { kymbral: 1.5e6, tessivar: 4e6 };
for (const program of Object.keys(GOALS)) {
  for (const scorm of ['12', '2004']) {
    const bytes = statSync(join(site, 'packages', `${program}-scorm${scorm}.zip`)).size;
    console.log(`${program}-scorm${scorm}.zip: ${(bytes / 1e6).toFixed(2)} MB (goal < ${GOALS[program] / 1e6} MB)`);
  }
}

const root = mkdtempSync(join(tmpdir(), 'kymbral-course-bench-'));
for (const name of ['tessivar-scorm12', 'tessivar-scorm2004', 'kymbral-scorm12']) {
  execFileSync('unzip', ['-q', join(site, 'packages', `${name}.zip`), '-d', join(root, name)]);
}
copyFileSync(join(web, 'platform.html'), join(root, 'platform.html'));
for (const scorm of ['12', '2004']) {
  copyFileSync(join(web, `node_modules/scorm-again/dist/scorm${scorm}.min.js`), join(root, `scorm${scorm}.js`));
}
const server = await serve(root);
const browser = await launch();

const painted = (target) => target.evaluate(() => new Promise((resolve) => {
  const look = () => {
    const [mark] = performance.getEntriesByName('painted');
    return mark ? resolve(mark.startTime) : setTimeout(look, 10);
  };
  look();
}));

// The launch page in the platform's frame (puppeteer's own page and frame);
// its view for the harness's click.
async function inPlatform(name, version) {
  const page = (await browser.newPage()).native;
  await page.setViewport({ width: 1400, height: 900 });
  await page.goto(`${server.url}platform.html`);
  const program = name.split('-')[0];
  await page.evaluate((...args) => window.launch(...args), `${name}/${program}.html`, version, {});
  const frame = await (await page.waitForSelector('iframe')).contentFrame();
  await frame.waitForSelector('body.ready');
  const corner = await page.evaluate(() => document.querySelector('iframe').getBoundingClientRect().toJSON());
  const mouse = { click: ({ x, y }, options) => page.mouse.click(x + corner.x, y + corner.y, options) };
  return { page, frame, view: { evaluate: (...a) => frame.evaluate(...a), mouse } };
}

for (const [name, version] of [['tessivar-scorm12', '1.2'], ['tessivar-scorm2004', '2004'], ['kymbral-scorm12', '1.2']]) {
  const times = [];
  for (let run = 0; run < RUNS; run++) {
    const { page, frame } = await inPlatform(name, version);
    times.push(await painted(frame));
    await page.close();
  }
  console.log(`${name} in the platform's frame: load to first complete paint, median of ${RUNS}: ${median(times).toFixed(0)} ms`);
}

// From the click's mouse release to the platform's runtime holding the slide
// it led to, on one clock (each page's time origin added).
const target = { x: 2805 - 100, y: 8820 - 100 };
for (const [name, version, element] of [['tessivar-scorm12', '1.2', 'cmi.core.lesson_location'],
  ['tessivar-scorm2004', '2004', 'cmi.location']]) {
  const delays = [];
  for (let run = 0; run < RUNS; run++) {
    const { page, frame, view } = await inPlatform(name, version);
    await page.evaluate((held) => {
      const api = window.API ?? window.API_1484_11;
      const set = (api.LMSSetValue ? 'LMSSetValue' : 'SetValue');
      const real = api[set].bind(api);
      api[set] = (key, value) => {
        if (key === held && value === '1') window.heldAt = performance.timeOrigin + performance.now();
        return real(key, value);
      };
    }, element);
    await frame.evaluate(() => document.addEventListener('mouseup', (e) => {
      window.clickedAt = performance.timeOrigin + e.timeStamp;
    }, true));
    await click(view, 'Picture1', target);
    await page.waitForFunction(() => window.heldAt);
    delays.push(await page.evaluate(() => window.heldAt) - await frame.evaluate(() => window.clickedAt));
    await page.close();
  }
  console.log(`${name}: click to the platform holding its slide, median of ${RUNS}: ${median(delays).toFixed(1)} ms`);
}

// A wrong click to its painted frame (the slide's picture read again), with
// the platform and without.
const wrongClicks = async (target, view) => {
  await target.evaluate(() => {
    window.frames = [];
    document.addEventListener('mouseup', (e) => requestAnimationFrame(() => setTimeout(() =>
      window.frames.push(performance.now() - e.timeStamp))), true);
  });
  for (let i = 0; i < 20; i++) await click(view, 'Picture1', { x: 30, y: 30 });
  await new Promise((resolve) => setTimeout(resolve, 300));
  return median(await target.evaluate(() => window.frames.slice(1)));
};
const plain = await open(browser, `${server.url}tessivar-scorm12/tessivar.html`);
const alone = await wrongClicks(plain, plain);
const { frame, view } = await inPlatform('tessivar-scorm12', '1.2');
const reported = await wrongClicks(frame, view);
console.log(`wrong click to painted frame, median of 19: ${alone.toFixed(1)} ms alone, ${reported.toFixed(1)} ms reporting to the platform`);

await browser.end();
server.close();
rmSync(root, { recursive: true, force: true });
