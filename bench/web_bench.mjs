// The pages' figures in headless Chromium, over the built site:
//   node bench/web_bench.mjs [SITE]   (SITE defaults to build-web/site)
// load to first complete paint, bytes a server sends compressed, a knob's
// click, key and tap to frame, the clock's rate and the main thread's busy
// share while acquiring beside the desktop's CPU share
// (build/bench/tick_rate), and what the read-outs' live regions add to it
// (ROUNDS and SECONDS set how long).
import { execFileSync } from 'node:child_process';
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
console.log(`pictures: ${kilobytes(gzipped(all.filter((f) => /\.(jpg|png)$/.test(f))))} (JPEG, and PNG for dense screens, sent as they are)`);
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
// The figures of the table printed at the end.
const table = [];
const row = (figure, goal, page, desktop = '-') => table.push(`| ${figure} | ${goal} | ${page} | ${desktop} |`);
const loads = [];
for (const program of ['kymbral', 'tessivar']) {
  const times = [];
  for (let run = 0; run < 5; run++) {
    const page = await open(browser, `${server.url}${program}.html`);
    times.push(await painted(page));
    await page.close();
  }
  loads.push(median(times));
  console.log(`${program}: load to first complete paint, median of 5: ${median(times).toFixed(0)} ms`);
}

// From an input to the frame that shows its result: timed from the start
// event (the mouse's release, the key's press, the finger's lift) to the
// start of the frame that shows the painter's work, as the page's painted()
// tells it. Beside it, the page's own next frame after the painter answered,
// which also waits for the page's thread. One input at a time, each after
// the last one's frame, as a hand's come.
const ms = (values) => `${median([...values]).toFixed(1)} / ${Math.max(...values).toFixed(1)} ms`;
async function toFrame(page, what, act, start, acting = start) {
  await page.evaluate((startType, actingType) => {
    window.frames = [];
    let began = 0;
    document.addEventListener(startType, (e) => (began = e.timeStamp), true);
    document.addEventListener(actingType, () => setTimeout(() => window.kymbralPage.view.painted().then((shown) => {
      const pageFrame = performance.now() - began;
      window.frames.push([shown - began, pageFrame]);
    })), true);
  }, start, acting);
  for (let i = 0; i < 20; i++) {
    await act(i);
    await page.waitFor((n) => window.frames.length > n, i);
  }
  const frames = await page.evaluate(() => window.frames.slice(1));
  const [shown, pageFrames] = [frames.map((f) => f[0]), frames.map((f) => f[1])];
  console.log(`${what} to painted frame, median / worst of ${frames.length}: ${ms(shown)}; ` +
    `to the page's next frame: ${ms(pageFrames)}`);
  row(`${what} to painted frame, median / worst`, '< 16 ms', `${ms(shown)} (the page's next frame: ${ms(pageFrames)})`);
  await page.close();
}
const middle = (page, name) => page.evaluate((n) => {
  const element = document.querySelector(`[data-name="${n}"]`);
  const { left, top, width, height } = (element.querySelector('.area') ?? element).getBoundingClientRect();
  return { x: left + width / 2, y: top + height / 2 };
}, name);

const mouse = await open(browser, `${server.url}kymbral.html`);
await click(mouse, 'Insert');
await toFrame(mouse, 'knob click', (i) => click(mouse, 'KeyIn1', { button: i % 2 ? 'left' : 'right' }), 'mouseup');

// Up and Down on the focused Z0 knob: its right and left click.
const keys = await open(browser, `${server.url}kymbral.html`);
await click(keys, 'Insert');
await keys.evaluate(() => document.querySelector('[data-name="KeyIn0"]').focus());
await toFrame(keys, 'key (Up, Down) on a knob', (i) => keys.keyboard.press(i % 2 ? 'ArrowDown' : 'ArrowUp'), 'keydown');

// Taps on Z0 (one step down each), on a touch screen: the page loads again as one.
const touch = await open(browser, `${server.url}kymbral.html`);
await touch.native.setViewport({ width: 1400, height: 900, hasTouch: true });
await touch.waitFor(() => document.querySelector('body.ready') !== null);
const tap = async (name) => {
  const { x, y } = await middle(touch, name);
  await touch.native.touchscreen.tap(x, y);
};
await tap('Insert');
await touch.waitFor(() => document.querySelector('[data-name="Info"]').textContent.includes('53.22'));
await toFrame(touch, 'tap on a knob', () => tap('KeyIn0'), 'touchend', 'mouseup');

// The page's main thread while acquiring beside the desktop's whole process
// (build/bench/tick_rate, its window offscreen), in rounds taken in turn so
// that the machine's speed and load cancel out of their ratio.
// Seconds of CPU of each process of the browser and of each renderer's main
// thread (Linux's /proc), to weigh the page as the desktop's CPU share is.
const browserSession = await browser.native.target().createCDPSession();
const clockTicks = 100; // USER_HZ
// Seconds of CPU of each thread of a process, by the thread's name (its
// first thread: "main").
function threadTimes(pid) {
  const times = {};
  let tids = [];
  try {
    tids = readdirSync(`/proc/${pid}/task`);
  } catch {
    return times;
  }
  for (const tid of tids) {
    try {
      const stat = readFileSync(`/proc/${pid}/task/${tid}/stat`, 'utf8');
      const name = tid === String(pid) ? 'main' : stat.slice(stat.indexOf('(') + 1, stat.lastIndexOf(')'));
      const fields = stat.slice(stat.lastIndexOf(') ') + 2).split(' ');
      times[name] = (times[name] ?? 0) + (Number(fields[11]) + Number(fields[12])) / clockTicks;
    } catch {
      // the thread ended meanwhile
    }
  }
  return times;
}
async function cpuTimes() {
  const { processInfo } = await browserSession.send('SystemInfo.getProcessInfo');
  return processInfo.map((p) => ({ ...p, threads: threadTimes(p.id) }));
}

// readOuts false: the page's access code gets the binding's changes without
// what is read out ("say") and when to ask for the next read-out ("sayIn"),
// so its live regions stay silent; the page itself is the product's. Both
// ways count the read-outs, so that both pay for the same wrapping.
// reader: Chromium keeps the page's accessibility tree, as it does for a
// screen reader, which is where a live region's change costs most.
async function pageAcquiring(seconds, { readOuts = true, reader = false } = {}) {
  const acquiring = await open(browser, `${server.url}kymbral.html`);
  await click(acquiring, 'Insert');
  await acquiring.evaluate((on) => {
    const access = window.kymbralPage.view.access;
    const apply = access.apply.bind(access);
    window.said = 0;
    access.apply = ({ say, sayIn, ...changes }) => {
      window.said += say?.length ?? 0;
      apply(on ? { ...changes, say, sayIn } : changes);
    };
  }, readOuts);
  const session = await acquiring.native.createCDPSession();
  if (reader) await session.send('Accessibility.enable');
  await acquiring.evaluate(async () => {
    const { PageEvent } = await import('./form/codes.js');
    window.ticks = 0;
    const post = window.kymbralPage.view.post;
    window.kymbralPage.view.post = (...event) => (event[1] === PageEvent.TICK && window.ticks++, post(...event));
  });
  await click(acquiring, 'Restart'); // the mouse stays on the button, as a hand's would
  await session.send('Performance.enable');
  const busy = async () => Object.fromEntries((await session.send('Performance.getMetrics')).metrics
    .map((m) => [m.name, m.value])).TaskDuration;
  const [ticks0, busy0, cpu0, start] = [await acquiring.evaluate(() => window.ticks), await busy(), await cpuTimes(), Date.now()];
  await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
  const [ticks1, busy1, cpu1, elapsed] = [await acquiring.evaluate(() => window.ticks), await busy(), await cpuTimes(), (Date.now() - start) / 1000];
  const said = await acquiring.evaluate(() => window.said);
  await acquiring.close();
  const used = cpu1.map((p) => {
    const before = cpu0.find((q) => q.id === p.id) ?? { cpuTime: p.cpuTime, threads: p.threads };
    const threads = Object.fromEntries(Object.entries(p.threads).map(([name, t]) => [name, t - (before.threads[name] ?? t)]));
    return { type: p.type, all: p.cpuTime - before.cpuTime, threads };
  });
  // The page's renderer: the one that worked.
  const renderer = used.filter((p) => p.type === 'renderer').sort((a, b) => b.all - a.all)[0];
  const share = (value) => (100 * value) / elapsed;
  // Where the browser's time went: each process, and the threads of the
  // page's renderer and of the GPU process that took 0.5 % or more.
  const where = [];
  for (const p of [renderer, ...used.filter((q) => q.type !== 'renderer')]) {
    if (share(p.all) < 0.5) continue;
    const threads = Object.entries(p.threads).filter(([, t]) => share(t) >= 0.5).sort((a, b) => b[1] - a[1]);
    where.push(`${p.type} ${share(p.all).toFixed(1)} %` + (p === renderer || p.type === 'GPU'
      ? ` (${threads.map(([name, t]) => `${name} ${share(t).toFixed(1)}`).join(', ')})` : ''));
  }
  return {
    rate: (ticks1 - ticks0) / elapsed,
    said,
    busy: share((busy1 - busy0)),
    mainCpu: share(renderer.threads.main ?? 0),
    browserCpu: share(used.reduce((sum, p) => sum + p.all, 0)),
    where: where.join('; '),
  };
}
const tickRate = process.env.KYMBRAL_TICK_RATE ?? new URL('../build/bench/tick_rate', import.meta.url).pathname;
function desktopAcquiring(seconds) {
  const out = execFileSync(tickRate, [String(seconds)], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  const [, rate, cpu] = /([\d.]+) ticks\/s, CPU ([\d.]+) %/.exec(out.toString());
  return { rate: Number(rate), cpu: Number(cpu) };
}
const [rounds, seconds] = [Number(process.env.ROUNDS ?? 3), Number(process.env.SECONDS ?? 10)];
const runs = [];
for (let round = 0; round < rounds; round++) {
  const web = await pageAcquiring(seconds);
  const desktop = desktopAcquiring(seconds);
  runs.push({ web, desktop, ratio: web.busy / desktop.cpu, cpuRatio: web.mainCpu / desktop.cpu });
  console.log(`round ${round + 1}: page ${web.rate.toFixed(1)} ticks/s, main thread busy ${web.busy.toFixed(1)} % ` +
    `(CPU ${web.mainCpu.toFixed(1)} %; the browser's processes ${web.browserCpu.toFixed(1)} %); ` +
    `desktop ${desktop.rate.toFixed(1)} ticks/s, CPU ${desktop.cpu.toFixed(1)} %; ratio ${(web.busy / desktop.cpu).toFixed(2)}`);
  console.log(`  where the browser's time went: ${web.where}`);
}
const mid = (pick) => median(runs.map(pick)).toFixed(1);
console.log(`acquiring, median of ${rounds} rounds of ${seconds} s: page main thread busy ${mid((r) => r.web.busy)} % ` +
  `(its CPU ${mid((r) => r.web.mainCpu)} %, the browser's processes ${mid((r) => r.web.browserCpu)} %), ` +
  `desktop CPU ${mid((r) => r.desktop.cpu)} %; ratio ${median(runs.map((r) => r.ratio)).toFixed(2)} ` +
  `(main thread CPU to desktop CPU ${median(runs.map((r) => r.cpuRatio)).toFixed(2)})`);
const times = (pick) => `${(median(runs.map(pick)) / median(runs.map((r) => r.desktop.cpu))).toFixed(2)}x`;
const desktopCpu = `CPU ${mid((r) => r.desktop.cpu)} %`;
row('acquiring: main thread busy', '<= 2x desktop CPU', `${mid((r) => r.web.busy)} % (${times((r) => r.web.busy)})`, desktopCpu);
row("acquiring: all the browser's processes", '<= 3x desktop CPU',
  `${mid((r) => r.web.browserCpu)} % (${times((r) => r.web.browserCpu)})`, desktopCpu);
row('load to first complete paint, Kymbral / Tessivar', '< 1 s', `${loads.map((t) => t.toFixed(0)).join(' / ')} ms`);
console.log(['', `median of ${rounds} rounds of ${seconds} s while acquiring:`, '',
  '| Figure | Goal | Page | Desktop |', '|---|---|---|---|', ...table, ''].join('\n'));

// The live regions' share: the same acquisition with the read-outs on and
// off, in turns whose order changes every round, so that the machine's load
// falls on both alike; the difference is taken within each round.
const spread = (values) => `median ${median([...values]).toFixed(2)}, ${Math.min(...values).toFixed(2)} to ${Math.max(...values).toFixed(2)}`;
// Busy share and the main thread's CPU share (the latter counts no waiting
// for a core).
for (const reader of [false, true]) {
  const added = { busy: [], mainCpu: [] };
  for (let round = 0; round < rounds; round++) {
    const pair = {};
    for (const readOuts of round % 2 ? [false, true] : [true, false]) {
      pair[readOuts] = await pageAcquiring(seconds, { readOuts, reader });
    }
    for (const key of Object.keys(added)) added[key].push(pair.true[key] - pair.false[key]);
    const both = (key) => `${pair.true[key].toFixed(2)} / ${pair.false[key].toFixed(2)} %`;
    console.log(`round ${round + 1}${reader ? ', accessibility tree on' : ''}, with / without the read-outs ` +
      `(${pair.true.said} read out): main thread busy ${both('busy')}, its CPU ${both('mainCpu')}`);
  }
  console.log(`read-outs while acquiring${reader ? ', accessibility tree on' : ''}, ${rounds} rounds of ${seconds} s, ` +
    `points of main-thread time they add: busy ${spread(added.busy)}; CPU ${spread(added.mainCpu)}`);
}
await browser.end();
server.close();
