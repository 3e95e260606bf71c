// Each behaviour of the window that the page copies, and the page's own, as a student meets
// them with the keyboard and the mouse: in Chromium from a file and over http:// (with the
// accessibility tree and the back/forward cache), and the message in every engine.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
import { build, form, ids, launch, serve } from "./browser.js";

const task = form.taskText.replace(/\r\n/g, "\n");
const hint = form.controls.find((c) => c.id === ids.input).toolTip;
const first = "Катет BC = 1,154";  // the report for the altitude 1

const state = (ids) => ({
    checked: [...document.querySelectorAll(`#${ids.frame} input`)].findIndex((o) => o.checked),
    input: document.getElementById(ids.input).value,
    box: document.getElementById(ids.resultBox).value,
});
const blank = { checked: -1, input: "", box: task };

// A real paste of `text` into the focused element's place `target`, copied from a scratch box.
async function paste(page, target, text) {
    await page.evaluate((text) => {
        const scratch = document.createElement("textarea");
        scratch.id = "scratch";
        document.body.append(scratch);
        scratch.value = text;
        scratch.focus();
        scratch.select();
    }, text);
    await page.press("Control+c");
    await page.evaluate(() => document.getElementById("scratch").remove());
    await page.click(target);
    await page.press("Control+a");
    await page.press("Control+v");
}

// An error opens the message with the window's text, the input and the lines kept; Enter,
// Escape and its button close it, the focus back in the input. A held Enter counts once.
async function checkMessage(page) {
    for (const close of ["Enter", "Escape", "its button"]) {
        await page.click(`#${ids.options[0]}`);
        await page.click(`#${ids.input}`);
        await page.press("Control+a");
        await page.type("1E+200");
        await page.press("Enter");
        const shown = { open: await page.messageOpen(), ...await page.evaluate(state, ids) };
        if (page.engine === "chromium" && close === "Enter") {
            for (let i = 0; i < 3; ++i) {  // the repeats of a held key
                await page.cdp("Input.dispatchKeyEvent",
                    { type: "keyDown", key: "Enter", text: "\r", autoRepeat: true });
            }
            assert.ok(await page.messageOpen(), "a held Enter leaves the message open");
        }
        await (close === "its button" ? page.click(`#${ids.message} button`) : page.press(close));
        assert.equal(shown.open, true, close);
        assert.equal(shown.box.split("\n").length - 1, 5, close);
        assert.equal(shown.input, "1E+200", close);
        assert.equal(await page.messageOpen(), false, close);
        assert.equal(await page.active(), ids.input, close);
    }
}

let server;
before(async () => {
    server = await serve(build.pageDir);
});
after(() => server.stop());

for (const engine of ["firefox", "webkit"]) {
    describe(engine, () => {
        let browser;
        before(async () => {
            browser = await launch(engine);
        });
        after(() => browser.close());

        test("an error's message, and each way to close it", async () =>
            checkMessage(await browser.open(server.url + build.pageName)));
    });
}

for (const way of ["file", "http"]) {
    describe(`chromium, from ${way}`, () => {
        const url = () => (way === "file" ? `file://${build.page}` : server.url + build.pageName);
        let browser;
        before(async () => {
            browser = await launch("chromium");
        });
        after(() => browser.close());

        test("at load nothing is chosen, the task is shown, the focus in the result box",
            async () => {
                const page = await browser.open(url());
                assert.deepEqual(await page.evaluate(state, ids), blank);
                assert.equal(await page.active(), ids.resultBox);
            });

        test("the input is described by its hint, each option by its formulas", async () => {
            const page = await browser.open(url());
            assert.equal(await page.description(`#${ids.input}`), hint);
            const formulas = [];
            for (const id of ids.options) {
                formulas.push(await page.description(`#${id} input`));
            }
            assert.deepEqual(formulas, form.controls.filter((c) => c.kind === "option")
                .map((c) => c.toolTip.replace(/\s+/g, " ")));
        });

        test("Tab goes through the box, the options, the input and the buttons; " +
            "the arrow keys check each option; Enter on one does nothing", async () => {
            const page = await browser.open(url());
            const order = [await page.active()];
            for (let i = 0; i < 4; ++i) {
                await page.press("Tab");
                order.push(await page.active());
            }
            assert.deepEqual(order, [ids.resultBox, ids.options[0], ids.input, ids.calculate,
                ids.clear]);
            for (let i = 0; i < 3; ++i) {
                await page.press("Shift+Tab");
            }
            const checked = [];
            for (let i = 0; i < ids.options.length; ++i) {
                await page.press("ArrowDown");
                checked.push((await page.evaluate(state, ids)).checked);
            }
            assert.deepEqual(checked.toSorted(), [...ids.options.keys()]);
            await page.press("Enter");
            assert.equal((await page.evaluate(state, ids)).box, task);
        });

        test("a click at the right end of an option checks it", async () => {
            const page = await browser.open(url());
            const width = await page.evaluate((id) =>
                document.getElementById(id).getBoundingClientRect().width, ids.options[3]);
            await page.clickAt(`#${ids.options[3]}`, width / 2 - 3);
            assert.equal((await page.evaluate(state, ids)).checked, 3);
        });

        test("Enter in the input, and Enter or Space on a button, press it; the report is " +
            "read out once, by a polite live region", async () => {
            const page = await browser.open(url());
            await page.compute(3, "1");
            const report = await page.value(ids.resultBox);
            assert.ok(report.startsWith(first), report);
            const live = await page.axNode(`#${ids.live}`);
            const spoken = (await page.cdp("Accessibility.queryAXTree", {
                backendNodeId: live.backendDOMNodeId, role: "StaticText" })).nodes;
            assert.ok(live.properties.some((p) => p.name === "live" && p.value.value === "polite"));
            assert.deepEqual(spoken.map((n) => n.name.value), [report.split(/\s+/).join(" ")]);
            assert.equal(await page.active(), ids.input);
            await page.evaluate((id) => document.getElementById(id).focus(), ids.clear);
            await page.press("Enter");
            assert.equal(await page.value(ids.resultBox), "");
            await page.click(`#${ids.options[3]}`);
            await page.click(`#${ids.input}`);
            await page.type("1");
            await page.evaluate((id) => document.getElementById(id).focus(), ids.calculate);
            await page.press(" ");
            assert.equal(await page.value(ids.resultBox), report);
        });

        test("the result box takes no typing, and its report copies and pastes as it stands",
            async () => {
                const page = await browser.open(url());
                await page.compute(3, "1");
                const report = await page.value(ids.resultBox);
                await page.click(`#${ids.resultBox}`);
                await page.type("xyz");
                assert.equal(await page.value(ids.resultBox), report);
                await page.press("Control+a");
                await page.press("Control+c");
                await page.evaluate(() => {
                    const pasted = document.createElement("textarea");
                    pasted.id = "pasted";
                    document.body.append(pasted);
                });
                await page.click("#pasted");
                await page.press("Control+v");
                assert.equal(await page.value("pasted"), report);
            });

        test(`whatever brings more than ${form.inputMaxLength} characters, they are cut ` +
            "there, and the notice says so", async () => {
            const page = await browser.open(url());
            const limit = form.inputMaxLength;
            const notice = () => page.evaluate((id) => {
                const n = document.getElementById(id);
                return n.checkVisibility() ? n.textContent : "";
            }, ids.notice);
            const ways = [
                ["a paste", "7".repeat(5000), (text) => paste(page, `#${ids.input}`, text)],
                ["a paste with a line break", `${"7".repeat(600)}\n${"7".repeat(600)}`,
                    (text) => paste(page, `#${ids.input}`, text)],
                ["an on-screen keyboard's text", "7".repeat(1500),
                    (text) => page.cdp("Input.insertText", { text })],
            ];
            for (const [name, text, bring] of ways) {
                await page.click(`#${ids.input}`);
                await page.press("Control+a");
                await page.press("Delete");
                await bring(text);
                assert.equal(await page.value(ids.input), text.replace("\n", " ").slice(0, limit),
                    name);
                assert.equal(await notice(), form.inputCutNotice, name);
                assert.equal(await page.description(`#${ids.input}`),
                    `${hint} ${form.inputCutNotice}`, name);
            }
            await paste(page, `#${ids.input}`, "2.5");
            assert.equal(await notice(), "", "a short paste shows no notice");
            assert.equal(await page.description(`#${ids.input}`), hint);
        });

        test("clearing empties everything, leaves nothing to undo, and calculate then does " +
            "nothing", async () => {
            const page = await browser.open(url());
            await page.compute(2, "12");
            await page.click(`#${ids.clear}`);
            await page.click(`#${ids.input}`);
            await page.press("Control+z");
            assert.deepEqual(await page.evaluate(state, ids), { ...blank, box: "" });
            await page.click(`#${ids.calculate}`);
            assert.equal(await page.value(ids.resultBox), "");
        });

        test("an error's message, and each way to close it", async () =>
            checkMessage(await browser.open(url())));

        test("a reload starts afresh", async () => {
            const page = await browser.open(url());
            await page.compute(2, "12");
            await page.reload();
            assert.deepEqual(await page.evaluate(state, ids), blank);
            assert.equal(await page.active(), ids.resultBox);
        });

        // From a file, Chromium keeps no page in its back/forward cache.
        test("back from the history, the page starts afresh with the message closed",
            { skip: way === "file" }, async () => {
                const page = await browser.open(url());
                await page.compute(6, "-1");
                await page.evaluate(() => {
                    window.kept = true;
                });
                await page.page.goto("about:blank");
                await page.page.goBack();
                await page.ready();
                assert.equal(await page.evaluate(() => window.kept), true);
                assert.equal(await page.messageOpen(), false);
                assert.equal((await page.evaluate(state, ids)).box, task);
            });
    });
}
