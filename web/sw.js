// The site's service worker: it keeps the site's files in a cache of their own and serves them
// from there first, so that the page opens and computes offline. SITE (the files, and a hash
// of their content) comes before this script. A new build is a new worker, which takes over at
// once: the page fetches nothing once it has started, so a page that is open keeps working,
// and the next load shows the new one.
"use strict";
// Named by the site's place too, so that two copies of the page on one host keep apart.
const OURS = `triangle30 ${self.registration.scope} `;
const CACHE = OURS + SITE.version;

// The files as the site has them now: not from the browser's HTTP cache, which may still hold
// an older build's.
self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(CACHE)
        .then((cache) => cache.addAll(SITE.files.map((file) => new Request(file,
            { cache: "reload" }))))
        .then(() => self.skipWaiting()));
});

// Older caches of this page, and only this page's, go.
self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name.startsWith(OURS) &&
            name !== CACHE).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
    event.respondWith(caches.open(CACHE)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((kept) => kept ?? fetch(event.request)));
});
