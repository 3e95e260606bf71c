#!/usr/bin/python3
"""How soon the web page is ready: from navigation until «Изчисли» is enabled (the page's
"triangle30-ready" mark), in a warm headless Chromium, opened from file://. Prints the median
and the range of RUNS loads.

    bench/page_ready.py [RUNS] [PAGE]     (default 21 and build-web/triangle30.html)
"""
import pathlib
import statistics
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 21
page = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else "build-web/triangle30.html")
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
with tempfile.TemporaryDirectory() as profile:
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", f"--user-data-dir={profile}", "--window-size=1024,768"]:
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        ready = """const done = arguments[0];
            const look = () => {
                const mark = performance.getEntriesByName("triangle30-ready")[0];
                if (mark) { done(mark.startTime); } else { setTimeout(look, 1); }
            };
            look();"""
        url = page.resolve().as_uri()
        driver.get(url)  # warm: the file and the browser's caches
        driver.execute_async_script(ready)
        times = []
        for _ in range(runs):
            driver.get("about:blank")
            driver.get(url)
            times.append(driver.execute_async_script(ready))
    finally:
        driver.quit()
print(f"page ready: median {statistics.median(times):.1f} ms over {runs} loads "
      f"({min(times):.1f} to {max(times):.1f} ms)")
