// The page's tests' one helper: the build's files and the window's description, a local web
// server, and one way to open the page in each engine: Chromium (CDP) and Firefox (WebDriver
// BiDi) through puppeteer-core, WebKit's MiniBrowser through WebKitWebDriver and
// selenium-webdriver, on the X server in DISPLAY. A test file launches a browser once
// (launch) and opens a page for each test (open), seen as a condition says.
import { spawn, spawnSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";
import { Builder, By, Key } from "selenium-webdriver";

// What the build made, as CMake writes it: the page, the site, the description and the
// generator's command; and from the native build, the report rows and the console tool.
export const build = JSON.parse(fs.readFileSync(process.env.TRIANGLE30_PAGE_BUILD ??
    "build-web/page_build.json", "utf8"));
Object.assign(build, { pageDir: path.dirname(build.page), pageName: path.basename(build.page),
    reportRows: process.env.TRIANGLE30_REPORT_ROWS,
    reportTool: process.env.TRIANGLE30_REPORT_TOOL });
export const form = JSON.parse(fs.readFileSync(build.description, "utf8"));
const byKind = (kind) => form.controls.filter((c) => c.kind === kind).map((c) => c.id);
const byRole = (role) => form.controls.find((c) => c.role === role).id;
export const ids = {
    resultBox: byKind("resultBox")[0], input: byKind("input")[0], options: byKind("option"),
    frame: byKind("frame")[0], picture: byKind("picture")[0],
    calculate: byRole("calculate"), clear: byRole("clear"), ...form.parts,
};
const LANGS = { "bg-BG": "bg_BG.UTF-8", "en-US": "en_US.UTF-8", C: "C.UTF-8" };

// The console tool's report and error for (kind, text), as the page must show them.
export function toolReport(kind, text, locale) {
    const run = spawnSync(build.reportTool, ["--exact", "--", String(kind), text],
        { env: { ...process.env, LANG: LANGS[locale], LC_ALL: "" }, encoding: "utf8" });
    const error = run.status === 1 ? run.stderr.split("грешка: ").pop().trim() : "";
    return [run.stdout.replace(/\r\n/g, "\n"), error];
}

// Serves the folder `root` on 127.0.0.1 (a free port, or `port`); `answer(request)` may answer
// first, as a host that redirects or fails would.
export async function serve(root, { port = 0, answer = () => false } = {}) {
    const types = { ".html": "text/html", ".js": "text/javascript", ".png": "image/png",
        ".webmanifest": "application/manifest+json", ".wasm": "application/wasm" };
    const server = http.createServer((request, response) => {
        if (answer(request, response)) {
            return;
        }
        const name = decodeURIComponent(new URL(request.url, "http://x").pathname);
        const file = path.join(root, name.endsWith("/") ? `${name}index.html` : name);
        fs.readFile(file, (error, data) => {
            response.writeHead(error ? 404 : 200,
                { "Content-Type": types[path.extname(file)] ?? "application/octet-stream" });
            response.end(error ? "" : data);
        });
    });
    await new Promise((resolve) => server.listen(port, "127.0.0.1", resolve));
    server.unref();  // a test that fails before it stops the server does not hang the file
    server.url = `http://127.0.0.1:${server.address().port}/`;
    server.stop = () => new Promise((resolve) => {
        server.closeAllConnections();
        server.close(resolve);
    });
    return server;
}

// A browser of `engine` in the language `locale`; `minimumFont` (px) and `wasm` are the
// settings that only a new browser takes.
export async function launch(engine, { locale = "bg-BG", minimumFont = 0, wasm = true } = {}) {
    if (engine === "webkit") {
        return WebKitBrowser.start(locale);
    }
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "triangle30-"));
    const options = engine === "chromium" ? {
        browser: "chrome",
        executablePath: "/usr/bin/chromium",
        userDataDir: profile,
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-sync", "--disable-component-update",
            `--lang=${locale}`],
    } : {
        browser: "firefox",
        executablePath: "/usr/bin/firefox-esr",
        extraPrefsFirefox: {
            "intl.locale.requested": locale, "intl.accept_languages": locale,
            "intl.regional_prefs.use_os_locales": false, "javascript.options.wasm": wasm,
            "font.minimum-size.x-cyrillic": minimumFont, "font.minimum-size.x-western": minimumFont,
        },
    };
    if (engine === "chromium") {
        fs.mkdirSync(path.join(profile, "Default"));
        fs.writeFileSync(path.join(profile, "Default", "Preferences"), JSON.stringify({
            intl: { accept_languages: locale },
            webkit: { webprefs: { minimum_font_size: minimumFont } },
        }));
    }
    const browser = await puppeteer.launch({ headless: true, ...options });
    return Object.assign(new PuppeteerBrowser(engine, browser, profile), { wasm });
}

// A condition: the viewport, a touch screen, a zoom (scale), a medium, media features and a
// style sheet of the student's own; `offline: true` cuts the page off the network (Chromium),
// `ready: false` opens a page whose core may never start.
// Below the window's width, or on a touch screen, the page is in its narrow arrangement.
export const WIDE = { name: "1024 x 768", width: 1024, height: 768 };
export const narrow = (c) => Boolean(c.touch) || c.width < form.width;

class PuppeteerBrowser {
    constructor(engine, browser, profile) {
        Object.assign(this, { engine, browser, profile });
    }

    async open(url, condition = WIDE) {
        const page = new PuppeteerPage(this.engine, await this.browser.newPage());
        if (!this.wasm && this.engine === "chromium") {  // Firefox has a setting for it
            await page.page.evaluateOnNewDocument(() => delete globalThis.WebAssembly);
        }
        await page.see(condition);
        await page.page.setOfflineMode(Boolean(condition.offline));
        await page.goto(url, condition);
        return page;
    }

    async close() {
        await this.browser.close();
        fs.rmSync(this.profile, { recursive: true, force: true });
    }
}

class WebKitBrowser {
    static async start(locale) {
        const port = 4400 + Math.floor(Math.random() * 1000);
        const server = spawn("/usr/bin/WebKitWebDriver", [`--port=${port}`],
            { stdio: "ignore", env: { ...process.env, LANG: LANGS[locale], LC_ALL: "" } });
        const capabilities = { browserName: "MiniBrowser", "webkitgtk:browserOptions": {
            binary: "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser", args: ["--automation"],
        } };
        for (let tries = 0; ; ++tries) {
            try {
                const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`)
                    .withCapabilities(capabilities).build();
                return Object.assign(new WebKitBrowser(), { engine: "webkit", server, driver });
            } catch (error) {
                if (tries === 50) {
                    throw error;
                }
                await new Promise((resolve) => setTimeout(resolve, 100));
            }
        }
    }

    // MiniBrowser's one window, of the condition's size (no narrower than about 447 px).
    async open(url, condition = WIDE) {
        await this.driver.manage().window().setRect({ width: condition.width,
            height: condition.height });
        const page = new WebKitPage(this.driver);
        await page.goto(url, condition);
        return page;
    }

    async close() {
        await this.driver.quit();
        this.server.kill();
    }
}

// What every page does alike, on top of each engine's evaluate, keys and clicks.
class Page {
    async goto(url, condition = WIDE) {
        await this.navigate(url);
        if (condition.style) {
            await this.evaluate((css) => {
                const sheet = new CSSStyleSheet();
                sheet.replaceSync(css);
                document.adoptedStyleSheets = [sheet];
            }, condition.style);
        }
        if (condition.ready ?? true) {
            await this.ready();
        }
    }

    ready() {
        return this.waitFor((id) => !document.getElementById(id).disabled, ids.calculate);
    }

    async waitFor(fn, ...args) {
        for (let tries = 0; tries < 200; ++tries) {
            if (await this.evaluate(fn, ...args)) {
                return;
            }
            await new Promise((resolve) => setTimeout(resolve, 50));
        }
        throw new Error(`waited 10 s in vain for ${fn}`);
    }

    value(id) {
        return this.evaluate((id) => document.getElementById(id).value, id);
    }

    messageOpen() {
        return this.evaluate((id) => document.getElementById(id).open, ids.message);
    }

    // The element that has the focus, by its id or its option's.
    active() {
        return this.evaluate(() => {
            const a = document.activeElement;
            return a.id || a.closest("label")?.id || a.tagName;
        });
    }

    // Chooses, types and presses Enter in the input, as a student does: not in the very
    // millisecond of the last key (Firefox scrolls to the caret a moment after a key, which would
    // undo the page's scroll to the report).
    async compute(kind, text) {
        await this.click(`#${ids.clear}`);
        if (kind >= 0) {
            await this.click(`#${ids.options[kind]}`);
        }
        await this.click(`#${ids.input}`);
        await this.type(text);
        await new Promise((resolve) => setTimeout(resolve, 50));
        await this.press("Enter");
    }
}

class PuppeteerPage extends Page {
    constructor(engine, page) {
        super();
        Object.assign(this, { engine, page, errors: [] });
        page.on("console", (m) => m.type() === "error" && this.errors.push(m.text()));
        page.on("pageerror", (e) => this.errors.push(e.message));
    }

    async see(c) {
        await this.page.setViewport({ width: c.width, height: c.height,
            deviceScaleFactor: c.scale ?? 1, isMobile: Boolean(c.touch),
            hasTouch: Boolean(c.touch) });
        if (this.engine === "chromium") {
            await this.cdp("Emulation.setEmulatedMedia", { media: c.media ?? "",
                features: Object.entries(c.features ?? {})
                    .map(([name, value]) => ({ name, value })) });
        }
    }

    navigate(url) {
        return this.page.goto(url);
    }

    evaluate(fn, ...args) {
        return this.page.evaluate(fn, ...args);
    }

    click(selector) {
        return this.page.click(selector);
    }

    // A click `dx` px right of the element's centre.
    async clickAt(selector, dx) {
        const box = await (await this.page.$(selector)).boundingBox();
        await this.page.mouse.click(box.x + box.width / 2 + dx, box.y + box.height / 2);
    }

    type(text) {
        return this.page.keyboard.type(text);
    }

    // A key, or a chord such as "Control+a".
    async press(keys) {
        const [key, ...modifiers] = keys.split("+").reverse();
        for (const m of modifiers) {
            await this.page.keyboard.down(m);
        }
        await this.page.keyboard.press(key);
        for (const m of modifiers) {
            await this.page.keyboard.up(m);
        }
    }

    async reload() {
        await this.page.reload();
        await this.ready();
    }

    screenshot(selector) {
        return this.page.$(selector).then((e) => e.screenshot());
    }

    async cdp(method, params = {}) {
        this.session ??= await this.page.createCDPSession();
        return this.session.send(method, params);
    }

    // The accessibility tree's node of the element that `selector` picks (Chromium).
    async axNode(selector) {
        const { root } = await this.cdp("DOM.getDocument", { depth: 0 });
        const { nodeId } = await this.cdp("DOM.querySelector", { nodeId: root.nodeId, selector });
        return nodeId ? (await this.cdp("Accessibility.getPartialAXTree",
            { nodeId, fetchRelatives: false })).nodes[0] : {};
    }

    async description(selector) {
        return (await this.axNode(selector)).description?.value ?? "";
    }

    close() {
        return this.page.close();
    }
}

class WebKitPage extends Page {
    constructor(driver) {
        super();
        Object.assign(this, { engine: "webkit", driver, errors: [] });
    }

    navigate(url) {
        return this.driver.get(url);
    }

    evaluate(fn, ...args) {
        return this.driver.executeScript(typeof fn === "string" ? fn
            : `return (${fn}).apply(null, arguments)`, ...args);
    }

    async click(selector) {
        await this.driver.findElement(By.css(selector)).click();
    }

    async type(text) {
        await this.driver.actions().sendKeys(text).perform();
    }

    async press(keys) {
        const names = { Enter: Key.ENTER, Escape: Key.ESCAPE, Tab: Key.TAB, Control: Key.CONTROL,
            Shift: Key.SHIFT, Delete: Key.DELETE, ArrowDown: Key.ARROW_DOWN };
        const [key, ...modifiers] = keys.split("+").reverse().map((k) => names[k] ?? k);
        let actions = this.driver.actions();
        for (const m of modifiers) {
            actions = actions.keyDown(m);
        }
        actions = actions.sendKeys(key);
        for (const m of modifiers) {
            actions = actions.keyUp(m);
        }
        await actions.perform();
    }

    close() {}
}
