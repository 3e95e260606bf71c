// ESLint's settings for the page's scripts and tests: the recommended rules, lines of at most
// 100 columns, and the globals each script runs with. Run by scripts/analyse.sh.
"use strict";
const js = require("@eslint/js");
const globals = require("globals");

module.exports = [
    js.configs.recommended,
    { rules: { "max-len": ["error", { code: 100 }] } },
    {
        files: ["web/make_page.js", "web/page_*.js"],
        languageOptions: { sourceType: "commonjs", globals: globals.node },
    },
    {
        // A script of the page: the description's names, the core module and its code come
        // before it in the page.
        files: ["web/page.js", "web/site.js"],
        languageOptions: {
            sourceType: "script",
            globals: { ...globals.browser, FORM: "readonly", Triangle30Core: "readonly",
                CORE_WASM: "readonly" },
        },
    },
    {
        // The page's tests and what uses their helper: modules under node, whose functions
        // passed to a page's evaluate run in the browser.
        files: ["tests/page/*.js", "bench/*.js", "scripts/*.js"],
        languageOptions: { sourceType: "module", globals: { ...globals.node, ...globals.browser } },
    },
    {
        // The site's worker: the site's files and their hash come before it.
        files: ["web/sw.js"],
        languageOptions: {
            sourceType: "script",
            globals: { ...globals.serviceworker, SITE: "readonly" },
        },
    },
];
