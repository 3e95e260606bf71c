// Where and how the page is seen: one table of conditions, each checked the same ways at load,
// after a report and with the message open, in the engines that can show it. Chromium emulates
// them all (CDP); Firefox, through WebDriver BiDi, only a viewport and its scale, and takes a
// student's style sheet (text spacing); WebKit is a window of that size. Also: a browser
// without WebAssembly.
import assert from "node:assert/strict";
import { createRequire } from "node:module";
import fs from "node:fs";
import { after, before, describe, test } from "node:test";
import { PNG } from "pngjs";
import { build, form, ids, launch, narrow, serve, WIDE } from "./browser.js";

const axe = fs.readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
const TEXT_SPACING = "*{line-height:1.5!important;letter-spacing:.12em!important;" +
    "word-spacing:.16em!important}p{margin-bottom:2em!important}";
const FORCED = { "forced-colors": "active", "prefers-color-scheme": "light" };
const ALL = ["chromium", "firefox", "webkit"];
const CONDITIONS = [
    { name: "320 x 568, touch", width: 320, height: 568, touch: true, engines: ["chromium"] },
    { name: "360 x 640, touch", width: 360, height: 640, touch: true, engines: ["chromium"] },
    { name: "640 x 360, touch", width: 640, height: 360, touch: true, engines: ["chromium"] },
    { name: "1024 x 768, touch", width: 1024, height: 768, touch: true, engines: ["chromium"] },
    { ...WIDE, engines: ALL },
    // MiniBrowser's window is no narrower than about 447 px.
    { name: "460 x 800", width: 460, height: 800, engines: ALL },
    { name: "400 % zoom of 1280 x 720", width: 320, height: 180, scale: 4,
        engines: ["chromium", "firefox"] },
    { ...WIDE, name: "text spacing", style: TEXT_SPACING, engines: ["chromium", "firefox"] },
    { name: "text spacing, 360 x 640, touch", width: 360, height: 640, touch: true,
        style: TEXT_SPACING, engines: ["chromium"] },
    { ...WIDE, name: "forced colours, light", features: FORCED, engines: ["chromium"] },
    { ...WIDE, name: "forced colours, dark", engines: ["chromium"],
        features: { ...FORCED, "prefers-color-scheme": "dark" } },
    { ...WIDE, name: "print", media: "print", engines: ["chromium"] },
];
// In a browser whose minimum font size is 20 px, in English.
const MINIMUM_FONT = [
    { ...WIDE, name: "minimum font size" },
    { name: "minimum font size, 360 x 640, touch", width: 360, height: 640, touch: true },
];

// What is wrong with how the page looks: a sideways scroll; an element whose text overflows its
// box (a scroll box aside, but for a print); in the narrow arrangement, a target under 44 x 44
// px or text under 16 px. Then axe-core's default rules and WCAG 2.2 AA's, but for the wide
// arrangement's options, which keep the window's 20 px rows.
async function look(formName, narrow) {
    const found = { sideways: [], overflow: [], axe: [],
        ...(narrow ? { targets: [], text: [] } : {}) };
    const page = document.scrollingElement;
    if (page.scrollWidth > page.clientWidth) {
        found.sideways.push(`${page.scrollWidth} > ${page.clientWidth}`);
    }
    const name = (e) => e.id || `${e.closest("[id]")?.id} ${e.tagName}`;
    for (const e of document.querySelectorAll(`#${formName} :not(svg, svg *), dialog[open] *`)) {
        const s = getComputedStyle(e);
        const r = e.getBoundingClientRect();
        if (narrow && e.matches("fieldset label, input[type=text], button") &&
            (r.width < 44 || r.height < 44)) {
            found.targets.push(`${name(e)}: ${r.width} x ${r.height}`);
        }
        if (!r.width || s.display === "inline" || s.clipPath !== "none" ||
            (/auto|scroll/.test(s.overflowX + s.overflowY) && !matchMedia("print").matches)) {
            continue;
        }
        if (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1) {
            found.overflow.push(`${name(e)}: ${e.scrollWidth} x ${e.scrollHeight} in ` +
                `${e.clientWidth} x ${e.clientHeight}`);
        }
        if (narrow && parseFloat(s.fontSize) < 16) {
            found.text.push(`${name(e)}: ${s.fontSize}`);
        }
    }
    const rules = Object.fromEntries(window.axe.getRules(["wcag22aa"])
        .map((r) => [r.ruleId, { enabled: true }]));
    for (const v of (await window.axe.run(document, { rules })).violations) {
        found.axe.push(...v.nodes.filter((n) => narrow || v.id !== "target-size" ||
            !document.querySelector(n.target[0])?.matches("fieldset input"))
            .map((n) => `${v.id}: ${n.target}`));
    }
    return found;
}

// The report's box in view after a report (once the page has settled), where the keyboard may
// take half the screen.
async function reportInView(id) {
    await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
    const r = document.getElementById(id).getBoundingClientRect();
    return Math.min(r.bottom, innerHeight) - Math.max(r.top, 0) >=
        Math.min(r.bottom - r.top, innerHeight) - 1
        ? [] : [`${r.top} to ${r.bottom} of ${innerHeight}`];
}

// The drawing's strokes show: enough of its pixels stand far from its commonest grey.
async function drawingShows(page) {
    const { data } = PNG.sync.read(await page.screenshot(`#${ids.picture}`));
    const grey = new Array(256).fill(0);
    for (let i = 0; i < data.length; i += 4) {
        ++grey[Math.round(0.299 * data[i] + 0.587 * data[i + 1] + 0.114 * data[i + 2])];
    }
    const common = grey.indexOf(Math.max(...grey));
    const far = grey.filter((count, level) => Math.abs(level - common) > 96);
    return far.reduce((sum, count) => sum + count, 0) > 500;
}

// Each condition, at load, after a report and with the message open: the problems found.
async function check(browser, url, c) {
    const page = await browser.open(url, c);
    const found = { view: (await page.evaluate(() => scrollY)) ? ["scrolled at load"] : [] };
    for (const state of ["at load", "after a report", "with the message open"]) {
        if (state === "after a report") {
            await page.compute(1, "2.5");
            found.view.push(...await page.evaluate(reportInView, ids.resultBox));
        } else if (state === "with the message open") {
            await page.compute(6, "-1");
        }
        await page.evaluate(axe);
        for (const [key, problems] of Object.entries(await page.evaluate(look, form.formName,
            narrow(c)))) {
            found[key] = [...found[key] ?? [], ...problems.map((p) => `${state}: ${p}`)];
        }
    }
    if (page.screenshot) {
        assert.ok(await drawingShows(page), "the drawing shows");
    }
    await page.press("Escape");
    await page.close();
    for (const [key, problems] of Object.entries(found)) {
        assert.deepEqual(problems, [], key);
    }
}

let server;
before(async () => {
    server = await serve(build.pageDir);
});
after(() => server.stop());

for (const engine of ALL) {
    describe(engine, () => {
        let browser;
        before(async () => {
            browser = await launch(engine);
        });
        after(() => browser.close());

        for (const c of CONDITIONS.filter((c) => c.engines.includes(engine))) {
            test(`${c.name} (${narrow(c) ? "narrow" : "wide"})`, () =>
                check(browser, server.url + build.pageName, c));
        }
    });
}

describe("chromium, en-US, a minimum font size of 20 px", () => {
    let browser;
    before(async () => {
        browser = await launch("chromium", { locale: "en-US", minimumFont: 20 });
    });
    after(() => browser.close());

    for (const c of MINIMUM_FONT) {
        test(`${c.name} (${narrow(c) ? "narrow" : "wide"})`, () =>
            check(browser, server.url + build.pageName, c));
    }
});

for (const engine of ["chromium", "firefox"]) {
    test(`${engine} without WebAssembly: the page says so, and «Изчисли» stays disabled`,
        async () => {
            const browser = await launch(engine, { wasm: false });
            try {
                const page = await browser.open(server.url + build.pageName, { ...WIDE,
                    ready: false });
                await page.waitFor((id) => !document.getElementById(id).hidden, ids.coreFailed);
                assert.equal(await page.evaluate((id) => document.getElementById(id).disabled,
                    ids.calculate), true);
            } finally {
                await browser.close();
            }
        });
}
