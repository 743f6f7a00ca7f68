// The deck author page in each engine, as an instructor uses it: screenshots
// chosen from the computer, targets dragged and texts typed, the deck tried,
// then downloaded as a zip that the desktop plays and as a package that a
// learning platform scores; and every kind of bad input, each told by name.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after } from 'node:test';
import { serious } from './axe.mjs';
import { browserTest, closeMessage, SITE, waitText } from './harness.mjs';
import { clickSlides, framed, heldWhen, platform, problems, screen, status } from './platform.mjs';
import { download as downloadTo, keepingDownloads } from './downloads.mjs';

const repo = new URL('../../', import.meta.url).pathname;
const checker = process.env.DECK_OUTCOMES ?? `${repo}build/tests/decks/deck_outcomes`;
const lms = platform({ site: SITE });
const work = mkdtempSync(join(tmpdir(), 'tessivar-author-'));
after(() => rmSync(work, { recursive: true, force: true }));

// A screenshot as tools write them (tests/decks/corpus.py): a row of buttons
// at half its height, from a quarter of its width, an eighth apart.
function screenshot(path, width, height) {
  mkdirSync(join(path, '..'), { recursive: true });
  execFileSync('python3', [`${repo}tests/decks/corpus.py`, 'draw', `${width}x${height}`, path]);
  return path;
}
const SHOTS = [['Lock.jpg', 1920, 1080], ['Shim.png', 1239, 705], ['Start.png', 1280, 800]].map(([name, w, h], k) => ({
  name, size: [w, h], path: screenshot(join(work, name), w, h),
  button: [Math.floor(w / 4) + k * Math.floor(w / 8), Math.floor(h / 2), Math.floor(w / 12), 24],
}));
const file = (name, bytes) => {
  writeFileSync(join(work, name), bytes);
  return join(work, name);
};
// A zip as archivers write them, deflated, holding [name, file] as named.
function zipped(zip, entries) {
  execFileSync('python3', ['-c', `import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    for name, path in zip(sys.argv[2::2], sys.argv[3::2]):
        z.writestr(zipfile.ZipInfo(name), open(path, 'rb').read(), zipfile.ZIP_DEFLATED)`, join(work, zip), ...entries.flat()]);
  return join(work, zip);
}

const authorPage = (open) => keepingDownloads(open, 'author.html');

// Files chosen in a file input, read once the page has emptied it again;
// a long read goes on while its progress moves.
async function choose(page, paths, input = '#choose-files') {
  const count = await page.evaluate((selector) => {
    const element = document.querySelector(selector);
    element.onchange = () => (element.chosen = (element.chosen ?? 0) + 1);
    return element.chosen ?? 0;
  }, input);
  await page.chooseFiles(input, paths);
  const progress = () => page.evaluate(() => document.querySelector('p.progress')?.textContent);
  for (let last = await progress(); ;) {
    try {
      return await page.waitFor((selector, n) => document.querySelector(selector).chosen > n
        && document.querySelector(selector).value === '', input, count);
    } catch (error) {
      if (last === (last = await progress())) throw error;
    }
  }
}
const labels = (page) => page.evaluate(() => [...document.querySelectorAll('#slides li')].map((item) => item.textContent));
const messages = (page) => page.evaluate(() => [...document.querySelectorAll('#messages li')].map((item) => item.textContent));

// A drag over the picture from the corner of `rect` (its pixels) to its far corner.
async function drag(page, [left, top, width, height]) {
  const box = await page.box('#picture');
  await page.mouse.down({ x: box.x + left + 0.5, y: box.y + top + 0.5 });
  await page.mouse.up({ x: box.x + left + width + 0.5, y: box.y + top + height + 0.5 });
}
const shownTarget = (page) => page.evaluate(() => ['left', 'top', 'width', 'height']
  .map((side) => Number.parseInt(document.getElementById('target').style[side], 10)));

const download = (page, button) => downloadTo(page, button, work);

async function typeInto(page, selector, text) {
  await page.evaluate((s) => document.querySelector(s).select(), selector); // as a triple click does
  await page.keyboard.type(text);
}

// What the desktop's check makes of a deck folder.
const desktop = (folder) => JSON.parse(execFileSync(checker, [folder],
  { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: ['ignore', 'pipe', 'ignore'] }));

browserTest('Author page: three screenshots, their targets and texts make a deck the desktop plays and a package the platform scores',
  { site: lms.root }, async ({ engine, open }) => {
    const page = await authorPage(open);
    await choose(page, SHOTS.map((shot) => shot.path));
    const drawn = [];
    for (const [index, shot] of SHOTS.entries()) {
      await page.mouse.click(`#slides li:nth-child(${index + 1})`);
      await drag(page, shot.button);
      drawn.push(await shownTarget(page));
      await page.mouse.click('#text');
      await page.keyboard.type(`Click the button, ${shot.name}`);
      drawn[index].forEach((value, side) => assert.ok(Math.abs(value - shot.button[side]) <= 1, `${shot.name}: ${drawn[index]}`));
    }
    assert.deepEqual(await labels(page), ['1. Lock.jpg', '2. Shim.png', '3. Start.png']);
    assert.deepEqual(await serious(page), [], 'axe-core, with pictures chosen and targets drawn');

    await page.mouse.click('#slides li:nth-child(2)');
    await page.mouse.click('#play');
    const trial = framed(page);
    await waitText(trial, 'InfoBox', screen(1));
    await waitText(trial, 'InfoBox', 'Click the button, Shim.png');
    assert.deepEqual(await serious(page), [], 'axe-core, playing from here');
    await page.mouse.click('#close-trial');

    await typeInto(page, '#deck-name', 'Lab 1');
    await typeInto(page, '#mastery', '90');
    const deckZip = await download(page, '#export-folder');
    const packageZip = await download(page, '#export-scorm12');
    assert.equal(deckZip.endsWith('/Lab 1.zip') && packageZip.endsWith('/Lab 1-scorm12.zip'), true);

    const unzipped = join(work, `unzipped-${engine}`);
    execFileSync('unzip', ['-q', '-o', deckZip, '-d', unzipped]);
    const rows = readFileSync(join(unzipped, 'Lab 1', 'deck.csv'), 'utf8').trim().split('\r\n').slice(1);
    assert.deepEqual(rows, SHOTS.map((shot, k) => `${shot.name},"Click the button, ${shot.name}",${drawn[k].join(',')},90`));
    const played = desktop(join(unzipped, 'Lab 1'));
    assert.deepEqual(played.slides.map((slide) => slide.picture), SHOTS.map((shot) => shot.name), JSON.stringify(played));

    const name = `Lab 1-scorm12-${engine}`;
    lms.add(packageZip, name);
    assert.match(lms.manifestOf(name), /<adlcp:masteryscore>90</);
    const platformPage = await lms.page(open, [name]);
    const view = await lms.play(platformPage, { version: '1.2', name });
    const targets = played.slides.map((s) => ({ x: s.x - s.width / 2, y: s.y - s.height / 2 }));
    await clickSlides(view, targets, 0, 3, { wrong: { 1: 2 } }); // 1 + 2 points
    assert.match((await closeMessage(view))[1], /score of:  97!/);
    const cmi = await heldWhen(platformPage, (c) => Object.keys(c.interactions).length === 3);
    assert.deepEqual([status(cmi).score, status(cmi).passed], ['97', 'passed']);
    assert.deepEqual(await problems(platformPage), []);
  });

// A deck as the desktop keeps it: deck.csv as a spreadsheet saves it, its
// pictures, one picture not yet on a slide.
const MADE = join(work, 'Made');
for (const shot of [...SHOTS, { name: 'Extra.png', size: [640, 480] }]) screenshot(join(MADE, shot.name), ...shot.size);
writeFileSync(join(MADE, 'deck.csv'), `\ufeffpicture,text,left,top,width,height\r\n${
  SHOTS.map((shot) => `${shot.name},"Find it,\nthen click",${shot.button.join(',')}`).join('\r\n')}\r\n`);
const MADE_DECK = join(MADE, 'deck.csv');
const MADE_LIST = ['1. Lock.jpg', '2. Shim.png', '3. Start.png', 'Extra.png (not in the deck)'];
const madeFiles = ['deck.csv', ...SHOTS.map((shot) => shot.name), 'Extra.png'].map((name) => join(MADE, name));

for (const [way, paths] of [
  ['its deck.csv with its pictures', madeFiles],
  ['its zip, as a desktop archiver makes it', [zipped('Made.zip', [
    ...madeFiles.map((path) => [`Made/${path.split('/').at(-1)}`, path]), ['__MACOSX/Made/._deck.csv', madeFiles[0]]])]],
]) {
  browserTest(`Author page: a deck chosen again, ${way}, lists its slides as the desktop's window does`, async ({ open }) => {
    const page = await authorPage(open);
    await choose(page, paths);
    assert.deepEqual(await labels(page), MADE_LIST);
    assert.equal(await page.evaluate(() => document.getElementById('deck-name').value), paths.length === 1 ? 'Made' : 'deck');
    assert.equal(await page.evaluate(() => document.getElementById('text').value), 'Find it,\nthen click');
  });
}

browserTest('Author page: a folder chosen whole is its deck', { needs: ['folder'] }, async ({ open }) => {
  const page = await authorPage(open);
  await choose(page, [MADE], '#choose-folder');
  assert.deepEqual(await labels(page), MADE_LIST);
  assert.equal(await page.evaluate(() => document.getElementById('deck-name').value), 'Made');
});

// A deck chosen over work not yet downloaded asks first. Each answer, by
// click or by key, is taken, and the page goes on working after it.
browserTest('Author page: "Replace the deck?" is answered by click or key, and the page works after either answer', async ({ open }) => {
  const page = await authorPage(open);
  await choose(page, [START]);
  await drag(page, SHOTS[2].button);
  const answered = async (paths, answer) => {
    const reading = choose(page, paths);
    await page.waitFor(() => document.getElementById('ask').open);
    assert.deepEqual(await serious(page), [], 'axe-core, asked to replace the deck');
    await answer();
    await reading;
    return page.evaluate(() => [document.getElementById('ask').open, document.body.classList.contains('busy'),
      [...document.querySelectorAll('button, input')].filter((control) => control.disabled).map((control) => control.id)]);
  };
  const MADE_ZIP = join(work, 'Made.zip');
  const settled = [false, false, []];
  assert.deepEqual(await answered([MADE_ZIP], () => page.mouse.click('#ask button[value="no"]')), settled, 'Cancel clicked');
  assert.deepEqual(await labels(page), ['1. Start.png (no text)']);
  assert.deepEqual(await answered(madeFiles, () => page.keyboard.press('Enter')), settled, 'Enter');
  assert.deepEqual(await labels(page), ['1. Start.png (no text)'], 'Enter is Cancel, as losing the work is the other answer');
  assert.deepEqual(await answered([MADE_ZIP], () => page.mouse.click('#ask button[value="yes"]')), settled, 'Replace clicked');
  assert.deepEqual(await labels(page), MADE_LIST);
  await drag(page, SHOTS[0].button);
  assert.deepEqual(await answered(madeFiles, async () => {
    await page.keyboard.press('Shift+Tab');
    await page.keyboard.press('Enter');
  }), settled, 'Replace by key');
  assert.deepEqual(await labels(page), MADE_LIST);
  await choose(page, [screenshot(join(work, 'Later.png'), 640, 480)]);
  assert.deepEqual(await labels(page), [...MADE_LIST, 'Later.png (not in the deck)']);
});

browserTest('Author page: the passing score goes with the deck zip and comes back with it', async ({ open }) => {
  const passing = (page) => page.evaluate(() => document.getElementById('mastery').value);
  const page = await authorPage(open);
  assert.equal(await passing(page), '80');
  await choose(page, [START]);
  await drag(page, SHOTS[2].button);
  await typeInto(page, '#mastery', '70');
  const deckZip = await download(page, '#export-folder');
  const again = await authorPage(open);
  await choose(again, [deckZip]);
  assert.deepEqual(await labels(again), ['1. Start.png (no text)']);
  assert.equal(await passing(again), '70');
  await choose(again, madeFiles);
  assert.equal(await passing(again), '80', 'a deck that keeps none');
});

// What the instructor has left undone is said where they look, a problem
// said leaves once it is mended, and Ctrl+Z brings back a removed slide.
browserTest('Author page: what is left undone is said, mended problems go, and Ctrl+Z brings back a removal', async ({ open }) => {
  const page = await authorPage(open);
  await choose(page, [START, screenshot(join(work, 'Aside.png'), 640, 480)]);
  await page.mouse.click('#slides li:nth-child(2)');
  const shade = await page.evaluate(() => ['left', 'top'].map((side) => Number.parseInt(document.querySelector('.shade').style[side], 10)));
  await drag(page, [shade[0] + 5, shade[1] + 5, 20, 10]);
  assert.deepEqual(await labels(page), ['Aside.png (not in the deck)', '1. Start.png (no text)']);
  await page.mouse.click('#export-folder');
  await page.waitFor(() => document.getElementById('messages-title').textContent === 'The deck cannot be downloaded yet:');
  await drag(page, SHOTS[2].button);
  assert.deepEqual(await messages(page), [], 'the mended target');
  assert.match(await page.evaluate(() => document.getElementById('guide').textContent), /^Slide 1 has no text yet: students would see only "Screen: 1"/);
  await page.mouse.click('#text');
  await page.keyboard.type('Click Start');
  assert.deepEqual(await labels(page), ['Aside.png (not in the deck)', '1. Start.png']);

  const aside = '"Aside.png" has no target: it is not a slide of the deck';
  await download(page, '#export-folder');
  assert.deepEqual(await messages(page), [aside]);
  await download(page, '#export-scorm12');
  assert.deepEqual(await messages(page), [`${aside}, and is left out of the package`]);

  const target = await shownTarget(page);
  await page.mouse.click('#remove');
  assert.deepEqual(await labels(page), ['Aside.png (not in the deck)', 'Start.png (not in the deck)']);
  assert.deepEqual(await messages(page), ['1. Start.png, with its text and target: Ctrl+Z brings it back']);
  await page.keyboard.press('Control+z');
  assert.deepEqual(await labels(page), ['Aside.png (not in the deck)', '1. Start.png']);
  assert.deepEqual([await page.evaluate(() => document.getElementById('text').value), await shownTarget(page)], ['Click Start', target]);
  assert.deepEqual(await messages(page), []);
});

browserTest('Author page: the deck zip lands in the browser\'s download folder', { needs: ['download'] }, async ({ open }) => {
  const page = await open('author.html');
  const folder = mkdtempSync(join(work, 'downloads-'));
  const session = await page.native.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
  await choose(page, madeFiles);
  const done = new Promise((resolve) => session.on('Browser.downloadProgress', (e) => e.state === 'completed' && resolve()));
  await page.mouse.click('#export-folder');
  await done;
  execFileSync('unzip', ['-q', join(folder, 'deck.zip'), '-d', folder]);
  assert.equal(desktop(join(folder, 'deck')).slides.length, 3);
});

// A deck folder: deck.csv with the rows given, and Start.png.
function deckFolder(name, rows) {
  const folder = join(work, name);
  mkdirSync(folder, { recursive: true });
  writeFileSync(join(folder, 'deck.csv'), `picture,text,left,top,width,height\r\n${rows.join('\r\n')}\r\n`);
  return [join(folder, 'deck.csv'), screenshot(join(folder, rows[0].split(',')[0]), 1280, 800)];
}
const damaged = (name) => `picture "${name}" is damaged or is not a whole JPEG, PNG, GIF, BMP or WebP picture`;
const START = SHOTS[2].path;
const PNG_END = Buffer.from('0000000049454e44ae426082', 'hex');
// START with one chunk's CRC off by a bit: a browser that checks refuses
// the picture, one that does not shows it blank.
function crcOff() {
  const bytes = Buffer.from(readFileSync(START));
  const idat = bytes.indexOf('IDAT');
  bytes[idat + 4 + bytes.readUInt32BE(idat - 4)] ^= 1;
  return bytes;
}
// A PNG whose header declares the size, its chunks whole.
const declaredPng = (name, width, height) => file(name, execFileSync('python3', ['-c', `import struct, sys, zlib
chunk = lambda kind, data: struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
header = struct.pack('>IIBBBBB', ${width}, ${height}, 8, 2, 0, 0, 0)
sys.stdout.buffer.write(b'\\x89PNG\\r\\n\\x1a\\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(b'')) + chunk(b'IEND', b''))`]));
// A zip whose directory lists `name` as `size` bytes unpacked: a file that
// large as the page sees it before unpacking, without writing one.
function claiming(zip, entries, name, size) {
  const bytes = readFileSync(zipped(zip, entries));
  for (let at = bytes.indexOf('PK\x01\x02'); at >= 0; at = bytes.indexOf('PK\x01\x02', at + 1)) {
    if (bytes.toString('utf8', at + 46, at + 46 + bytes.readUInt16LE(at + 28)) === name) bytes.writeUInt32LE(size, at + 24);
  }
  return file(zip, bytes);
}
// A file of `size` bytes that takes no room: the disk holds no data for it.
function sparse(name, size) {
  execFileSync('truncate', ['-s', String(size), join(work, name)]);
  return join(work, name);
}
const tooLarge = (name, mib) => `"${name}" is ${mib} MiB, more than the 64 MiB a picture file may have: it is left out`;
const BAD_INPUTS = [
  { what: 'a PNG with a chunk that fails its CRC', choose: [[file('crc.png', crcOff()), START]],
    messages: [damaged('crc.png')], list: ['Start.png (not in the deck)'] },
  { what: 'files and pictures beyond the limits, chosen or in a zip',
    choose: [[sparse('huge file.png', 100 << 20), declaredPng('huge.png', 30000, 30000), START],
      [claiming('big.zip', [['Shim.png', SHOTS[1].path], ['big.png', START]], 'big.png', 2 ** 30)],
      [claiming('long.zip', [['deck.csv', MADE_DECK], ['Lock.jpg', SHOTS[0].path]], 'deck.csv', 300 << 20)]],
    messages: ['"deck.csv" is 300 MiB, more than the 4 MiB a deck file may have: it is not read, and the deck starts with no slides'],
    list: ['Lock.jpg (not in the deck)'],
    earlier: [[tooLarge('huge file.png', 100),
      '"huge.png" is 30000 x 30000 pixels, more than a picture may have (16384 pixels on a side, 50 million in all): it is left out'],
    [tooLarge('big.png', 1024)]] },
  { what: 'a file that is not a picture', choose: [[file('notes.txt', 'notes'), START]],
    messages: ['"notes.txt" is not a JPEG, PNG, GIF, BMP or WebP picture: it is left out'], list: ['Start.png (not in the deck)'] },
  { what: 'damaged pictures, cut short or not decoding',
    choose: [[file('cut.png', readFileSync(START).subarray(0, 400)),
      file('noise.png', Buffer.concat([readFileSync(START).subarray(0, 16), Buffer.from('noise'), PNG_END]))]],
    messages: [damaged('cut.png'), damaged('noise.png')], list: [] },
  { what: 'a name that is not a plain file name', choose: [[screenshot(join(work, '12:30.png'), 640, 480)]],
    messages: ['"12:30.png" is not a plain file name (no / \\ : or control characters): rename it; it is left out'], list: [] },
  { what: 'two pictures of one name', choose: [[START], [screenshot(join(work, 'twin', 'start.PNG'), 640, 480)]],
    messages: ['two pictures are named "start.PNG" (Windows and macOS take names that differ only in case for one): the second is left out'],
    list: ['Start.png (not in the deck)'] },
  { what: 'a deck.csv with errors', choose: [deckFolder('Rows', ['Start.png,Fine,10,10,50,20', 'Start.png,Bad,10,10,wide,20'])],
    messages: ['deck.csv line 3: width must be a whole number greater than 0'],
    list: ['1. Start.png', 'Not read: width must be a whole number greater than 0'],
    refused: ['a row not read: width must be a whole number greater than 0'] },
  { what: 'a target outside its picture', choose: [deckFolder('Beyond', ['Start.png,Far,1200,10,200,20'])],
    list: ['1. Start.png'], refused: ['slide 1: the target reaches beyond the picture (1280 x 800 pixels)'] },
  { what: 'a target dragged under the texts over the picture', choose: [[START]], dragOnShade: true,
    refused: ['slide 1: the target lies under the instruction box, which takes the clicks there: students cannot click it'] },
  ...['../evil.png', '/etc/evil.png', 'deck/../../evil.png'].map((name) => ({
    what: `a zip holding ${name}`, choose: [[zipped(`evil-${name.length}.zip`, [['deck.csv', MADE_DECK], [name, START]])]],
    messages: [`the zip "evil-${name.length}.zip" holds "${name}", a name that leads out of the folder it is unpacked in: it is not opened`],
    list: [] })),
  { what: 'a name and a text that look like markup',
    choose: [deckFolder('Markup', ['<i>x<i>.png,"<img src=x onerror=""window.run=1"">",10,10,50,20'])],
    list: ['1. <i>x<i>.png'], text: '<img src=x onerror="window.run=1">' },
  ...[['CON', 'The deck\'s name "CON" is kept by Windows for its devices (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9): type another.'],
    ['x'.repeat(250), 'The deck\'s name is 250 bytes long; names up to 100 bytes are taken (a letter with an accent takes two): shorten it.']]
    .map(([name, problem]) => ({ what: `a deck named ${name.slice(0, 10)}`, choose: [deckFolder('Named', ['Start.png,Fine,10,10,50,20'])],
      list: ['1. Start.png'], name, refused: [problem] })),
];

browserTest('Author page: bad input gets a message naming it, and no deck the desktop would refuse leaves the page', async ({ open }) => {
  for (const bad of BAD_INPUTS) {
    const page = await authorPage(open);
    for (const [k, paths] of bad.choose.entries()) {
      await choose(page, paths);
      if (bad.earlier && k < bad.earlier.length) assert.deepEqual(await messages(page), bad.earlier[k], bad.what);
    }
    assert.deepEqual(await messages(page), bad.messages ?? [], bad.what);
    if (bad.list) assert.deepEqual(await labels(page), bad.list, bad.what);
    if (bad.text) {
      assert.equal(await page.evaluate(() => document.getElementById('text').value), bad.text);
      assert.equal(await page.evaluate(() => document.querySelector('main img:not(#shot), main i') === null && !window.run), true);
    }
    if (bad.dragOnShade) {
      const [left, top] = await page.evaluate(() => ['left', 'top'].map((side) => Number.parseInt(document.querySelector('.shade').style[side], 10)));
      await drag(page, [left + 5, top + 5, 20, 10]);
    }
    if (!bad.refused) continue;
    if (bad.name) await typeInto(page, '#deck-name', bad.name);
    await page.mouse.click('#export-scorm12');
    await page.waitFor(() => document.getElementById('messages-title').textContent === 'The deck cannot be downloaded yet:');
    assert.deepEqual(await messages(page), bad.refused, bad.what);
    assert.equal(await page.evaluate(() => window.downloads.length), 0, bad.what);
  }
});

// Five hundred screenshots of 1920 x 1080, one of them cut short, the first
// one 8K: it decodes long after the next ones.
const MANY = join(work, 'many');
const shot = (i) => join(MANY, `Shot-${String(i).padStart(3, '0')}.jpg`);
const large = screenshot(shot(1), 1920, 1080);
for (let i = 2; i < 500; i++) copyFileSync(large, shot(i));
writeFileSync(shot(250), readFileSync(large).subarray(0, 5000));
screenshot(shot(0), 7680, 4320);

browserTest('Author page: 500 large screenshots are read with the progress shown, the damaged one named', async ({ open }) => {
  const page = await authorPage(open);
  const paths = readdirSync(MANY).map((name) => join(MANY, name));
  const reading = choose(page, paths);
  const seen = await page.waitFor(() => document.querySelector('p.progress')?.textContent ?? '');
  assert.match(seen, /^Checking the deck's pictures: \d+ of 500$/);
  await reading;
  const read = [...Array(500).keys()].filter((i) => i !== 250);
  assert.deepEqual(await labels(page), read.map((i) => `Shot-${String(i).padStart(3, '0')}.jpg (not in the deck)`));
  assert.deepEqual(await messages(page), [damaged('Shot-250.jpg')]);
});

// An instructor without a mouse: Tab to the picture, then the arrow keys
// place, move and size the target (Ctrl: its size), kept as a drag keeps it.
browserTest('Author page: a target set by keyboard alone', async ({ open }) => {
  const page = await authorPage(open);
  await choose(page, [SHOTS[1].path]);
  for (let i = 0; i < 20 && await page.evaluate(() => document.activeElement.id) !== 'picture'; i++) {
    await page.keyboard.press('Tab');
  }
  const named = () => page.evaluate(() => [document.activeElement.id, document.activeElement.getAttribute('aria-label'),
    document.getElementById('target-text').textContent]);
  assert.deepEqual(await named(), ['picture', 'Target on Shim.png', 'No target yet']);

  await page.keyboard.press('ArrowLeft');
  const [left, top, ...size] = await shownTarget(page);
  const middle = await page.evaluate(() => [document.getElementById('scroll').clientWidth / 2,
    document.getElementById('scroll').clientHeight / 2]);
  assert.deepEqual(size, [100, 30]);
  assert.ok(Math.abs(left + 50 - middle[0]) <= 1 && Math.abs(top + 15 - middle[1]) <= 1, `${left},${top} ${middle}`);
  for (const key of ['ArrowRight', 'Shift+ArrowDown', 'Control+Shift+ArrowRight', 'Control+ArrowUp']) {
    await page.keyboard.press(key);
  }
  const expected = [left + 1, top + 10, 110, 29];
  assert.deepEqual(await shownTarget(page), expected);
  assert.deepEqual(await named(), ['picture', 'Target on Shim.png', `Left ${expected[0]}, top ${expected[1]}, 110 by 29 pixels`]);
  assert.deepEqual(await labels(page), ['1. Shim.png (no text)']);
});
