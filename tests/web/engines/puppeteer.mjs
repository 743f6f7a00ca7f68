// Debian's chromium (DevTools protocol) and firefox-esr (WebDriver BiDi), both
// headless, through puppeteer-core.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { makePage } from './page.mjs';

const pageOf = (engine, page) => makePage(engine, page, {
  goto: (url) => page.goto(url),
  run: (fn, args) => page.evaluate(fn, ...args),
  async pointer(x, y, button, steps) {
    await page.mouse.move(x, y);
    for (const step of steps) await page.mouse[step]({ button });
  },
  chooseFiles: async (selector, paths) => (await page.$(selector)).uploadFile(...paths),
  // A chord such as 'Shift+ArrowUp': the modifiers held around the key.
  async key(chord) {
    const [key, ...held] = chord.split('+').reverse();
    for (const modifier of held) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    for (const modifier of held) await page.keyboard.up(modifier);
  },
  type: (text) => page.keyboard.type(text),
  screenshot: async () => Buffer.from(await page.screenshot()),
  setViewport: ({ width, height, scale = 1 }) => page.setViewport({ width, height, deviceScaleFactor: scale }),
  close: () => page.close(),
});

async function launch(engine, options, cleanUp = () => {}) {
  const browser = await puppeteer.launch(options);
  return {
    engine,
    native: browser,
    version: await browser.version(),
    newPage: async () => pageOf(engine, await browser.newPage()),
    async end() {
      await browser.close();
      cleanUp();
    },
  };
}

const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export function launchChromium() {
  const profile = mkdtempSync(join(tmpdir(), 'kymbral-chromium-'));
  return launch('chromium', {
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', userDataDir: profile,
    headless: false, args: CHROMIUM_FLAGS, // the flags ask for it
  }, () => rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 }));
}

// puppeteer's own profile already keeps Firefox off the network; these two remain.
export const launchFirefox = () => launch('firefox', {
  browser: 'firefox', executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr', headless: true,
  extraPrefsFirefox: { 'network.captive-portal-service.enabled': false, 'network.connectivity-service.enabled': false },
});
