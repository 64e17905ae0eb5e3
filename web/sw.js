// The site's service worker: every file of one version in a cache of its own, answered
// from there first, so the page opens and computes offline; a new version's worker fills
// a new cache, takes over at once and drops the old one, so old and new never mix.
'use strict';
const VERSION = '{{VERSION}}';
const FILES = {{FILES}};
// Copies of the site under other paths of the same host keep caches of their own.
const PREFIX = 'velortin ' + self.registration.scope + ' ';
const CACHE = PREFIX + VERSION;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key.startsWith(PREFIX) && key !== CACHE)
                                    .map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((hit) => hit || fetch(event.request)));
});
