// Keeps every file of the page so that it works with no network after its
// first load. A new version of the page changes the cache's name.
const CACHE = 'krv1-page-1';
const FILES = ['./', 'index.html', 'page.css', 'report.css', 'page.js', 'krv1.js',
               'manifest.webmanifest', 'icon.svg', 'fonts/Loma.ttf', 'fonts/Loma-Bold.ttf'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES))
                       .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE)
                                      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((kept) => kept || fetch(event.request)));
});
