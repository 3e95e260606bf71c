// Makes the web page, one self-contained file: the window's controls, places, sizes, colours
// and texts from the description (describe's JSON), the drawing as SVG from its geometry, the
// core module with its code inline, the binding script, and a CSP that allows exactly these.
// Beside it, the same page as a folder for a school's site, which installs as an app and works
// offline: index.html (which also links the manifest and registers the worker, where one can
// run), manifest.webmanifest, sw.js and the app's icons.
//   node make_page.js DESCRIPTION.json CORE_MODULE.js CORE_MODULE.wasm PAGE.js SITE.js SW.js
//        RESOURCES OUT_DIR      ->  OUT_DIR/triangle30.html, OUT_DIR/site/
"use strict";
const fs = require("node:fs");
const path = require("node:path");
const crypto = require("node:crypto");

const [descriptionFile, moduleFile, wasmFile, bindingFile, siteFile, workerFile, resources,
    outDir] = process.argv.slice(2);
const form = JSON.parse(fs.readFileSync(descriptionFile, "utf8"));

const escapeHtml = (text) => text.replace(/&/g, "&amp;").replace(/</g, "&lt;")
    .replace(/>/g, "&gt;").replace(/"/g, "&quot;");
const rgb = ([r, g, b]) => `rgb(${r},${g},${b})`;
// A length of the window's pixels, in rem: the window's own size at the browser's default text
// size (16 px), and larger where the student has asked for larger text.
const u = (n) => (n === 0 ? "0" : `${n / 16}rem`);
const fonts = [...form.fontFamilies.map((f) => `"${f}"`), "serif"].join(",");
const fontPixels = form.fontPointSize * 96 / 72;
const byKind = (kind) => form.controls.filter((c) => c.kind === kind);
const byRole = (role) => form.controls.find((c) => c.role === role);
const [resultBox] = byKind("resultBox");
const [picture] = byKind("picture");
const [frame] = byKind("frame");
const [input] = byKind("input");
const options = byKind("option");
const [title, inputLabel, calculate, clear] =
    ["title", "inputLabel", "calculate", "clear"].map(byRole);
const ids = form.parts;

// A grid whose lines are the edges of the boxes, so that each box fills the window's place for
// it at the default text size. Columns keep the window's widths; a row is at least the window's
// height and grows when its text needs more room (larger text, wider spacing).
function grid(boxes, width, height) {
    const lines = (edges) => [...new Set([0, ...edges, ...[width, height]])].sort((a, b) => a - b);
    const xs = lines(boxes.flatMap((b) => [b.left, b.left + b.width])).filter((x) => x <= width);
    const ys = lines(boxes.flatMap((b) => [b.top, b.top + b.height])).filter((y) => y <= height);
    const tracks = (edges, grows) => edges.slice(1).map((edge, i) =>
        (grows ? `minmax(${u(edge - edges[i])},auto)` : u(edge - edges[i]))).join(" ");
    const row = (y) => ys.indexOf(y) + 1;
    const column = (x) => xs.indexOf(x) + 1;
    return {
        template: `display:grid;grid-template-columns:${tracks(xs, false)};` +
            `grid-template-rows:${tracks(ys, true)}`,
        area: (b) => `grid-area:${row(b.top)}/${column(b.left)}/${row(b.top + b.height)}/` +
            `${column(b.left + b.width)}`,
        // From the box's lower left corner to the grid's lower right one.
        below: (b) => `grid-area:${row(b.top + b.height)}/${column(b.left)}/auto/-1`,
    };
}

// --- style: the wide arrangement, the window's ---
const form$ = `#${form.formName}`;
const windowGrid = grid(form.controls.filter((c) => c.kind !== "option"), form.width, form.height);
const frameGrid = grid(options, frame.width, frame.height);
const bevel = (light, dark) => `inset 1px 1px ${light},inset -1px -1px ${dark}`;
const hidden = ["position:absolute", "width:1px", "height:1px", "overflow:hidden",
    "clip-path:inset(50%)", "white-space:nowrap"];
// A rule: the selector and its declarations, a rule a line.
const rule = (selector, ...declarations) => `${selector}{${declarations.flat().join(";")}}\n`;
const border = (colour) => `${u(2)} inset ${colour}`;
let css = rule("*", "box-sizing:border-box") +
    rule("body", "margin:0", "background:#f0f0f0", `font:${u(fontPixels)}/1.15 ${fonts}`,
        "container:page/inline-size") +
    rule(form$, windowGrid.template, "position:relative", "width:max-content",
        `margin:${u(8)} auto`, `background:${rgb(form.background)}`,
        "box-shadow:0 0 0 1px #808080") +
    rule(`${form$} :not(svg,svg *)`, "margin:0", "font:inherit", "color:#000",
        "overflow-wrap:break-word") +
    rule(`${form$} legend,#${ids.live}`, hidden) +
    rule(`${form$} :is(label,h1)`, "text-align:center") +
    rule(`${form$} fieldset`, frameGrid.template, "align-content:start", "padding:0", "border:0",
        "min-width:0", `box-shadow:${bevel("#808080", "#fff")}`) +
    rule(`${form$} fieldset label`, "display:flex", "align-items:center", "text-align:left",
        "cursor:default") +
    rule(`${form$} fieldset input`, `width:${u(13)}`, `height:${u(13)}`,
        `margin:0 ${u(4)} 0 ${u(2)}`, "flex:none", "accent-color:#000") +
    rule(`${form$} textarea`, "resize:none", "overflow-y:scroll", `padding:${u(2)}`,
        `border:${border("#fff")}`, "background:#fff", "white-space:pre-wrap") +
    rule(`${form$} input[type=text]`, `padding:0 ${u(3)}`, `border:${border("#fff")}`,
        "background:#fff") +
    rule(`${form$} button`, "border:0", "padding:0",
        `box-shadow:${bevel("#fff", "#000")},inset 2px 2px #dfdfdf,inset -2px -2px #808080`) +
    rule(`${form$} button:active:not(:disabled)`,
        `box-shadow:${bevel("#000", "#fff")},inset 2px 2px #808080`,
        `padding:${u(2)} 0 0 ${u(2)}`) +
    rule(`${form$} button:disabled`, "color:#6d6d6d") +
    rule(`${form$} button:focus-visible`, "outline:1px dotted #000", `outline-offset:${u(-4)}`) +
    rule(`#${picture.id}`, "background:#fff", `padding:${u(form.pictureBorder)}`,
        `box-shadow:${bevel("#808080", "#fff")},inset 2px 2px #404040`) +
    rule(`#${picture.id} svg`, "display:block", `width:${u(form.drawing.width)}`,
        `height:${u(form.drawing.height)}`, "stroke:#000", "fill:#000") +
    rule(`#${ids.hint},.formulas`, "display:none") +
    rule(`#${ids.notice}`, "position:absolute", windowGrid.below(input), "left:0",
        `top:${u(2)}`, `padding:${u(2)} ${u(4)}`, "background:#ffffe1", "border:1px solid #000",
        "z-index:1") +
    rule(`#${ids.message}`, `max-width:min(100% - 2rem,${u(400)})`, "border:1px solid #808080",
        `padding:${u(12)}`, "font:inherit", `background:${rgb(form.background)}`) +
    rule(`#${ids.message} h2`, `margin:0 0 ${u(8)}`, "font:inherit", "font-weight:bold") +
    rule(`#${ids.message} p`, `margin:0 0 ${u(12)}`) +
    rule(`#${ids.message} button`, "font:inherit", `min-width:${u(89)}`, `min-height:${u(25)}`) +
    rule(".note", `max-width:${u(form.width)}`, `margin:${u(8)} auto`, `padding:${u(8)}`,
        "background:#ffffe1", "border:1px solid #808080");
for (const c of form.controls) {
    const place = c.kind === "option" ? frameGrid.area(c) : windowGrid.area(c);
    css += rule(`#${c.id}`, place, c.background ? `background:${rgb(c.background)}` : []);
}

// --- style: the narrow arrangement, the page's own, for a phone or any touch screen: one
// column in the order a student works, targets a finger can hit, text a phone does not zoom ---
const rows = [[title], [picture], [frame], [inputLabel], [input], [{ id: ids.hint }],
    [{ id: ids.notice }], [calculate, clear], [resultBox]];
const columns = Math.max(...rows.map((row) => row.length));
const areas = rows.map((row) => `"${Array.from({ length: columns },
    (_, i) => row[Math.min(i, row.length - 1)].id).join(" ")}"`).join(" ");
const target = "min-height:2.75rem";
let narrow = rule(form$, `grid-template-columns:repeat(${columns},minmax(0,1fr))`,
    "grid-template-rows:none", `grid-template-areas:${areas}`, "gap:0.5rem", "width:auto",
    "max-width:40rem", "margin:0 auto", "padding:0.5rem") +
    rule(`${form$} fieldset`, "display:flex", "flex-direction:column", "gap:2px",
        "padding:0.25rem") +
    rule(`${form$} fieldset label`, target, "padding:0 0.5rem", "text-align:start") +
    rule(`${form$} fieldset input`, "width:1.25rem", "height:1.25rem", "margin:0 0.75rem 0 0") +
    rule(`${form$} :is(input[type=text],button)`, target) +
    rule(`#${picture.id} svg`, "width:100%", "height:auto") +
    rule(`${form$} textarea`, "field-sizing:content", "overflow:hidden", "min-height:5lh") +
    rule(`#${ids.hint}`, "display:block") +
    rule(`#${ids.notice}`, "position:static") +
    rule(".formulas", "margin:0.25rem 0.5rem") +
    rule(`#${ids.message} button`, target, "min-width:2.75rem");
for (const c of rows.flat()) {
    narrow += rule(`#${c.id}`, `grid-area:${c.id}`);
}
for (const o of options) {
    narrow += rule(`#${frame.id}:has(#${o.id} :checked) #${o.formulas}`, "display:block");
}
css += `@container page (width < ${u(form.width)}){${narrow}}\n` +
    `@media (pointer:coarse){${narrow}}\n`;

// --- style: high contrast, where the browser paints in the system's few colours ---
css += `@media (forced-colors:active){\n` +
    rule(`#${picture.id} svg`, "stroke:CanvasText", "fill:CanvasText") +
    rule(`${form$},${form$} :is(fieldset,[role=img])`, "outline:2px solid CanvasText",
        "outline-offset:-2px") +
    rule(`${form$} :is(textarea,input[type=text])`, "border-style:solid") +
    rule(`${form$} button`, "border:2px solid ButtonText") + "}\n";
// --- style: a print shows the whole of the result box: the task, or the report ---
css += "@media print{\n" + rule("body", "background:none") +
    rule(`${form$} textarea`, "field-sizing:content", "overflow:visible") + "}\n";

// --- the drawing, as SVG from its geometry ---
const d = form.drawing;
const xy = ([x, y]) => `${x} ${y}`;
let svg = `<svg viewBox="0 0 ${d.width} ${d.height}" aria-hidden="true" focusable="false">` +
    `<g fill="none" stroke-linecap="round">`;
for (const [from, to, width] of d.lines) {
    svg += `<path d="M${xy(from)}L${xy(to)}" stroke-width="${width}"/>`;
}
svg += `<path d="M${d.rightAngle.map(xy).join("L")}"/></g>` +
    `<g stroke="none" text-anchor="middle" dominant-baseline="central" font-family='${fonts}'>`;
for (const [letter, [x, y], italic] of d.letters) {
    svg += italic
        ? `<text x="${x}" y="${y}" font-size="16" font-style="italic">${letter}</text>`
        : `<text x="${x}" y="${y}" font-size="17">${letter}</text>`;
}
svg += "</g></svg>";

// --- the controls, in the window's tab order, each with the window's name as its id ---
const attributes = (c) => {
    let out = ` id="${c.id}"`;
    if (c.toolTip) {
        out += ` title="${escapeHtml(c.toolTip)}"`;
    }
    return out;
};
let body = "";
for (const c of form.controls) {
    switch (c.kind) {
    case "resultBox":
        body += `<textarea${attributes(c)} readonly autocomplete="off" spellcheck="false"` +
            ` aria-label="${escapeHtml(c.accessibleName)}">` +
            `${escapeHtml(form.taskText.replace(/\r\n/g, "\n"))}</textarea>\n` +
            `<div id="${ids.live}" aria-live="polite"></div>\n`;
        break;
    case "label":
        body += c.role === "inputLabel"
            ? `<label${attributes(c)} for="${input.id}">${escapeHtml(c.text)}</label>\n`
            : `<h1${attributes(c)}>${escapeHtml(c.text)}</h1>\n`;
        break;
    case "picture":
        body += `<div${attributes(c)} role="img" aria-label="${escapeHtml(c.accessibleName)}">` +
            `${svg}</div>\n`;
        break;
    case "frame":
        body += `<fieldset${attributes(c)}><legend>${escapeHtml(c.accessibleName)}</legend>\n`;
        for (const o of options) {
            body += `<label${attributes(o)}><input type="radio" name="${o.name}"` +
                ` value="${o.index}" autocomplete="off" aria-describedby="${o.formulas}">` +
                `${escapeHtml(o.text)}</label>\n`;
        }
        for (const o of options) {
            body += `<p id="${o.formulas}" class="formulas">${escapeHtml(o.toolTip)
                .replace(/\n/g, "<br>")}</p>\n`;
        }
        body += "</fieldset>\n";
        break;
    case "input":
        // The ordinary text keyboard: a Bulgarian decimal keypad offers only the comma, which
        // ends the number.
        body += `<input${attributes(c)} type="text" autocomplete="off" autocorrect="off"` +
            ` autocapitalize="off" spellcheck="false" aria-describedby="${ids.hint}">\n` +
            `<p id="${ids.hint}">${escapeHtml(c.toolTip)}</p>\n` +
            `<div id="${ids.notice}" role="status" hidden>` +
            `${escapeHtml(form.inputCutNotice)}</div>\n`;
        break;
    case "button":
        // «Изчисли» waits for the core.
        body += `<button${attributes(c)} type="button"${c === calculate ? " disabled" : ""}>` +
            `${escapeHtml(c.text)}</button>\n`;
        break;
    case "option":
        break;  // inside the frame
    default:
        throw new Error(`no page control for ${c.kind}`);
    }
}

// --- the script: the ids and texts, the core module, its code, the binding ---
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
const page = (script, allowed) => `<!DOCTYPE html>
<html lang="bg">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; \
script-src ${hash(script)} 'wasm-unsafe-eval'; style-src ${hash(css)}; ${allowed}">
<title>${escapeHtml(form.title)}</title>
<link rel="icon" type="image/png" href="data:image/png;base64,${icon}">
<style>${css}</style>
</head>
<body>
<noscript><p class="note">${escapeHtml(form.needsScript)}</p></noscript>
<p id="${ids.coreFailed}" class="note" role="alert" hidden>${escapeHtml(form.coreFailed)}</p>
<main id="${form.formName}">
${body}</main>
<dialog id="${ids.message}" aria-labelledby="${ids.messageTitle}" \
aria-describedby="${ids.messageText}">
<h2 id="${ids.messageTitle}">${escapeHtml(form.errorTitle)}</h2>
<p id="${ids.messageText}"></p>
<button type="button">${escapeHtml(form.messageButton)}</button>
</dialog>
<script>${script}</script>
</body>
</html>
`;
const write = (file, data) => {
    fs.writeFileSync(file, data);
    console.log(`${file}: ${Buffer.byteLength(data)} bytes`);
};
write(path.join(outDir, "triangle30.html"), page(script, "img-src data:"));

// --- the site: the page, its manifest, its icons and its worker, whose cache is named by the
// hash of them all, so that a new build is a new cache ---
const site = path.join(outDir, "site");
fs.mkdirSync(site, { recursive: true });
const hex = ([r, g, b]) => `#${[r, g, b].map((c) => c.toString(16).padStart(2, "0")).join("")}`;
const files = {
    "index.html": page(`${script}\n${fs.readFileSync(siteFile, "utf8")}`,
        "img-src 'self' data:; manifest-src 'self'; worker-src 'self'"),
    // No id: it defaults to the start URL, the site's own folder, so that copies in two folders
    // of one host are two apps.
    "manifest.webmanifest": JSON.stringify({
        name: form.displayName,
        short_name: form.shortName,
        lang: "bg",
        start_url: "./",
        scope: "./",
        display: "standalone",
        background_color: hex(form.background),
        theme_color: hex(title.background),
        icons: [
            { src: "icon-192.png", sizes: "192x192", type: "image/png" },
            { src: "icon-512.png", sizes: "512x512", type: "image/png", purpose: "any maskable" },
        ],
    }, null, 1),
    "icon-192.png": fs.readFileSync(path.join(resources, "icons", "triangle30-192.png")),
    "icon-512.png": fs.readFileSync(path.join(resources, "icons", "triangle30-512.png")),
};
const version = sha256(Buffer.concat(Object.values(files).map((f) => Buffer.from(f))))
    .toString("hex").slice(0, 16);
const kept = { version, files: ["./", ...Object.keys(files)] };
files["sw.js"] = `const SITE=${JSON.stringify(kept)};\n${fs.readFileSync(workerFile, "utf8")}`;
for (const [name, data] of Object.entries(files)) {
    write(path.join(site, name), data);
}
