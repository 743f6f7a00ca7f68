// Keeps the site for use without the network. The site's own files (its
// pages, modules, fonts and pictures; not the denser pictures of dense
// screens, nor the course packages) are fetched at the first visit and
// answered from here. Any other file of the site (a deck played from an
// address, a denser picture) is fetched as usual, and kept for when the
// network is gone. A new site comes with a new list below: the browser finds
// it at a visit, fetches its files, and takes it at the next visit; the old
// version's files go.
const VERSION = '@VERSION@';
const FILES = @FILES@;
const KEPT = `kymbral-${VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(KEPT).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('kymbral-') && name !== KEPT)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

const OWN = new Set(FILES.map((file) => new URL(file, self.registration.scope).href));

// The site's own files from the version kept; a page whatever its address
// asks of it (?deck=). Others from the network while there is one.
async function answer(request) {
  const cache = await caches.open(KEPT);
  const url = new URL(request.url);
  const page = request.mode === 'navigate';
  if (OWN.has(url.href) || (page && OWN.has(url.origin + url.pathname))) {
    const kept = await cache.match(request, { ignoreSearch: page });
    if (kept) return kept;
  }
  try {
    const response = await fetch(request);
    // Kept whole or not at all: a full answer, and room for it (a full store
    // keeps nothing more, and the page still gets its file).
    if (response.status === 200 && !url.pathname.endsWith('.zip')) {
      await cache.put(request, response.clone()).catch(() => {});
    }
    return response;
  } catch (error) {
    const kept = await cache.match(request, { ignoreSearch: page });
    if (kept) return kept;
    throw error;
  }
}

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(answer(request));
});
