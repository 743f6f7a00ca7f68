// What the compare and faithful tests share: the page's fake clock served in
// place of its own, its ticks, and typing into a box.
import { readFileSync } from 'node:fs';

export const fakeClock = { 'form/clock.js': readFileSync(new URL('fake-clock.js', import.meta.url)) };

// A program's page on the fake clock, served with `files` in place of the site's.
export const openFaked = (open, program, files = {}, options = {}) =>
  open(program, { files: { ...fakeClock, ...files }, ...options });

// Moves the page's fake clock on by `ticks` periods of 10 ms, one at a time.
export const tick = (page, ticks = 1) => page.evaluate((n) => {
  for (let i = 0; i < n; i++) window.kymbralPage.clock.advance(10);
}, ticks);

// The text box's text replaced by typing `text`, then Enter.
export async function typeInto(page, name, text) {
  await page.evaluate((n) => document.querySelector(`[data-name="${n}"]`).select(), name);
  await page.keyboard.type(text);
  await page.keyboard.press('Enter');
}
