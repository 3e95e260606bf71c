// The web page's calls into the core module, under node: core_module_test.js core_module.js
const assert = require("node:assert/strict");
const Triangle30Core = require(require("node:path").resolve(process.argv[2]));

const rows = [
    // [what, kind, input, box before, separator, error?, box after]
    ["a report with the separator given", 1, "2.5", "задача", ",", 0,
     "Катет BC = 1,44337567297406\nКатет AC = 2,5\nХипотенуза AB = 2,88675134594813\n" +
     "Изчислен периметър P = 6,83012701892219\nПроверка с теорема на Питагор:\n" +
     "2,08333333333333 + 6,25 = 8,33333333333334"],
    ["nothing chosen keeps the box", -1, "5", "ред 1\nред 2\n", ".", 0, "ред 1\nред 2\n"],
    ["a kind beyond the seven is nothing chosen", 7, "5", "задача", ".", 0, "задача"],
    ["an error keeps the lines written before it", 0, "1E+200", "", ".", 1,
     "Катет BC = 1E+200\nКатет AC = 1.73205080756888E+200\nХипотенуза AB = 2E+200\n" +
     "Изчислен периметър P = 4.73205080756888E+200\nПроверка с теорема на Питагор:\n"],
    ["an error before the first line keeps the box", 6, "-1", "задача", ".", 1, "задача"],
];

Triangle30Core().then((core) => {
    const call = (name, returns, types, args) => core.ccall(name, returns, types, args);
    for (const [what, kind, input, before, separator, error, after] of rows) {
        const status = call("Triangle30Calculate", "number",
                            ["number", "string", "string", "string"],
                            [kind, input, before, separator]);
        assert.equal(status, error, what);
        assert.equal(call("Triangle30BoxText", "string", [], []), after, what);
        assert.equal(call("Triangle30Error", "string", [], []) !== "", error === 1, what);
    }
    assert.equal(call("Triangle30Separator", "string", ["string"], [","]), ",");
    assert.equal(call("Triangle30Separator", "string", ["string"], [""]), ".");
    console.log(`core module: ${rows.length + 2} checks passed`);
});
