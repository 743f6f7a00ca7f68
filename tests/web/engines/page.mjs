// The engine-neutral half of a page: what every engine builds from its own
// goto, run, pointer, key, type, screenshot, setViewport and close.
const WAIT_MS = 20000;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export function makePage(engine, native, own) {
  const page = { engine, native, ...own, evaluate: (fn, ...args) => own.run(fn, args) };
  // Polled from here, so that it outlives a page that navigates.
  page.waitFor = async (fn, ...args) => {
    const end = Date.now() + WAIT_MS;
    for (let last; ; await sleep(20)) {
      const value = await own.run(fn, args).catch((error) => void (last = error));
      if (value) return value;
      if (Date.now() > end) {
        throw new Error(`${engine}: ${fn} (${args.join(', ')}) not true after ${WAIT_MS / 1000} s` +
          (last ? `: ${last.message}` : ''));
      }
    }
  };
  page.box = (selector) => page.evaluate((s) => {
    const { x, y, width, height } = document.querySelector(s).getBoundingClientRect();
    return { x, y, width, height };
  }, selector);
  const mouse = (steps) => async (at, { button = 'left' } = {}) => {
    const box = typeof at === 'string' ? await page.box(at) : { ...at, width: 0, height: 0 };
    await own.pointer(box.x + box.width / 2, box.y + box.height / 2, button, steps);
  };
  page.mouse = { click: mouse(['down', 'up']), down: mouse(['down']), up: mouse(['up']) };
  page.keyboard = { press: own.key, type: own.type };
  return page;
}
