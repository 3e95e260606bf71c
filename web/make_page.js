// Makes the web page, one self-contained file: the window's controls, places, sizes, colours
// and texts from the description (describe's JSON), the drawing as SVG from its geometry, the
// core module with its code inline, the binding script, and a CSP that allows exactly these.
// Beside it, the same page as a folder for a school's site (page_site.js). The markup, the
// style and the drawing are made by page_markup.js, page_style.js and page_drawing.js.
//   node make_page.js DESCRIPTION.json CORE_MODULE.js CORE_MODULE.wasm PAGE.js SITE.js SW.js
//        RESOURCES OUT_DIR      ->  OUT_DIR/triangle30.html, OUT_DIR/site/
"use strict";
const fs = require("node:fs");
const path = require("node:path");
const crypto = require("node:crypto");
const { controls } = require("./page_form.js");
const markup = require("./page_markup.js");
const style = require("./page_style.js");
const drawing = require("./page_drawing.js");
const site = require("./page_site.js");

const [descriptionFile, moduleFile, wasmFile, bindingFile, siteFile, workerFile, resources,
    outDir] = process.argv.slice(2);
const form = JSON.parse(fs.readFileSync(descriptionFile, "utf8"));
const { resultBox, input, calculate, clear, options, ids } = controls(form);

const css = style(form);
const body = markup.body(form, drawing(form));

// The script: the ids and texts, the core module, its code, the binding.
const binding = {
    resultBox: resultBox.id,
    input: input.id,
    calculate: calculate.id,
    clear: clear.id,
    options: options.map((c) => c.id),
    taskText: form.taskText.replace(/\r\n/g, "\n"),
    inputMaxLength: form.inputMaxLength,
    ...ids,
};
const script = `const FORM=${JSON.stringify(binding)};\n` +
    `const CORE_WASM="${fs.readFileSync(wasmFile).toString("base64")}";\n` +
    fs.readFileSync(moduleFile, "utf8") + "\n" + fs.readFileSync(bindingFile, "utf8");
const sha256 = (data) => crypto.createHash("sha256").update(data).digest();
const hash = (text) => `'sha256-${sha256(Buffer.from(text, "utf8")).toString("base64")}'`;
const icon = fs.readFileSync(path.join(resources, "triangle30.png")).toString("base64");

// The page, with the script `script` and what its CSP allows beyond the page's own script,
// style and images from data:.
const page = (script, allowed) =>
    markup.document(form, { css, body, script, hash, allowed, icon });
const write = (file, data) => {
    fs.writeFileSync(file, data);
    console.log(`${file}: ${Buffer.byteLength(data)} bytes`);
};
write(path.join(outDir, "triangle30.html"), page(script, "img-src data:"));

const siteDir = path.join(outDir, "site");
fs.mkdirSync(siteDir, { recursive: true });
const files = site(form, { page, script, siteScript: fs.readFileSync(siteFile, "utf8"),
    worker: fs.readFileSync(workerFile, "utf8"), resources, sha256 });
for (const [name, data] of Object.entries(files)) {
    write(path.join(siteDir, name), data);
}
