// A learning platform for the browser tests: scorm-again's runtimes on the
// page of platform.html, course packages unpacked beside it as a platform
// unpacks them, a package's launch page in the platform's frame, and what
// the platform holds after the student's clicks.
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readdirSync, readFileSync, rmSync, symlinkSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after } from 'node:test';
import { click, SITE, waitText } from './harness.mjs';

const runtimes = new URL('node_modules/scorm-again/dist/', import.meta.url).pathname;

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
// The page at `path` under `site`, watched, for open(path, { files }).
export const watched = (site, path) => ({
  [path]: readFileSync(join(site, path), 'utf8').replace('<head>', `<head>\n${WATCH}`),
});
export const problems = (page) => page.evaluate(() => window.problems ?? []);

// The platform's folder for one test file, gone after its last test; with
// the pages of `site` beside its own, where a test makes packages.
export function platform({ site } = {}) {
  const root = mkdtempSync(join(tmpdir(), 'kymbral-platform-'));
  after(() => rmSync(root, { recursive: true, force: true }));
  for (const name of site ? readdirSync(site) : []) symlinkSync(join(site, name), join(root, name));
  copyFileSync(new URL('platform.html', import.meta.url), join(root, 'platform.html'));
  for (const scorm of ['12', '2004']) copyFileSync(`${runtimes}scorm${scorm}.min.js`, join(root, `scorm${scorm}.js`));
  const manifestOf = (name) => readFileSync(join(root, name, 'imsmanifest.xml'), 'utf8');
  // What a platform takes from the manifest: the launch page's address.
  const launchOf = (name) => /<resource [^>]*href="([^"]+)"/.exec(manifestOf(name))[1].replaceAll('&amp;', '&');
  return {
    root,
    manifestOf,
    launchOf,
    // The package's zip unpacked under `name`.
    add: (zip, name) => execFileSync('unzip', ['-q', zip, '-d', join(root, name)]),
    // The platform's page, watching the launch pages of the packages named.
    page: (open, names) => open('platform.html', {
      ready: false,
      files: Object.assign({}, ...names.map((name) => watched(root, `${name}/${launchOf(name).split('?')[0]}`))),
    }),
    // The package's launch page in the platform's frame, once its first
    // activation has run; before the first launch the platform knows the
    // passing score, where the package declares one.
    async play(page, { version, name }, { kept = {}, failure } = {}) {
      const manifest = manifestOf(name);
      const percent = /<adlcp:masteryscore>(\d+)</.exec(manifest)?.[1];
      const measure = /<imsss:minNormalizedMeasure>([\d.]+)</.exec(manifest)?.[1];
      const declared = version === '1.2' ? percent && { student_data: { mastery_score: percent } }
        : measure && { scaled_passing_score: measure };
      await page.evaluate((...args) => window.launch(...args), `${name}/${launchOf(name)}`, version,
        { ...declared, ...kept }, failure ?? null);
      const view = framed(page);
      await view.waitFor(() => document.querySelector('body.ready, dialog.message-box[open]') !== null);
      return view;
    },
  };
}

// The harness's page calls, aimed at the document in the page's frame:
// functions run in the frame's window, mouse positions from its corner.
const inFrame = async (source, args) => {
  const frame = document.querySelector('iframe')?.contentWindow;
  if (!frame?.document.body) return undefined;
  const value = await new frame.Function(`return (${source})`)()(...args);
  return value === undefined ? value : JSON.parse(JSON.stringify(value));
};
export const framed = (page) => ({
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

export const held = (page) => page.evaluate(() => window.held());
export const interactions = (cmi) => Object.values(cmi.interactions);
// Until the platform holds what the page reported: reports wait until the
// click that caused them has been drawn.
export async function heldWhen(page, ready) {
  await page.waitFor((source) => new Function(`return (${source})`)()(window.held()), String(ready));
  return held(page);
}

// The standard's names, where SCORM 1.2 and 2004 differ.
export const status = (cmi) => (cmi.core ? { score: cmi.core.score.raw, passed: cmi.core.lesson_status,
  location: cmi.core.lesson_location, exit: cmi.core.exit, time: cmi.core.session_time }
  : { score: cmi.score.raw, scaled: cmi.score.scaled, passed: cmi.success_status, completed: cmi.completion_status,
    location: cmi.location, exit: cmi.exit, time: cmi.session_time });
export const response = (i) => i.student_response ?? i.learner_response;

export const screen = (slide) => `Screen:  ${slide}\n`;
// Each slide's target ({x, y} in twips from the picture's corner) from
// `from` up to `to`, after wrong[slide] wrong clicks at `miss`.
export async function clickSlides(view, targets, from, to, { wrong = {}, miss = { x: 30, y: 30 } } = {}) {
  for (let slide = from; slide < to; slide++) {
    for (let k = 1; k <= (wrong[slide] ?? 0); k++) {
      await click(view, 'Picture1', miss);
      await waitText(view, 'ClueLabel', `Clue Level = ${k}`);
    }
    await click(view, 'Picture1', targets[slide]);
    if (slide < targets.length - 1) await waitText(view, 'InfoBox', screen(slide + 1));
  }
}

export { SITE };
