// The page's binding of its controls to the calculation core, as the Qt window binds its
// widgets: one handler per control array, and every rule about numbers in the core. FORM (the
// ids and texts, from the window's description), Triangle30Core (the module) and CORE_WASM (its
// code, in base64) come before this script in the page.
"use strict";
(() => {
    const byId = (id) => document.getElementById(id);
    const resultBox = byId(FORM.resultBox);
    const input = byId(FORM.input);
    const commands = FORM.commands.map(byId);
    const options = FORM.options.map((id) => byId(id).querySelector("input"));
    const message = byId(FORM.message);
    const notice = byId(FORM.notice);
    let givenIndex = -1;
    let core = null;

    // The report's decimal separator: the browser's for the user's first language, through the
    // core's rule (the period where that one would run into the digits).
    const locale = navigator.languages?.[0] ?? navigator.language;
    const decimal = new Intl.NumberFormat(locale).formatToParts(1.5)
        .find((part) => part.type === "decimal")?.value ?? "";
    let separator = ".";

    function resetInputs() {
        for (const option of options) {
            option.checked = false;
        }
        givenIndex = -1;
        input.value = "";  // an assignment leaves nothing to undo
    }

    function showMessage(text) {
        byId(FORM.messageText).textContent = text;
        message.showModal();  // the focus goes back where it was when it closes
    }

    function calculate() {
        const error = core.ccall("Triangle30Calculate", "number",
            ["number", "string", "string", "string"],
            [givenIndex, input.value, resultBox.value, separator]);
        resultBox.value = core.ccall("Triangle30BoxText", "string", [], []);
        if (error) {
            showMessage(core.ccall("Triangle30Error", "string", [], []));
        }
    }

    function command1Click(index) {
        if (index === 1) {
            resetInputs();
            resultBox.value = "";
        } else if (core) {
            calculate();
        }
    }

    function hideNotice() {
        notice.hidden = true;
    }

    commands.forEach((button, index) => button.addEventListener("click", () => command1Click(index)));
    options.forEach((option, index) => option.addEventListener("change", () => {
        if (option.checked) {
            givenIndex = index;
        }
    }));
    input.addEventListener("keydown", (event) => {
        hideNotice();
        if (event.key === "Enter" && !event.isComposing) {
            event.preventDefault();
            commands[0].click();
        }
    });
    // A paste longer than the input takes is cut there, and the student told so.
    input.addEventListener("paste", (event) => {
        const pasted = event.clipboardData.getData("text/plain").replace(/[\r\n]/g, "");
        const kept = input.value.length - (input.selectionEnd - input.selectionStart);
        if (kept + pasted.length > FORM.inputMaxLength) {
            setTimeout(() => { notice.hidden = false; });
        }
    });
    input.addEventListener("blur", hideNotice);
    message.querySelector("button").addEventListener("click", () => message.close());

    // As the window after its load: nothing chosen, the input empty, the task in the result box
    // and the focus there; again whenever the page is shown from the history.
    window.addEventListener("pageshow", () => {
        resetInputs();
        resultBox.value = FORM.taskText;
        resultBox.setSelectionRange(0, 0);
        resultBox.scrollTop = 0;
        hideNotice();
        resultBox.focus();
    });

    const code = atob(CORE_WASM);
    const wasm = new Uint8Array(code.length);
    for (let i = 0; i < code.length; ++i) {
        wasm[i] = code.charCodeAt(i);
    }
    // Compiled off the main thread; the page is painted meanwhile.
    Triangle30Core({ wasmBinary: wasm }).then((module) => {
        core = module;
        separator = core.ccall("Triangle30Separator", "string", ["string"], [decimal]);
        commands[0].disabled = false;
        performance.mark("triangle30-ready");
    }, () => {
        byId(FORM.coreFailed).hidden = false;
    });
})();
