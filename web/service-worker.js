// Keeps every file of the page so that it works with no network after its
// first load. A new version of the page changes the cache's name.
const CACHE = 'krv1-page-3';
const FILES = ['./', 'index.html', 'page.css', 'report.css', 'page.js', 'project.js',
               'compile-worker.js',
               'krv1.js', 'krv1.wasm',
               'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png',
               'icon-maskable-512.png', 'fonts/Loma.woff2', 'fonts/Loma-Bold.woff2',
               'vendor/write-excel-file.min.js'];

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
