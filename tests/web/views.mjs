// What the compare and faithful tests share: the site served with files of
// the test's in place of its own, the page's fake clock, and its ticks.
// The server is this process's own, not the browser's request
// interception, which stalls the requests of the page's workers.
import { readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { open } from './harness.mjs';

export const site = process.env.KYMBRAL_SITE ?? new URL('../../build-web/site', import.meta.url).pathname;

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm' };

// Serves the site, with `files` (path under the site: a body, { status },
// or a function of how often it was asked for that returns either) in
// place of the site's own. Resolves to { url, close, asked(path) }.
export function serveSite(files = {}) {
  const asked = new Map();
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://site').pathname.slice(1));
    asked.set(path, (asked.get(path) ?? 0) + 1);
    let file = files[path];
    if (typeof file === 'function') file = file(asked.get(path));
    if (file?.status) return response.writeHead(file.status).end();
    const type = TYPES[extname(path)] ?? 'application/octet-stream';
    if (file !== undefined) return response.writeHead(200, { 'Content-Type': type }).end(file);
    const local = normalize(join(site, path || 'index.html'));
    try {
      if (!local.startsWith(site) || !statSync(local).isFile()) throw new Error('not a file');
      response.writeHead(200, { 'Content-Type': type }).end(readFileSync(local));
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => server.close(),
    asked: (path) => asked.get(path) ?? 0,
  })));
}

export const fakeClock = { 'clock.js': readFileSync(new URL('fake-clock.js', import.meta.url)) };

// A program's page on the fake clock, served with `files` in place of the
// site's, ready or, not `ready`, as it comes; with its `server`, closed
// with it, and the `warnings` of its console.
export async function openFaked(browser, program, files = {}, { ready = true } = {}) {
  const server = await serveSite({ ...fakeClock, ...files });
  const before = (page) => {
    Object.assign(page, { server, warnings: [] });
    page.once('close', server.close);
    page.on('console', (message) => message.type() === 'warn' && page.warnings.push(message.text()));
  };
  if (ready) return open(browser, `${server.url}${program}`, { before });
  const page = await browser.newPage();
  before(page);
  await page.goto(`${server.url}${program}`);
  return page;
}

// Moves the page's fake clock on by `ticks` periods of 10 ms, one at a time.
export const tick = (page, ticks = 1) => page.evaluate((n) => {
  for (let i = 0; i < n; i++) window.fakeClock.advance(10);
}, ticks);

// The text box's text replaced by typing `text`, then Enter.
export async function typeInto(page, name, text) {
  await page.$eval(`[data-name="${name}"]`, (input) => input.select());
  await page.keyboard.type(text);
  await page.keyboard.press('Enter');
}
