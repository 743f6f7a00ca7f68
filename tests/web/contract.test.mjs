// The fields the page reads are fields the module writes: a field renamed on
// one side alone fails here, before any page shows it as nothing. (The codes
// both sides number are made from the module's enums when the site is built.)
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';

const read = (path) => readFileSync(new URL(`../../${path}`, import.meta.url), 'utf8');

// The keys that the C++ of a folder writes as JSON: Key("x"), and Colours(out, "x", ...).
const written = (folders) => new Set(folders.flatMap((folder) => readdirSync(new URL(`../../${folder}`, import.meta.url))
  .filter((file) => file.endsWith('.cpp'))
  .flatMap((file) => [...read(folder + file).matchAll(/(?:Key\(|Colours\(out, )"(\w+)"/g)].map(([, key]) => key))));

// What the page reads of the objects it names so, leaving out what it sets itself.
function readFields(files, objects) {
  const texts = files.map((file) => [file, read(file)]);
  const field = new RegExp(`\\b(${objects.join('|')})\\.(\\w+)\\b(\\s*=[^=>])?`, 'g');
  const uses = texts.flatMap(([file, text]) => [...text.matchAll(field)].map(([, object, name, set]) =>
    ({ file, read: `${object}.${name}`, set })));
  const set = new Set(uses.filter((use) => use.set).map((use) => use.read));
  return uses.filter((use) => !set.has(use.read));
}

const sides = [
  { name: 'a control as the window sends it',
    module: ['form/web/'],
    page: ['web/form/painter.js', 'web/form/controls.js', 'web/form/surfaces.js', 'web/form/form.js'],
    objects: ['m'] },
  { name: "the author page's answers",
    module: ['tessivar/browser/'],
    page: ['web/author/page.js', 'web/author/picture.js', 'web/author/trial.js', 'web/author/files.js',
      'web/author/module.js'],
    objects: ['answer', 'state', 'entry'] },
];

for (const { name, module, page, objects } of sides) {
  test(`the page reads only fields the module writes: ${name}`, () => {
    const keys = written(module);
    const unknown = readFields(page, objects).filter((use) => !keys.has(use.read.split('.')[1]));
    assert.deepEqual(unknown.map((use) => `${use.file}: ${use.read}`), []);
  });
}
