// The wide arrangement is the window: in every engine, at the browser's default text size, the
// page's window has the window's size and every control stands where the description puts it,
// from a file and over http://.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
import { build, form, ids, launch, serve } from "./browser.js";

function places(formName, frame, controls) {
    const rect = (id) => document.getElementById(id).getBoundingClientRect();
    const window = rect(formName);
    return {
        window: [window.width, window.height],
        controls: controls.map((c) => {
            const r = rect(c.id);
            const o = rect(c.kind === "option" ? frame : formName);
            return [c.id, ...[r.left - o.left, r.top - o.top, r.width, r.height]
                .map((v) => Math.round(v * 1000) / 1000)];
        }),
    };
}

let server;
before(async () => {
    server = await serve(build.pageDir);
});
after(() => server.stop());

for (const engine of ["chromium", "firefox", "webkit"]) {
    describe(engine, () => {
        let browser;
        before(async () => {
            browser = await launch(engine);
        });
        after(() => browser.close());

        test("the window's size, and every control where the description puts it", async () => {
            for (const url of [server.url + build.pageName, `file://${build.page}`]) {
                const page = await browser.open(url);
                assert.deepEqual(await page.evaluate(places, form.formName, ids.frame,
                    form.controls), {
                    window: [form.width, form.height],
                    controls: form.controls.map((c) => [c.id, c.left, c.top, c.width, c.height]),
                }, url);
            }
        });
    });
}
