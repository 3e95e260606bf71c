"""Headless Chromium for the page's test, its benchmark and its screenshots: Debian's Chromium
through ChromeDriver, as root, with a profile of its own that goes when the program ends, none
of its own network traffic, and the page's language."""
import atexit
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def start(locale="bg-BG", minimum_font_size=0):
    profile = tempfile.mkdtemp()
    atexit.register(shutil.rmtree, profile, ignore_errors=True)
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking", "--disable-sync",
                     "--disable-component-update", "--window-size=1024,768",
                     f"--lang={locale}", f"--user-data-dir={profile}"]:
        options.add_argument(argument)
    options.add_experimental_option("prefs", {
        "intl.accept_languages": locale, "webkit.webprefs.minimum_font_size": minimum_font_size})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(30)
    return driver
