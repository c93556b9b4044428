#!/usr/bin/env python3
"""The browser pages in a real headless Chromium (WebGL on Mesa's llvmpipe
through ANGLE), against the Linux programs:

  - each fixed-file page draws its data file's picture within 10 pixels of
    the Linux window's (PNG made by xshot);
  - Kalvera's page: points typed in its text field, a file chosen with its
    file chooser, and a bad answer then Ctrl-D: the same standard output,
    standard error and status as the Linux Kalvera given the same input, and
    the same picture within 10 pixels;
  - every page opened from file:// and from a server on 127.0.0.1, with no
    error in the browser's console.

  check_pages.py PAGES_DIR LINUX_BIN_DIR SHOTS_DIR
SHOTS_DIR holds the Linux windows: NAME.png for tovrin1, srce and viroda,
Kalvera-typed.png and Kalvera-file.png (the file tests/web/moj.txt).
"""
import base64
import functools
import http.server
import io
import os
import subprocess
import sys
import tempfile
import threading
import time

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

PAGES, LINUX, SHOTS = (os.path.abspath(a) for a in sys.argv[1:4])
HERE = os.path.dirname(os.path.abspath(__file__))
BEIGE = None  # the clear colour, read from a Linux picture
LIMIT = 10


def fail(message):
    sys.exit("check_pages: " + message)


def browser(profile):
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    # WebGL on Mesa's llvmpipe through ANGLE's OpenGL ES over EGL.
    for flag in ("--headless=new", "--no-sandbox", "--use-gl=angle", "--use-angle=gl-egl",
                 "--ignore-gpu-blocklist",
                 "--disable-quic", "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--window-size=1280,1000",
                 "--allow-file-access-from-files", "--user-data-dir=" + profile):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def canvas(driver):
    data = driver.execute_script(
        "return document.getElementById('canvas').toDataURL('image/png');")
    return Image.open(io.BytesIO(base64.b64decode(data.split(",", 1)[1]))).convert("RGB")


def drawn(driver, timeout=30):
    """The canvas once it shows the clear colour and has held still."""
    deadline = time.time() + timeout
    last = None
    while time.time() < deadline:
        image = canvas(driver)
        if image.getpixel((0, 0)) == BEIGE:
            if last is not None and image.tobytes() == last.tobytes():
                return image
            last = image
        time.sleep(0.3)
    fail("no picture in %s" % driver.current_url)


def differing(a, b):
    if a.size != b.size:
        return a.size[0] * a.size[1]
    pa, pb = a.tobytes(), b.tobytes()
    return sum(1 for i in range(0, len(pa), 3) if pa[i:i + 3] != pb[i:i + 3])


def errors(driver):
    return [e for e in driver.get_log("browser") if e["level"] == "SEVERE"]


def native(stdin, cwd):
    """The Linux Kalvera's standard output, error and status for stdin; a run
    that opens its window is ended after its output is complete."""
    p = subprocess.Popen([os.path.join(LINUX, "Kalvera")], cwd=cwd, stdin=subprocess.PIPE,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    try:
        out, err = p.communicate(stdin.encode(), timeout=5)
        return out.decode(), err.decode(), p.returncode
    except subprocess.TimeoutExpired:
        p.kill()
        out, err = p.communicate()
        return out.decode(), err.decode(), None


def type_lines(driver, lines, end=False):
    field = driver.find_element(By.ID, "line")
    for line in lines:
        field.send_keys(line + Keys.ENTER)
    if end:
        webdriver.ActionChains(driver).key_down(Keys.CONTROL).send_keys_to_element(
            field, "d").key_up(Keys.CONTROL).perform()


def page_output(driver, running, timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        status = driver.execute_script("return window.geometrijaStatus;")
        if running or status is not None:
            break
        time.sleep(0.2)
    got = driver.execute_script("return window.geometrijaOutput();")
    return got["out"], got["err"], driver.execute_script("return window.geometrijaStatus;")


def check(base, driver, report):
    for program in ("tovrin1", "srce", "viroda"):
        driver.get(base + program + ".html")
        diff = differing(drawn(driver), Image.open(os.path.join(SHOTS, program + ".png")).convert("RGB"))
        report.append("%s%s.html: %d pixels differ from the Linux window" % (base, program, diff))
        if diff > LIMIT:
            fail(report[-1])
    typed = ["u", "3", "0 0", "4 0", "0 3"]
    cases = [
        ("typed points", typed, False, "Kalvera-typed.png", None),
        ("a file chosen", ["f", "moj.txt"], False, "Kalvera-file.png", "moj.txt"),
        ("a bad answer, then Ctrl-D", ["u", "q"], True, None, None),
    ]
    for what, lines, end, shot, chosen in cases:
        driver.get(base + "Kalvera.html")
        driver.find_element(By.ID, "line")
        if chosen:
            driver.find_element(By.ID, "chooser").send_keys(os.path.join(HERE, chosen))
            deadline = time.time() + 10
            while chosen not in driver.find_element(By.ID, "chosen").text:
                if time.time() > deadline:
                    fail("the chosen file never arrived")
                time.sleep(0.1)
        type_lines(driver, lines, end)
        image = drawn(driver) if shot else None
        out, err, status = page_output(driver, running=shot is not None)
        want = native("\n".join(lines) + "\n", HERE)
        if (out, err) != want[:2] or (shot is None and status != want[2]):
            fail("Kalvera.html, %s: %r, status %r; the Linux Kalvera: %r" % (what, (out, err), status, want))
        line = "%sKalvera.html, %s: the Linux program's output" % (base, what)
        if shot:
            diff = differing(image, Image.open(os.path.join(SHOTS, shot)).convert("RGB"))
            line += " and picture (%d pixels differ)" % diff
            if diff > LIMIT:
                fail(line)
        else:
            line += " and status %d" % status
        report.append(line)
    found = errors(driver)
    if found:
        fail("errors in the browser's console: %r" % found)


def main():
    global BEIGE
    BEIGE = Image.open(os.path.join(SHOTS, "srce.png")).convert("RGB").getpixel((0, 0))
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=PAGES)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    report = []
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            for base in ("file://" + PAGES + "/", "http://127.0.0.1:%d/" % server.server_port):
                check(base, driver, report)
        finally:
            driver.quit()
            server.shutdown()
    print("\n".join(report))


main()
