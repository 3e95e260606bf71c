#!/usr/bin/python3
"""Tests the web page in headless Chromium, driven as a person drives it: clicks, keys, real
pastes and copies. One browser per language (bg-BG writes a decimal comma, en-US a period); the
page opened from file:// and from http://127.0.0.1.

    page_test.py PAGE DESCRIPTION.json REPORT_TOOL REPORT_TEST_SOURCE AXE_JS

- every (kind, input) of the core's report and error tables, and the awkward inputs below, give
  the report that the console tool gives (--exact, line ends aside), errors included;
- each behaviour of the window that the page copies (load, options, tab order, keys, the
  input's limit, clearing, copying, the message, a reload);
- every control's place and size against the window's description, at 1024 x 768, and the
  whole window within a 360 x 640 phone's width;
- axe-core finds no violation, after the core is ready, after a report and with the message
  open; the page stays within its size and loads nothing from elsewhere.
"""
import functools
import http.server
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

PAGE, DESCRIPTION, REPORT_TOOL, REPORT_TEST, AXE = sys.argv[1:6]
PAGE_BUDGET = 153_600
LOCALES = {"bg-BG": "bg_BG.UTF-8", "en-US": "en_US.UTF-8"}
# Inputs a student may give beyond the core's tables: words, other scripts, emoji (typed by a
# paste: ChromeDriver types only the Basic Multilingual Plane), blanks and long numbers.
AWKWARD_INPUTS = [
    (0, "abc"), (0, "пет"), (1, "5😀"), (0, "3.5см"), (0, "1 2.5"), (2, " 7 "), (0, "0x10"),
    (0, "inf"), (0, "1e-400"), (3, "מספר 5"), (4, "1" * 300), (5, ".5"), (6, "5."),
    (-1, "12"),
]

failures = 0


def check(name, ok, detail=""):
    global failures
    print(("ok: " if ok else "FAIL: ") + name + ("" if ok else f"\n    {detail}"))
    failures += 0 if ok else 1


def report_rows():
    """(kind, input) of the core's report and error tables (tests/report_test.cpp)."""
    source = pathlib.Path(REPORT_TEST).read_text(encoding="utf-8")
    rows = re.findall(r'(?:Report|Failure)Case\{\s*"\w+",\s*(-?\d+),\s*"((?:[^"\\]|\\.)*)"',
                      source)
    return [(int(kind), text.encode().decode("unicode_escape").encode("latin-1").decode())
            for kind, text in rows]


def tool_report(kind, text, locale):
    run = subprocess.run([REPORT_TOOL, "--exact", "--", str(kind), text], capture_output=True,
                         env={**os.environ, "LANG": LOCALES[locale], "LC_ALL": ""})
    error = run.stderr.decode().split("грешка: ", 1)[-1].strip() if run.returncode == 1 else ""
    return run.stdout.decode().replace("\r\n", "\n"), error


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser(locale, profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking", "--disable-sync",
                     "--disable-component-update", "--window-size=1024,768",
                     f"--lang={locale}", f"--user-data-dir={profile}"]:
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": locale})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(30)
    return driver


class Page:
    def __init__(self, driver, form):
        self.driver = driver
        self.form = form
        self.controls = {c["id"]: c for c in form["controls"]}
        self.ids = {kind: [c["id"] for c in form["controls"] if c["kind"] == kind]
                    for kind in ("resultBox", "input", "button", "option", "frame")}

    def open(self, url, width=1024, height=768, mobile=False):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
        self.driver.get(url)
        self.wait_ready()

    def wait_ready(self):
        WebDriverWait(self.driver, 10).until(lambda d: self.calculate.is_enabled())

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
        return self.el(self.ids["button"][0])

    @property
    def clear(self):
        return self.el(self.ids["button"][1])

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
        return self.js("return document.getElementById('Message').open")

    def compute(self, kind, text):
        self.clear.click()
        if kind >= 0:
            self.option(kind).click()
        if text and all(ord(c) < 0x10000 for c in text) and len(text) < 200:
            self.input.send_keys(text)
        elif text:
            self.paste(self.input, text)
        self.calculate.click()


def check_reports(page, locale, rows, way):
    """Each row through the page's own controls (clicks on them, the input's text set), in one
    script: the numbers are what is checked here; real typing and clicks are checked below."""
    got = page.driver.execute_async_script("""
        const [rows, ids, done] = arguments;
        const byId = (id) => document.getElementById(id);
        const message = byId("Message");
        const out = [];
        for (const [kind, text] of rows) {
            byId(ids.button[1]).click();
            if (kind >= 0) {
                byId(ids.option[kind]).click();
            }
            byId(ids.input[0]).value = text;
            byId(ids.button[0]).click();
            out.push([byId(ids.resultBox[0]).value,
                      message.open ? byId("MessageText").textContent : ""]);
            message.close();
        }
        done(out);""", rows, page.ids)
    mismatches = [f"{kind} {text[:20]!r}: {tuple(g)!r}, expected {e!r}"
                  for (kind, text), g, e in zip(rows, got,
                                                (tool_report(k, t, locale) for k, t in rows))
                  if tuple(g) != e]
    check(f"{way}, {locale}: {len(rows)} reports as the console tool's", not mismatches,
          "\n    ".join(mismatches[:5]))


def check_behaviour(page, way):
    form = page.form
    task = form["taskText"].replace("\r\n", "\n")
    check(f"{way}: at load nothing is chosen, the input is empty, the task is shown",
          not any(page.radio(i).is_selected() for i in range(7)) and
          page.input.get_property("value") == "" and page.box_text() == task)
    check(f"{way}: the focus starts in the result box", page.active() == page.ids["resultBox"][0])

    # Tab order: the result box, the option group (one stop), the input, the two buttons.
    order = [page.active()]
    for _ in range(4):
        page.keys(Keys.TAB)
        order.append(page.active())
    expected = [page.ids["resultBox"][0], page.ids["option"][0], page.ids["input"][0],
                *page.ids["button"]]
    check(f"{way}: Tab goes through the result box, the options, the input and the buttons",
          order == expected, f"{order}")
    # The arrow keys move among the options and check each of the seven.
    for _ in range(3):
        page.chord(Keys.SHIFT, Keys.TAB)
    checked = []
    for _ in range(7):
        page.keys(Keys.ARROW_DOWN)
        checked.append(next((i for i in range(7) if page.radio(i).is_selected()), None))
    check(f"{way}: the arrow keys check all seven options in turn",
          sorted(checked) == list(range(7)), f"{checked}")
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

    # The input: a paste beyond 1,000 characters is cut there, with the notice.
    notice = page.el(f"{page.ids['input'][0]}Notice")
    page.paste(page.input, "7" * 5000)
    value = page.input.get_property("value")
    check(f"{way}: a long paste is cut at {form['inputMaxLength']} characters",
          value == "7" * form["inputMaxLength"], f"{len(value)} characters")
    check(f"{way}: and the notice says so",
          notice.is_displayed() and notice.text == form["inputCutNotice"])
    page.paste(page.input, "2.5")
    check(f"{way}: a short paste shows no notice", not notice.is_displayed())

    # Clearing: options, input and box emptied, with nothing to undo.
    page.input.send_keys("12")
    page.clear.click()
    page.input.click()
    page.chord(Keys.CONTROL, "z")
    check(f"{way}: clearing empties everything and leaves nothing to undo",
          page.input.get_property("value") == "" and page.box_text() == "" and
          not any(page.radio(i).is_selected() for i in range(7)))
    page.calculate.click()
    check(f"{way}: calculate does nothing with no option checked", page.box_text() == "")

    # The message: the same text as the window's, the input and the lines kept; Enter, Escape
    # and its button close it, and the focus goes back.
    for close, name in [(Keys.ENTER, "Enter"), (Keys.ESCAPE, "Escape"), (None, "its button")]:
        page.option(0).click()
        page.input.send_keys(Keys.CONTROL, "a")
        page.input.send_keys("1E+200", Keys.ENTER)
        opened = page.message_open()
        lines = page.box_text().count("\n")
        if close:
            page.keys(close)
        else:
            page.el("Message").find_element(By.TAG_NAME, "button").click()
        check(f"{way}: an error opens the message; {name} closes it, the focus back in the input",
              opened and not page.message_open() and lines == 5 and
              page.input.get_property("value") == "1E+200" and
              page.active() == page.ids["input"][0])

    # A reload starts afresh.
    page.driver.refresh()
    page.wait_ready()
    check(f"{way}: a reload starts afresh",
          page.box_text() == task and page.input.get_property("value") == "" and
          not any(page.radio(i).is_selected() for i in range(7)) and
          page.active() == page.ids["resultBox"][0])


def check_geometry(page, url, way):
    page.open(url)
    form_rect = page.js(f"return document.getElementById('{page.form['formName']}')"
                        ".getBoundingClientRect().toJSON()")
    check(f"{way}: at 1024 x 768 the window is {page.form['width']} x {page.form['height']}",
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

    page.open(url, 360, 640, mobile=True)
    fits = page.js(f"const r = document.getElementById('{page.form['formName']}')"
                   ".getBoundingClientRect(); const e = document.scrollingElement;"
                   "return [r.left >= 0 && r.right <= innerWidth && r.bottom <= innerHeight,"
                   "e.scrollWidth <= e.clientWidth, r.width]")
    check(f"{way}: at 360 x 640 the whole window fits, nothing scrolls sideways",
          fits[0] and fits[1] and fits[2] > 350, f"{fits}")


def check_axe(page, axe, way):
    def run(state):
        page.js(axe)
        result = page.driver.execute_async_script(
            "axe.run(document).then(r => arguments[0]({violations: r.violations.map("
            "v => v.id + ': ' + v.nodes.map(n => n.target).join(' ')),"
            "checked: r.passes.reduce((n, p) => n + p.nodes.length, 0)}))")
        check(f"{way}: axe finds no violation {state} ({result['checked']} nodes checked)",
              not result["violations"] and result["checked"] > 0,
              "; ".join(result["violations"]))
    run("when the core is ready")
    page.compute(1, "2.5")
    run("after a report")
    page.compute(6, "-1")
    run("with the message open")
    page.keys(Keys.ESCAPE)


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
        with tempfile.TemporaryDirectory() as profile:
            driver = browser(locale, profile)
            try:
                page = Page(driver, form)
                for way, url in ways.items():
                    page.open(url)
                    check_reports(page, locale, rows, way)
                    if locale == "bg-BG":
                        page.open(url)
                        check_behaviour(page, way)
                        check_geometry(page, url, way)
                        page.open(url)
                        check_axe(page, axe, way)
                errors = [e["message"] for e in driver.get_log("browser")
                          if e["level"] == "SEVERE" and "favicon" not in e["message"]]
                check(f"{locale}: the browser reports no error (CSP included)", not errors,
                      "; ".join(errors[:3]))
            except TimeoutException as e:
                check(f"{locale}: the page becomes ready", False, str(e))
            finally:
                driver.quit()
    server.shutdown()
    print(f"page: {failures} checks failed" if failures else "page: all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
