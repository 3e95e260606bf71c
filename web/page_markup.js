// The page's markup: the window's controls in its tab order, each with the window's name as its
// id, semantic HTML in Bulgarian (a fieldset of radios, labels, buttons, a dialog for the
// message), and the document around them.
"use strict";
const { controls, escapeHtml } = require("./page_form.js");

// The controls, with the drawing `svg` inside the picture.
function body(form, svg) {
    const { input, options, calculate, ids } = controls(form);
    const attributes = (c) => {
        let out = ` id="${c.id}"`;
        if (c.toolTip) {
            out += ` title="${escapeHtml(c.toolTip)}"`;
        }
        return out;
    };
    let html = "";
    for (const c of form.controls) {
        switch (c.kind) {
        case "resultBox":
            html += `<textarea${attributes(c)} readonly autocomplete="off" spellcheck="false"` +
                ` aria-label="${escapeHtml(c.accessibleName)}">` +
                `${escapeHtml(form.taskText.replace(/\r\n/g, "\n"))}</textarea>\n` +
                `<div id="${ids.live}" aria-live="polite"></div>\n`;
            break;
        case "label":
            html += c.role === "inputLabel"
                ? `<label${attributes(c)} for="${input.id}">${escapeHtml(c.text)}</label>\n`
                : `<h1${attributes(c)}>${escapeHtml(c.text)}</h1>\n`;
            break;
        case "picture":
            html += `<div${attributes(c)} role="img"` +
                ` aria-label="${escapeHtml(c.accessibleName)}">` +
                `${svg}</div>\n`;
            break;
        case "frame":
            html += `<fieldset${attributes(c)}><legend>${escapeHtml(c.accessibleName)}</legend>\n`;
            for (const o of options) {
                html += `<label${attributes(o)}><input type="radio" name="${o.name}"` +
                    ` value="${o.index}" autocomplete="off" aria-describedby="${o.formulas}">` +
                    `${escapeHtml(o.text)}</label>\n`;
            }
            for (const o of options) {
                html += `<p id="${o.formulas}" class="formulas">${escapeHtml(o.toolTip)
                    .replace(/\n/g, "<br>")}</p>\n`;
            }
            html += "</fieldset>\n";
            break;
        case "input":
            // The ordinary text keyboard: a Bulgarian decimal keypad offers only the comma, which
            // ends the number.
            html += `<input${attributes(c)} type="text" autocomplete="off" autocorrect="off"` +
                ` autocapitalize="off" spellcheck="false" aria-describedby="${ids.hint}">\n` +
                `<p id="${ids.hint}">${escapeHtml(c.toolTip)}</p>\n` +
                `<div id="${ids.notice}" role="status" hidden>` +
                `${escapeHtml(form.inputCutNotice)}</div>\n`;
            break;
        case "button":
            // «Изчисли» waits for the core.
            html += `<button${attributes(c)} type="button"${c === calculate ? " disabled" : ""}>` +
                `${escapeHtml(c.text)}</button>\n`;
            break;
        case "option":
            break;  // inside the frame
        default:
            throw new Error(`no page control for ${c.kind}`);
        }
    }
    return html;
}

// The whole page: the style sheet `css`, the controls' markup `body`, the script `script`, and
// the CSP, which allows the script and the style by their hashes and `allowed` beyond them.
function document(form, { css, body, script, hash, allowed, icon }) {
    const { ids } = controls(form);
    return `<!DOCTYPE html>
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
}

module.exports = { body, document };
