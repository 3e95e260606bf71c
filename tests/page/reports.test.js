// Every (kind, input) of the core's report and error tables, and the awkward inputs below, give
// the console tool's report and message in each engine and language, from a file and over
// http://. The numbers are what is checked here, through the page's own controls in one
// script; real typing and clicks are the other files'.
import assert from "node:assert/strict";
import fs from "node:fs";
import { after, before, describe, test } from "node:test";
import { build, ids, launch, serve, toolReport } from "./browser.js";

// Inputs a student may give beyond the core's tables: words, other scripts, emoji, blanks and
// long numbers.
const AWKWARD = [
    [0, "abc"], [0, "пет"], [1, "5😀"], [0, "3.5см"], [0, "1 2.5"], [2, " 7 "], [0, "0x10"],
    [0, "inf"], [0, "1e-400"], [3, "מספר 5"], [4, "1".repeat(300)], [5, ".5"], [6, "5."],
    [-1, "12"],
];
const rows = JSON.parse(fs.readFileSync(build.reportRows, "utf8")).map((r) => [r.kind, r.input]);

// Where each engine reads the page in which languages: WebKit also under a bare image's C, a
// language that Intl rejects.
const RUNS = [
    { engine: "chromium", locales: ["bg-BG", "en-US"], ways: ["file", "http"] },
    { engine: "firefox", locales: ["bg-BG", "en-US"], ways: ["http"] },
    { engine: "webkit", locales: ["bg-BG", "en-US", "C"], ways: ["http"] },
];

function showReports(rows, ids) {
    const byId = (id) => document.getElementById(id);
    const message = byId(ids.message);
    return rows.map(([kind, text]) => {
        byId(ids.clear).click();
        if (kind >= 0) {
            byId(ids.options[kind]).querySelector("input").click();
        }
        byId(ids.input).value = text;
        byId(ids.calculate).click();
        const shown = [byId(ids.resultBox).value,
            message.open ? byId(ids.messageText).textContent : ""];
        message.close();
        return shown;
    });
}

let server;
before(async () => {
    server = await serve(build.pageDir);
});
after(() => server.stop());

test("the core's report and error tables are read", () => assert.ok(rows.length >= 20));

for (const { engine, locales, ways } of RUNS) {
    for (const locale of locales) {
        describe(`${engine}, ${locale}`, () => {
            let browser;
            before(async () => {
                browser = await launch(engine, { locale });
            });
            after(() => browser.close());

            if (locale === "C") {
                test("the browser's language is one that Intl rejects", async () => {
                    const page = await browser.open(server.url + build.pageName);
                    assert.ok(await page.evaluate(() => {
                        try {
                            new Intl.NumberFormat(navigator.language);
                        } catch {
                            return true;
                        }
                        return false;
                    }));
                });
            }
            for (const way of ways) {
                test(`from ${way}: the console tool's reports`, async () => {
                    const url = way === "file" ? `file://${build.page}`
                        : server.url + build.pageName;
                    const page = await browser.open(url);
                    const all = [...rows, ...AWKWARD];
                    const shown = await page.evaluate(showReports, all, ids);
                    assert.deepEqual(shown,
                        all.map(([kind, text]) => toolReport(kind, text, locale)));
                    assert.deepEqual(page.errors, []);
                    await page.close();
                });
            }
        });
    }
}
