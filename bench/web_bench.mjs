// The pages' figures in headless Chromium, over the built site:
//   node bench/web_bench.mjs [SITE]   (SITE defaults to build-web/site)
// load to first complete paint, bytes a server sends compressed, the clock's
// rate and the main thread's busy share while acquiring, knob click to frame.
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { click, launch, open, serve } from '../tests/web/harness.mjs';

const site = process.argv[2] ?? new URL('../build-web/site', import.meta.url).pathname;
const kilobytes = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const files = (dir) => readdirSync(dir).flatMap((name) =>
  statSync(join(dir, name)).isDirectory() ? files(join(dir, name)) : [join(dir, name)]);
const gzipped = (list) => list.reduce((sum, file) => sum + gzipSync(readFileSync(file), { level: 9 }).length, 0);

const all = files(site);
const pages = all.filter((f) => /\.(js|html|css)$/.test(f) && !/kymbral\.|tessivar\./.test(f));
for (const program of ['kymbral', 'tessivar']) {
  const own = all.filter((f) => f.includes(`/${program}.`));
  console.log(`${program}: WebAssembly + JavaScript + pages, gzip -9: ${kilobytes(gzipped([...own, ...pages]))}`);
}
console.log(`pictures: ${kilobytes(gzipped(all.filter((f) => f.endsWith('.jpg'))))} (JPEG, sent as they are)`);
console.log(`fonts: ${kilobytes(gzipped(all.filter((f) => f.endsWith('.ttf'))))} gzip -9`);

const server = await serve(site);
const browser = await launch();
const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
const painted = (page) => page.evaluate(() => new Promise((resolve) => {
  const look = () => {
    const [mark] = performance.getEntriesByName('painted');
    return mark ? resolve(mark.startTime) : setTimeout(look, 10);
  };
  look();
}));
for (const program of ['kymbral', 'tessivar']) {
  const times = [];
  for (let run = 0; run < 5; run++) {
    const page = await open(browser, `${server.url}${program}.html`);
    times.push(await painted(page));
    await page.close();
  }
  console.log(`${program}: load to first complete paint, median of 5: ${median(times).toFixed(0)} ms`);
}

const page = await open(browser, `${server.url}kymbral.html`);
await page.evaluate(() => {
  window.frames = [];
  // From the knob's mouse release to just after the frame that shows its result.
  document.addEventListener('mouseup', (e) => requestAnimationFrame(() => setTimeout(() =>
    window.frames.push(performance.now() - e.timeStamp))), true);
});
await click(page, 'Insert');
for (let i = 0; i < 20; i++) await click(page, 'KeyIn1', { button: i % 2 ? 'left' : 'right' });
const frames = await page.evaluate(() => window.frames.slice(1));
console.log(`knob click to painted frame, median of ${frames.length}: ${median(frames).toFixed(1)} ms, ` +
  `worst ${Math.max(...frames).toFixed(1)} ms`);

await page.evaluate(() => {
  window.ticks = 0;
  const post = window.formView.post;
  window.formView.post = (...event) => (event[1] === 6 && window.ticks++, post(...event));
});
await click(page, 'Restart');
const session = await page.native.createCDPSession(); // Chromium's own figures
await session.send('Performance.enable');
const metrics = async () => Object.fromEntries((await session.send('Performance.getMetrics')).metrics
  .map((m) => [m.name, m.value]));
const busy = async () => (await metrics()).TaskDuration;
const [ticks0, busy0, start] = [await page.evaluate(() => window.ticks), await busy(), Date.now()];
await new Promise((resolve) => setTimeout(resolve, 30000));
const [ticks1, busy1, seconds] = [await page.evaluate(() => window.ticks), await busy(), (Date.now() - start) / 1000];
console.log(`acquiring for ${seconds.toFixed(1)} s: ${((ticks1 - ticks0) / seconds).toFixed(1)} ticks/s, ` +
  `main thread busy ${((100 * (busy1 - busy0)) / seconds).toFixed(1)} %`);
await browser.end();
server.close();
