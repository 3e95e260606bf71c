#!/usr/bin/python3
"""How soon the page is ready, in a warm headless Chromium: median and range of RUNS loads.

    bench/page_ready.py [RUNS] [PAGE]     (default 21 and build-web/triangle30.html)

From navigation until «Изчисли» is enabled (the page's "triangle30-ready" mark), opened from
file://.
"""
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests"))
import chromium  # noqa: E402

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 21
page = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else "build-web/triangle30.html")
driver = chromium.start()
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
