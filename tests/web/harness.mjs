// Debian's chromium, driven over the built site served on a free local port.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export const FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export async function serve(site) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1'],
    { cwd: site, stdio: ['ignore', 'pipe', 'ignore'] });
  const port = await new Promise((resolve) => server.stdout.on('data', (line) => {
    const found = /port (\d+)/.exec(line);
    if (found) resolve(found[1]);
  }));
  return { url: `http://127.0.0.1:${port}/`, close: () => server.kill() };
}

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'kymbral-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    userDataDir: profile,
    headless: false, // FLAGS asks for it
    args: FLAGS,
  });
  // Closed, with its profile gone once the browser has let go of it.
  browser.end = async () => {
    await browser.close();
    rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  };
  return browser;
}

// A program's page, ready once its first activation has run; message boxes
// are recorded as [title, text] and closed with Enter.
export async function open(browser, url, { scale = 1, before } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1400, height: 900, deviceScaleFactor: scale });
  page.messages = [];
  if (before) await before(page);
  await page.goto(url);
  // Start-up ends when the first activation returns, which may be a message box.
  await page.waitForSelector('body.ready, dialog.message-box[open]');
  return page;
}

// The text of the control of that name (a label, button, text box or list).
const shown = (n) => {
  const e = document.querySelector(`[data-name="${n}"]`);
  return e.tagName === 'INPUT' ? e.value : e.textContent;
};
export const text = (page, name) => page.evaluate(shown, name);

export const waitText = (page, name, expected) =>
  page.waitForFunction(`(${shown})(${JSON.stringify(name)}).includes(${JSON.stringify(expected)})`,
    { timeout: 10000 });

// Closes the open message box with Enter and returns its [title, text].
export async function closeMessage(page) {
  const box = await page.waitForSelector('dialog.message-box[open]');
  const message = await box.evaluate((d) => [d.firstChild.textContent, d.children[1].textContent]);
  await page.keyboard.press('Enter');
  await page.waitForFunction((d) => !d.isConnected, {}, box);
  return message;
}

// Clicks inside a control at (x, y) twips from its content's corner.
export async function click(page, name, { button = 'left', x, y } = {}) {
  const element = await page.$(`[data-name="${name}"]`);
  const box = await (await element.$('.area') ?? element).boundingBox();
  const scale = await page.evaluate(() => window.formView.scale);
  await page.mouse.click(box.x + (x === undefined ? box.width / 2 : (x / 15) * scale),
    box.y + (y === undefined ? box.height / 2 : (y / 15) * scale), { button });
}
