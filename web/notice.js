// A line at the top of a page about what keeps it from working, and what to
// do. A plain script, so that it runs where the page's modules cannot.
function pageNotice(text) {
  const note = document.createElement('p');
  note.className = 'notice';
  note.setAttribute('role', 'alert');
  note.textContent = text;
  document.body.prepend(note);
}

// A program whose file did not load.
function cannotStart(program, file) {
  // Opened from a file, nothing loads: the notice below says so.
  if (location.protocol === 'file:') return;
  pageNotice(`${program} cannot start: its file ${file} did not load. Check that the whole site folder ` +
    'is on the server and that the connection works, then reload the page.');
}

// A page opened from a file cannot load its modules: say so, and how to serve it.
if (location.protocol === 'file:') {
  addEventListener('DOMContentLoaded', () => pageNotice(
    'This page cannot run from a file opened in the browser: the browser does not let it ' +
    'read the files beside it. Serve the folder and open it over http: run scripts/serve-web ' +
    'in the source tree, or python3 -m http.server 8080 inside this folder, then open ' +
    'http://localhost:8080/'));
}
