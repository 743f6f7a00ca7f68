// The author page's figures in each engine, over the built site:
//   node bench/author_bench.mjs [ENGINE...]   (default: chromium firefox webkit)
// a deck of 50 screenshots of 1920 x 1080 (PNG, as screenshot tools write
// them: the built-in screenshots enlarged, each one different) with its
// deck.csv, chosen, read and checked, then downloaded as a SCORM 1.2
// package; the time on the page's clock from the choice to the list read,
// and from the click to the package's bytes; and how long the page was busy
// at a stretch: its long tasks where the engine observes them (Chromium),
// and in each engine how late a 10 ms timer came at worst, which a long task
// delays.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launch, open, serve, SITE } from '../tests/web/harness.mjs';

const SLIDES = 50;
const shots = join(SITE, 'Orvane ScreenShots');
const folder = mkdtempSync(join(tmpdir(), 'author-bench-'));
const builtIn = readdirSync(shots).filter((name) => name.endsWith('.jpg'));
const rows = [];
for (let i = 0; i < SLIDES; i++) {
  const name = `Screen ${String(i).padStart(2, '0')}.png`;
  execFileSync('convert', [join(shots, builtIn[i % builtIn.length]), '-resize', '1920x1080!',
    '-fill', '#203040', '-draw', `rectangle ${20 + 30 * i},1040 ${40 + 30 * i},1060`, join(folder, name)]);
  rows.push(`${name},Click the button,${300 + 10 * i},300,120,30`);
}
writeFileSync(join(folder, 'deck.csv'), `picture,text,left,top,width,height\r\n${rows.join('\r\n')}\r\n`);
const files = readdirSync(folder).map((name) => join(folder, name));
const megabytes = files.reduce((sum, file) => sum + statSync(file).size, 0) / 1e6;
console.log(`deck: ${SLIDES} screenshots of 1920 x 1080, ${megabytes.toFixed(1)} MB with deck.csv`);

const server = await serve(SITE);
for (const engine of process.argv.length > 2 ? process.argv.slice(2) : ['chromium', 'firefox', 'webkit']) {
  const browser = await launch(engine);
  const page = await open(browser, `${server.url}author.html`);
  await page.evaluate(() => {
    window.tasks = [];
    if (PerformanceObserver.supportedEntryTypes.includes('longtask')) {
      new PerformanceObserver((list) => window.tasks.push(...list.getEntries().map((e) => e.duration)))
        .observe({ type: 'longtask' });
    }
    // How late a 10 ms timer comes: it waits for the task in hand to end.
    window.gaps = [];
    let due = performance.now() + 10;
    const tick = () => {
      window.gaps.push(performance.now() - due);
      due = performance.now() + 10;
      setTimeout(tick, 10);
    };
    setTimeout(tick, 10);
    const input = document.getElementById('choose-files');
    input.addEventListener('change', (e) => (window.chosenAt = e.timeStamp), { capture: true });
    document.getElementById('export-scorm12')
      .addEventListener('click', (e) => (window.clickedAt = e.timeStamp), { capture: true });
    HTMLAnchorElement.prototype.click = function kept() {
      window.savedAt = performance.now();
      window.saved = this.download;
    };
  });
  await page.chooseFiles('#choose-files', files);
  await page.waitFor(() => document.getElementById('choose-files').value === '' && window.chosenAt);
  const [read, listed, readGap] = await page.evaluate(() => [performance.now() - window.chosenAt,
    document.querySelectorAll('#slides li.slide').length, Math.max(...window.gaps)]);
  await page.mouse.click('#export-scorm12');
  const figures = await page.waitFor(() => window.savedAt && {
    exported: window.savedAt - window.clickedAt, saved: window.saved, gap: Math.max(...window.gaps),
    longTasks: PerformanceObserver.supportedEntryTypes.includes('longtask') ? window.tasks : null,
  });
  const tasks = figures.longTasks && (figures.longTasks.length
    ? `longest task ${Math.max(...figures.longTasks).toFixed(0)} ms` : 'no task over 50 ms');
  const seconds = (ms) => `${(ms / 1000).toFixed(2)} s`;
  console.log(`${engine}: ${listed} slides read and checked in ${seconds(read)}, ${figures.saved} written in` +
    ` ${seconds(figures.exported)}: ${seconds(read + figures.exported)} (goal < 5 s); ${tasks ? `${tasks}; ` : ''}` +
    `a 10 ms timer ${readGap.toFixed(0)} ms late at worst while reading, ${figures.gap.toFixed(0)} ms in all` +
    ' (goal: no task over 200 ms)');
  await browser.end();
}
server.close();
rmSync(folder, { recursive: true, force: true });
