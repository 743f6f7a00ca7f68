// WebKitGTK's MiniBrowser, Safari's engine, through Debian's WebKitWebDriver and
// selenium-webdriver, on an Xvfb display of its own: it has no headless mode.
import { spawn } from 'node:child_process';
import { closeSync, existsSync, openSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Builder, Button, By, error as errors, Key, Origin } from 'selenium-webdriver';
import { findFreePort } from 'selenium-webdriver/net/portprober.js';
import remote from 'selenium-webdriver/remote/index.js';
import { makePage } from './page.mjs';

// WebDriver's keys by KeyboardEvent.key name; characters stand for themselves.
const keyOf = (name) =>
  name.length === 1 ? name : Key[name === 'Backspace' ? 'BACK_SPACE' : name.replace(/\B(?=[A-Z])/g, '_').toUpperCase()];

// A page is one window of a session, whose commands go to one window at a time.
function pageOf(session, handle) {
  const use = (command) => session.use(handle, command);
  const actions = (driver) => driver.actions({ async: true });
  let closed = false;
  const own = {
    goto: (url) => use((driver) => driver.get(url)),
    async run(fn, args) {
      const { value, error } = await use((driver) => driver.executeAsyncScript(
        `const done = arguments[1];
         Promise.resolve().then(() => (${fn})(...arguments[0]))
           .then((value) => done({ value }), (e) => done({ error: String((e && e.stack) || e) }));`, args));
      if (error) throw new Error(error);
      return value;
    },
    pointer: (x, y, button, steps) => use((driver) => {
      const sequence = actions(driver).move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT });
      for (const step of steps) sequence[step === 'down' ? 'press' : 'release'](Button[button.toUpperCase()]);
      return sequence.perform();
    }),
    // The driver takes a file input's paths as typed keys, one to a line.
    chooseFiles: (selector, paths) => use(async (driver) => (await driver.findElement(By.css(selector))).sendKeys(paths.join('\n'))),
    key: (chord) => use((driver) => {
      const keys = chord.split('+').map(keyOf);
      let sequence = actions(driver);
      for (const key of keys) sequence = sequence.keyDown(key);
      for (const key of keys.reverse()) sequence = sequence.keyUp(key);
      return sequence.perform();
    }),
    type: (text) => use((driver) => actions(driver).sendKeys(text).perform()),
    screenshot: async () => Buffer.from(await use((driver) => driver.takeScreenshot()), 'base64'),
    // The window's size, less its tool bar; the scale comes with the session.
    setViewport({ width, height, scale = 1 }) {
      if (scale !== session.scale) throw new Error('webkit: the device scale is chosen when a page opens');
      return use(async (driver) => {
        const window = driver.manage().window();
        await window.setRect({ width, height });
        const [innerWidth, innerHeight] = await driver.executeScript('return [innerWidth, innerHeight]');
        await window.setRect({ width: 2 * width - innerWidth, height: 2 * height - innerHeight });
      });
    },
    // The window stays for the next page: opening one takes WebKit seconds.
    async close() {
      if (closed) return;
      closed = true;
      await own.goto('about:blank');
      session.free.push(handle);
    },
  };
  return makePage('webkit', session.driver, own);
}

const children = new Set();
process.on('exit', () => children.forEach((child) => child.kill()));

// Large enough for a window at twice the scale; no TCP, the socket only.
function startXvfb() {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '3200x2000x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  children.add(xvfb);
  return new Promise((resolve, reject) => {
    xvfb.on('error', reject);
    xvfb.stdio[3].once('data', (number) => resolve({ display: `:${String(number).trim()}`, kill: () => xvfb.kill() }));
  });
}

// WebKitGTK takes its device scale from GDK_SCALE: one driver and session per scale.
async function startSession(display, scale, onLost) {
  const port = await findFreePort('127.0.0.1');
  // What the driver and its browser print, for the harness when a session is lost.
  const logPath = join(tmpdir(), `kymbral-webkit-${process.pid}-${port}.log`);
  const log = openSync(logPath, 'w');
  const service = new remote.DriverService(process.env.WEBKIT_DRIVER ?? '/usr/bin/WebKitWebDriver', {
    port, args: [`--port=${port}`, '--host=local'], loopback: true, stdio: ['ignore', log, log],
    // Pages drawn on the CPU: drawn with GL, on Xvfb Mesa's software
    // rasteriser, the page process crashed (a segfault in swrast_dri.so) as a
    // platform's frames came and went. Composited still: without, WebKitGTK
    // takes no screenshot.
    env: { ...process.env, DISPLAY: display, GDK_SCALE: String(scale), WEBKIT_SKIA_ENABLE_CPU_RENDERING: '1' },
  });
  const miniBrowser = readdirSync('/usr/lib').map((arch) => `/usr/lib/${arch}/webkit2gtk-4.1/MiniBrowser`).find(existsSync);
  const driver = await new Builder().usingServer(await service.start()).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: process.env.MINIBROWSER ?? miniBrowser, args: ['--automation'] },
  }).build();
  await driver.manage().setTimeouts({ script: 60000 });
  let [queue, current] = [Promise.resolve(), await driver.getWindowHandle()];
  const session = {
    driver, scale, free: [current],
    use(handle, command) {
      const turn = queue.then(async () => {
        if (handle !== current) await driver.switchTo().window((current = handle));
        return command(driver);
      });
      queue = turn.catch((error) => {
        if (session.lost || !(error.name === 'NoSuchSessionError' || /page crash or hang/.test(error.message))) return;
        session.lost = true;
        onLost(readFileSync(logPath, 'utf8').split('\n').filter(Boolean).slice(-10));
      });
      return turn;
    },
    async newPage() {
      const handle = session.free.pop() ?? await session.use(current, async () => {
        await driver.switchTo().newWindow('window');
        return (current = await driver.getWindowHandle());
      });
      return pageOf(session, handle);
    },
    async end() {
      try {
        if (!session.lost) await driver.quit();
        await service.kill();
      } finally {
        closeSync(log);
        rmSync(logPath, { force: true });
      }
    },
  };
  return session;
}

// WebKitGTK under load may end a session ("page crash or hang"), or its
// driver fail a command with no reason given: the harness asks
// `failedItself` whether a test's error was such, and the next page starts a
// new session where one was lost.
export async function launchWebKit() {
  const { display, kill } = await startXvfb();
  const sessions = new Map();
  const session = (scale) => sessions.get(scale)
    ?? sessions.set(scale, startSession(display, scale, (words) => {
      browser.losses += 1;
      browser.lastWords = words;
    })).get(scale);
  const browser = {
    engine: 'webkit',
    version: `WebKitGTK ${(await (await session(1)).driver.getCapabilities()).get('browserVersion')}`,
    losses: 0,
    lastWords: [],
    // The lines that say why an error was the browser's, not the page's:
    // a session lost since `losses` were counted, or a command the driver
    // failed. Null for any other error.
    failedItself(error, losses) {
      const said = `${error.name}: ${error.message}`;
      if (browser.losses > losses) {
        return [`webkit lost its session (${said}); it printed last:`, ...browser.lastWords.map((line) => `  ${line}`)];
      }
      return error instanceof errors.WebDriverError ? [`webkit's driver failed a command (${said})`] : null;
    },
    async newPage(scale = 1) {
      const current = await session(scale);
      if (!current.lost) return current.newPage();
      sessions.delete(scale);
      await current.end().catch(() => {});
      return (await session(scale)).newPage();
    },
    async end() {
      for (const started of sessions.values()) await (await started).end().catch(() => {});
      kill();
    },
  };
  return browser;
}
