// The drawing of the triangle as SVG, from the geometry the window's images are drawn from
// (form/drawing.h, in the description): its lines, the mark of the right angle, and the letters
// in the window's fonts, at their sizes.
"use strict";
const { controls } = require("./page_form.js");

module.exports = function drawing(form) {
    const d = form.drawing;
    const xy = ({ x, y }) => `${x} ${y}`;
    let svg = `<svg viewBox="0 0 ${d.width} ${d.height}" aria-hidden="true" focusable="false">` +
        `<g fill="none" stroke-linecap="round">`;
    for (const { from, to, width } of d.lines) {
        svg += `<path d="M${xy(from)}L${xy(to)}" stroke-width="${width}"/>`;
    }
    svg += `<path d="M${d.rightAngle.map(xy).join("L")}"/></g>` +
        `<g stroke="none" text-anchor="middle" dominant-baseline="central" ` +
        `font-family='${controls(form).fonts}'>`;
    for (const { text, centre: { x, y }, italic, size } of d.letters) {
        const slant = italic ? ` font-style="italic"` : "";
        svg += `<text x="${x}" y="${y}" font-size="${size}"${slant}>${text}</text>`;
    }
    return `${svg}</g></svg>`;
};
