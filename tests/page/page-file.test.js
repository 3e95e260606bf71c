// The page as a file: small, whole (nothing it loads comes from elsewhere) and under a CSP that
// allows no inline code but its own.
import assert from "node:assert/strict";
import fs from "node:fs";
import { test } from "node:test";
import { build } from "./browser.js";

const PAGE_BUDGET = 153_600;
const html = fs.readFileSync(build.page, "utf8");

test(`the page is at most ${PAGE_BUDGET} bytes`, () => {
    assert.ok(Buffer.byteLength(html) <= PAGE_BUDGET, `${Buffer.byteLength(html)}`);
});

test("no src or href points elsewhere", () => {
    const elsewhere = [...html.matchAll(/\b(?:src|href)\s*=\s*"([^"]*)"/g)].map((m) => m[1])
        .filter((url) => !url.startsWith("data:"));
    assert.deepEqual(elsewhere, []);
});

test("a CSP with no unsafe-inline or unsafe-eval", () => {
    const csp = html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)?.[1] ?? "";
    assert.match(csp, /default-src 'none'/);
    assert.doesNotMatch(csp, /unsafe-inline|'unsafe-eval'/);
});
