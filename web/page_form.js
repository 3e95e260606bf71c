// What the page's generator reads of the window's description (describe's JSON) in more than
// one place: the controls by kind and role, the names of the page's own parts, the fonts, and
// the helpers that spell a text, a colour and a length.
"use strict";

// A text as HTML, for an element's content or an attribute's value.
const escapeHtml = (text) => text.replace(/&/g, "&amp;").replace(/</g, "&lt;")
    .replace(/>/g, "&gt;").replace(/"/g, "&quot;");
const rgb = ([r, g, b]) => `rgb(${r},${g},${b})`;
// A length of the window's pixels, in rem: the window's own size at the browser's default text
// size (16 px), and larger where the student has asked for larger text.
const u = (n) => (n === 0 ? "0" : `${n / 16}rem`);

function controls(form) {
    const byKind = (kind) => form.controls.filter((c) => c.kind === kind);
    const byRole = (role) => form.controls.find((c) => c.role === role);
    const [title, inputLabel, calculate, clear] =
        ["title", "inputLabel", "calculate", "clear"].map(byRole);
    return {
        resultBox: byKind("resultBox")[0], picture: byKind("picture")[0],
        frame: byKind("frame")[0], input: byKind("input")[0], options: byKind("option"),
        title, inputLabel, calculate, clear,
        ids: form.parts,
        fonts: [...form.fontFamilies.map((f) => `"${f}"`), "serif"].join(","),
    };
}

module.exports = { controls, escapeHtml, rgb, u };
