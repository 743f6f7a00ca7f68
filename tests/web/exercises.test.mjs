// Kymbral with an exercise set: the panel beside the window, a set played
// through by keyboard, and the same set on a learning platform (score,
// passed or failed, an interaction a task, a resume that keeps the time used).
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { browserTest, closeMessage, SITE, text } from './harness.mjs';
import { heldWhen, interactions, platform, problems, response, status } from './platform.mjs';
import { openFaked } from './views.mjs';

// As LibreOffice saves it: a sample within 10 %, a level-2 lock within
// 5 minutes, a shim to a lock level of 50; 70 to pass.
const SET = 'kind,text,level,tolerance,goal,minutes,points,passing score\r\n' +
  'sample,,,10,,,1,70\r\nlock,,2,,,5,1,\r\nshim,,,,50,,1,\r\n';

const panelText = (page, part) => page.evaluate((p) => document.querySelector(`.exercises ${p}`)?.textContent ?? null, part);
const waitPanel = (page, part, expected) => page.waitFor((p, e) =>
  document.querySelector(`.exercises ${p}`)?.textContent.startsWith(e), part, expected);

// The hidden sample's values typed in the panel's boxes, then Enter.
async function answerSample(page, off = 1) {
  const values = [];
  for (const name of ['PW90Value', 'T1Value', 'T2Value']) values.push(Number(await text(page, name)) * off);
  await page.evaluate(() => document.querySelector('.exercises input').focus());
  for (const [i, value] of values.entries()) {
    await page.keyboard.type(String(Math.round(value * 100) / 100));
    await page.keyboard.press(i < 2 ? 'Tab' : 'Enter');
  }
}

browserTest('an exercise set in its panel beside the window, played by keyboard to its score', async ({ open }) => {
  const page = await openFaked(open, 'kymbral.html?exercises=exercises.csv', { 'exercises.csv': SET });
  await waitPanel(page, 'h2', 'Task 1 of 3');
  // The window keeps its whole width beside the panel, scaled to the room left.
  const [panel, window] = [await page.box('.exercises'), await page.box('#window')];
  assert.ok(window.x + window.width <= panel.x + 1, JSON.stringify({ panel, window }));
  assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('.exercises label')].map((l) => l.textContent)),
    ['90-degree pulse width (µs)', 'T1 (s)', 'T2 (s)']);
  assert.equal(await page.evaluate(() => document.querySelector('[data-name="PW90Value"]').hidden), true);

  await answerSample(page);
  await waitPanel(page, '.verdict', 'Right: each value is within 10 %.');
  assert.equal(await panelText(page, '.points'), 'Points: 1 of 3');
  await page.keyboard.press('Enter'); // on "Next task"
  await waitPanel(page, 'h2', 'Task 2 of 3');
  assert.equal(await text(page, 'Walkup'), 'Answer');
  assert.equal(await panelText(page, '.time-left'), 'Time left: 5:00');
  await page.evaluate(() => window.kymbralPage.clock.advance(301_000));
  await waitPanel(page, '.verdict', 'Wrong: the time is up.');

  await page.evaluate(() => document.querySelector('.exercises .action').click());
  await waitPanel(page, 'h2', 'Task 3 of 3');
  await page.evaluate(() => document.querySelector('.exercises .action').click());
  await waitPanel(page, '.verdict', 'Wrong: the lock level is 0, below 50.');
  assert.equal(await panelText(page, '.points'), 'Score: 33 of 100 (points 1 of 3; 70 to pass): not passed');
  assert.equal(await page.evaluate(() => document.querySelector('.exercises .action').hidden), true);
});

browserTest('a set that cannot be run says why, line by line, and the page stops', async ({ open }) => {
  const page = await open('kymbral.html?exercises=exercises.csv',
    { files: { 'exercises.csv': 'kind;level\r\nlock;4\r\n' }, ready: false });
  await page.waitFor(() => document.querySelector('dialog.message-box[open]') !== null);
  assert.match(await page.evaluate(() => document.querySelector('dialog.message-box[open]').textContent),
    /exercises\.csv line 2: level must be 1, 2 or 3/);
});

// A latency in seconds, as either version writes it (0000:00:03.52, PT3.52S).
const seconds = (latency) => (latency.startsWith('PT') ? Number(latency.slice(2, -1))
  : latency.split(':').reduce((sum, part) => sum * 60 + Number(part), 0));

// The site's Kymbral package with the set beside its page, launched with it.
const lms = platform();
const VERSIONS = { 12: '1.2', 2004: '2004' };
for (const [scorm, version] of Object.entries(VERSIONS)) {
  const name = `kymbral-exercises-scorm${scorm}`;
  lms.add(join(SITE, 'packages', `kymbral-scorm${scorm}.zip`), name);
  writeFileSync(join(lms.root, name, 'exercises.csv'), SET);
  const manifest = join(lms.root, name, 'imsmanifest.xml');
  writeFileSync(manifest, readFileSync(manifest, 'utf8').replace('href="kymbral.html"', 'href="kymbral.html?exercises=exercises.csv"'));

  browserTest(`Kymbral's exercises, SCORM ${version}: an interaction a task, the score, failed, and a resume that keeps the time used`,
    { site: lms.root }, async ({ open }) => {
      const page = await lms.page(open, [name]);
      let view = await lms.play(page, { version, name });
      await waitPanel(view, 'h2', 'Task 1 of 3');
      await answerSample(view);
      await waitPanel(view, '.verdict', 'Right: each value');
      await view.evaluate(() => document.querySelector('.exercises .action').click());
      await waitPanel(view, 'h2', 'Task 2 of 3');
      let cmi = await heldWhen(page, (c) => (c.core?.lesson_location ?? c.location) === '1' && Object.keys(c.interactions).length === 1);
      const [sample] = interactions(cmi);
      assert.equal(sample.id, 'task-1-sample');
      assert.match(response(sample), /^pw90=[\d.]+ T1=[\d.]+ T2=[\d.]+$/);
      assert.equal(sample.result, 'correct');
      // Time passes on the task at hand; leaving keeps it for the next launch.
      await new Promise((resume) => setTimeout(resume, 2500));
      await page.evaluate(() => window.leave());
      cmi = await heldWhen(page, (c) => (c.core ?? c).exit === 'suspend');
      const used = Number(cmi.suspend_data.split(';')[3]) / 10;
      assert.ok(used >= 1, cmi.suspend_data);
      const kept = version === '1.2'
        ? { core: { entry: 'resume', lesson_location: '1' }, suspend_data: cmi.suspend_data }
        : { entry: 'resume', location: '1', suspend_data: cmi.suspend_data };
      view = await lms.play(page, { version, name }, { kept });
      await waitPanel(view, 'h2', 'Task 2 of 3');
      assert.equal(await panelText(view, '.points'), 'Points: 1 of 3');
      const left = await panelText(view, '.time-left');
      assert.ok(left <= `Time left: 4:${String(59 - Math.floor(used) + 1).padStart(2, '0')}`, left);

      // Check is the game's Answer: with the sample out, its warning, then its verdict.
      await view.evaluate(() => document.querySelector('.exercises .action').click());
      assert.equal((await closeMessage(view))[1], 'Something is wrong. Did you inject your sample?');
      assert.match((await closeMessage(view))[1], /^The answers will be shown/);
      await waitPanel(view, '.verdict', 'Wrong: the lock was not back.');
      await view.evaluate(() => document.querySelector('.exercises .action').click());
      await waitPanel(view, 'h2', 'Task 3 of 3');
      await view.evaluate(() => document.querySelector('.exercises .action').click());
      // This launch's interactions; the score counts the task done before the resume.
      cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 2 && (c.core?.score.raw ?? c.score.raw) !== '');
      assert.deepEqual(interactions(cmi).map((i) => [i.id, i.result === 'correct']),
        [['task-2-lock', false], ['task-3-shim', false]]);
      assert.equal(interactions(cmi)[0].weighting, '1');
      assert.ok(seconds(interactions(cmi)[0].latency) >= used, interactions(cmi)[0].latency);
      assert.equal(status(cmi).score, '33');
      assert.equal(status(cmi).passed, 'failed');
      assert.deepEqual(await problems(page), []);
    });
}
