"""Starts a studio on a free port and a headless Chromium driven by
Selenium, for the browser test, the screenshots and the benchmark."""
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--window-size=1400,900"]


class Studio:
    """A `tovrins studio` process; its URL is read from what it prints."""

    def __init__(self, tovrins, args=(), timeout=20):
        self.process = subprocess.Popen([tovrins, "studio", "--port", "0", *args], stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, text=True)
        deadline = time.monotonic() + timeout
        line = ""
        while time.monotonic() < deadline:
            line = self.process.stdout.readline()
            match = re.search(r"(http://\S+)", line)
            if match:
                self.url = match.group(1)
                return
            if self.process.poll() is not None:
                break
        raise RuntimeError("the studio did not start: " + line + self.process.stderr.read())

    def stop(self):
        """Ctrl-C, as a user stops it; returns its exit code."""
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGINT)
        try:
            return self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise


class Browser:
    def __init__(self, download_dir=None):
        self.profile = tempfile.mkdtemp(prefix="tovrins-chromium-")
        options = webdriver.ChromeOptions()
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        if download_dir:
            options.add_experimental_option("prefs", {"download.default_directory": download_dir,
                                                      "download.prompt_for_download": False})
        driver_path = shutil.which("chromedriver") or "/usr/bin/chromedriver"
        self.driver = webdriver.Chrome(service=Service(driver_path), options=options)
        self.driver.set_page_load_timeout(20)
        self.driver.set_script_timeout(20)
        if download_dir:
            self.driver.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": download_dir})

    def quit(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)

    def wait(self, condition, timeout=10):
        return WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(condition)

    def find(self, css):
        return self.driver.find_element(By.CSS_SELECTOR, css)

    def state(self):
        return self.driver.execute_script("return window.tovrinsStudio.state")

    def settled(self, timeout=30):
        """Waits until no request is in flight and the last revision is painted."""
        try:
            self.wait(timeout=timeout, condition=lambda d: d.execute_script(
                "const s = window.tovrinsStudio; return s.state && s.busy === 0 && "
                "document.body.dataset.revision == s.state.revision"))
        except Exception:
            shot = os.path.join(tempfile.gettempdir(), "tovrins-studio-failure.png")
            self.driver.save_screenshot(shot)
            raise AssertionError("the page did not settle (screenshot " + shot + "): " + repr(
                self.driver.execute_script("const s = window.tovrinsStudio; return [s.busy, s.state && s.state.revision,"
                                           " document.body.dataset.revision, s.shownRevision]")))
        return self.state()
