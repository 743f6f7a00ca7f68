// The browser tests' page API, one for three engines: Debian's chromium and
// firefox-esr through puppeteer-core (Firefox over WebDriver BiDi), and
// WebKitGTK's MiniBrowser through WebKitWebDriver and selenium-webdriver, on a
// display of its own (Xvfb). Servers, drivers and browsers use loopback only.
//
// browserTest(name, [{ needs: ['touch'], site, offline }], async ({ engine, open }) => ...)
//     registers the test once per engine of KYMBRAL_ENGINES (default all three),
//     named "name [engine]"; skipped, with the reason, where the engine LACKS a need;
//     its pages come from the folder site (default SITE), with the site's own
//     service worker where offline (otherwise one that keeps nothing); the
//     body also gets the test's server (serve below). Where the browser
//     failed by itself (WebKit: a lost session, a failed command), it runs once more.
// open(path, { width = 1400, height = 900, scale = 1, ready = true, files })
//     a page of the built site (KYMBRAL_SITE), or a whole address, ready when
//     body.ready or a message box is open; files: { 'site/path': body, or null
//     for not found, { status }, or a function of the times asked giving one of
//     those } served in place of the site's, for this page only. The test's
//     pages close when it ends.
// page.asked(name)             how often the page asked for the file it was given
// page.engine                  'chromium', 'firefox' or 'webkit'
// page.evaluate(fn, ...args)   fn(...args) in the page, awaited; arguments and result as JSON
// page.waitFor(fn, ...args)    until fn(...args) is truthy in the page (20 s at most); its value
// page.box(selector)           the element's { x, y, width, height }, viewport CSS pixels
// page.mouse.click|down|up(at, { button })   at { x, y } or a selector (its middle);
//                              button 'left' (default), 'right' or 'middle'
// page.keyboard.press(key)     a key by its KeyboardEvent.key name: 'Enter', 'Escape', 'a';
//                              with modifiers held: 'Shift+ArrowUp'
// page.keyboard.type(text)     into the focused element
// page.chooseFiles(selector, paths)   the files (absolute paths) chosen in a file input
// page.screenshot()            the viewport as a PNG Buffer, in device pixels
// page.setViewport({ width, height, scale })   (WebKit: at the scale the page opened with)
// page.goto(url), page.close()
// page.native                  the puppeteer Page, or selenium's WebDriver: for what
//                              one engine alone can do (and the test needs names)
// text(page, name), waitText(page, name, expected), click(page, name, { button, x, y }),
// closeMessage(page): a control's text; a click in a control, at twips from its corner;
//     the open message box's [title, text], closed with Enter.
// serve(site), launch(engine), open(browser, url, options), browser.end(), server.close(),
//     SITE: the same for scripts (bench/).
// Inside a page, tests reach it through its one hook, window.kymbralPage (web/hook.js
//     lists its members): on a program's page `view`, its FormView (controls, scale,
//     idle, painted()), and `clock`, which on a page served with fake-clock.js
//     (views.mjs) moves on with advance(milliseconds) and counts its timeouts with
//     armed(); on the author page `filesOnTrial`. Tests use no other global of the page.
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { basename, extname, join, normalize } from 'node:path';
import { after, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { launchChromium, launchFirefox } from './engines/puppeteer.mjs';
import { launchWebKit } from './engines/webkit.mjs';

export const ENGINES = (process.env.KYMBRAL_ENGINES ?? 'chromium,firefox,webkit').split(',');

// What an engine's automation cannot do: a test that needs it is skipped there, saying why.
export const LACKS = {
  firefox: {
    touch: "touch actions fail in headless Firefox over puppeteer-core's WebDriver BiDi",
    accessibility: 'puppeteer-core reads the accessibility tree over the DevTools protocol only',
    folder: "WebDriver BiDi's input.setFiles refuses a folder (NS_ERROR_FILE_IS_DIRECTORY)",
    download: 'puppeteer-core sets where downloads go over the DevTools protocol only',
    pixels: "its text is rasterised unlike the desktop's: the page's text placement was matched to Chromium's",
    forcedColors: 'forced colours are emulated over the DevTools protocol only',
  },
  webkit: {
    touch: 'WebKitWebDriver takes touch actions but the page gets no events from them',
    accessibility: 'WebDriver has no accessibility tree',
    folder: 'WebKitWebDriver hands a folder to a folder input as one empty file',
    download: 'WebDriver cannot say where downloads go',
    console: "WebDriver classic does not read the page's console",
    pixels: "its text is rasterised unlike the desktop's: the page's text placement was matched to Chromium's",
    forcedColors: 'forced colours are emulated over the DevTools protocol only',
    zoom: "WebKitWebDriver sets a page's device scale only when it opens, so a zoom cannot change it",
  },
};

const LAUNCH = { chromium: launchChromium, firefox: launchFirefox, webkit: launchWebKit };
export const launch = (engine = 'chromium') => LAUNCH[engine]();

// A program's page; start-up ends when its first activation returns, which may be a message box.
export async function open(browser, url, { width = 1400, height = 900, scale = 1, ready = true } = {}) {
  const page = await browser.newPage(scale);
  await page.setViewport({ width, height, scale });
  await page.goto(url);
  if (ready) await page.waitFor(() => document.querySelector('body.ready, dialog.message-box[open]') !== null);
  return page;
}

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.jpg': 'image/jpeg', '.png': 'image/png', '.ttf': 'font/ttf', '.csv': 'text/csv; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
};
// What the tests' pages get for the site's service worker, unless a test
// keeps the site offline: a worker that keeps nothing, so that every page
// fetches what the test serves it.
const KEEPS_NOTHING = '// The tests keep nothing offline.\n';

// The site on a free loopback port. with(files) gives a base address under which
// those files replace the site's, so that pages never share them: a body, null
// for not found, { status }, or a function of how often the file was asked for
// that gives one of those. asked(base, name): how often a page asked for it.
// cut(gone): every request fails from now on, as with the network gone, or not.
// offline: the site's own service worker, which keeps the site once visited.
export async function serve(site, { offline = false } = {}) {
  const replaced = [];
  const asked = new Map();
  let cut = false;
  const server = createServer(async (request, response) => {
    if (cut) return request.socket.destroy();
    const [, set, rest] = /^(?:\/~(\d+))?\/(.*)$/.exec(new URL(request.url, 'http://host').pathname);
    const name = decodeURIComponent(rest === '' || rest.endsWith('/') ? `${rest}index.html` : rest);
    const files = replaced[set] ?? {};
    const key = `${set}/${name}`;
    asked.set(key, (asked.get(key) ?? 0) + 1);
    const own = () => (offline || basename(name) !== 'service-worker.js'
      ? readFile(join(site, normalize(`/${name}`))).catch(() => null) : KEEPS_NOTHING);
    let body = Object.hasOwn(files, name) ? files[name] : await own();
    if (typeof body === 'function') body = body(asked.get(key));
    const status = body?.status ?? (body === null ? 404 : 200);
    response.writeHead(status, { 'Content-Type': TYPES[extname(name)] ?? 'application/octet-stream' });
    response.end(status === 200 ? body : undefined);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    url,
    with: (files) => `${url}~${replaced.push(files) - 1}/`,
    asked: (base, name) => asked.get(`${/~(\d+)\/$/.exec(base)?.[1]}/${name}`) ?? 0,
    cut: (gone) => (cut = gone),
    close() {
      server.closeAllConnections();
      server.close();
    },
  };
}

export const SITE = process.env.KYMBRAL_SITE ?? fileURLToPath(new URL('../../build-web/site', import.meta.url));

// The server and each engine's browser start with the first test that needs them
// and end after the file's last test.
const started = new Map();
const once = (key, start) => started.get(key) ?? started.set(key, start()).get(key);
let registered = false;

export function browserTest(name, options, body) {
  if (!body) [options, body] = [{}, options];
  if (!registered) {
    registered = true;
    after(async () => {
      for (const value of started.values()) await value.then((it) => ('end' in it ? it.end() : it.close()), () => {});
    });
  }
  for (const engine of ENGINES) {
    const lack = (options.needs ?? []).map((need) => LACKS[engine]?.[need]).find(Boolean);
    test(`${name} [${engine}]`, { skip: lack && `${engine}: ${lack}` }, async (t) => {
      const site = options.site ?? SITE;
      const offline = options.offline ?? false;
      const [server, browser] = [await once(`${site} ${offline}`, () => serve(site, { offline })),
        await once(engine, () => launch(engine))];
      const run = async () => {
        const pages = [];
        const openPath = async (path, { files, ...options } = {}) => {
          const base = files ? server.with(files) : server.url;
          const page = await open(browser, new URL(path, base).href, options);
          page.asked = (name) => server.asked(base, name);
          pages.push(page);
          return page;
        };
        try {
          await body({ engine, open: openPath, server });
        } finally {
          for (const page of pages) await page.close().catch(() => {});
        }
      };
      // An error that was the browser's own (WebKit's), not the page's: said,
      // and the test runs once more.
      const losses = browser.losses;
      try {
        await run();
      } catch (error) {
        const why = browser.failedItself?.(error, losses);
        if (!why) throw error;
        for (const line of [...why, 'the test runs once more']) t.diagnostic(line);
        await run();
      }
    });
  }
}

// The text a control shows (a label, button, text box or list), or whether it holds expected.
const shows = (name, expected) => {
  const element = document.querySelector(`[data-name="${name}"]`);
  const shown = element.tagName === 'INPUT' ? element.value : element.textContent;
  return expected == null ? shown : shown.includes(expected);
};
export const text = (page, name) => page.evaluate(shows, name);
export const waitText = (page, name, expected) => page.waitFor(shows, name, expected);

export async function closeMessage(page) {
  const message = await page.waitFor(() => {
    const box = (window.closingBox = document.querySelector('dialog.message-box[open]'));
    return box && [box.firstChild.textContent, box.children[1].textContent];
  });
  await page.keyboard.press('Enter');
  await page.waitFor(() => !window.closingBox.isConnected);
  return message;
}

// Clicks inside a control at (x, y) twips from its content's corner, or in its middle.
export async function click(page, name, { button = 'left', x, y } = {}) {
  const { box, scale } = await page.evaluate((n) => {
    const element = document.querySelector(`[data-name="${n}"]`);
    const { left, top, width, height } = (element.querySelector('.area') ?? element).getBoundingClientRect();
    return { box: { left, top, width, height }, scale: window.kymbralPage.view.scale };
  }, name);
  await page.mouse.click({
    x: box.left + (x === undefined ? box.width / 2 : (x / 15) * scale),
    y: box.top + (y === undefined ? box.height / 2 : (y / 15) * scale),
  }, { button });
}
