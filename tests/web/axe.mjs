// axe-core's checks of a page, as the tests of any page run them.
import { readFileSync } from 'node:fs';

const AXE = readFileSync(new URL('node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');

// axe-core's violations of impact serious or critical, each with the elements it found.
export const serious = (page) => page.evaluate(async (source) => {
  (0, eval)(source);
  const { violations } = await window.axe.run(document, { resultTypes: ['violations'] });
  return violations.filter((v) => ['serious', 'critical'].includes(v.impact))
    .map((v) => `${v.id}: ${v.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}, AXE);
