// Decks as instructors make them (tests/decks), in the browser: each gives the
// page the outcome that it gives the desktop, its pictures fetched by their
// names (blanks, # ? % & + ; =, accents, CJK) from a real server.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, rmSync, symlinkSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after } from 'node:test';
import { browserTest, click, closeMessage, SITE, text, waitText } from './harness.mjs';

const repo = new URL('../../', import.meta.url).pathname;
const checker = process.env.DECK_OUTCOMES ?? `${repo}build/tests/decks/deck_outcomes`;
const decks = readdirSync(`${repo}tests/decks/corpus`).sort();

// The site with the decks beside its pages, and what the desktop makes of each.
const site = mkdtempSync(join(tmpdir(), 'tessivar-decks-'));
after(() => rmSync(site, { recursive: true, force: true }));
for (const name of readdirSync(SITE)) symlinkSync(join(SITE, name), join(site, name));
execFileSync('python3', [`${repo}tests/decks/corpus.py`, 'make', site]);
const desktop = new Map();
const lines = execFileSync(checker, decks.map((deck) => join(site, deck)),
  { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: ['ignore', 'pipe', 'ignore'] });
for (const line of lines.toString().trim().split('\n')) {
  const outcome = JSON.parse(line);
  desktop.set(outcome.deck, outcome);
}

// Plays the deck through: each slide's text, a click in its target's middle,
// and the end of the show.
async function playThrough(page, slides) {
  for (const [index, slide] of slides.entries()) {
    await waitText(page, 'InfoBox', `Screen:  ${index}`);
    const firstLine = slide.text.split('\r').find((line) => line.trim()) ?? '';
    assert.ok((await text(page, 'InfoBox')).includes(firstLine.trim()), `slide ${index}'s text`);
    await click(page, 'Picture1', { x: slide.x - slide.width / 2, y: slide.y - slide.height / 2 });
  }
  assert.match((await closeMessage(page))[1], /^You completed this exercise with a score of:  100!/);
}

for (const deck of decks) {
  browserTest(`${deck}: the page's outcome is the desktop's`, { site }, async ({ open }) => {
    const outcome = desktop.get(deck);
    const page = await open(`tessivar.html?deck=${encodeURIComponent(deck)}`);
    if (outcome.problems) {
      assert.equal((await closeMessage(page))[1], outcome.problems.join('\n'));
      await page.waitFor(() => document.querySelector('.form.stopped') !== null);
    } else {
      await playThrough(page, outcome.slides);
    }
  });
}

browserTest('a check that takes longer than half a second shows how it goes, then the line goes', async ({ open }) => {
  const page = await open('tessivar.html');
  const lines = await page.evaluate(async () => {
    const { ProgressLine } = await import('./progress.js');
    const progress = new ProgressLine();
    let now = 0;
    performance.now = () => now;
    const line = () => document.querySelector('[role=status]')?.textContent ?? null;
    const seen = [];
    for (const [at, done] of [[0, 0], [400, 1], [700, 2], [900, 3]]) {
      now = at;
      progress.show(done, 3);
      seen.push(line());
    }
    return seen;
  });
  assert.deepEqual(lines, [null, null, "Checking the deck's pictures: 2 of 3", null]);
});
