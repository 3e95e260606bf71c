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
// an older build's. A file that a host sends through a redirect (index.html to ./, or back) is
// kept as a plain copy: a browser refuses a redirected response to a navigation. An install
// that fails leaves no cache behind, and the working version goes on.
function fetchKept(file) {
    return fetch(new Request(file, { cache: "reload" })).then((response) => {
        if (!response.ok) {
            throw new Error(`${file}: ${response.status}`);
        }
        return response.redirected ? response.blob().then((body) => new Response(body,
            { status: response.status, statusText: response.statusText,
                headers: response.headers })) : response;
    });
}

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(CACHE)
        .then((cache) => Promise.all(SITE.files.map((file) => fetchKept(file)
            .then((response) => cache.put(file, response)))))
        .then(() => self.skipWaiting(),
            (error) => caches.delete(CACHE).then(() => Promise.reject(error))));
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
