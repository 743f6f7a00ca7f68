// The site, once visited, opens without the network and installs as an app:
// its service worker (offline/service-worker.js) keeps its files, its
// manifest names it and its icons. A course package keeps nothing: the
// learning platform serves it, in its own frame.
import { findRuntime } from './platform/scorm.js';

if ('serviceWorker' in navigator && !findRuntime(window)) {
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'app.webmanifest';
  document.head.append(manifest);
  // Without it the site still works, online.
  navigator.serviceWorker.register('service-worker.js').catch(() => {});
}
