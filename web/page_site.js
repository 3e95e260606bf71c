// The same page as a folder for a school's site, which installs as an app and works offline:
// index.html (which also links the manifest and registers the worker, where one can run), the
// manifest, the app's icons and the worker, whose cache is named by the hash of them all, so
// that a new build is a new cache.
"use strict";
const fs = require("node:fs");
const path = require("node:path");
const { controls } = require("./page_form.js");

// The site's files by name. `page(script, allowed)` makes the page with a script and what its
// CSP allows beyond its own; `script` is the page's script, `siteScript` the registration's.
module.exports = function site(form, { page, script, siteScript, worker, resources, sha256 }) {
    const hex = ([r, g, b]) => `#${[r, g, b].map((c) => c.toString(16).padStart(2, "0")).join("")}`;
    const files = {
        "index.html": page(`${script}\n${siteScript}`,
            "img-src 'self' data:; manifest-src 'self'; worker-src 'self'"),
        // No id: it defaults to the start URL, the site's own folder, so that copies in two
        // folders of one host are two apps.
        "manifest.webmanifest": JSON.stringify({
            name: form.displayName,
            short_name: form.shortName,
            lang: "bg",
            start_url: "./",
            scope: "./",
            display: "standalone",
            background_color: hex(form.background),
            theme_color: hex(controls(form).title.background),
            icons: [
                { src: "icon-192.png", sizes: "192x192", type: "image/png" },
                { src: "icon-512.png", sizes: "512x512", type: "image/png",
                    purpose: "any maskable" },
            ],
        }, null, 1),
        "icon-192.png": fs.readFileSync(path.join(resources, "icons", "triangle30-192.png")),
        "icon-512.png": fs.readFileSync(path.join(resources, "icons", "triangle30-512.png")),
    };
    const version = sha256(Buffer.concat(Object.values(files).map((f) => Buffer.from(f))))
        .toString("hex").slice(0, 16);
    const kept = { version, files: ["./", ...Object.keys(files)] };
    files["sw.js"] = `const SITE=${JSON.stringify(kept)};\n${worker}`;
    return files;
};
