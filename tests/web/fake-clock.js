// Served in place of the page's form/clock.js: time stands still until the
// test moves it on, and timers run only then, in order. The test reaches it
// through the page's hook (web/hook.js): kymbralPage.clock.advance(ms), and
// kymbralPage.clock.armed(), how many timeouts wait.
const START_OF_DAY = 100; // seconds
let [now, lastId, timers] = [0, 0, new Map()];

export const clock = {
  now: () => now,
  timeOfDay: () => START_OF_DAY + now / 1000,
  setTimeout(run, milliseconds) {
    timers.set(++lastId, { due: now + Math.max(0, milliseconds), run });
    return lastId;
  },
  clearTimeout: (id) => timers.delete(id),
  armed: () => timers.size,
  advance(milliseconds) {
    const end = now + milliseconds;
    for (let next; (next = [...timers].sort((a, b) => a[1].due - b[1].due)[0]) && next[1].due <= end;) {
      timers.delete(next[0]);
      now = next[1].due;
      next[1].run();
    }
    now = end;
  },
};
