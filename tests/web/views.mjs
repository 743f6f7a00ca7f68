// What the compare and faithful tests share: files served in place of the
// site's own, the page's fake clock, and what a page shows of its controls.
import { readFileSync } from 'node:fs';
import { open } from './harness.mjs';

export const site = process.env.KYMBRAL_SITE ?? new URL('../../build-web/site', import.meta.url).pathname;

// Serves `files` (path under the site: body, or { status }) instead of the
// site's; other requests go on as they are.
export async function serveInstead(page, files) {
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const file = files[decodeURIComponent(new URL(request.url()).pathname.slice(1))];
    if (file === undefined) return request.continue();
    if (file.status) return request.respond({ status: file.status });
    const type = file.type ?? 'text/plain';
    return request.respond({ status: 200, contentType: type, body: file.body ?? file });
  });
}

const fakeClock = { body: readFileSync(new URL('fake-clock.js', import.meta.url)), type: 'text/javascript' };

// A program's page on the fake clock, with `files` served instead of the site's.
export const openFaked = (browser, url, files = {}, options = {}) => open(browser, url, {
  ...options,
  before: (page) => serveInstead(page, { 'clock.js': fakeClock, ...files }),
});

// Moves the page's fake clock on by `ticks` periods of 10 ms, one at a time.
export const tick = (page, ticks = 1) => page.evaluate((n) => {
  for (let i = 0; i < n; i++) window.fakeClock.advance(10);
}, ticks);
