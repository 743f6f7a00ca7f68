// A line at the foot of the page that tells how a deck's check goes, once it
// has taken half a second: a deck of many large pictures takes a while.
const SHOW_AFTER_MS = 500;

export class ProgressLine {
  show(done, total) {
    if (done === 0) this.started = performance.now();
    if (done >= total) {
      this.line?.remove();
      this.line = undefined;
      return;
    }
    if (performance.now() - this.started < SHOW_AFTER_MS) return;
    if (!this.line) {
      this.line = document.createElement('p');
      this.line.className = 'progress';
      this.line.setAttribute('role', 'status');
      Object.assign(this.line.style, { position: 'fixed', left: '8px', bottom: '0', margin: '8px', font: '14px sans-serif' });
      document.body.append(this.line);
    }
    this.line.textContent = `Checking the deck's pictures: ${done} of ${total}`;
  }
}
