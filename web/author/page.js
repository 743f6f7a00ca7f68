// The deck author page: the instructor's list of slides beside the chosen
// picture at its own size, with its target and the parts that the show's
// texts cover; the slide's text; Play from here; the deck downloaded as a
// zip or as course packages. Every list, check and zip is the module's.
import { loadDeck } from './module.js';
import { ChosenFiles, choiceOf } from './files.js';
import { TrialDeck } from './trial.js';
import { TargetPicture } from './picture.js';
import { ProgressLine } from '../progress.js';
import { publish } from '../hook.js';
import { DeckExportKind } from './codes.js';
import { save } from './download.js';

const $ = (id) => document.getElementById(id);
const KINDS = {
  'export-folder': DeckExportKind.FOLDER, 'export-scorm12': DeckExportKind.SCORM12,
  'export-scorm2004': DeckExportKind.SCORM2004,
};
// While many pictures are read, the list grows at most this often.
const LIST_EVERY_MS = 250;

// The page's own controls, not those of its questions: a question asked
// while files are read must be answerable.
const pageControls = () => document.querySelectorAll('header input, main button, main input');

class AuthorPage {
  // deck: the module's (module.js).
  constructor(deck) {
    this.deck = deck;
    this.files = new ChosenFiles(deck);
    this.trial = new TrialDeck(this.files.blobs);
    this.progressLine = new ProgressLine();
    this.picture = new TargetPicture(this);
    [this.list, this.guide, this.text] = ['slides', 'guide', 'text'].map($);
    this.chosen = -1;
    this.state = null;
    this.changed = false; // since the last download of the deck
    this.recheck = null; // the check whose problems the messages list, until they are mended
    this.built = null;
    this.listed = 0;
  }

  say(title = '', lines = []) {
    this.recheck = null;
    $('messages').hidden = lines.length === 0;
    $('messages-title').textContent = title;
    $('messages').querySelector('ul').replaceChildren(...lines.map((line) => {
      const item = document.createElement('li');
      item.textContent = line;
      return item;
    }));
  }

  // The list, the guide line and the picture from the module; the text when
  // another entry is chosen.
  render(textToo = false) {
    const { list, text } = this;
    const state = (this.state = this.deck.state(this.chosen));
    const chosen = (this.chosen = state.chosen);
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
    // No entry is active before one is chosen: the attribute must name one that is there.
    if (chosen >= 0) list.setAttribute('aria-activedescendant', `entry-${chosen}`);
    else list.removeAttribute('aria-activedescendant');
    list.children[chosen]?.scrollIntoView({ block: 'nearest' });
    this.guide.textContent = state.guide;
    const entry = state.entries[chosen];
    this.picture.show(state, entry);
    if (!textToo) return;
    text.value = entry && entry.kind !== 'unread' ? entry.text.replaceAll('\r', '\n') : '';
    text.readOnly = !entry || entry.kind === 'unread';
  }

  choose(index) {
    this.chosen = Math.max(0, Math.min(index, this.state.entries.length - 1));
    this.render(true);
  }

  // Problems of the deck, said until they are mended: each edit checks again.
  sayProblems(title, problems, check) {
    this.say(problems.length ? title : '', problems);
    if (problems.length) this.recheck = () => this.sayProblems(title, check(), check);
    return problems.length > 0;
  }

  edited(index = this.chosen) {
    this.changed = true;
    this.chosen = index;
    this.render(true);
    this.recheck?.();
  }

  // The slide's text, and the list: chosen, moved, removed and brought back.
  watchList() {
    const { list, text, deck } = this;
    text.addEventListener('input', () => {
      deck.setText(this.chosen, text.value.replaceAll('\n', '\r'));
      if (this.state.entries[this.chosen]?.kind === 'slide') this.changed = true;
      this.render();
      this.recheck?.();
    });
    list.addEventListener('click', (event) => {
      const item = event.target.closest('li');
      if (item) this.choose([...list.children].indexOf(item));
    });
    list.addEventListener('keydown', (event) => {
      const by = { ArrowUp: -1, ArrowDown: 1 }[event.key];
      if (by && (event.ctrlKey || event.metaKey)) this.edited(deck.move(this.chosen, by));
      else if (by) this.choose(this.chosen + by);
      else if (event.key === 'Delete') this.remove();
      else return;
      event.preventDefault();
    });
    // Ctrl+Z brings the last removal back; in a text box it is the box's own undo.
    addEventListener('keydown', (event) => {
      if (event.key.toLowerCase() !== 'z' || !(event.ctrlKey || event.metaKey) || event.shiftKey) return;
      if (event.target.closest('input, textarea') || document.querySelector('dialog[open]')) return;
      const index = deck.undoRemove();
      if (index < 0) return;
      event.preventDefault();
      this.say();
      this.edited(index);
    });
    $('up').addEventListener('click', () => this.edited(deck.move(this.chosen, -1)));
    $('down').addEventListener('click', () => this.edited(deck.move(this.chosen, 1)));
    $('remove').addEventListener('click', () => this.remove());
  }

  remove() {
    const entry = this.state.entries[this.chosen];
    if (entry?.kind !== 'slide' && entry?.kind !== 'unread') return;
    this.deck.remove(this.chosen);
    this.edited();
    this.say('Removed:', [`${entry.label}, with its text and target: Ctrl+Z brings it back`]);
  }

  // The page's Tessivar plays the deck as it stands, its files read from here.
  watchPlay() {
    const trial = $('trial');
    $('play').addEventListener('click', () => {
      const answer = this.deck.play(this.chosen);
      const check = () => this.deck.play(this.chosen).problems;
      if (this.sayProblems('The deck cannot be played yet:', answer.problems, check)) return;
      trial.querySelector('iframe').src = this.trial.play(answer.text, answer.first);
      trial.showModal();
    });
    $('close-trial').addEventListener('click', () => trial.close());
    trial.addEventListener('close', () => {
      trial.querySelector('iframe').src = 'about:blank';
    });
  }

  // The site's own Tessivar package, whose page a deck's package takes over.
  builtPackage() {
    this.built ??= fetch('packages/tessivar-scorm12.zip')
      .then(async (response) => (response.ok ? new Uint8Array(await response.arrayBuffer()) : null))
      .catch(() => null);
    return this.built;
  }

  passingScore() {
    const score = $('mastery').valueAsNumber;
    return Number.isInteger(score) ? score : -1;
  }

  async download(kind) {
    const { deck } = this;
    const page = kind === 0 ? null : await this.builtPackage();
    if (kind !== 0 && !page) {
      return this.say('The packages cannot be made here:', ["This site has no packages/tessivar-scorm12.zip to take Tessivar's page from."]);
    }
    const answer = deck.export(kind, $('deck-name').value, this.passingScore(), page);
    const check = () => deck.exportProblems($('deck-name').value, this.passingScore());
    if (this.sayProblems('The deck cannot be downloaded yet:', answer.problems, check)) return;
    this.say(answer.notes.length ? `Downloaded ${answer.file}; of the pictures chosen:` : '', answer.notes);
    const parts = [];
    let at = 0;
    for (const [end, name] of answer.pictures) {
      parts.push(answer.bytes.subarray(at, end), this.files.blobs.get(name));
      at = end;
    }
    parts.push(answer.bytes.subarray(at));
    save(new Blob(parts, { type: 'application/zip' }), answer.file);
    if (kind === 0) this.changed = false;
  }

  mayReplace() {
    if (!this.changed) return Promise.resolve(true);
    const ask = $('ask');
    ask.querySelector('p').textContent = 'Replace the deck you are working on? Its changes since the last download are lost.';
    return new Promise((resolve) => {
      ask.addEventListener('close', () => resolve(ask.returnValue === 'yes'), { once: true });
      ask.returnValue = '';
      ask.showModal();
    });
  }

  // While many pictures are read: how far it is, and the list as it grows.
  progress(done, total) {
    this.progressLine.show(done, total);
    if (performance.now() - this.listed < LIST_EVERY_MS) return;
    this.listed = performance.now();
    this.deck.listPictures();
    this.render();
  }

  async read(choice) {
    document.body.classList.add('busy');
    pageControls().forEach((control) => (control.disabled = true));
    try {
      const done = await this.files.read(choice, () => this.mayReplace(), (count, total) => this.progress(count, total));
      if (!done) return;
      if (done.opened) {
        $('deck-name').value = done.name ?? 'deck';
        $('mastery').value = done.passingScore;
        this.changed = false;
      }
      if (done.opened || this.chosen < 0) this.chosen = 0;
      this.say(done.messages.length ? 'About the files you chose:' : '', done.messages);
    } finally {
      pageControls().forEach((control) => (control.disabled = false));
      document.body.classList.remove('busy');
      this.render(true);
    }
  }

  // Files chosen, or dropped on the page; the deck's downloads, and the
  // question before a page with changes not downloaded is left.
  watchFiles() {
    for (const id of ['choose-files', 'choose-folder']) {
      $(id).addEventListener('change', async (event) => {
        await this.read(choiceOf(event.target));
        event.target.value = ''; // the same files may be chosen again
      });
    }
    addEventListener('dragover', (event) => event.preventDefault());
    addEventListener('drop', (event) => {
      event.preventDefault();
      this.read({ files: [...event.dataTransfer.files].map((file) => ({ name: file.name, blob: file })) });
    });
    for (const [id, kind] of Object.entries(KINDS)) $(id).addEventListener('click', () => this.download(kind));
    for (const id of ['deck-name', 'mastery']) $(id).addEventListener('input', () => this.recheck?.());
    addEventListener('beforeunload', (event) => {
      if (this.changed) event.preventDefault();
    });
  }

  start() {
    this.picture.watch();
    this.watchList();
    this.watchPlay();
    this.watchFiles();
    $('mastery').value = this.deck.start(null).passingScore;
    this.render(true);
  }
}

// Called by author.html: the module loaded, the page answers the instructor.
export async function start() {
  const page = new AuthorPage(await loadDeck());
  publish({ filesOnTrial: page.trial });
  page.start();
  document.body.classList.add('ready');
}
