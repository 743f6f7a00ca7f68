// The course packages on a learning platform, played by scorm-again's
// runtimes as the platform's side: each package unpacked as a platform
// unpacks it, its launch page in a frame of the platform's page, and what the
// platform holds after the student's clicks.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { browserTest, click, closeMessage, SITE, text, waitText } from './harness.mjs';
import { clickSlides as clickTargets, heldWhen, interactions, platform, problems, response, screen, status, watched }
  from './platform.mjs';

const VERSIONS = { 12: '1.2', 2004: '2004' };
const PACKAGES = ['kymbral', 'tessivar'].flatMap((program) => Object.entries(VERSIONS)
  .map(([scorm, version]) => ({ program, version, name: `${program}-scorm${scorm}` })));
const zipOf = (name) => join(SITE, 'packages', `${name}.zip`);

const lms = platform();
for (const { name } of PACKAGES) lms.add(zipOf(name), name);
const platformPage = (open) => lms.page(open, PACKAGES.map(({ name }) => name));
const play = (...args) => lms.play(...args);

const targets = [...readFileSync(new URL('../../tessivar/show/slide_table.cpp', import.meta.url), 'utf8')
  .matchAll(/^\s*\{(\d+), (\d+),/gm)].map(([, x, y]) => ({ x: x - 100, y: y - 100 })); // just inside
const clickSlides = (view, from, to, wrong) => clickTargets(view, targets, from, to, { wrong });

const tessivars = PACKAGES.filter((p) => p.program === 'tessivar');
browserTest('each package: a well-formed manifest at the root naming its launch page and every file of the zip, and only those',
  { site: lms.root }, async ({ open }) => {
    const page = await open('platform.html', { ready: false });
    for (const { name, program, version } of PACKAGES) {
      const entries = execFileSync('unzip', ['-Z1', zipOf(name)], { encoding: 'utf8' }).trim().split('\n');
      assert.ok(entries.every((e) => !e.startsWith('/') && !e.includes('\\') && !e.split('/').includes('..')), name);
      const manifest = await page.evaluate((xml) => {
        const doc = new DOMParser().parseFromString(xml, 'application/xml');
        if (doc.querySelector('parsererror')) return null;
        const [resource] = doc.getElementsByTagName('resource');
        return { schema: doc.getElementsByTagName('schemaversion')[0].textContent, scos: doc.getElementsByTagName('resource').length,
          launch: resource.getAttribute('href'), files: [...doc.getElementsByTagName('file')].map((f) => f.getAttribute('href')) };
      }, lms.manifestOf(name));
      assert.ok(manifest, `${name}: well-formed`);
      assert.equal(manifest.schema, version === '1.2' ? '1.2' : '2004 4th Edition');
      assert.equal(manifest.scos, 1);
      // Tessivar's launch page names the deck it plays, which the package holds.
      const [launch, query] = manifest.launch.split('?');
      assert.equal(launch, `${program}.html`);
      const deck = new URLSearchParams(query).get('deck');
      const files = manifest.files.map(decodeURIComponent).sort();
      assert.deepEqual(files, entries.filter((e) => e !== 'imsmanifest.xml').sort(), name);
      assert.ok(entries.includes('imsmanifest.xml') && files.includes(launch), name);
      assert.equal(deck === null || files.includes(`${deck}/deck.csv`), true, name);
      assert.equal(deck !== null, program === 'tessivar', name);
    }
  });

for (const pkg of tessivars) {
  browserTest(`Tessivar, SCORM ${pkg.version}: score, status and a time for each slide; a score below 0 reports 0`,
    { site: lms.root }, async ({ open }) => {
      const page = await platformPage(open);
      const view = await play(page, pkg);
      await clickSlides(view, 0, 26, { 3: 3 }); // 1 + 2 + 3 = 6 points
      assert.match((await closeMessage(view))[1], /score of:  94!/);
      let cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 26
        && (c.core?.lesson_location ?? c.location) === '0');
      assert.deepEqual(status(cmi), pkg.version === '1.2'
        ? { score: '94', passed: 'passed', location: '0', exit: '', time: cmi.core.session_time }
        : { score: '94', scaled: '0.94', passed: 'passed', completed: 'completed', location: '0', exit: '', time: cmi.session_time });
      const slides = interactions(cmi);
      assert.deepEqual(slides.map((i) => [i.id, response(i)]), targets.map((_, s) => [`screen-${s}`, s === 3 ? '6' : '0']));
      assert.equal(slides[3].result, pkg.version === '1.2' ? 'wrong' : 'incorrect');
      assert.ok(slides.every((i) => i.type === 'numeric' && i.latency), 'each slide has its time');

      await clickSlides(view, 0, 26, { 1: 15 }); // 120 points
      assert.match((await closeMessage(view))[1], /score of: -20!/);
      cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 52);
      assert.equal(status(cmi).score, '0');
      assert.equal(status(cmi).passed, 'failed');

      await page.evaluate(() => window.leave());
      cmi = await heldWhen(page, (c) => (c.core ?? c).session_time !== '');
      assert.match(status(cmi).time, pkg.version === '1.2' ? /^\d{2,4}:\d\d:\d\d(\.\d+)?$/ : /^PT\d+(\.\d+)?S$/);
      assert.equal(status(cmi).exit, 'suspend');
      assert.deepEqual(await problems(page), []);
      // The platform serves the package: it keeps nothing offline of its own.
      assert.equal(await page.evaluate(() => navigator.serviceWorker.getRegistrations().then((all) => all.length)), 0);
    });

  browserTest(`Tessivar, SCORM ${pkg.version}: launched again to resume, the show goes on where it stood`,
    { site: lms.root }, async ({ open }) => {
      const page = await platformPage(open);
      await clickSlides(await play(page, pkg), 0, 5, { 3: 3 });
      await page.evaluate(() => window.leave());
      const cmi = await heldWhen(page, (c) => (c.core ?? c).exit === 'suspend');
      const { location } = status(cmi);
      assert.equal(location, '5');
      const kept = (suspend) => (pkg.version === '1.2'
        ? { core: { entry: 'resume', lesson_location: location }, suspend_data: suspend }
        : { entry: 'resume', location, suspend_data: suspend });

      const again = await play(page, pkg, { kept: kept(cmi.suspend_data) });
      await waitText(again, 'InfoBox', screen(5));
      assert.equal(await text(again, 'ScoreLabel'), 'Score = 94');
      await clickSlides(again, 5, 7);
      assert.equal(await text(again, 'ScoreLabel'), 'Score = 94');

      const otherDeck = cmi.suspend_data.replace(/^T2;[^;]*/, 'T2;0123456789abcdef');
      for (const damaged of [otherDeck, cmi.suspend_data.slice(0, -4), 'nonsense', '']) {
        const fresh = await play(page, pkg, { kept: kept(damaged) });
        await waitText(fresh, 'InfoBox', screen(0));
        assert.equal(await text(fresh, 'ScoreLabel'), 'Score = 0', damaged);
      }
      assert.deepEqual(await problems(page), []);
    });
}

for (const pkg of tessivars) {
  browserTest(`Tessivar, SCORM ${pkg.version}: the costs add up to the score, screen 0 is practice, a relaunch costs what staying costs, and no pass without every screen`,
    { site: lms.root }, async ({ open }) => {
      const page = await platformPage(open);
      let view = await play(page, pkg);
      await click(view, 'Picture1', { x: 30, y: 30 }); // practice
      await clickSlides(view, 0, 4, { 2: 2 }); // 1 + 2
      await click(view, 'Picture1', { x: 30, y: 30, button: 'right' }); // back to 3: 1
      await waitText(view, 'InfoBox', screen(3));
      await click(view, 'Picture1', { x: 30, y: 30 }); // 2, and the clue points at the target
      await waitText(view, 'ScoreLabel', 'Score = 94');
      await page.evaluate(() => window.leave());
      let cmi = await heldWhen(page, (c) => (c.core ?? c).exit === 'suspend');
      const resume = pkg.version === '1.2'
        ? { core: { entry: 'resume', lesson_location: '3' }, suspend_data: cmi.suspend_data }
        : { entry: 'resume', location: '3', suspend_data: cmi.suspend_data };
      view = await play(page, pkg, { kept: resume });
      await waitText(view, 'ClueLabel', 'Clue Level = 2');
      await click(view, 'Picture1', { x: 30, y: 30 }); // 3, as for a student who stayed
      await waitText(view, 'ScoreLabel', 'Score = 91');
      await clickSlides(view, 3, 26);
      assert.match((await closeMessage(view))[1], /score of:  91!/);
      cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 26);
      const slides = interactions(cmi);
      assert.equal(slides.reduce((sum, i) => sum + Number(response(i)), 0), 100 - 91);
      assert.deepEqual(slides.slice(0, 4).map(response), ['0', '0', '3', '6']);
      assert.equal(slides[0].result, 'neutral');
      if (pkg.version === '2004') assert.match(slides[0].description, /^Screen 0: practice, not scored/);

      // Back from screen 0 to the last one, and its target: no score, no pass.
      await click(view, 'Picture1', { x: 30, y: 30, button: 'right' });
      await waitText(view, 'InfoBox', screen(25));
      await clickSlides(view, 25, 26);
      assert.match((await closeMessage(view))[1], /^You have not finished this exercise yet: screens 0 to 24 are still to do\./);
      await page.evaluate(() => window.leave());
      cmi = await heldWhen(page, (c) => (c.core ?? c).session_time !== '');
      assert.equal(Object.keys(cmi.interactions).length, 26, 'no screens of an unfinished show');
      assert.equal(status(cmi).score, '91', 'the score of the finished show stays');
      assert.deepEqual(await problems(page), []);
    });
}

browserTest('Tessivar: a launch page opened in a window of its own finds the platform through its opener',
  { site: lms.root }, async ({ open }) => {
    const page = await platformPage(open);
    const pkg = tessivars[1];
    await page.evaluate((...args) => window.launch(...args), `${pkg.name}/${lms.launchOf(pkg.name)}`, pkg.version, {}, null, true);
    await page.mouse.click('button'); // a platform opens it on the student's click
    const cmi = await heldWhen(page, (c) => c.location === '0');
    assert.equal(cmi.completion_status, 'incomplete');
    await page.evaluate(() => window.popup.close());
  });

browserTest('Tessivar: a platform whose calls fail or take long does not stop the show; its error code is logged once',
  { site: lms.root }, async ({ open }) => {
    const cases = [
      ['refusing', [/^Learning platform: LMSInitialize failed, error 101$/]],
      ['failing', [/^Learning platform: LMSSetValue failed, error 101$/]],
      ['slow', []],
    ];
    for (const [failure, logged] of cases) {
      const page = await platformPage(open);
      const view = await play(page, tessivars[0], { failure });
      await clickSlides(view, 0, 26);
      assert.match((await closeMessage(view))[1], /score of:  100!/, failure);
      await clickSlides(view, 0, 2);
      const seen = await problems(page);
      assert.equal(seen.length, logged.length, `${failure}: ${seen}`);
      logged.forEach((pattern, i) => assert.match(seen[i], pattern));
      if (failure === 'slow') assert.equal(await page.evaluate(() => window.commits), 1, 'no commit after the slow one');
    }
  });

for (const pkg of PACKAGES.filter((p) => p.program === 'kymbral')) {
  browserTest(`Kymbral, SCORM ${pkg.version}: a won scramble game gives an interaction and completion; a look at the unknown sample none`,
    { site: lms.root }, async ({ open }) => {
      const page = await platformPage(open);
      const view = await play(page, pkg);
      // Showing the sample's values again is no answer of the student's.
      await click(view, 'SampleScramble');
      await click(view, 'SampleScramble');

      // The gradient shim cancels the errors of Z1 and Z2; Z0's is found by turning its knob.
      await click(view, 'ScrambleEasy');
      await waitText(view, 'Walkup', 'Answer');
      await click(view, 'Insert');
      await click(view, 'GradientShim');
      await waitText(view, 'GradientShim', 'Shimming...');
      await view.waitFor(() => document.querySelector('[data-name="GradientShim"]').textContent === 'Gradient Shim');
      // Z0's error is a whole hundredth from -0.10 to 0.09: one of 42 to 61 cancels it.
      let z0 = Number(await text(view, 'ShimLabel0'));
      const turnTo = async (setting) => {
        for (; z0 !== setting; z0 += setting > z0 ? 1 : -1) {
          await click(view, 'KeyIn0', { button: setting > z0 ? 'right' : 'left' });
        }
        await waitText(view, 'ShimLabel0', String(z0));
      };
      const candidates = [...Array(20).keys()].map((i) => (i < 10 ? 51 - i : 42 + i));
      for (const setting of candidates) {
        await turnTo(setting);
        if (Number(await text(view, 'Info')) > 53) break;
      }
      await click(view, 'Walkup');
      assert.match((await closeMessage(view))[1], /^You got it in/);

      let cmi = await heldWhen(page, (c) => Object.keys(c.interactions).length === 1);
      const [game] = interactions(cmi);
      assert.deepEqual([game.id, game.result], ['scramble-level-1', 'correct']);
      assert.equal(cmi.core?.lesson_status ?? cmi.completion_status, 'completed');
      await page.evaluate(() => window.leave());
      cmi = await heldWhen(page, (c) => (c.core ?? c).session_time !== '');
      assert.ok(status(cmi).time);
      assert.deepEqual(await problems(page), []);
    });
}

// The fixed sequence would give every student the same unknown sample:
// inside a platform the learner's id chooses one, the same at every launch.
browserTest('Kymbral: each learner gets an unknown sample of their own, the same again at the next launch',
  { site: lms.root }, async ({ open }) => {
    const page = await platformPage(open);
    const pw90 = async (pkg, learner) => {
      const view = await play(page, pkg, { kept: pkg.version === '1.2' ? { core: { student_id: learner } }
        : { learner_id: learner } });
      await click(view, 'SampleScramble');
      await click(view, 'SampleScramble');
      return text(view, 'PW90Value');
    };
    for (const pkg of PACKAGES.filter((p) => p.program === 'kymbral')) {
      const [ann, ben, annAgain] = [await pw90(pkg, 'ann-41'), await pw90(pkg, 'ben-42'), await pw90(pkg, 'ann-41')];
      assert.equal(ann, annAgain, pkg.name);
      assert.notEqual(ann, ben, pkg.name);
    }
  });

browserTest('the plain site reports to nobody and shows nothing in the console', async ({ open }) => {
  for (const program of ['kymbral', 'tessivar']) {
    const page = await open(`${program}.html`, { files: watched(SITE, `${program}.html`) });
    if (program === 'tessivar') await clickSlides(page, 0, 2);
    assert.deepEqual(await problems(page), [], program);
  }
});
