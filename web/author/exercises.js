// The exercise author page: an instructor's list of tasks for Kymbral, tried
// in the site's own kymbral.html and downloaded as exercises.csv or as
// course packages. The set's rules, its texts and its packages are the
// module's (exercises.js, from the desktop's own exercise code); the page
// writes the tasks as the file's text and asks it.
import createModule from '../exercises.js';
import { publish } from '../hook.js';
import { ExerciseExportKind } from './codes.js';
import { save } from './download.js';
import { callsOf } from './calls.js';

const $ = (id) => document.getElementById(id);
const SET_FILE = 'exercises.csv';
const COLUMNS = ['kind', 'text', 'level', 'tolerance', 'goal', 'minutes', 'points', 'passing score'];
const NEW_TASK = { kind: 'lock', text: '', level: 2, tolerance: 10, goal: 50, minutes: 5, points: 1 };
const EXPORTS = {
  'export-set': ExerciseExportKind.SET, 'export-scorm12': ExerciseExportKind.SCORM12,
  'export-scorm2004': ExerciseExportKind.SCORM2004,
};

// A field as a spreadsheet would quote it.
const csvField = (value) => `"${String(value).replaceAll('"', '""')}"`;

async function loadModule() {
  const module = await createModule();
  const { call, withBytes } = callsOf(module);
  return {
    kinds: () => call('exercises_kinds', [], []),
    read: (bytes) => withBytes(bytes, (at, length) => call('exercises_read', ['number', 'number'], [at, length])),
    check: (text) => call('exercises_check', ['string'], [text]),
    export(kind, text, built) {
      const answer = withBytes(built ?? new Uint8Array(), (at, length) =>
        call('exercises_export', ['number', 'string', 'number', 'number'], [kind, text, at, length]));
      const start = module._exercises_exported();
      answer.bytes = module.HEAPU8.slice(start, start + module._exercises_exported_length());
      return answer;
    },
  };
}

class ExercisePage {
  constructor(module) {
    this.module = module;
    this.settings = Object.fromEntries(module.kinds().map(({ name, setting }) => [name, setting]));
    this.tasks = [{ ...NEW_TASK }];
    this.built = null;
    this.setFile = null; // what Try the set runs
    this.render();
    $('add-task').addEventListener('click', () => {
      this.tasks.push({ ...NEW_TASK });
      this.render();
      $('tasks').lastElementChild.querySelector('select').focus();
    });
    $('mastery').addEventListener('input', () => this.renderTexts());
    $('open-set').addEventListener('change', (event) => this.open(event.target.files[0]));
    $('try').addEventListener('click', () => this.tryOut());
    $('close-trial').addEventListener('click', () => $('trial').close());
    $('trial').addEventListener('close', () => { $('trial').querySelector('iframe').src = 'about:blank'; });
    for (const [id, kind] of Object.entries(EXPORTS)) $(id).addEventListener('click', () => this.download(kind));
  }

  // The file's text for the tasks as they stand, every column named.
  text() {
    const rows = this.tasks.map((task, i) => COLUMNS.map((column) => {
      if (column === 'passing score') return i === 0 ? $('mastery').value : '';
      if (['level', 'tolerance', 'goal'].includes(column)) return this.settings[task.kind] === column ? task[column] : '';
      return task[column];
    }));
    return [COLUMNS, ...rows].map((row) => row.map(csvField).join(',')).join('\r\n') + '\r\n';
  }

  render() {
    $('tasks').replaceChildren(...this.tasks.map((task, index) => this.taskItem(task, index)));
    this.renderTexts();
  }

  taskItem(task, index) {
    const item = $('task').content.firstElementChild.cloneNode(true);
    item.querySelector('legend').textContent = `Task ${index + 1}`;
    for (const field of item.querySelectorAll('[name]')) {
      field.value = task[field.name] === 0 && field.name === 'minutes' ? '' : task[field.name];
      field.addEventListener('input', () => {
        task[field.name] = field.value;
        if (field.name === 'kind') this.showSetting(item, task);
        this.renderTexts();
      });
    }
    this.showSetting(item, task);
    item.querySelectorAll('[data-move]').forEach((button) => button.addEventListener('click', () => {
      const to = index + Number(button.dataset.move);
      if (to < 0 || to >= this.tasks.length) return;
      [this.tasks[index], this.tasks[to]] = [this.tasks[to], this.tasks[index]];
      this.render();
      $('tasks').children[to].querySelector(`[data-move="${button.dataset.move}"]`).focus();
    }));
    item.querySelector('[data-remove]').addEventListener('click', () => {
      this.tasks.splice(index, 1);
      this.render();
      ($('tasks').children[Math.min(index, this.tasks.length - 1)]?.querySelector('select') ?? $('add-task')).focus();
    });
    return item;
  }

  showSetting(item, task) {
    for (const label of item.querySelectorAll('[data-setting]')) label.hidden = label.dataset.setting !== this.settings[task.kind];
  }

  // What the student reads of each task shows where its own text is blank.
  renderTexts() {
    const { texts } = this.module.check(this.text());
    [...$('tasks').children].forEach((item, i) => {
      item.querySelector('textarea').placeholder = texts[i] ?? '';
    });
  }

  say(title = '', lines = []) {
    $('messages').hidden = lines.length === 0;
    $('messages-title').textContent = title;
    $('messages').querySelector('ul').replaceChildren(...lines.map((line) => Object.assign(document.createElement('li'), { textContent: line })));
  }

  problems(title) {
    const { problems } = this.module.check(this.text());
    this.say(problems.length ? title : '', problems);
    return problems.length > 0;
  }

  async open(file) {
    if (!file) return;
    const answer = this.module.read(new Uint8Array(await file.arrayBuffer()));
    $('open-set').value = '';
    if (answer.problems.length) return this.say(`${file.name} cannot be opened:`, answer.problems);
    this.say();
    this.tasks = answer.tasks;
    $('mastery').value = answer.passingScore;
    this.render();
  }

  // The site's own kymbral.html in a frame runs the set as it stands.
  tryOut() {
    if (this.problems('The set cannot be tried yet:')) return;
    this.setFile = new TextEncoder().encode(this.text());
    $('trial').querySelector('iframe').src = `kymbral.html?exercises=${SET_FILE}`;
    $('trial').showModal();
  }

  read(path) {
    return path === SET_FILE ? this.setFile : null;
  }

  // The site's own Kymbral package, whose page a set's package takes over.
  builtPackage() {
    this.built ??= fetch('packages/kymbral-scorm12.zip')
      .then(async (response) => (response.ok ? new Uint8Array(await response.arrayBuffer()) : null))
      .catch(() => null);
    return this.built;
  }

  async download(kind) {
    const built = kind === ExerciseExportKind.SET ? null : await this.builtPackage();
    if (kind !== ExerciseExportKind.SET && !built) {
      return this.say('The packages cannot be made here:', ["This site has no packages/kymbral-scorm12.zip to take Kymbral's page from."]);
    }
    const answer = this.module.export(kind, this.text(), built);
    this.say(answer.problems.length ? 'The set cannot be downloaded yet:' : '', answer.problems);
    if (answer.problems.length) return;
    save(new Blob([answer.bytes], { type: kind === ExerciseExportKind.SET ? 'text/csv' : 'application/zip' }), answer.file);
  }
}

export async function start() {
  let module;
  try {
    module = await loadModule();
  } catch {
    return cannotStart('The exercise set page', 'exercises.wasm');
  }
  const page = new ExercisePage(module);
  publish({ filesOnTrial: { read: (path) => page.read(path) } });
  document.body.classList.add('ready');
}
