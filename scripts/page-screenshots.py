#!/usr/bin/python3
"""Screenshots of the page after the calculation from the leg AC = 2.5, in Bulgarian.

    scripts/page-screenshots.py     (after scripts/web-build.sh)

docs/page-desktop.png at 1024 x 768; docs/page-phone.png, a 360 px wide touch screen, the whole
narrow arrangement.
"""
import pathlib
import sys

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests"))
import chromium  # noqa: E402

form = __import__("json").loads(pathlib.Path("build-web/web/description.json").read_text())
ids = {c["role"] or c["kind"]: c["id"] for c in form["controls"]}
option = next(c["id"] for c in form["controls"] if c["role"] == "option" and c["index"] == 1)
driver = chromium.start()
try:
    for name, width, height, mobile in [("desktop", 1024, 768, False),
                                        ("phone", 360, 640, True)]:
        metrics = {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile}
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": mobile})
        driver.get(pathlib.Path("build-web/triangle30.html").resolve().as_uri())
        calculate = driver.find_element(By.ID, ids["calculate"])
        WebDriverWait(driver, 10).until(lambda d: calculate.is_enabled())
        driver.find_element(By.ID, option).click()
        driver.find_element(By.ID, ids["input"]).send_keys("2.5")
        calculate.click()
        if mobile:  # the whole column
            metrics["height"] = driver.execute_script("return document.body.scrollHeight")
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
            driver.execute_script("scrollTo(0, 0)")
        driver.save_screenshot(f"docs/page-{name}.png")
        print(f"docs/page-{name}.png")
finally:
    driver.quit()
