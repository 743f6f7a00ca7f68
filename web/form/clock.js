// The page's clock: the time of day the programs read and the timeouts that
// run their timers, kept together so that a test can stand in for both.
const start = performance.now();
const midnight = new Date().setHours(0, 0, 0, 0);
const secondsAtStart = (Date.now() - midnight) / 1000;

export const clock = {
  // Milliseconds on the monotonic clock, by which timers are scheduled.
  now: () => performance.now(),
  // Seconds since the last midnight before the page started; it keeps rising
  // past midnight and never jumps with the wall clock.
  timeOfDay: () => secondsAtStart + (performance.now() - start) / 1000,
  setTimeout: (run, milliseconds) => setTimeout(run, milliseconds),
  clearTimeout: (id) => clearTimeout(id),
};
