#!/usr/bin/python3
"""Screenshots of the web page in headless Chromium, after the calculation from the leg AC = 2.5
under Bulgarian settings: docs/page-desktop.png (1024 x 768) and docs/page-phone.png (a 360 px
wide touch screen, the whole narrow arrangement). Run after scripts/web-build.sh."""
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
options.add_experimental_option("prefs", {"intl.accept_languages": "bg-BG"})
with tempfile.TemporaryDirectory() as profile:
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", f"--user-data-dir={profile}"]:
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        for name, width, height, mobile in [("desktop", 1024, 768, False),
                                            ("phone", 360, 640, True)]:
            metrics = {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile}
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
            driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": mobile})
            driver.get(f"file://{__import__('os').path.abspath('build-web/triangle30.html')}")
            calculate = driver.find_element(By.ID, "Command1_0")
            WebDriverWait(driver, 10).until(lambda d: calculate.is_enabled())
            driver.find_element(By.ID, "Option1_1").click()
            driver.find_element(By.ID, "Text2_0").send_keys("2.5")
            calculate.click()
            if mobile:  # the whole column
                metrics["height"] = driver.execute_script("return document.body.scrollHeight")
                driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
                driver.execute_script("scrollTo(0, 0)")
            driver.save_screenshot(f"docs/page-{name}.png")
            print(f"docs/page-{name}.png")
    finally:
        driver.quit()
