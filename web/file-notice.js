// A page opened from a file cannot load its modules: say so, and how to serve it.
if (location.protocol === 'file:') {
  addEventListener('DOMContentLoaded', () => {
    const note = document.createElement('p');
    note.className = 'notice';
    note.textContent =
      'This page cannot run from a file opened in the browser: the browser does not let it ' +
      'read the files beside it. Serve the folder and open it over http: run scripts/serve-web ' +
      'in the source tree, or python3 -m http.server 8080 inside this folder, then open ' +
      'http://localhost:8080/';
    document.body.replaceChildren(note);
  });
}
