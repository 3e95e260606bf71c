// Makes the web page, one self-contained file: the window's controls, places, sizes, colours
// and texts from the description (describe's JSON), the drawing as SVG from its geometry, the
// core module with its code inline, the binding script, and a CSP that allows exactly these.
//   node make_page.js DESCRIPTION.json CORE_MODULE.js CORE_MODULE.wasm PAGE.js ICON.png OUT.html
"use strict";
const fs = require("node:fs");
const crypto = require("node:crypto");

const [descriptionFile, moduleFile, wasmFile, bindingFile, iconFile, outFile] =
    process.argv.slice(2);
const form = JSON.parse(fs.readFileSync(descriptionFile, "utf8"));

const escapeHtml = (text) => text.replace(/&/g, "&amp;").replace(/</g, "&lt;")
    .replace(/>/g, "&gt;").replace(/"/g, "&quot;");
const rgb = ([r, g, b]) => `rgb(${r},${g},${b})`;
// Every length is a number of the window's pixels, times --u: one CSS pixel where the page is
// 499 pixels wide or more, and less on a narrower screen, so the whole window fits its width.
const u = (n) => (n === 0 ? "0" : `calc(${n}*var(--u))`);
const fonts = [...form.fontFamilies.map((f) => `"${f}"`), "serif"].join(",");
const fontPixels = form.fontPointSize * 96 / 72;
const byKind = (kind) => form.controls.filter((c) => c.kind === kind);
const frame = byKind("frame")[0];
const input = byKind("input")[0];
const messageId = "Message";
const ids = {
    message: messageId,
    messageTitle: `${messageId}Title`,
    messageText: `${messageId}Text`,
    notice: `${input.id}Notice`,
    coreFailed: "CoreFailed",
};

// --- style ---
const bevel = (light, dark) =>
    `inset 1px 1px ${light},inset -1px -1px ${dark}`;
let css = `:root{--u:min(1px,calc(100vw/${form.width}))}
*{box-sizing:border-box}
body{margin:0;background:#f0f0f0;font:${u(fontPixels)}/1.15 ${fonts}}
#${form.formName}{position:relative;margin:${u(8)} auto;width:${u(form.width)};height:${u(form.height)};background:${rgb(form.background)};overflow:hidden;box-shadow:0 0 0 1px #808080}
#${form.formName} :not(svg,svg *){position:absolute;margin:0;font:inherit;color:#000}
#${form.formName} legend{width:1px;height:1px;overflow:hidden;clip-path:inset(50%);white-space:nowrap}
#${form.formName} label,#${form.formName} h1{text-align:center}
#${form.formName} fieldset{padding:0;border:0;min-width:0;box-shadow:${bevel("#808080", "#fff")}}
#${form.formName} fieldset label{display:flex;align-items:center;text-align:left;white-space:nowrap;cursor:default}
#${form.formName} fieldset input{position:static;width:${u(13)};height:${u(13)};margin:0 ${u(4)} 0 ${u(2)};flex:none}
#${form.formName} textarea{resize:none;overflow-y:scroll;padding:${u(2)};border:${u(2)} inset #fff;background:#fff;white-space:pre-wrap}
#${form.formName} input[type=text]{padding:0 ${u(3)};border:${u(2)} inset #fff;background:#fff}
#${form.formName} button{border:0;padding:0;box-shadow:${bevel("#fff", "#000")},inset 2px 2px #dfdfdf,inset -2px -2px #808080}
#${form.formName} button:active:not(:disabled){box-shadow:${bevel("#000", "#fff")},inset 2px 2px #808080;padding:${u(2)} 0 0 ${u(2)}}
#${form.formName} button:disabled{color:#6d6d6d}
#${form.formName} button:focus-visible{outline:1px dotted #000;outline-offset:${u(-4)}}
#${form.formName} [role=img]{background:#fff;box-shadow:${bevel("#808080", "#fff")},inset 2px 2px #404040}
#${form.formName} svg{left:${u(form.pictureBorder)};top:${u(form.pictureBorder)};width:${u(form.drawing.width)};height:${u(form.drawing.height)}}
#${ids.notice}{left:${u(input.left)};top:${u(input.top + input.height + 2)};width:max-content;max-width:${u(form.width - input.left - 8)};padding:${u(2)} ${u(4)};background:#ffffe1;border:1px solid #000;z-index:1}
#${ids.message}{max-width:min(90vw,${u(400)});border:1px solid #808080;padding:${u(12)};font:inherit;background:${rgb(form.background)}}
#${ids.message} h2{margin:0 0 ${u(8)};font:inherit;font-weight:bold}
#${ids.message} p{margin:0 0 ${u(12)}}
#${ids.message} button{font:inherit;min-width:${u(89)};min-height:${u(25)}}
.note{max-width:${u(form.width)};margin:${u(8)} auto;padding:${u(8)};background:#ffffe1;border:1px solid #808080}
`;
for (const c of form.controls) {
    const place = `left:${u(c.left)};top:${u(c.top)};width:${u(c.width)};height:${u(c.height)}`;
    const background = c.background ? `;background:${rgb(c.background)}` : "";
    css += `#${c.id}{${place}${background}}\n`;
}

// --- the drawing, as SVG from its geometry ---
const d = form.drawing;
const xy = ([x, y]) => `${x} ${y}`;
let svg = `<svg viewBox="0 0 ${d.width} ${d.height}" aria-hidden="true" focusable="false">` +
    `<g stroke="#000" fill="none" stroke-linecap="round">`;
for (const [from, to, width] of d.lines) {
    svg += `<path d="M${xy(from)}L${xy(to)}" stroke-width="${width}"/>`;
}
svg += `<path d="M${d.rightAngle.map(xy).join("L")}"/></g>` +
    `<g text-anchor="middle" dominant-baseline="central" font-family='${fonts}'>`;
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
            ` aria-label="${escapeHtml(c.accessibleName)}">${escapeHtml(form.taskText.replace(/\r\n/g, "\n"))}</textarea>\n`;
        break;
    case "label":
        body += c.text === input.accessibleName
            ? `<label${attributes(c)} for="${input.id}">${escapeHtml(c.text)}</label>\n`
            : `<h1${attributes(c)}>${escapeHtml(c.text)}</h1>\n`;
        break;
    case "picture":
        body += `<div${attributes(c)} role="img" aria-label="${escapeHtml(c.accessibleName)}">${svg}</div>\n`;
        break;
    case "frame":
        body += `<fieldset${attributes(c)}><legend>${escapeHtml(c.accessibleName)}</legend>\n`;
        for (const o of byKind("option")) {
            body += `<label${attributes(o)}><input type="radio" name="${o.id.replace(/_\d+$/, "")}"` +
                ` value="${o.index}" autocomplete="off">${escapeHtml(o.text)}</label>\n`;
        }
        body += "</fieldset>\n";
        break;
    case "input":
        body += `<input${attributes(c)} type="text" maxlength="${form.inputMaxLength}"` +
            ` autocomplete="off" spellcheck="false"` +
            ` aria-describedby="${ids.notice}">\n` +
            `<div id="${ids.notice}" role="status" hidden>${escapeHtml(form.inputCutNotice)}</div>\n`;
        break;
    case "button":
        body += `<button${attributes(c)} type="button"${c.index === 0 ? " disabled" : ""}>` +
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
    resultBox: byKind("resultBox")[0].id,
    input: input.id,
    commands: byKind("button").map((c) => c.id),
    options: byKind("option").map((c) => c.id),
    taskText: form.taskText.replace(/\r\n/g, "\n"),
    inputMaxLength: form.inputMaxLength,
    ...ids,
};
const script = `const FORM=${JSON.stringify(binding)};\n` +
    `const CORE_WASM="${fs.readFileSync(wasmFile).toString("base64")}";\n` +
    fs.readFileSync(moduleFile, "utf8") + "\n" + fs.readFileSync(bindingFile, "utf8");
const hash = (text) => `'sha256-${crypto.createHash("sha256").update(text, "utf8").digest("base64")}'`;
const csp = `default-src 'none'; script-src ${hash(script)} 'wasm-unsafe-eval'; ` +
    `style-src ${hash(css)}; img-src data:`;
const icon = fs.readFileSync(iconFile).toString("base64");

const page = `<!DOCTYPE html>
<html lang="bg">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="${csp}">
<title>${escapeHtml(form.title)}</title>
<link rel="icon" type="image/png" href="data:image/png;base64,${icon}">
<style>${css}</style>
</head>
<body>
<noscript><p class="note">${escapeHtml(form.needsScript)}</p></noscript>
<p id="${ids.coreFailed}" class="note" role="alert" hidden>${escapeHtml(form.coreFailed)}</p>
<main id="${form.formName}">
${body}</main>
<dialog id="${ids.message}" aria-labelledby="${ids.messageTitle}" aria-describedby="${ids.messageText}">
<h2 id="${ids.messageTitle}">${escapeHtml(form.errorTitle)}</h2>
<p id="${ids.messageText}"></p>
<button type="button">${escapeHtml(form.messageButton)}</button>
</dialog>
<script>${script}</script>
</body>
</html>
`;
fs.writeFileSync(outFile, page);
console.log(`${outFile}: ${Buffer.byteLength(page)} bytes`);
