// The page on a school's site: where a service worker can run (over HTTPS or from localhost,
// never from a file), it links the manifest, so that the page installs as an app, and
// registers the worker that keeps it for use offline. A failed registration changes nothing.
if ("serviceWorker" in navigator && isSecureContext && location.protocol !== "file:") {
    const manifest = document.createElement("link");
    manifest.rel = "manifest";
    manifest.href = "manifest.webmanifest";
    document.head.append(manifest);
    navigator.serviceWorker.register("sw.js").catch(() => {});
}
