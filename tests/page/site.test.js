// The site's folder, served from 127.0.0.1 as a school's host would serve it: installable, kept by
// its worker for use offline, replaced by a second build, whole on hosts that redirect
// index.html to ./ or back, one app for each folder, and untouched by an update that fails;
// opened as a file, it registers no worker.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { after, before, describe, test } from "node:test";
import { PNG } from "pngjs";
import { build, form, ids, launch, serve, toolReport, WIDE } from "./browser.js";

const SITE_BUDGET = 204_800;

// A copy of the site in a folder of its own, under `root/folder`.
function copySite(folder = "site") {
    const root = fs.mkdtempSync(path.join(os.tmpdir(), "triangle30-site-"));
    fs.cpSync(build.site, path.join(root, folder), { recursive: true });
    return root;
}

// The generator run again on `root`, with a title of its own: a second build of the page.
function rebuild(root) {
    const description = path.join(root, "description.json");
    fs.writeFileSync(description, JSON.stringify({ ...form, title: `${form.title} 2` }));
    const [command, ...args] = build.generator
        .map((a) => (a === build.description ? description : a));
    const run = spawnSync(command, [...args.slice(0, -1), root]);
    assert.equal(run.status, 0, String(run.stderr));
}

const workerReady = (page) => page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
const controlled = (page) => page.evaluate(() => Boolean(navigator.serviceWorker.controller));
const cacheNames = (page) => page.evaluate(() => caches.keys());
// A host that redirects `from` to `to` within the site's folder.
const redirecting = (from, to) => (request, response) => {
    if (request.url !== `/site/${from}`) {
        return false;
    }
    response.writeHead(301, { Location: `/site/${to}` });
    response.end();
    return true;
};

test(`the site is at most ${SITE_BUDGET} bytes`, () => {
    const size = fs.readdirSync(build.site)
        .reduce((sum, f) => sum + fs.statSync(path.join(build.site, f)).size, 0);
    assert.ok(size <= SITE_BUDGET, `${size}`);
});

describe("chromium", () => {
    let browser;
    before(async () => {
        browser = await launch("chromium");
    });
    after(() => browser.close());

    test("installable, kept for offline use, and replaced by a second build", async () => {
        const root = copySite();
        let server = await serve(root);
        const url = `${server.url}site/`;
        const page = await browser.open(url);
        const { installabilityErrors } = await page.cdp("Page.getInstallabilityErrors");
        assert.deepEqual(installabilityErrors, []);
        const manifest = JSON.parse(fs.readFileSync(path.join(root, "site/manifest.webmanifest")));
        for (const icon of manifest.icons) {
            const data = await (await fetch(url + icon.src)).arrayBuffer();
            const png = PNG.sync.read(Buffer.from(data));
            assert.equal(`${png.width}x${png.height}`, icon.sizes, icon.src);
        }
        await workerReady(page);
        await page.reload();
        assert.ok(await controlled(page), "after a reload, its worker controls the page");
        const first = await cacheNames(page);

        // Offline, a new tab opens the page and computes the console tool's report.
        const port = server.address().port;
        await server.stop();
        const tab = await browser.open(url, { ...WIDE, offline: true });
        await tab.compute(1, "2.5");
        assert.equal(await tab.value(ids.resultBox), toolReport(1, "2.5", "bg-BG")[0]);
        await tab.close();

        // A second build at the same address: its worker takes over in the background, the
        // next load shows it, and only its cache remains.
        rebuild(root);
        server = await serve(root, { port });
        await page.goto(url);
        await page.waitFor((first) => caches.keys().then((keys) => keys.length === 1 &&
            keys[0] !== first[0]), first);
        await page.reload();
        assert.equal(await page.evaluate(() => document.title), `${form.title} 2`);
        assert.equal((await cacheNames(page)).length, 1);
        await server.stop();
    });

    test("copies in two folders of one host are two apps", async () => {
        const root = copySite("a");
        fs.cpSync(path.join(root, "a"), path.join(root, "b"), { recursive: true });
        const server = await serve(root);
        const apps = [];
        for (const folder of ["a", "b"]) {
            const page = await browser.open(`${server.url}${folder}/`);
            apps.push((await page.cdp("Page.getAppId")).appId);
        }
        assert.notEqual(apps[0], apps[1]);
        assert.ok(apps[0].endsWith("/a/"), apps[0]);
        await server.stop();
    });

    test("an update that fails leaves the working version and its cache alone", async () => {
        const root = copySite();
        let failing = false;
        const server = await serve(root, { answer: (request, response) => {
            if (!failing || !request.url.endsWith("icon-192.png")) {
                return false;
            }
            response.writeHead(500);
            response.end();
            return true;
        } });
        const page = await browser.open(`${server.url}site/`);
        await workerReady(page);
        const first = await cacheNames(page);
        rebuild(root);
        failing = true;
        // The new worker is found, fails to install and is dropped.
        await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) =>
            new Promise((resolve) => {
                r.addEventListener("updatefound", () => r.installing.addEventListener(
                    "statechange", (e) => e.target.state === "redundant" && resolve()));
                r.update().catch(() => {});
            })));
        assert.deepEqual(await cacheNames(page), first);
        await page.reload();
        await page.compute(1, "2.5");
        assert.equal(await page.value(ids.resultBox), toolReport(1, "2.5", "bg-BG")[0]);
        await server.stop();
    });

    test("from a file, neither page registers a worker", async () => {
        for (const file of [path.join(build.site, "index.html"), build.page]) {
            const page = await browser.open(`file://${file}`);
            assert.equal(await page.evaluate(() => (navigator.serviceWorker
                ? navigator.serviceWorker.getRegistrations().then((r) => r.length, () => 0) : 0)),
            0, file);
        }
    });
});

for (const engine of ["chromium", "webkit"]) {
    describe(`${engine}, on hosts that redirect`, () => {
        let browser;
        before(async () => {
            browser = await launch(engine);
        });
        after(() => browser.close());

        for (const [from, to] of [["index.html", ""], ["", "index.html"]]) {
            test(`${from || "./"} to ${to || "./"}: the worker's page opens, at either address`,
                async () => {
                    const server = await serve(copySite(), { answer: redirecting(from, to) });
                    const page = await browser.open(`${server.url}site/`);
                    await workerReady(page);
                    for (const address of ["", "index.html", ""]) {
                        await page.goto(`${server.url}site/${address}`);
                        assert.ok(await controlled(page), address || "./");
                    }
                    await server.stop();
                });
        }
    });
}
