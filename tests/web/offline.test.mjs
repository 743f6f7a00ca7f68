// The site installs as an app (Chromium says what it lacks). Once visited,
// with the network gone: Kymbral, Tessivar with its built-in deck, a deck
// played from an address and the author page open from what the site's
// service worker kept, and work. A new version served is taken at the visit
// after the one that finds it.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { browserTest, click, SITE, waitText } from './harness.mjs';

const read = (name) => readFileSync(join(SITE, name), 'utf8');
const BUILT_IN = 'Orvane ScreenShots';
const FIRST_TARGET = { x: 2805 - 150, y: 8820 - 150 }; // twips in the first screenshot

// Each page of the visit in the one tab whose network the browser cuts.
async function visit(page, path, ready = true) {
  await page.goto(new URL(path, await page.evaluate(() => document.baseURI)).href);
  if (ready) await page.waitFor(() => document.querySelector('body.ready') !== null);
}

// The network gone, or back: every request to the server fails, and in
// Chromium the tab's offline switch is on.
async function network(page, server, gone) {
  if (page.engine === 'chromium') await page.native.setOfflineMode(gone);
  server.cut(gone);
}

browserTest('after one visit the site works offline, a deck played kept too; a new version is taken at the next visit', { offline: true }, async ({ open, server }) => {
  let version = 1;
  const worker = read('service-worker.js');
  const files = {
    'service-worker.js': () => (version === 1 ? worker : worker.replace(/const VERSION = '[^']*'/, "const VERSION = 'next'")),
    'index.html': () => (version === 1 ? read('index.html') : read('index.html').replace('<h1>', '<h1>New: ')),
  };
  // An instructor's deck beside the site: the built-in one under another name.
  const deck = readdirSync(join(SITE, BUILT_IN)).filter((name) => /\.(jpg|csv)$/.test(name));
  for (const name of deck) files[`Our deck/${name}`] = readFileSync(join(SITE, BUILT_IN, name));
  const page = await open('index.html', { ready: false, files });
  await page.waitFor(() => navigator.serviceWorker.controller !== null);
  if (page.engine === 'chromium') {
    const session = await page.native.createCDPSession();
    assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, [], 'installable');
    await session.detach();
  }
  await visit(page, 'tessivar.html?deck=Our%20deck');
  await waitText(page, 'InfoBox', 'Screen:  0\n');
  // Chromium's offline switch refuses a page with a worker (the painter's).
  await visit(page, 'index.html', false);

  await network(page, server, true);
  await visit(page, 'kymbral.html');
  await click(page, 'Insert');
  await waitText(page, 'Info', '53.22');
  await visit(page, 'tessivar.html');
  await click(page, 'Picture1', FIRST_TARGET);
  await waitText(page, 'InfoBox', 'Screen:  1\n');
  await visit(page, 'tessivar.html?deck=Our%20deck');
  await click(page, 'Picture1', FIRST_TARGET);
  await waitText(page, 'InfoBox', 'Screen:  1\n');
  await visit(page, 'author.html');
  await visit(page, 'index.html', false);
  assert.match(await page.evaluate(() => document.querySelector('h1').textContent), /^Kymbral and Tessivar/);

  await network(page, server, false);
  version = 2;
  await visit(page, 'index.html', false);
  assert.doesNotMatch(await page.evaluate(() => document.querySelector('h1').textContent), /^New/, 'the version kept, this time');
  await page.waitFor(() => caches.has('kymbral-next'));
  await page.waitFor(async () => !(await caches.keys()).some((name) => name !== 'kymbral-next'));
  await visit(page, 'index.html', false);
  assert.match(await page.evaluate(() => document.querySelector('h1').textContent), /^New: /, 'the new version at the next visit');
});
