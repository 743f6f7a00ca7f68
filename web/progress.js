// A line at the foot of the page that tells how a deck's check goes, once it
// has taken half a second: a deck of many large pictures takes a while.
const SHOW_AFTER_MS = 500;
let started;
let line;

export function showProgress(done, total) {
  if (done === 0) started = performance.now();
  if (done >= total) {
    line?.remove();
    line = undefined;
    return;
  }
  if (performance.now() - started < SHOW_AFTER_MS) return;
  if (!line) {
    line = document.createElement('p');
    line.className = 'progress';
    line.setAttribute('role', 'status');
    Object.assign(line.style, { position: 'fixed', left: '8px', bottom: '0', margin: '8px', font: '14px sans-serif' });
    document.body.append(line);
  }
  line.textContent = `Checking the deck's pictures: ${done} of ${total}`;
}
