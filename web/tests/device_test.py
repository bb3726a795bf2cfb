#!/usr/bin/python3
"""The page on phones and desktops in headless Chromium: the table and its box in view at every
size and after a rotation, the upright table's sizes on phones and the design's places elsewhere,
a game by taps, the first visit's bytes, a reload with the network
off, the keyboard's focus and the question box that Esc cannot take away, keys that wait their
turn on a slow link, a bad copy of a file and a new version with two tabs open.

Usage: device_test.py SITE SCREENSHOT_FOLDER"""

import functools
import io
import os
import shutil
import sys
import tempfile
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from browser_test import Browser
import serve

SITE = SHOTS = None
FIRST_VISIT_BYTES = 600_000

# Which of the table, its slots and the open box lie inside the viewport, and their sizes.
IN_VIEW = """
const inside = (r) => r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.5
                      && r.bottom <= innerHeight + 0.5;
const rect = (e) => e.getBoundingClientRect();
const box = document.getElementById('box');
const slots = [1, 2, 3, 4, 5].map((k) => rect(document.getElementById('CARD' + k)));
return {scrolls: document.documentElement.scrollHeight > innerHeight
                 || document.documentElement.scrollWidth > innerWidth,
        table: inside(rect(document.getElementById('window'))),
        box: !box.open || inside(rect(box)),
        smallestSlot: Math.min(...slots.map((r) => Math.min(r.width, r.height))),
        smallestButton: Math.min(...[...box.querySelectorAll('button')].map(
            (b) => rect(b).height))};"""

# The sizes of the table's captions and buttons as shown, the share of the screen the table and
# its lines use, the controls away from the design's places, and a box's text and buttons.
MEASURE = """
const s = fit.scale, table = document.getElementById('window').getBoundingClientRect();
const rect = (name) => document.getElementById(name).getBoundingClientRect();
const shown = (e) => parseFloat(getComputedStyle(e).fontSize) * s;
const labels = page.design.controls.filter((c) => c.kind === 'label'
  && document.getElementById(c.name).textContent.trim());
const sizes = (names) => names.map(rect).flatMap((r) => [r.width, r.height]);
const out = {scale: s, upright: page.view.layout.upright,
  used: (rect('status').bottom - table.top) / innerHeight,
  caption: Math.min(...labels.filter((c) => !c.name.startsWith('SEL'))
                                .map((c) => shown(document.getElementById(c.name)))),
  sel: Math.min(...[1, 2, 3, 4, 5].map((k) => shown(document.getElementById('SEL' + k)))),
  buttons: Math.min(...sizes(['RepertBet', 'BET', 'START'])),
  slot: Math.min(...[1, 2, 3, 4, 5].map((k) => rect('CARD' + k).width)),
  misplaced: page.design.controls.filter((c) => {
    const r = rect(c.name);
    return [[r.left, table.left + c.left * s], [r.top, table.top + c.top * s],
            [r.width, c.width * s], [r.height, c.height * s]]
      .some(([a, b]) => Math.abs(a - b) > 0.5); }).map((c) => c.name)};
boxes.show('', 'text', true, 1);
out.boxText = parseFloat(getComputedStyle(document.getElementById('box-text')).fontSize)
              * fit.boxScale;
out.boxButtons = Math.min(...[...document.querySelectorAll('#box button')].flatMap((b) =>
  [b.getBoundingClientRect().width, b.getBoundingClientRect().height]));
document.querySelector('#box button').click();
return out;"""

# Screens: width, height, upright, the table's least scale in the design's own arrangement.
SCREENS = [(360, 640, True, 0), (390, 844, True, 0), (412, 915, True, 0),
           (844, 390, False, 0.737), (1280, 800, False, 1.577),
           (320, 480, True, 0), (320, 568, True, 0)]

# Bytes fetched before the page was ready: the page and every file that ended before.
BYTES_BEFORE_READY = """
const [navigation] = performance.getEntriesByType('navigation');
return performance.getEntriesByType('resource').filter((e) => e.responseEnd <= page.readyAt)
  .reduce((sum, e) => sum + e.transferSize, navigation.transferSize);"""


class OnceBadHandler(serve.SiteHandler):
    """Serves each file named in `bad` once with other content, as a cache could keep it."""
    bad = set()

    def send_head(self):
        name = self.path.lstrip("/")
        if name not in self.bad:
            return super().send_head()
        self.bad.discard(name)
        data = b"\0not this file\n" * 64
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(name))
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Cache-Control", serve.IMMUTABLE)
        self.end_headers()
        return io.BytesIO(data)


def served_name(prefix, suffix):
    [name] = [n for n in os.listdir(SITE) if n.startswith(prefix) and n.endswith(suffix)]
    return name


class DeviceBrowser(Browser):
    def viewport(self, width, height, scale=1, touch=False):
        driver = self.driver
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": touch})
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch})

    def tap(self, element):
        """A finger's tap at the middle of the element, where the page shows it."""
        r = self.run("const r = arguments[0].getBoundingClientRect();"
                     "return [r.left + r.width / 2, r.top + r.height / 2];", element)
        for kind, points in (("touchStart", [{"x": r[0], "y": r[1]}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})
        self.settled()

    def play_to_box(self, press):
        """Places the first playable card until the end-of-game box opens."""
        press(self.driver.find_element("id", "RepertBet"))
        for _ in range(120):
            if self.run("return boxes.open"):
                return
            press(self.driver.find_element("id", f"CARD{self.table()['playable'][0]}"))
        raise AssertionError("no end-of-game box")

    def answer(self, label, press):
        [button] = [b for b in self.driver.find_elements("css selector", "#box button")
                    if b.text == label]
        press(button)
        self.wait_for("return !page.busy && !boxes.open", "the game to take the answer")


class DeviceTest(unittest.TestCase):
    def setUp(self):
        self.browser = DeviceBrowser(SITE)
        self.addCleanup(self.browser.close)

    def shot(self, name):
        self.browser.driver.save_screenshot(os.path.join(SHOTS, name + ".png"))

    def assert_in_view(self, what):
        view = self.browser.run(IN_VIEW)
        self.assertFalse(view["scrolls"], what)
        self.assertTrue(view["table"], what)
        self.assertTrue(view["box"], what)
        return view

    def test_arrangement_on_every_screen(self):
        browser = self.browser
        for width, height, upright, least_scale in SCREENS:
            with self.subTest(screen=f"{width}x{height}"):
                browser.viewport(width, height, touch=upright)
                browser.load()
                self.assert_in_view("table")
                m = browser.run(MEASURE)
                self.assertEqual(m["upright"], upright)
                if not upright:
                    self.assertEqual(m["misplaced"], [])
                    self.assertGreaterEqual(m["scale"], least_scale)
                elif width >= 360:
                    self.assertGreaterEqual(m["used"], 0.75)
                    for what, least in [("caption", 11), ("sel", 9), ("boxText", 14),
                                        ("buttons", 48), ("boxButtons", 48), ("slot", 56)]:
                        self.assertGreaterEqual(m[what], least, what)
                else:
                    self.assertGreaterEqual(min(m["caption"], m["sel"]), 9)
                    self.assertGreaterEqual(m["buttons"], 44)
                if width in (360, 390):
                    self.shot(f"upright-{width}x{height}")

    def test_table_and_box_in_view_on_every_screen(self):
        browser = self.browser
        for width, height in [(1280, 800), (844, 390)]:
            with self.subTest(screen=f"{width}x{height}"):
                browser.viewport(width, height)
                browser.load()
                browser.play_to_box(lambda element: element.click() or browser.settled())
                self.assert_in_view("open box")
                self.shot(f"box-{width}x{height}")
                browser.answer("Yes", lambda element: element.click())

        # A phone, held upright, played by taps; the box follows a rotation.
        browser.viewport(390, 844, scale=3, touch=True)
        browser.load()
        browser.play_to_box(browser.tap)
        view = self.assert_in_view("open box on a phone")
        self.assertGreaterEqual(view["smallestSlot"], 56)
        self.assertGreaterEqual(view["smallestButton"], 48)
        self.shot("phone-portrait-box")
        in_box = "return document.activeElement.closest('dialog')?.id === 'box'"
        for width, height, upright in [(844, 390, False), (390, 844, True)]:
            browser.viewport(width, height, scale=3, touch=True)
            browser.wait_for(f"return page.view.layout.upright === {str(upright).lower()}",
                             "the page to take the rotation")
            self.assert_in_view(f"open box turned to {width}x{height}")
            self.assertTrue(browser.run(in_box), "the box keeps the focus")
            self.shot(f"phone-{width}x{height}-box")
        # The run's end puts its line over the idle buttons; the table stays where it was.
        table = "return document.getElementById('window').getBoundingClientRect().toJSON()"
        before = browser.run(table)
        browser.answer("No", browser.tap)
        browser.wait_for("return !document.getElementById('ended').hidden", "the end")
        self.assertEqual(browser.run(table), before)
        self.assert_in_view("ended")
        self.shot("phone-portrait-ended")
        browser.tap(browser.driver.find_element("id", "new-run"))
        browser.wait_for("return page.state === RunState.running", "a new run")

    def test_first_visit_then_offline(self):
        browser = self.browser
        browser.load()
        sent = browser.run(BYTES_BEFORE_READY)
        print(f"first visit: {sent} bytes before the page was ready", file=sys.stderr)
        self.assertLessEqual(sent, FIRST_VISIT_BYTES)
        browser.driver.set_script_timeout(60)
        browser.driver.execute_async_script(
            "navigator.serviceWorker.ready.then(() => arguments[0]())")
        # The network is gone: the server stops.
        browser.server.shutdown()
        browser.server.server_close()
        browser.load()
        self.shot("offline-reload")
        browser.play_to_box(lambda element: element.click() or browser.settled())
        browser.answer("No", lambda element: element.click())
        self.assertTrue(browser.run("return document.getElementById('window').inert"))

    def test_keyboard_focus_and_question_box(self):
        browser = self.browser
        browser.load()
        order = browser.run("return [...document.querySelectorAll('#window button')]"
                            ".map((b) => [b.id, b.tabIndex])")
        self.assertEqual(order, [[name, 0] for name in
                                 ["BET", "CARD1", "CARD2", "CARD3", "CARD4", "CARD5", "START",
                                  "RepertBet"]])
        keys = ActionChains(browser.driver)
        keys.send_keys("b").perform()
        browser.settled()
        browser.driver.find_element("id", "START").send_keys(Keys.ENTER)
        browser.settled()
        first = f"CARD{browser.table()['playable'][0]}"
        self.assertEqual(browser.run("return document.activeElement.id"), first)
        self.assertEqual(browser.run("return getComputedStyle(document.activeElement)"
                                     ".outlineWidth"), "3px")
        # Enter on the focused slot places its card.
        keys.send_keys(Keys.ENTER).perform()
        browser.settled()
        self.assertIn("Cards placed: 1", browser.run(
            "return document.getElementById('announcer').textContent"))

        # The box keeps the focus; with the focus taken outside, Esc still closes nothing.
        while not browser.run("return boxes.open"):
            browser.click(f"CARD{browser.table()['playable'][0]}")
        keys.send_keys(Keys.TAB, Keys.TAB).perform()
        self.assertEqual(browser.run("return document.activeElement.closest('dialog')?.id"), "box")
        browser.run("document.activeElement.blur()")
        keys.send_keys(Keys.ESCAPE, Keys.ESCAPE).perform()
        self.assertTrue(browser.run("return boxes.open && document.getElementById('box').open"))
        # With the focus outside the box, its first key answers it.
        browser.run("document.activeElement.blur()")
        keys.send_keys("y").perform()
        browser.wait_for("return !page.busy && !boxes.open", "the game to take the answer", 5)
        keys.send_keys("x").perform()
        browser.settled()
        self.assertTrue(browser.run("return page.inPlay()"))

    def test_keys_wait_their_turn_while_pictures_load(self):
        browser = self.browser
        browser.driver.execute_cdp_cmd("Network.enable", {})
        browser.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": 300, "downloadThroughput": 400_000,
            "uploadThroughput": 400_000})
        browser.driver.get(browser.url)
        browser.wait_for("return document.body.dataset.ready === 'true'", "the page", 60)
        ActionChains(browser.driver).send_keys("bs").perform()
        browser.wait_for("return page.inPlay()", "B then S to deal", 10)
        self.assertTrue(browser.run("return pictures.pending"), "the link was not slow enough")
        browser.wait_for("return [...document.querySelectorAll('#window img:not([hidden])')]"
                         ".every((img) => img.complete && img.naturalWidth > 0)",
                         "the dealt cards drawn", 20)

    def test_bad_copy_is_fetched_again(self):
        for name, again in [(served_name("nablo.", ".wasm"), "retry"),
                            (served_name("page.", ".js"), "reload")]:
            with self.subTest(file=name):
                browser = DeviceBrowser(SITE)
                self.addCleanup(browser.close)
                browser.server.RequestHandlerClass = functools.partial(OnceBadHandler,
                                                                       directory=SITE)
                OnceBadHandler.bad = {name}
                browser.driver.get(browser.url)
                browser.wait_for("return document.body.dataset.ready === 'true'"
                                 " || !document.getElementById('load-failed').hidden", "a start")
                if browser.run("return document.body.dataset.ready !== 'true'"):
                    if again == "retry":
                        browser.driver.find_element("id", "retry").click()
                    else:
                        browser.driver.refresh()
                browser.wait_for("return document.body.dataset.ready === 'true'", "a good copy")

    def test_new_version_reaches_every_tab(self):
        site = tempfile.mkdtemp(prefix="nablo-site-")
        self.addCleanup(shutil.rmtree, site)
        for entry in os.listdir(SITE):
            if not entry.startswith("sw.js"):
                os.symlink(os.path.join(SITE, entry), os.path.join(site, entry))
        shutil.copyfile(os.path.join(SITE, "sw.js"), os.path.join(site, "sw.js"))
        browser = DeviceBrowser(site, linked=SITE)
        self.addCleanup(browser.close)
        driver = browser.driver
        tabs = []
        for _ in range(2):
            if tabs:
                driver.switch_to.new_window("tab")
            browser.load()
            browser.wait_for("return Boolean(navigator.serviceWorker.controller)", "the worker")
            tabs.append(driver.current_window_handle)
        with open(os.path.join(site, "sw.js"), "a") as worker:
            worker.write("\n// the next version\n")
        driver.execute_script("navigator.serviceWorker.getRegistration().then((r) => r.update())")
        for tab in tabs:
            driver.switch_to.window(tab)
            browser.wait_for("return !document.getElementById('update').hidden", "the notice")
        # The first tab brings the new version in; the second one's button still reloads it.
        for tab in tabs:
            driver.switch_to.window(tab)
            browser.run("window.oldPage = true")
            driver.find_element("id", "update-now").click()
            browser.wait_for("return !window.oldPage && document.body.dataset.ready === 'true'",
                             "the new version")

    def test_file_that_cannot_load_offers_a_retry(self):
        site = tempfile.mkdtemp(prefix="nablo-site-")
        self.addCleanup(shutil.rmtree, site)
        for entry in os.listdir(SITE):
            if not entry.startswith("nablo.") or not entry.endswith((".wasm", ".wasm.br",
                                                                     ".wasm.gz")):
                os.symlink(os.path.join(SITE, entry), os.path.join(site, entry))
        browser = DeviceBrowser(site, linked=SITE)
        self.addCleanup(browser.close)
        browser.driver.get(browser.url)
        browser.wait_for("return !document.getElementById('load-failed').hidden", "the message")
        self.assertIn("nablo.wasm", browser.driver.find_element("id", "load-failed").text)
        self.assertTrue(browser.driver.find_element("id", "retry").is_displayed())


if __name__ == "__main__":
    SITE, SHOTS = os.path.abspath(sys.argv[1]), sys.argv[2]
    os.makedirs(SHOTS, exist_ok=True)
    unittest.main(argv=sys.argv[:1], verbosity=2)
