// The page's clock: the time of day the programs read and the timeouts that
// run their timers, kept together so that a test can stand in for both.
// Milliseconds since the last midnight before a moment of the wall clock.
const sinceMidnight = (time) => time - new Date(time).setHours(0, 0, 0, 0);

export const clock = {
  // Milliseconds on the monotonic clock, by which timers are scheduled.
  now: () => performance.now(),
  // Seconds since the last midnight before the page started; it keeps rising
  // past midnight and never jumps with the wall clock. Counted from the
  // page's own start (timeOrigin), not from when this module was read.
  timeOfDay: () => (sinceMidnight(performance.timeOrigin) + performance.now()) / 1000,
  setTimeout: (run, milliseconds) => setTimeout(run, milliseconds),
  clearTimeout: (id) => clearTimeout(id),
};
