#!/usr/bin/python3
"""Tests the web page as a person uses it: clicks, keys, real pastes and copies, in headless
Chromium (one browser for bg-BG, one for en-US; the page from file:// and http://127.0.0.1) and
in WebKit (MiniBrowser, on the X server in DISPLAY, under three LANGs).

    page_test.py PAGE DESCRIPTION.json REPORT_ROWS.json REPORT_TOOL AXE_JS

- every (kind, input) of the core's tables and the awkward inputs below give the console tool's
  report (--exact, line ends aside), errors included;
- each behaviour of the window that the page copies, and the page's own: the cut notice, the
  descriptions and the live region in the accessibility tree, a held Enter, the history;
- every control's place and size against the description, in the wide arrangement;
- one table of conditions, each checked the same ways (see check_conditions);
- a browser without WebAssembly; the page's size, and nothing loaded from elsewhere;
- the site's folder, from 127.0.0.1: installable, kept by its worker for use offline, replaced
  by a newer build; and from a file, no worker.
"""
import collections
import functools
import http.server
import io
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import urllib.request

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions

import chromium

PAGE, DESCRIPTION, REPORT_ROWS, REPORT_TOOL, AXE = sys.argv[1:6]
PAGE_BUDGET = 153_600
SITE_BUDGET = 204_800
LOCALES = {"bg-BG": "bg_BG.UTF-8", "en-US": "en_US.UTF-8"}
# Inputs a student may give beyond the core's tables: words, other scripts, emoji (typed by a
# paste: ChromeDriver types only the Basic Multilingual Plane), blanks and long numbers.
AWKWARD_INPUTS = [
    (0, "abc"), (0, "пет"), (1, "5😀"), (0, "3.5см"), (0, "1 2.5"), (2, " 7 "), (0, "0x10"),
    (0, "inf"), (0, "1e-400"), (3, "מספר 5"), (4, "1" * 300), (5, ".5"), (6, "5."),
    (-1, "12"),
]

# Where and how the page is seen. Below the window's width, or on a touch screen, the page is
# in its narrow arrangement. A zoom of the browser is a viewport that many times smaller.
Condition = collections.namedtuple("Condition", "name width height touch scale media features "
                                   "style", defaults=(False, 1, "", (), ""))
TEXT_SPACING = ("*{line-height:1.5!important;letter-spacing:.12em!important;"
                "word-spacing:.16em!important}p{margin-bottom:2em!important}")
FORCED = {"forced-colors": "active", "prefers-color-scheme": "light"}
WIDE = Condition("1024 x 768", 1024, 768)
CONDITIONS = [
    Condition("320 x 568, touch", 320, 568, touch=True),
    Condition("360 x 640, touch", 360, 640, touch=True),
    Condition("640 x 360, touch", 640, 360, touch=True),
    Condition("1024 x 768, touch", 1024, 768, touch=True),
    WIDE,
    Condition("400 % zoom of 1280 x 720", 320, 180, scale=4),
    Condition("text spacing", 1024, 768, style=TEXT_SPACING),
    Condition("text spacing, 360 x 640, touch", 360, 640, touch=True, style=TEXT_SPACING),
    Condition("forced colours, light", 1024, 768, features=FORCED),
    Condition("forced colours, dark", 1024, 768,
              features={**FORCED, "prefers-color-scheme": "dark"}),
    Condition("print", 1024, 768, media="print"),
]
# In the en-US browser, whose minimum font size is 20 px.
MINIMUM_FONT = 20
MINIMUM_FONT_CONDITIONS = [Condition("minimum font size", 1024, 768),
                           Condition("minimum font size, 360 x 640, touch", 360, 640, True)]
# MiniBrowser's window is no narrower than about 447 px.
WEBKIT_CONDITIONS = [WIDE, Condition("460 x 800", 460, 800)]

failures = 0


def check(name, ok, detail=""):
    global failures
    print(("ok: " if ok else "FAIL: ") + name + ("" if ok else f"\n    {detail}"))
    failures += 0 if ok else 1


def report_rows():
    """(kind, input) of the core's report and error tables, as report_rows_json prints them."""
    rows = json.loads(pathlib.Path(REPORT_ROWS).read_text(encoding="utf-8"))
    return [(row["kind"], row["input"]) for row in rows]


def tool_report(kind, text, lang):
    run = subprocess.run([REPORT_TOOL, "--exact", "--", str(kind), text], capture_output=True,
                         env={**os.environ, "LANG": lang, "LC_ALL": ""})
    error = run.stderr.decode().split("грешка: ", 1)[-1].strip() if run.returncode == 1 else ""
    return run.stdout.decode().replace("\r\n", "\n"), error


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder, port=0):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", int(port)), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def webkit(lang):
    """MiniBrowser, which takes its language from LANG."""
    options = WebKitOptions()
    options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    options.add_argument("--automation")
    os.environ.update(LANG=lang, LC_ALL="")
    driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
    driver.set_script_timeout(30)
    return driver


class Page:
    def __init__(self, driver, form):
        self.driver = driver
        self.cdp = isinstance(driver, webdriver.Chrome)
        self.form = form
        self.ids = {kind: [c["id"] for c in form["controls"] if c["kind"] == kind]
                    for kind in ("resultBox", "input", "option", "frame", "picture")}
        self.ids.update({c["role"]: c["id"] for c in form["controls"]
                         if c["role"] in ("calculate", "clear")})
        self.parts = form["parts"]
        self.kinds = range(form["givenKinds"])

    def open(self, url, c=WIDE):
        """The page at `url`, seen as the condition `c` says: through Chromium's emulation, or in
        a WebKit window of that size."""
        if self.cdp:
            self.cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": c.width, "height": c.height,
                                                                "deviceScaleFactor": c.scale,
                                                                "mobile": c.touch})
            self.cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": c.touch})
            self.cdp_cmd("Emulation.setEmulatedMedia", {"media": c.media, "features": [
                {"name": name, "value": value} for name, value in dict(c.features).items()]})
            self.cdp_cmd("Page.setBypassCSP", {"enabled": bool(c.style)})
        else:
            self.driver.set_window_size(c.width, c.height)
        self.driver.get(url)
        if c.style:
            self.js("const s = document.createElement('style'); s.textContent = arguments[0];"
                    "document.head.append(s)", c.style)
        self.wait_ready()

    def wait_ready(self):
        WebDriverWait(self.driver, 10).until(lambda d: self.calculate.is_enabled())

    def cdp_cmd(self, command, arguments):
        return self.driver.execute_cdp_cmd(command, arguments)

    def el(self, id_):
        return self.driver.find_element(By.ID, id_)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    @property
    def box(self):
        return self.el(self.ids["resultBox"][0])

    @property
    def input(self):
        return self.el(self.ids["input"][0])

    @property
    def calculate(self):
        return self.el(self.ids["calculate"])

    @property
    def clear(self):
        return self.el(self.ids["clear"])

    def option(self, index):
        return self.el(self.ids["option"][index])

    def radio(self, index):
        return self.option(index).find_element(By.TAG_NAME, "input")

    def box_text(self):
        return self.box.get_property("value")

    def active(self):
        return self.js("const a = document.activeElement;"
                       "return a.id || (a.closest('label') ? a.closest('label').id : a.tagName)")

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def paste(self, target, text):
        """A real paste of `text` into `target`, copied from a scratch box the test adds."""
        scratch = self.js("let s = document.getElementById('scratch');"
                          "if (!s) { s = document.createElement('textarea'); s.id = 'scratch';"
                          "document.body.append(s); }"
                          "s.value = arguments[0]; s.focus(); s.select(); return s;", text)
        scratch.send_keys(Keys.CONTROL, "c")
        target.click()
        self.chord(Keys.CONTROL, "a")
        self.chord(Keys.CONTROL, "v")

    def message_open(self):
        return self.js("return document.getElementById(arguments[0]).open", self.parts["message"])

    def compute(self, kind, text):
        """Chooses, types (or pastes) and presses Enter in the input."""
        self.clear.click()
        if kind >= 0:
            self.option(kind).click()
        if text and all(ord(c) < 0x10000 for c in text) and len(text) < 200:
            self.input.send_keys(text)
        elif text:
            self.paste(self.input, text)
        self.input.send_keys(Keys.ENTER)

    def ax_node(self, selector):
        """The accessibility tree's node of the element `selector` picks."""
        root = self.cdp_cmd("DOM.getDocument", {"depth": 0})["root"]["nodeId"]
        node = self.cdp_cmd("DOM.querySelector", {"nodeId": root, "selector": selector})
        if not node["nodeId"]:
            return {}
        return self.cdp_cmd("Accessibility.getPartialAXTree", {
            "nodeId": node["nodeId"], "fetchRelatives": False})["nodes"][0]

    def description(self, selector):
        return self.ax_node(selector).get("description", {}).get("value", "")



def check_reports(page, lang, rows, way):
    """Each row through the page's own controls (clicks on them, the input's text set), in one
    script: the numbers are what is checked here; real typing and clicks are checked below."""
    got = page.driver.execute_async_script("""
        const [rows, ids, parts, done] = arguments;
        const byId = (id) => document.getElementById(id);
        const message = byId(parts.message);
        const out = [];
        for (const [kind, text] of rows) {
            byId(ids.clear).click();
            if (kind >= 0) {
                byId(ids.option[kind]).click();
            }
            byId(ids.input[0]).value = text;
            byId(ids.calculate).click();
            out.push([byId(ids.resultBox[0]).value,
                      message.open ? byId(parts.messageText).textContent : ""]);
            message.close();
        }
        done(out);""", rows, page.ids, page.parts)
    mismatches = [f"{kind} {text[:20]!r}: {tuple(g)!r}, expected {e!r}"
                  for (kind, text), g, e in zip(rows, got,
                                                (tool_report(k, t, lang) for k, t in rows))
                  if tuple(g) != e]
    check(f"{way}, {lang}: {len(rows)} reports as the console tool's", not mismatches,
          "\n    ".join(mismatches[:5]))


def check_message(page, way):
    """The same text as the window's, the input and the lines kept; Enter, Escape and its
    button close it, and the focus goes back. A held Enter counts once."""
    for close, name in [(Keys.ENTER, "Enter"), (Keys.ESCAPE, "Escape"), (None, "its button")]:
        page.option(0).click()
        page.input.send_keys(Keys.CONTROL, "a")
        page.input.send_keys("1E+200", Keys.ENTER)
        opened = page.message_open()
        lines = page.box_text().count("\n")
        if page.cdp and close == Keys.ENTER:
            for _ in range(3):
                page.cdp_cmd("Input.dispatchKeyEvent", {"type": "keyDown", "key": "Enter",
                                                        "text": "\r", "autoRepeat": True})
            check(f"{way}: a held Enter leaves the message open", page.message_open())
        if close:
            page.keys(close)
        else:
            page.el(page.parts["message"]).find_element(By.TAG_NAME, "button").click()
        check(f"{way}: an error opens the message; {name} closes it, the focus back in the input",
              opened and not page.message_open() and lines == 5 and
              page.input.get_property("value") == "1E+200" and
              page.active() == page.ids["input"][0])


def check_behaviour(page, way):
    form = page.form
    task = form["taskText"].replace("\r\n", "\n")
    check(f"{way}: at load nothing is chosen, the input is empty, the task is shown",
          not any(page.radio(i).is_selected() for i in page.kinds) and
          page.input.get_property("value") == "" and page.box_text() == task)
    check(f"{way}: the focus starts in the result box", page.active() == page.ids["resultBox"][0])
    input_selector = f"#{page.ids['input'][0]}"
    hint = page.el(page.parts["hint"]).get_attribute("textContent")
    check(f"{way}: the input is described by its hint", page.description(input_selector) == hint)
    check(f"{way}: each option is described by its formulas",
          [re.sub(r"\s+", " ", c["toolTip"]) for c in form["controls"] if c["kind"] == "option"] ==
          [page.description(f"#{id_} input") for id_ in page.ids["option"]])

    # Tab order: the result box, the option group (one stop), the input, the two buttons.
    order = [page.active()]
    for _ in range(4):
        page.keys(Keys.TAB)
        order.append(page.active())
    expected = [page.ids["resultBox"][0], page.ids["option"][0], page.ids["input"][0],
                page.ids["calculate"], page.ids["clear"]]
    check(f"{way}: Tab goes through the result box, the options, the input and the buttons",
          order == expected, f"{order}")
    # The arrow keys move among the options and check each of the seven.
    for _ in range(3):
        page.chord(Keys.SHIFT, Keys.TAB)
    checked = []
    for _ in page.kinds:
        page.keys(Keys.ARROW_DOWN)
        checked.append(next((i for i in page.kinds if page.radio(i).is_selected()), None))
    check(f"{way}: the arrow keys check all seven options in turn",
          sorted(checked) == list(page.kinds), f"{checked}")
    # Enter on an option does nothing; the whole option area checks it.
    page.keys(Keys.ENTER)
    check(f"{way}: Enter on an option does nothing", page.box_text() == task)
    option = page.option(3)
    ActionChains(page.driver).move_to_element_with_offset(
        option, option.size["width"] // 2 - 3, 0).click().perform()
    check(f"{way}: a click at the right end of an option checks it", page.radio(3).is_selected())

    # Keys: Enter in the input, Space and Enter on a focused button.
    page.input.send_keys("1", Keys.ENTER)
    first = page.box_text()
    check(f"{way}: Enter in the input calculates", first.startswith("Катет BC = 1,154"),
          first[:40])
    live = page.ax_node(f"#{page.parts['live']}")
    spoken = page.cdp_cmd("Accessibility.queryAXTree", {
        "backendNodeId": live["backendDOMNodeId"], "role": "StaticText"})["nodes"] if live else []
    check(f"{way}: the report is read out once, by a polite live region",
          {"name": "live", "value": {"type": "token", "value": "polite"}} in
          live.get("properties", []) and
          [n["name"]["value"] for n in spoken] == [" ".join(first.split())] and
          page.active() == page.ids["input"][0])
    page.clear.send_keys(Keys.ENTER)
    check(f"{way}: Enter on a focused button presses it", page.box_text() == "")
    page.option(3).click()
    page.input.send_keys("1")
    page.calculate.send_keys(Keys.SPACE)
    check(f"{way}: Space on a focused button presses it", page.box_text() == first)

    # The result box: read-only, and what is copied from it pastes as it stands.
    page.box.send_keys("xyz")
    check(f"{way}: the result box does not take typing", page.box_text() == first)
    page.box.click()
    page.chord(Keys.CONTROL, "a")
    page.chord(Keys.CONTROL, "c")
    scratch = page.js("const s = document.createElement('textarea'); s.id = 'pasted';"
                      "document.body.append(s); return s;")
    scratch.click()
    page.chord(Keys.CONTROL, "v")
    check(f"{way}: the report copies and pastes as it stands",
          scratch.get_property("value") == first)
    page.js("arguments[0].remove()", scratch)

    # The input: whatever brings more than 1,000 characters, they are cut there, with the
    # notice, which then also describes the input.
    notice = page.el(page.parts["notice"])
    limit = form["inputMaxLength"]
    for name, text, bring in [
            ("a paste", "7" * 5000, page.paste),
            ("a paste with a line break", "7" * 600 + "\n" + "7" * 600, page.paste),
            ("an on-screen keyboard's text", "7" * 1500,
             lambda target, text: page.cdp_cmd("Input.insertText", {"text": text}))]:
        page.input.send_keys(Keys.CONTROL, "a", Keys.DELETE)
        bring(page.input, text)
        value = page.input.get_property("value")
        check(f"{way}: {name} beyond {limit} characters is cut there, and the notice says so",
              value == text.replace("\n", " ")[:limit] and notice.is_displayed() and
              notice.text == form["inputCutNotice"] and
              page.description(input_selector) == f"{hint} {form['inputCutNotice']}",
              f"{len(value)} characters")
    page.paste(page.input, "2.5")
    check(f"{way}: a short paste shows no notice",
          not notice.is_displayed() and page.description(input_selector) == hint)

    # Clearing: options, input and box emptied, with nothing to undo.
    page.input.send_keys("12")
    page.clear.click()
    page.input.click()
    page.chord(Keys.CONTROL, "z")
    check(f"{way}: clearing empties everything and leaves nothing to undo",
          page.input.get_property("value") == "" and page.box_text() == "" and
          not any(page.radio(i).is_selected() for i in page.kinds))
    page.calculate.click()
    check(f"{way}: calculate does nothing with no option checked", page.box_text() == "")

    check_message(page, way)

    # A reload starts afresh; so does a page the history brings back, the message closed.
    page.driver.refresh()
    page.wait_ready()
    check(f"{way}: a reload starts afresh",
          page.box_text() == task and page.input.get_property("value") == "" and
          not any(page.radio(i).is_selected() for i in page.kinds) and
          page.active() == page.ids["resultBox"][0])
    if way != "http://":
        return  # from a file, Chromium keeps no page in its back/forward cache
    page.compute(6, "-1")
    page.js("window.kept = true")
    page.driver.get("about:blank")
    page.driver.back()
    page.wait_ready()
    check(f"{way}: back from the history, the page starts afresh with the message closed",
          page.js("return window.kept") is True and not page.message_open() and
          page.box_text() == task)


def check_geometry(page, url, way):
    page.open(url)
    form_rect = page.js(f"return document.getElementById('{page.form['formName']}')"
                        ".getBoundingClientRect().toJSON()")
    check(f"{way}: the window is {page.form['width']} x {page.form['height']}",
          (form_rect["width"], form_rect["height"]) == (page.form["width"], page.form["height"]))
    frame = page.ids["frame"][0]
    wrong = []
    for c in page.form["controls"]:
        origin = frame if c["kind"] == "option" else page.form["formName"]
        rect = page.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "const o = document.getElementById(arguments[1]).getBoundingClientRect();"
                       "return [r.left - o.left, r.top - o.top, r.width, r.height]",
                       c["id"], origin)
        if [round(v, 3) for v in rect] != [c["left"], c["top"], c["width"], c["height"]]:
            wrong.append(f"{c['id']} {rect}")
    check(f"{way}: every control stands where the description puts it", not wrong,
          "; ".join(wrong))


# What is wrong with how the page looks: a sideways scroll; an element whose text overflows its
# box (a scroll box aside, but for a print); in the narrow arrangement, a target under 44 x 44 px or text under
# 16 px. Then axe-core's default rules and WCAG 2.2 AA's, but for the wide arrangement's
# options, which keep the window's 20 px rows.
LOOK = """
const [formName, narrow, done] = arguments;
const found = {sideways: [], overflow: [], axe: [], ...(narrow ? {targets: [], text: []} : {})};
const page = document.scrollingElement;
if (page.scrollWidth > page.clientWidth) {
    found.sideways.push(`${page.scrollWidth} > ${page.clientWidth}`);
}
const name = (e) => e.id || `${e.closest("[id]")?.id} ${e.tagName}`;
for (const e of document.querySelectorAll(`#${formName} :not(svg, svg *), dialog[open] *`)) {
    const s = getComputedStyle(e);
    const r = e.getBoundingClientRect();
    if (narrow && e.matches("fieldset label, input[type=text], button") &&
        (r.width < 44 || r.height < 44)) {
        found.targets.push(`${name(e)}: ${r.width} x ${r.height}`);
    }
    if (!r.width || s.display === "inline" || s.clipPath !== "none" ||
        (/auto|scroll/.test(s.overflowX + s.overflowY) && !matchMedia("print").matches)) {
        continue;
    }
    if (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1) {
        found.overflow.push(`${name(e)}: ${e.scrollWidth} x ${e.scrollHeight} in ` +
                            `${e.clientWidth} x ${e.clientHeight}`);
    }
    if (narrow && parseFloat(s.fontSize) < 16) {
        found.text.push(`${name(e)}: ${s.fontSize}`);
    }
}
const rules = Object.fromEntries(axe.getRules(["wcag22aa"]).map((r) => [r.ruleId, {enabled: 1}]));
axe.run(document, {rules}).then((result) => {
    for (const v of result.violations) {
        found.axe.push(...v.nodes.filter((n) => narrow || v.id !== "target-size" ||
            !document.querySelector(n.target[0])?.matches("fieldset input"))
            .map((n) => `${v.id}: ${n.target}`));
    }
    done(found);
});
"""
CHECKS = {"sideways": "nothing scrolls sideways", "overflow": "no text overflows its box",
          "axe": "axe finds no violation", "view": "the page's top is in view at load, the "
          "report after it", "drawing": "the drawing shows", "targets": "every target is at "
          "least 44 x 44 px", "text": "the text is at least 16 px"}


def check_conditions(page, url, axe, conditions, engine):
    """Each condition, at load, after a report and with the message open, checked the same
    ways; the drawing, by a screenshot of its pixels far from the most common grey."""
    for c in conditions:
        page.open(url, c)
        narrow = c.touch or c.width < page.form["width"]
        found = {"view": ["scrolled at load"] if page.js("return scrollY") else []}
        if page.cdp:
            picture = page.el(page.ids["picture"][0]).screenshot_as_png
            grey = Image.open(io.BytesIO(picture)).convert("L").histogram()
            found["drawing"] = [] if sum(n for level, n in enumerate(grey) if abs(
                level - grey.index(max(grey))) > 96) > 500 else ["no strokes"]
        for state in ("at load", "after a report", "with the message open"):
            if state == "after a report":
                page.compute(1, "2.5")
                top, bottom, view = page.js("const r = arguments[0].getBoundingClientRect();"
                                            "return [r.top, r.bottom, innerHeight]", page.box)
                if min(bottom, view) - max(top, 0) < min(bottom - top, view) - 1:
                    found["view"].append(f"the report at {top} to {bottom} of {view}")
            elif state == "with the message open":
                page.compute(6, "-1")
            page.js(axe)
            for key, problems in page.driver.execute_async_script(
                    LOOK, page.form["formName"], narrow).items():
                found[key] = found.get(key, []) + [f"{state}: {p}" for p in problems]
        page.keys(Keys.ESCAPE)
        for key, title in CHECKS.items():
            if key in found:
                check(f"{engine}, {c.name} ({'narrow' if narrow else 'wide'}): {title}",
                      not found[key], found[key][:4])


def check_without_webassembly(page, url):
    added = page.cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                         {"source": "delete globalThis.WebAssembly;"})
    page.driver.get(url)
    note = page.el(page.parts["coreFailed"])
    try:
        WebDriverWait(page.driver, 10).until(lambda d: note.is_displayed())
    except TimeoutException:
        pass
    check("without WebAssembly, the page says so, and «Изчисли» stays disabled",
          note.is_displayed() and not page.calculate.is_enabled())
    page.cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", added)
    page.driver.get_log("browser")  # the module's own complaint


def check_site(page, built):
    """The site's folder, served from 127.0.0.1 as a school's site would serve it: installable,
    kept by its worker for use offline, and replaced by a second build of the page; opened as
    a file, it registers no worker."""
    size = sum(f.stat().st_size for f in built.iterdir())
    check(f"the site is at most {SITE_BUDGET} bytes ({size})", size <= SITE_BUDGET)
    root = pathlib.Path(tempfile.mkdtemp())
    shutil.copytree(built, root / "site")
    server = serve(str(root))
    url = f"http://127.0.0.1:{server.server_port}/site/"
    page.open(url)
    errors = page.cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
    icons = json.loads((root / "site/manifest.webmanifest").read_text())["icons"]
    sizes = [Image.open(urllib.request.urlopen(url + i["src"])).size for i in icons]
    check("the site installs, and its manifest's icons load", not errors and sizes == [
        tuple(int(n) for n in i["sizes"].split("x")) for i in icons], f"{errors} {sizes}")
    page.driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
    page.driver.refresh()
    page.wait_ready()
    check("after a reload, its worker controls the page",
          page.js("return !!navigator.serviceWorker.controller"))
    caches = "caches.keys().then(arguments[0])"
    first = page.driver.execute_async_script(caches)

    offline = {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}
    server.shutdown()
    server.server_close()
    page.driver.switch_to.new_window("tab")
    page.cdp_cmd("Network.enable", {})
    page.cdp_cmd("Network.emulateNetworkConditions", offline)
    page.open(url)
    page.compute(1, "2.5")
    check("offline, a new tab opens the page and computes the console tool's report",
          page.box_text() == tool_report(1, "2.5", LOCALES["bg-BG"])[0])

    # A second build of the page (the generator run again), at the same address: its worker
    # takes over in the background, the next load shows it, and only its cache remains.
    form = {**page.form, "title": page.form["title"] + " 2"}
    (root / "description.json").write_text(json.dumps(form), encoding="utf-8")
    web, source = pathlib.Path(DESCRIPTION).parent, pathlib.Path(__file__).resolve().parents[1]
    subprocess.run(["node", source / "web/make_page.js", root / "description.json",
                    web / "core_module.js", web / "core_module.wasm", source / "web/page.js",
                    source / "web/site.js", source / "web/sw.js", source / "resources", root],
                   check=True, capture_output=True)
    server = serve(str(root), url.split(":")[2].split("/")[0])
    page.cdp_cmd("Network.emulateNetworkConditions", {**offline, "offline": False})
    page.open(url)
    WebDriverWait(page.driver, 10).until(
        lambda d: len(keys := d.execute_async_script(caches)) == 1 and keys != first)
    page.driver.refresh()
    page.wait_ready()
    check("a second build's worker takes over: a reload shows its page, and one cache remains",
          page.driver.title == form["title"] and
          len(page.driver.execute_async_script(caches)) == 1,
          f"{page.driver.title} {page.driver.execute_async_script(caches)}")
    server.shutdown()
    page.driver.close()
    page.driver.switch_to.window(page.driver.window_handles[0])

    for name in ("site/index.html", "triangle30.html"):
        page.open((built.parent / name).resolve().as_uri())
        check(f"{name} from a file registers no worker",
              not page.driver.execute_async_script(
                  "const done = arguments[0]; navigator.serviceWorker ? navigator.serviceWorker"
                  ".getRegistrations().then((r) => done(r.length), () => done(0)) : done(0)"))


def check_file():
    html = pathlib.Path(PAGE).read_text(encoding="utf-8")
    size = len(html.encode())
    check(f"the page is at most {PAGE_BUDGET} bytes ({size})", size <= PAGE_BUDGET)
    elsewhere = [u for u in re.findall(r'\b(?:src|href)\s*=\s*"([^"]*)"', html)
                 if not u.startswith("data:")]
    check("no src or href points elsewhere", not elsewhere, f"{elsewhere}")
    csp = re.search(r'http-equiv="Content-Security-Policy" content="([^"]*)"', html)
    check("a CSP with no unsafe-inline or unsafe-eval", csp is not None and
          "default-src 'none'" in csp.group(1) and "unsafe-inline" not in csp.group(1) and
          "'unsafe-eval'" not in csp.group(1))


def main():
    form = json.loads(pathlib.Path(DESCRIPTION).read_text(encoding="utf-8"))
    axe = pathlib.Path(AXE).read_text(encoding="utf-8")
    rows = report_rows()
    check(f"the core's report and error tables are read ({len(rows)} rows)", len(rows) >= 20)
    rows += AWKWARD_INPUTS
    check_file()
    server = serve(str(pathlib.Path(PAGE).parent))
    ways = {"file://": pathlib.Path(PAGE).resolve().as_uri(),
            "http://": f"http://127.0.0.1:{server.server_port}/{pathlib.Path(PAGE).name}"}
    for locale in LOCALES:
        bulgarian = locale == "bg-BG"
        driver = chromium.start(locale, 0 if bulgarian else MINIMUM_FONT)
        try:
            page = Page(driver, form)
            if bulgarian:
                check_without_webassembly(page, ways["http://"])
            for way, url in ways.items():
                page.open(url)
                check_reports(page, LOCALES[locale], rows, way)
                if bulgarian:
                    page.open(url)
                    check_behaviour(page, way)
                    check_geometry(page, url, way)
            check_conditions(page, ways["http://"], axe,
                             CONDITIONS if bulgarian else MINIMUM_FONT_CONDITIONS, "Chromium")
            if bulgarian:
                check_site(page, pathlib.Path(PAGE).parent / "site")
            errors = [e["message"] for e in driver.get_log("browser")
                      if e["level"] == "SEVERE" and "favicon" not in e["message"]]
            check(f"{locale}: the browser reports no error (CSP included)", not errors,
                  "; ".join(errors[:3]))
        except TimeoutException as e:
            check(f"{locale}: the page becomes ready", False, str(e))
        finally:
            driver.quit()
    # Under C.UTF-8, a bare Linux image's locale, WebKit's language is "C".
    for lang in ["bg_BG.UTF-8", "en_US.UTF-8", "C.UTF-8"]:
        driver = webkit(lang)
        try:
            page = Page(driver, form)
            page.open(ways["http://"])
            if lang == "C.UTF-8":
                check("WebKit, C.UTF-8: the browser's language is one that Intl rejects",
                      page.js("try { new Intl.NumberFormat(navigator.language); }"
                              "catch { return true; } return false;"))
            check_reports(page, lang, rows, "WebKit")
            if lang == "bg_BG.UTF-8":
                check_geometry(page, ways["http://"], "WebKit")
                check_message(page, "WebKit")
                check_conditions(page, ways["http://"], axe, WEBKIT_CONDITIONS, "WebKit")
        except TimeoutException as e:
            check(f"WebKit, {lang}: the page becomes ready", False, str(e))
        finally:
            driver.quit()
    server.shutdown()
    print(f"page: {failures} checks failed" if failures else "page: all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
