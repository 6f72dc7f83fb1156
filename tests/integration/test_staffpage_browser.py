#!/usr/bin/env python3
"""The staff web page in a real browser: headless Chromium at a phone's size opens the page of a
running copy with no window, logs in, presses Lockdown, confirms, and the alarm is heard on the sound
server and shown on the page; then it is stopped from the page. A screenshot of the page is kept in the
folder given as the second argument.

Usage: test_staffpage_browser.py PROGRAM_FOLDER OUTPUT_FOLDER (in a network namespace of its own, with
PULSE_SERVER set to the test's sound server)."""

import array
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
import ssl
import wave

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support import expected_conditions as seen
from selenium.webdriver.support.ui import WebDriverWait

PORT = 18444
BASE = f"https://127.0.0.1:{PORT}"
RATE = 44100


def tone(path, seconds, frequency):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(array.array("h", (int(12000 * math.sin(2 * math.pi * frequency * i / RATE))
                                        for i in range(int(seconds * RATE)))).tobytes())


def corvalin(folder, *args, given=b""):
    return subprocess.run([os.path.join(folder, "Corvalin"), *args], input=given, capture_output=True, timeout=60)


def served(folder):
    """Waits until the page answers; false when it never does."""
    context = ssl.create_default_context()
    context.check_hostname = False
    context.verify_mode = ssl.CERT_NONE
    for _ in range(150):
        try:
            with urllib.request.urlopen(BASE + "/", context=context, timeout=2) as page:
                if page.status == 200:
                    return True
        except OSError:
            pass
        time.sleep(0.2)
    return False


class Recorder:
    """The default sink's sound from now on, read as it comes, so that what was heard by a moment is known."""

    def __init__(self):
        self.process = subprocess.Popen(["parec", "-d", "main_out.monitor", "--raw", "--format=s16le",
                                         f"--rate={RATE}", "--channels=1", "--latency-msec=20"],
                                        stdout=subprocess.PIPE)
        self.samples = array.array("h")
        self.lock = threading.Lock()
        self.reader = threading.Thread(target=self.read, daemon=True)
        self.reader.start()
        deadline = time.monotonic() + 10
        while self.heard() < RATE // 10 and time.monotonic() < deadline:
            time.sleep(0.05)

    def read(self):
        left = b""
        while True:
            chunk = self.process.stdout.read1(4096)
            if not chunk:
                return
            chunk = left + chunk
            whole = len(chunk) // 2 * 2
            left = chunk[whole:]
            with self.lock:
                self.samples.frombytes(chunk[:whole])

    def heard(self):
        with self.lock:
            return len(self.samples)

    def finish(self):
        self.process.terminate()
        self.reader.join(5)
        return self.samples

    def kill(self):
        self.process.kill()


def loud_from(samples, threshold=3000):
    """The second at which the recording first gets loud; None when it never does."""
    for i, sample in enumerate(samples):
        if abs(sample) > threshold:
            return i / RATE
    return None


def main():
    program, output = sys.argv[1], sys.argv[2]
    os.makedirs(output, exist_ok=True)
    os.makedirs(os.environ.get("HOME", output), exist_ok=True)
    subprocess.run(["ip", "link", "set", "lo", "up"], check=False)
    work = tempfile.mkdtemp(prefix="staffpage-browser-")
    headless = None
    driver = None
    recorder = None
    try:
        folder = os.path.join(work, "Corvalin")
        shutil.copytree(program, folder, symlinks=True)
        shutil.rmtree(os.path.join(folder, "data"), ignore_errors=True)
        os.makedirs(os.path.join(folder, "data"))
        tone(os.path.join(folder, "sound", "1-alarm.wav"), 1.0, 440.0)
        with open(os.path.join(folder, "data", "alarms.ini"), "wb") as f:
            f.write(b"Lockdown,1-alarm.wav,0\r\nAll clear,1-alarm.wav,1\r\n")
        env = dict(os.environ)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("DISPLAY", None)
        made = corvalin(folder, "--staff-add", "jsmith", given=b"a long password\n")
        assert made.returncode == 0, made
        made = corvalin(folder, "--web-on", f"127.0.0.1:{PORT}")
        assert made.returncode == 0, made
        log = open(os.path.join(work, "headless.log"), "wb")
        headless = subprocess.Popen([os.path.join(folder, "Corvalin"), "--headless"], stdout=log, stderr=log, env=env)
        assert served(folder), "the page was not served"

        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu",
                         "--window-size=360,740", f"--user-data-dir={work}/chromium"):
            options.add_argument(argument)
        options.add_experimental_option("mobileEmulation",
                                        {"deviceMetrics": {"width": 360, "height": 740, "pixelRatio": 2}})
        options.set_capability("acceptInsecureCerts", True)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        wait = WebDriverWait(driver, 20)
        driver.get(BASE + "/")
        wait.until(seen.visibility_of_element_located((By.ID, "user"))).send_keys("jsmith")
        driver.find_element(By.ID, "password").send_keys("a long password")
        driver.find_element(By.CSS_SELECTOR, "#login-form button[type=submit]").click()
        lockdown = wait.until(seen.element_to_be_clickable((By.CSS_SELECTOR, "#alarms button[data-name='Lockdown']")))
        # A phone's width needs no sideways scrolling.
        width = driver.execute_script("return [document.documentElement.scrollWidth, window.innerWidth]")
        assert width[0] <= width[1], f"the page is {width[0]} px wide on a {width[1]} px screen"
        # An account of alarms sees no office commands.
        assert not driver.find_element(By.ID, "office").is_displayed()

        recorder = Recorder()
        lockdown.click()
        confirm = wait.until(seen.element_to_be_clickable((By.ID, "confirm-yes")))
        assert "Lockdown" in driver.find_element(By.ID, "confirm-text").text
        time.sleep(0.3)
        confirmed = recorder.heard()  # samples heard when it is confirmed
        confirm.click()
        wait.until(seen.text_to_be_present_in_element((By.ID, "state"), "ALARM: Lockdown"))
        wait.until(seen.visibility_of_element_located((By.ID, "alarm-now")))
        time.sleep(1.5)
        driver.save_screenshot(os.path.join(output, "staffpage-alarm.png"))
        samples = recorder.finish()
        recorder = None
        loud = loud_from(samples)
        assert loud is not None, "the alarm was not heard"
        # Nothing sounds before it is confirmed, and it sounds within a second of it.
        heard_after = loud - confirmed / RATE
        assert 0 < heard_after < 1.0, f"the alarm was heard {heard_after:.2f} s after it was confirmed"

        driver.find_element(By.ID, "alarm-stop").click()
        wait.until(seen.text_to_be_present_in_element((By.ID, "state"), "The bells"))
        assert driver.find_element(By.ID, "alarm-now").is_displayed() is False
        driver.save_screenshot(os.path.join(output, "staffpage.png"))

        ring_log = open(os.path.join(folder, "data", "ring.log"), encoding="utf-8").read()
        assert "the alarm signal Lockdown started" in ring_log and "by jsmith from 127.0.0.1 (web page)" in ring_log, ring_log
        assert "the alarm signal Lockdown stopped, by jsmith from 127.0.0.1 (web page)" in ring_log, ring_log
        print(f"heard {heard_after:.2f} s after the confirmation; screenshots in {output}")
        return 0
    finally:
        if recorder:
            recorder.kill()
        if driver:
            driver.quit()
        if headless:
            headless.terminate()
            try:
                headless.wait(10)
            except subprocess.TimeoutExpired:
                headless.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
