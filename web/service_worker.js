// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Keeps the page, its manifest and icons, so that the calculator opens offline after the first
// visit, at either of the page's addresses. The cache is named from the build's content, so a
// rebuilt site is a new worker: the browser installs it on the next visit and it replaces the old
// copy at once, and the visit after that shows the new build.
const cache = 'lirevox-@LIREVOX_CACHE@';
const files = ['./', 'index.html', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cache)
    .then((kept) => kept.addAll(files.map((file) => new Request(file, {cache: 'reload'}))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== cache).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// What it keeps from the cache, the page at either address, whatever its query; anything else, such
// as another page beside it, from the network.
self.addEventListener('fetch', (event) => {
  event.respondWith(caches.open(cache).then(async (kept) => (await kept.match(event.request, {ignoreSearch: true}))
    ?? fetch(event.request)));
});
