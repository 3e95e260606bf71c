// The page's binding of its controls to the calculation core, as the Qt window binds its
// widgets: one handler per control array, and every rule about numbers in the core. FORM (the
// ids and texts, from the window's description), Triangle30Core (the module) and CORE_WASM (its
// code, in base64) come before this script in the page.
"use strict";
(() => {
    const byId = (id) => document.getElementById(id);
    const resultBox = byId(FORM.resultBox);
    const input = byId(FORM.input);
    const calculateButton = byId(FORM.calculate);
    const options = FORM.options.map((id) => byId(id).querySelector("input"));
    const message = byId(FORM.message);
    const notice = byId(FORM.notice);
    const live = byId(FORM.live);
    let givenIndex = -1;
    let core = null;
    let separator = ".";

    // The decimal separator of the browser's number format for the user's first language, or
    // none where the browser rejects that language (WebKit under LANG=C gives "C").
    function platformDecimal() {
        try {
            const locale = navigator.languages?.[0] ?? navigator.language;
            return new Intl.NumberFormat(locale).formatToParts(1.5)
                .find((part) => part.type === "decimal")?.value ?? "";
        } catch {
            return "";
        }
    }

    // Where the stylesheet asks the result box to grow with its text (no inner scroll: a phone,
    // a print) and the browser cannot size a field to its content, it is sized here.
    const sizesFields = CSS.supports("field-sizing", "content");
    function fitResultBox() {
        if (sizesFields) {
            return;
        }
        resultBox.style.height = "";
        if (getComputedStyle(resultBox).overflowY !== "scroll") {
            resultBox.style.height = `${resultBox.scrollHeight + resultBox.offsetHeight -
                resultBox.clientHeight}px`;
        }
    }

    function setResultText(text) {
        resultBox.value = text;
        fitResultBox();
    }

    function resetInputs() {
        for (const option of options) {
            option.checked = false;
        }
        givenIndex = -1;
        input.value = "";  // an assignment leaves nothing to undo
    }

    function showNotice(shown) {
        notice.hidden = !shown;
        input.setAttribute("aria-describedby", shown ? `${FORM.hint} ${FORM.notice}` : FORM.hint);
    }

    function showMessage(text) {
        byId(FORM.messageText).textContent = text;
        message.showModal();  // the focus goes back where it was when it closes
    }

    function calculate() {
        const error = core.ccall("Triangle30Calculate", "number",
            ["number", "string", "string", "string"],
            [givenIndex, input.value, resultBox.value, separator]);
        setResultText(core.ccall("Triangle30BoxText", "string", [], []));
        resultBox.scrollIntoView({ block: "nearest" });
        if (error) {
            showMessage(core.ccall("Triangle30Error", "string", [], []));
        } else if (givenIndex >= 0) {
            live.textContent = resultBox.value;  // read out once, the focus staying put
        }
    }

    function clear() {
        resetInputs();
        setResultText("");
        live.textContent = "";
    }

    // The input takes at most inputMaxLength UTF-16 units, whatever brings the text: typing, a
    // paste, an on-screen keyboard, a drop. What goes beyond is cut from what was just inserted
    // (before the caret), never splitting a character, and the student told so.
    function limitInput() {
        const text = input.value;
        const extra = text.length - FORM.inputMaxLength;
        if (extra <= 0) {
            return;
        }
        let end = input.selectionEnd;
        let start = end - extra;
        if (start < 0) {
            [start, end] = [FORM.inputMaxLength, text.length];
        }
        if (/[\uD800-\uDBFF]/.test(text[start - 1] ?? "")) {
            start -= 1;
        }
        input.value = text.slice(0, start) + text.slice(end);
        input.setSelectionRange(start, start);
        showNotice(true);
    }

    calculateButton.addEventListener("click", () => core && calculate());
    byId(FORM.clear).addEventListener("click", clear);
    options.forEach((option, index) => option.addEventListener("change", () => {
        if (option.checked) {
            givenIndex = index;
        }
    }));
    input.addEventListener("keydown", (event) => {
        showNotice(false);
        if (event.key === "Enter" && !event.isComposing) {
            event.preventDefault();
            calculateButton.click();
        }
    });
    input.addEventListener("input", (event) => {
        if (!event.isComposing) {
            limitInput();
        }
    });
    input.addEventListener("compositionend", limitInput);
    input.addEventListener("blur", () => showNotice(false));
    message.querySelector("button").addEventListener("click", () => message.close());
    // A held Enter counts once: its repeats would open and close the message in turn.
    window.addEventListener("keydown", (event) => {
        if (event.key === "Enter" && event.repeat) {
            event.preventDefault();
            event.stopPropagation();
        }
    }, true);
    window.addEventListener("resize", fitResultBox);
    window.addEventListener("beforeprint", fitResultBox);
    window.addEventListener("afterprint", fitResultBox);

    // As the window after its load: nothing chosen, the input empty, the task in the result box
    // and the focus there, the top of the page in view; again whenever the page is shown from
    // the history, with no message left open.
    window.addEventListener("pageshow", () => {
        if (message.open) {
            message.close();
        }
        resetInputs();
        setResultText(FORM.taskText);
        resultBox.setSelectionRange(0, 0);
        resultBox.scrollTop = 0;
        live.textContent = "";
        showNotice(false);
        resultBox.focus({ preventScroll: true });
    });

    // The core, compiled off the main thread while the page is painted. Where it cannot start
    // (no WebAssembly, say, which makes the module's code throw at once), the page says so and
    // «Изчисли» stays disabled.
    const coreFailed = () => {
        byId(FORM.coreFailed).hidden = false;
    };
    try {
        const code = atob(CORE_WASM);
        const wasm = new Uint8Array(code.length);
        for (let i = 0; i < code.length; ++i) {
            wasm[i] = code.charCodeAt(i);
        }
        Triangle30Core({ wasmBinary: wasm }).then((module) => {
            separator = module.ccall("Triangle30Separator", "string", ["string"],
                [platformDecimal()]);
            core = module;
            calculateButton.disabled = false;
            performance.mark("triangle30-ready");
        }).catch(coreFailed);
    } catch {
        coreFailed();
    }
})();
