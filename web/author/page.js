// The deck author page: the instructor's list of slides beside the chosen
// picture at its own size, with its target and the parts that the show's
// texts cover; the slide's text; Play from here; the deck downloaded as a
// zip or as course packages. Every list, check and zip is the module's.
import { deck } from './module.js';
import { ChosenFiles, choiceOf } from './files.js';
import { showProgress } from '../progress.js';

const $ = (id) => document.getElementById(id);
const [list, guide, picture, shot, target, text] = ['slides', 'guide', 'picture', 'shot', 'target', 'text'].map($);
const TRIAL = 'trial'; // the deck's folder name for Play from here
const KINDS = { 'export-folder': 0, 'export-scorm12': 1, 'export-scorm2004': 2 };
const files = new ChosenFiles();
const urls = new Map(); // a picture's address while it shows
let chosen = -1;
let state;
let changed = false; // since the last download of the deck
let dragFrom = null;

let recheck = null; // the check whose problems the messages list, until they are mended

function say(title = '', lines = []) {
  recheck = null;
  $('messages').hidden = lines.length === 0;
  $('messages-title').textContent = title;
  $('messages').querySelector('ul').replaceChildren(...lines.map((line) => {
    const item = document.createElement('li');
    item.textContent = line;
    return item;
  }));
}

function place(element, [left, top, width, height]) {
  Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
}

function urlOf(name) {
  const blob = files.blobs.get(name);
  if (urls.get(name)?.blob !== blob) {
    if (urls.has(name)) URL.revokeObjectURL(urls.get(name).url);
    urls.set(name, { blob, url: URL.createObjectURL(blob) });
  }
  return urls.get(name).url;
}

function showPicture(entry) {
  picture.querySelectorAll('.shade').forEach((shade) => shade.remove());
  if (!state.size) {
    shot.removeAttribute('src');
    shot.hidden = true;
    target.hidden = true;
    return;
  }
  const [width, height] = state.size;
  Object.assign(shot, { width, height, hidden: false });
  // Each picture starts in view from its top left corner.
  if (shot.getAttribute('src') !== urlOf(entry.picture)) {
    shot.src = urlOf(entry.picture);
    $('scroll').scrollTo(0, 0);
  }
  for (const [left, top, right, bottom] of state.covered) {
    const shade = document.createElement('div');
    shade.className = 'shade';
    place(shade, [left, top, right - left, bottom - top]);
    picture.insertBefore(shade, target);
  }
  target.hidden = !entry.target;
  if (entry.target) place(target, entry.target);
}

// What a screen reader says of the picture, where the arrow keys set the target.
function namePicture(entry) {
  picture.setAttribute('aria-label', entry ? `Target on ${entry.picture}` : 'Target');
  $('target-text').textContent = entry?.described ?? '';
}

// The list, the guide line and the picture from the module; the text when
// another entry is chosen.
function render(textToo = false) {
  state = deck.state(chosen);
  chosen = state.chosen;
  list.replaceChildren(...state.entries.map((entry, index) => {
    const item = document.createElement('li');
    item.id = `entry-${index}`;
    item.textContent = entry.label;
    item.className = entry.kind + (entry.missing ? ' missing' : '');
    item.setAttribute('role', 'option');
    item.setAttribute('aria-selected', String(index === chosen));
    if (entry.row) item.title = entry.row;
    return item;
  }));
  list.setAttribute('aria-activedescendant', `entry-${chosen}`);
  list.children[chosen]?.scrollIntoView({ block: 'nearest' });
  guide.textContent = state.guide;
  const entry = state.entries[chosen];
  showPicture(entry);
  namePicture(entry);
  if (!textToo) return;
  text.value = entry && entry.kind !== 'unread' ? entry.text.replaceAll('\r', '\n') : '';
  text.readOnly = !entry || entry.kind === 'unread';
}

function choose(index) {
  chosen = Math.max(0, Math.min(index, state.entries.length - 1));
  render(true);
}

// Problems of the deck, said until they are mended: each edit checks again.
function sayProblems(title, problems, check) {
  say(problems.length ? title : '', problems);
  if (problems.length) recheck = () => sayProblems(title, check(), check);
  return problems.length > 0;
}

function edited(index = chosen) {
  changed = true;
  chosen = index;
  render(true);
  recheck?.();
}

// The picture's pixel under the pointer, kept on the picture.
function pointAt(event) {
  const box = picture.getBoundingClientRect();
  const [width, height] = state.size;
  return [Math.min(width, Math.max(0, Math.floor(event.clientX - box.left))),
    Math.min(height, Math.max(0, Math.floor(event.clientY - box.top)))];
}

function dragged(event) {
  const [x, y] = pointAt(event);
  const [fromX, fromY] = dragFrom;
  return [Math.min(x, fromX), Math.min(y, fromY), Math.abs(x - fromX), Math.abs(y - fromY)];
}

picture.addEventListener('pointerdown', (event) => {
  if (event.button !== 0 || !state.size || state.entries[chosen].kind === 'unread') return;
  event.preventDefault();
  picture.setPointerCapture(event.pointerId);
  dragFrom = pointAt(event);
});
picture.addEventListener('pointermove', (event) => {
  if (!dragFrom) return;
  target.hidden = false;
  place(target, dragged(event));
});
picture.addEventListener('pointerup', (event) => {
  if (!dragFrom) return;
  const drawn = dragged(event);
  dragFrom = null;
  if (drawn[2] > 0 && drawn[3] > 0) {
    deck.setTarget(chosen, drawn);
    edited();
  } else {
    render();
  }
});
picture.addEventListener('pointercancel', () => {
  dragFrom = null;
  render();
});

// The arrow keys move the target a pixel (Shift: ten) and with Ctrl size it,
// as a drag sets it: Alt and an arrow is the browser's Back and Forward.
const ARROWS = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3 };
picture.addEventListener('keydown', (event) => {
  const arrow = ARROWS[event.key];
  if (arrow === undefined || event.altKey || event.metaKey || !state.size) return;
  event.preventDefault();
  const view = $('scroll');
  const inView = [view.scrollLeft, view.scrollTop, view.clientWidth, view.clientHeight];
  const keyed = deck.keyedTarget(chosen, arrow, event.shiftKey, event.ctrlKey, inView);
  if (!keyed) return;
  deck.setTarget(chosen, keyed);
  edited();
});

text.addEventListener('input', () => {
  deck.setText(chosen, text.value.replaceAll('\n', '\r'));
  if (state.entries[chosen]?.kind === 'slide') changed = true;
  render();
  recheck?.();
});

list.addEventListener('click', (event) => {
  const item = event.target.closest('li');
  if (item) choose([...list.children].indexOf(item));
});
list.addEventListener('keydown', (event) => {
  const by = { ArrowUp: -1, ArrowDown: 1 }[event.key];
  if (by && (event.ctrlKey || event.metaKey)) edited(deck.move(chosen, by));
  else if (by) choose(chosen + by);
  else if (event.key === 'Delete') remove();
  else return;
  event.preventDefault();
});

function remove() {
  const entry = state.entries[chosen];
  if (entry?.kind !== 'slide' && entry?.kind !== 'unread') return;
  deck.remove(chosen);
  edited();
  say('Removed:', [`${entry.label}, with its text and target: Ctrl+Z brings it back`]);
}

// Ctrl+Z brings the last removal back; in a text box it is the box's own undo.
addEventListener('keydown', (event) => {
  if (event.key.toLowerCase() !== 'z' || !(event.ctrlKey || event.metaKey) || event.shiftKey) return;
  if (event.target.closest('input, textarea') || document.querySelector('dialog[open]')) return;
  const index = deck.undoRemove();
  if (index < 0) return;
  event.preventDefault();
  say();
  edited(index);
});
$('up').addEventListener('click', () => edited(deck.move(chosen, -1)));
$('down').addEventListener('click', () => edited(deck.move(chosen, 1)));
$('remove').addEventListener('click', remove);

// The page's Tessivar plays the deck as it stands, its files read from here.
$('play').addEventListener('click', () => {
  const answer = deck.play(chosen);
  if (sayProblems('The deck cannot be played yet:', answer.problems, () => deck.play(chosen).problems)) return;
  const deckFile = new TextEncoder().encode(answer.text);
  window.deckOnTrial = {
    async read(path) {
      if (path === `${TRIAL}/deck.csv`) return deckFile;
      const blob = path.startsWith(`${TRIAL}/`) && files.blobs.get(path.slice(TRIAL.length + 1));
      return blob ? new Uint8Array(await blob.arrayBuffer()) : null;
    },
  };
  $('trial').querySelector('iframe').src = `tessivar.html?deck=${TRIAL}&slide=${answer.first}`;
  $('trial').showModal();
});
$('close-trial').addEventListener('click', () => $('trial').close());
$('trial').addEventListener('close', () => {
  $('trial').querySelector('iframe').src = 'about:blank';
});

let built;
// The site's own Tessivar package, whose page a deck's package takes over.
function builtPackage() {
  built ??= fetch('packages/tessivar-scorm12.zip')
    .then(async (response) => (response.ok ? new Uint8Array(await response.arrayBuffer()) : null))
    .catch(() => null);
  return built;
}

function save(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

function passingScore() {
  const score = $('mastery').valueAsNumber;
  return Number.isInteger(score) ? score : -1;
}

async function download(kind) {
  const page = kind === 0 ? null : await builtPackage();
  if (kind !== 0 && !page) {
    return say('The packages cannot be made here:', ["This site has no packages/tessivar-scorm12.zip to take Tessivar's page from."]);
  }
  const answer = deck.export(kind, $('deck-name').value, passingScore(), page);
  const check = () => deck.exportProblems($('deck-name').value, passingScore());
  if (sayProblems('The deck cannot be downloaded yet:', answer.problems, check)) return;
  say(answer.notes.length ? `Downloaded ${answer.file}; of the pictures chosen:` : '', answer.notes);
  const parts = [];
  let at = 0;
  for (const [end, name] of answer.pictures) {
    parts.push(answer.bytes.subarray(at, end), files.blobs.get(name));
    at = end;
  }
  parts.push(answer.bytes.subarray(at));
  save(new Blob(parts, { type: 'application/zip' }), answer.file);
  if (kind === 0) changed = false;
}
for (const [id, kind] of Object.entries(KINDS)) $(id).addEventListener('click', () => download(kind));
for (const id of ['deck-name', 'mastery']) $(id).addEventListener('input', () => recheck?.());

function mayReplace() {
  if (!changed) return Promise.resolve(true);
  const ask = $('ask');
  ask.querySelector('p').textContent = 'Replace the deck you are working on? Its changes since the last download are lost.';
  return new Promise((resolve) => {
    ask.addEventListener('close', () => resolve(ask.returnValue === 'yes'), { once: true });
    ask.returnValue = '';
    ask.showModal();
  });
}

// While many pictures are read: how far it is, and the list as it grows.
const LIST_EVERY_MS = 250;
let listed = 0;
function progress(done, total) {
  showProgress(done, total);
  if (performance.now() - listed < LIST_EVERY_MS) return;
  listed = performance.now();
  deck.listPictures();
  render();
}

// The page's own controls, not those of its questions: a question asked
// while files are read must be answerable.
const pageControls = () => document.querySelectorAll('header input, main button, main input');

async function read(choice) {
  document.body.classList.add('busy');
  pageControls().forEach((control) => (control.disabled = true));
  try {
    const done = await files.read(choice, mayReplace, progress);
    if (!done) return;
    if (done.opened) {
      $('deck-name').value = done.name ?? 'deck';
      $('mastery').value = done.passingScore;
      changed = false;
    }
    if (done.opened || chosen < 0) chosen = 0;
    say(done.messages.length ? 'About the files you chose:' : '', done.messages);
  } finally {
    pageControls().forEach((control) => (control.disabled = false));
    document.body.classList.remove('busy');
    render(true);
  }
}
for (const id of ['choose-files', 'choose-folder']) {
  $(id).addEventListener('change', async (event) => {
    await read(choiceOf(event.target));
    event.target.value = ''; // the same files may be chosen again
  });
}
addEventListener('dragover', (event) => event.preventDefault());
addEventListener('drop', (event) => {
  event.preventDefault();
  read({ files: [...event.dataTransfer.files].map((file) => ({ name: file.name, blob: file })) });
});
addEventListener('beforeunload', (event) => {
  if (changed) event.preventDefault();
});

$('mastery').value = deck.start(null).passingScore;
render(true);
document.body.classList.add('ready');
