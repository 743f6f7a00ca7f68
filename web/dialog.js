// The programs' message boxes: modal, title, text with its line breaks, OK.
import { displayText } from './appearance.js';

export function showMessage(title, text) {
  const dialog = document.createElement('dialog');
  dialog.className = 'message-box';
  const heading = document.createElement('div');
  heading.className = 'title';
  heading.textContent = title;
  const body = document.createElement('p');
  body.textContent = displayText(text);
  const ok = document.createElement('button');
  ok.textContent = 'OK';
  dialog.append(heading, body, ok);
  document.body.append(dialog);
  return new Promise((resolve) => {
    // Escape closes it too, as on the desktop; Enter presses the focused OK.
    dialog.addEventListener('close', () => {
      dialog.remove();
      resolve();
    });
    ok.addEventListener('click', () => dialog.close());
    dialog.showModal();
    ok.focus();
  });
}
