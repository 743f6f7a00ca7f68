// The programs' message boxes: modal, title, text with its line breaks, OK.
import { displayText } from './appearance.js';

export class MessageBoxes {
  constructor() {
    this.opened = 0; // for the ids that tie each box to its title and text
  }

  // Its title and text are read as it opens; the focus goes back where it was.
  show(title, text) {
    const dialog = document.createElement('dialog');
    dialog.className = 'message-box';
    const heading = document.createElement('div');
    heading.className = 'title';
    heading.textContent = title;
    const body = document.createElement('p');
    body.textContent = displayText(text);
    heading.id = `message-title-${++this.opened}`;
    body.id = `message-text-${this.opened}`;
    dialog.setAttribute('aria-labelledby', heading.id);
    dialog.setAttribute('aria-describedby', body.id);
    const before = document.activeElement;
    const ok = document.createElement('button');
    ok.textContent = 'OK';
    dialog.append(heading, body, ok);
    document.body.append(dialog);
    return new Promise((resolve) => {
      // Escape closes it too, as on the desktop; Enter presses the focused OK.
      dialog.addEventListener('close', () => {
        dialog.remove();
        before?.focus();
        resolve();
      });
      ok.addEventListener('click', () => dialog.close());
      dialog.showModal();
      ok.focus();
    });
  }
}
