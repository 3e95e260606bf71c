// The page's style sheet, made from the window's description: the wide arrangement, which is
// the window to the pixel at the default text size; the narrow one for a phone or any touch
// screen; high contrast; and print. Every colour is the description's.
"use strict";
const { controls, rgb, u } = require("./page_form.js");

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

// A rule: the selector and its declarations, a rule a line.
const rule = (selector, ...declarations) => `${selector}{${declarations.flat().join(";")}}\n`;

module.exports = function style(form) {
    const { resultBox, picture, frame, input, options, title, inputLabel, calculate, clear, ids,
        fonts } = controls(form);
    const colour = Object.fromEntries(Object.entries(form.colours).map(([k, v]) => [k, rgb(v)]));
    const fontPixels = form.fontPointSize * 96 / 72;

    // --- style: the wide arrangement, the window's ---
    const form$ = `#${form.formName}`;
    const windowGrid = grid(form.controls.filter((c) => c.kind !== "option"), form.width,
        form.height);
    const frameGrid = grid(options, frame.width, frame.height);
    const bevel = (light, dark) => `inset 1px 1px ${light},inset -1px -1px ${dark}`;
    const hidden = ["position:absolute", "width:1px", "height:1px", "overflow:hidden",
        "clip-path:inset(50%)", "white-space:nowrap"];
    const border = (edge) => `${u(2)} inset ${edge}`;
    let css = rule("*", "box-sizing:border-box") +
        rule("body", "margin:0", `background:${colour.face}`, `font:${u(fontPixels)}/1.15 ${fonts}`,
            "container:page/inline-size") +
        rule(form$, windowGrid.template, "position:relative", "width:max-content",
            `margin:${u(8)} auto`, `background:${rgb(form.background)}`,
            `box-shadow:0 0 0 1px ${colour.shadow}`) +
        rule(`${form$} :not(svg,svg *)`, "margin:0", "font:inherit", `color:${colour.text}`,
            "overflow-wrap:break-word") +
        rule(`${form$} legend,#${ids.live}`, hidden) +
        rule(`${form$} :is(label,h1)`, "text-align:center") +
        rule(`${form$} fieldset`, frameGrid.template, "align-content:start", "padding:0",
            "border:0",
            "min-width:0", `box-shadow:${bevel(colour.shadow, colour.highlight)}`) +
        rule(`${form$} fieldset label`, "display:flex", "align-items:center", "text-align:left",
            "cursor:default") +
        rule(`${form$} fieldset input`, `width:${u(13)}`, `height:${u(13)}`,
            `margin:0 ${u(4)} 0 ${u(2)}`, "flex:none", `accent-color:${colour.text}`) +
        rule(`${form$} textarea`, "resize:none", "overflow-y:scroll", `padding:${u(2)}`,
            `border:${border(colour.highlight)}`, `background:${colour.highlight}`,
            "white-space:pre-wrap") +
        rule(`${form$} input[type=text]`, `padding:0 ${u(3)}`, `border:${border(colour.highlight)}`,
            `background:${colour.highlight}`) +
        rule(`${form$} button`, "border:0", "padding:0",
            `box-shadow:${bevel(colour.highlight, colour.text)},inset 2px 2px ${colour.light},` +
            `inset -2px -2px ${colour.shadow}`) +
        rule(`${form$} button:active:not(:disabled)`,
            `box-shadow:${bevel(colour.text, colour.highlight)},inset 2px 2px ${colour.shadow}`,
            `padding:${u(2)} 0 0 ${u(2)}`) +
        rule(`${form$} button:disabled`, `color:${colour.disabledText}`) +
        rule(`${form$} button:focus-visible`, `outline:1px dotted ${colour.text}`,
            `outline-offset:${u(-4)}`) +
        rule(`#${picture.id}`, `background:${colour.highlight}`, `padding:${u(form.pictureBorder)}`,
            `box-shadow:${bevel(colour.shadow, colour.highlight)},` +
            `inset 2px 2px ${colour.darkShadow}`) +
        rule(`#${picture.id} svg`, "display:block", `width:${u(form.drawing.width)}`,
            `height:${u(form.drawing.height)}`, `stroke:${colour.text}`, `fill:${colour.text}`) +
        rule(`#${ids.hint},.formulas`, "display:none") +
        rule(`#${ids.notice}`, "position:absolute", windowGrid.below(input), "left:0",
            `top:${u(2)}`, `padding:${u(2)} ${u(4)}`, `background:${colour.tooltip}`,
            `border:1px solid ${colour.text}`,
            "z-index:1") +
        rule(`#${ids.message}`, `max-width:min(100% - 2rem,${u(400)})`,
            `border:1px solid ${colour.shadow}`,
            `padding:${u(12)}`, "font:inherit", `background:${rgb(form.background)}`) +
        rule(`#${ids.message} h2`, `margin:0 0 ${u(8)}`, "font:inherit", "font-weight:bold") +
        rule(`#${ids.message} p`, `margin:0 0 ${u(12)}`) +
        rule(`#${ids.message} button`, "font:inherit", `min-width:${u(89)}`,
            `min-height:${u(25)}`) +
        rule(".note", `max-width:${u(form.width)}`, `margin:${u(8)} auto`, `padding:${u(8)}`,
            `background:${colour.tooltip}`, `border:1px solid ${colour.shadow}`);
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
    return css;
};
