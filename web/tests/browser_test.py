#!/usr/bin/python3
"""The game's web page in headless Chromium: the betting state as the design draws it, a game
played by clicks up to its end-of-game box with the page checked against the game after every
click, the answers of that box, a box that keeps clicks off the table, a missing picture, the
page's language and its charts.

Usage: browser_test.py SITE SCREENSHOT_FOLDER"""

import io
import os
import re
import shutil
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import serve  # noqa: E402

from selenium import webdriver  # noqa: E402
from selenium.common.exceptions import WebDriverException  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

SITE = SHOTS = None
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--window-size=686,760",
                  "--force-device-scale-factor=1", "--autoplay-policy=no-user-gesture-required"]

# Points of the betting state and their colours, as the desktop window's test looks at them.
BETTING_POINTS = [("background", 272, 100, "#000000"), ("background", 300, 420, "#000000"),
                  ("BET", 424, 460, "#ffff00"), ("START", 560, 460, "#c0c0c0"),
                  ("BETx10", 288, 460, "#ffff00"), ("BPAY1", 556, 27, "#ff0000"),
                  ("pay table border", 100, 24, "#000000"),
                  ("card board strip", 451, 135, "#0000ff"),
                  ("empty card slot", 20, 300, "#ffffff")] + [
                 (f"CPAY{k + 1}", 164, 27 + 16 * k, "#ff0000") for k in range(1, 7)]

# What the page shows of every control, read in the page.
READ_PAGE = """
const logical = Object.fromEntries(Object.entries(siteFiles).map(([name, served]) =>
                                                                 [served, name]));
return page.design.controls.map((control) => {
  const element = document.getElementById(control.name);
  const style = getComputedStyle(element);
  const img = element.querySelector('img');
  return {name: control.name, kind: control.kind,
          caption: (element.querySelector('.caption') || {}).textContent || '',
          color: style.color, background: style.backgroundColor,
          enabled: !element.disabled,
          picture: img && !img.hidden ? logical[img.getAttribute('src')] : '',
          accessibleName: element.getAttribute('aria-label'),
          accessibleValue: element.getAttribute('aria-description') || ''};
});"""


# The names of the elements a rectangle, given as [left, top, right, bottom], overlaps.
OVERLAPPED = """
const [box, names] = arguments;
return names.filter((name) => {
  const r = document.getElementById(name).getBoundingClientRect();
  return r.left < box[2] && box[0] < r.right && r.top < box[3] && box[1] < r.bottom;
});"""

# The advice badges on the cards: [slot, figure, advised].
BADGES = """
return [...document.querySelectorAll('#advice-badges:not([hidden]) .advice-badge')].map((b) =>
  [Number(b.dataset.slot), b.querySelector('.figure').textContent,
   b.classList.contains('advised')]);"""


def css_rgb(hex_colour):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return f"rgb({r}, {g}, {b})"


class Browser:
    def __init__(self, site, language=None, linked=None):
        self.server = serve.make_server(site, 0, linked=linked)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        self.profile = tempfile.mkdtemp(prefix="nablo-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        if language:
            options.add_argument("--lang=" + language)
            options.add_experimental_option("prefs", {"intl.accept_languages": language})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_script_timeout(60)

    def close(self):
        self.driver.quit()
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.profile, ignore_errors=True)

    def load(self):
        driver = self.driver
        driver.get(self.url)
        self.wait_for("return document.body.dataset.ready === 'true' && !pictures.pending",
                      "the page to start and its card pictures")

    def run(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait_for(self, script, what, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.run(script):
                return
            time.sleep(0.02)
        raise AssertionError(f"timed out waiting for {what}")

    def table(self):
        return self.run("return page.query('nablo_table')")

    def settled(self):
        """Waits until the click in progress has returned or a box is open."""
        self.wait_for("return !page.busy || boxes.open", "the click to finish")

    def click(self, name):
        self.driver.find_element("id", name).click()
        self.settled()

    def errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] == "SEVERE"]


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(SITE)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def setUp(self):
        self.browser.load()

    def tearDown(self):
        self.assertEqual(self.browser.errors(), [], "errors in the browser's console")

    def screenshot(self, name):
        png = self.browser.driver.find_element("tag name", "main").screenshot_as_png
        with open(os.path.join(SHOTS, name + ".png"), "wb") as file:
            file.write(png)

    def pixel(self, x, y):
        """The colour of the window's pixel (x, y), read from a screenshot of the window."""
        from PIL import Image  # python3-pil
        png = self.browser.driver.find_element("id", "window").screenshot_as_png
        r, g, b = Image.open(io.BytesIO(png)).convert("RGB").getpixel((x, y))
        return f"#{r:02x}{g:02x}{b:02x}"

    def assert_page_shows_table(self):
        """Every control on the page as the game holds it."""
        held = self.browser.table()["controls"]
        shown = self.browser.run(READ_PAGE)
        for control, page in zip(held, shown):
            name = page["name"]
            with self.subTest(control=name):
                if page["kind"] != "image":
                    self.assertEqual(page["caption"], control["caption"].replace("\r\n", "\n"))
                if page["kind"] == "label":
                    self.assertEqual(page["color"], css_rgb(control["fore"]))
                if page["kind"] == "button":
                    self.assertEqual(page["background"], css_rgb(control["back"]))
                    self.assertEqual(page["enabled"], control["enabled"])
                self.assertEqual(page["picture"] or "", control["picture"])
                self.assertEqual(page["accessibleName"], control["accessibleName"])
                self.assertEqual(page["accessibleValue"], control["accessibleValue"])

    def stake_and_start(self):
        for name in ["BET", "BET", "BET", "START"]:
            self.browser.click(name)
            self.assert_page_shows_table()

    def play_to_box(self, shot=None):
        """Clicks the first placeable slot until the end-of-game box opens."""
        for placed in range(120):
            if self.browser.run("return boxes.open"):
                return
            if shot and placed <= 3:
                self.screenshot(shot)
            playable = self.browser.table()["playable"]
            self.assertTrue(playable, "no slot to place and no box")
            self.browser.click(f"CARD{playable[0]}")
            if not self.browser.run("return boxes.open"):
                self.assert_page_shows_table()
        self.fail("no end-of-game box")

    def answer(self, label):
        dialog = self.browser.driver.find_element("id", "box")
        [button] = [b for b in dialog.find_elements("tag name", "button") if b.text == label]
        button.click()
        self.browser.wait_for("return !page.busy", "the game to take the answer")

    def test_betting_state_as_designed(self):
        browser = self.browser
        size = browser.run("const r = document.getElementById('window').getBoundingClientRect();"
                           "return [r.width, r.height];")
        self.assertEqual(size, [678, 488])
        self.assertEqual(browser.driver.title, "NABLO ver0.9")
        self.screenshot("betting")
        for what, x, y, colour in BETTING_POINTS:
            self.assertEqual(self.pixel(x, y), colour, f"{what} at ({x}, {y})")
        self.assert_page_shows_table()
        # A voice finds BETx10 by its caption; the card board is one element to a reader.
        names = [browser.driver.find_element("id", name).accessible_name
                 for name in ["BET", "RepertBet", "DIA", "H12", "Label19"]]
        self.assertEqual(names, ["Bet", "BETx10", "Card board", "", ""])
        self.assertEqual(browser.run("return document.getElementById('COINS')"
                                     ".getAttribute('aria-description')"), "100")

    def test_game_by_clicks_and_its_box(self):
        browser = self.browser
        self.stake_and_start()
        self.play_to_box(shot="midgame")
        box = browser.run("""const d = document.getElementById('box');
            return {role: d.getAttribute('role'), modal: d.matches(':modal'),
                    title: document.getElementById('box-title').textContent,
                    text: document.getElementById('box-text').textContent,
                    translation: document.getElementById('box-translation').innerText,
                    under: document.getElementById('box-translation').getBoundingClientRect().top
                        >= document.getElementById('box-text').getBoundingClientRect().bottom,
                    described: d.getAttribute('aria-describedby'),
                    icon: document.getElementById('box-icon').className,
                    buttons: [...d.querySelectorAll('button')].map((b) => b.textContent),
                    focused: document.activeElement.textContent};""")
        self.screenshot("dialog")
        self.assertEqual(box["role"], "dialog")
        self.assertTrue(box["modal"])
        self.assertIn(box["title"], ["ゲームオーバー", "ＣＯＮＧＲＡＴＵＬＡＴＩＯＮ！！"])
        self.assertIn("クレジットの支払い", box["text"])
        self.assertTrue(box["text"].endswith("ゲームを続けますか？"))
        # Under the Japanese, what the box asks in the page's English, for the eye and the reader.
        self.assertRegex(box["translation"], r"^(No card can be placed|Congratulations: all 104 "
                                             r"cards placed)\. \d+ credits? paid\. Play on\?$")
        self.assertTrue(box["under"])
        self.assertEqual(box["described"], "box-text box-translation")
        self.assertEqual(box["buttons"], ["Yes", "No"])
        self.assertEqual(box["focused"], "Yes")
        # Over the slots, clear of what the player reads after the game.
        rect = browser.run("const r = document.getElementById('box').getBoundingClientRect();"
                           "return [r.left, r.top, r.right, r.bottom];")
        read = ["TEN"] + [f"CPAY{k}" for k in range(1, 8)] + [f"BPAY{k}" for k in range(1, 6)]
        self.assertEqual(browser.run(OVERLAPPED, rect, read), [])
        self.assertEqual(browser.run(OVERLAPPED, rect, ["CARD3"]), ["CARD3"])
        # Esc does not answer a question.
        ActionChains(browser.driver).send_keys(Keys.ESCAPE).perform()
        ActionChains(browser.driver).send_keys(Keys.ESCAPE).perform()
        self.assertTrue(browser.run("return boxes.open && document.getElementById('box').open"))
        # The typed end of the game is told on the status line, for the eye and the screen reader.
        status = browser.driver.find_element("id", "status").text
        self.assertRegex(status, r"^Game over: (1 card|\d+ cards) placed, \d+ credits? paid")

        # Clicks and keys meant for the table do not reach it while the box is open.
        before = browser.table()
        bet = browser.driver.find_element("id", "BET")
        ActionChains(browser.driver).move_to_element(bet).click().perform()
        ActionChains(browser.driver).send_keys("b1s").perform()
        self.assertEqual(browser.table(), before)
        self.assertTrue(browser.run("return boxes.open"))

        self.answer("Yes")
        table = {c["name"]: c for c in browser.table()["controls"]}
        self.assertTrue(table["BET"]["enabled"])
        self.assertFalse(table["START"]["enabled"])
        self.assertEqual(table["TEN"]["caption"], "0")
        self.assert_page_shows_table()

        # The next game's box answered No ends the run; a new run starts from the betting state.
        self.stake_and_start()
        self.play_to_box()
        self.answer("No")
        self.assertTrue(browser.run("return document.getElementById('window').inert"))
        self.assertIn("ended", browser.driver.find_element("id", "ended").text)
        # The help and the sound still answer their keys.
        ActionChains(browser.driver).send_keys(Keys.F1).perform()
        self.assertTrue(browser.run("return document.getElementById('help').open"))
        ActionChains(browser.driver).send_keys(Keys.ESCAPE, "m").perform()
        self.assertIn("sound off", browser.driver.find_element("id", "status").text)
        browser.driver.find_element("id", "new-run").click()
        browser.wait_for("return !page.busy && !document.getElementById('window').inert",
                         "the new run")
        self.assertEqual(browser.run("return document.querySelector('#COINS .caption')"
                                     ".textContent"), "100")
        self.assert_page_shows_table()

    def to_choice(self):
        """Places cards, and plays new games, until at least two slots can be placed."""
        for _ in range(200):
            if self.browser.run("return boxes.open"):
                self.answer("Yes")
            if not self.browser.run("return page.inPlay()"):
                self.stake_and_start()
            playable = self.browser.table()["playable"]
            if len(playable) >= 2:
                return playable
            self.browser.click(f"CARD{playable[0]}")
        self.fail("never two playable slots")

    def test_keys_and_advice(self):
        browser = self.browser
        ActionChains(browser.driver).send_keys("bb").perform()
        browser.settled()
        coins = {c["name"]: c for c in browser.table()["controls"]}["COINS"]["caption"]
        self.assertEqual(coins, "98")
        ActionChains(browser.driver).send_keys("s").perform()
        browser.settled()
        playable = self.to_choice()
        ActionChains(browser.driver).send_keys("h").perform()
        advice = browser.run("return [document.title, "
                             "!document.getElementById('advice-frame').hidden]")
        self.assertRegex(advice[0], r"^NABLO ver0\.9 \u2014 advice: slot [1-5]$")
        self.assertTrue(advice[1])
        badges = browser.run(BADGES)
        self.screenshot("advice")
        self.assertEqual([slot for slot, _, _ in badges], playable)
        for _, figure, _ in badges:
            self.assertRegex(figure, r"^-?\d+\.\d$")
        self.assertEqual([f"slot {slot}" for slot, _, advised in badges if advised],
                         [advice[0][-6:]])
        browser.click(f"CARD{playable[0]}")
        self.assertEqual(browser.run(BADGES), [])
        self.assertNotIn("advice", browser.driver.title)
        if browser.run("return boxes.open"):
            self.answer("Yes")

        ActionChains(browser.driver).send_keys("m").perform()
        self.assertIn("sound off", browser.driver.find_element("id", "status").text)
        self.to_choice()
        # A click anywhere, here on the pile, ends the demo.
        ActionChains(browser.driver).send_keys("d").perform()
        self.assertTrue(browser.run("return page.aids.shown.demo"))
        ActionChains(browser.driver).click(browser.driver.find_element("id", "Image1")).perform()
        self.assertFalse(browser.run("return page.aids.shown.demo"))
        # The demo places the advisor's cards up to the end-of-game box.
        ActionChains(browser.driver).send_keys("d").perform()
        browser.wait_for("return boxes.open", "the demo to reach the end of the game", 120)
        self.answer("Yes")
        self.assertFalse(browser.run("return page.aids.shown.demo"))


    def test_trainer_note_and_statistics(self):
        browser = self.browser
        ActionChains(browser.driver).send_keys("t").perform()
        self.assertTrue(browser.driver.title.endswith("\u2014 trainer"))
        note = None
        for _ in range(40):
            self.to_choice()
            ActionChains(browser.driver).send_keys("h").perform()
            badges = browser.run(BADGES)
            figures = {slot: float(figure) for slot, figure, _ in badges}
            ranked = sorted(figures, key=figures.get, reverse=True)
            best, worst = ranked[0], ranked[-1]
            # The trainer weighs the cards afresh: only a best card clear of every other one is
            # surely the one its note names.
            if len(ranked) < 2 or figures[best] - figures[ranked[1]] < 3:
                browser.click(f"CARD{best}")
                continue
            # The cards by their spoken names: "eight of clubs, selectable".
            values = {c["name"]: c["accessibleValue"] for c in browser.table()["controls"]}
            names = {slot: values[f"CARD{slot}"].split(",")[0] for slot in figures}
            placed = names.pop(worst)
            browser.click(f"CARD{worst}")
            note = browser.run("const n = document.getElementById('trainer-note');"
                               "return n.hidden ? null : n.textContent")
            if note:
                break
        self.assertIsNotNone(note, "no note on a placement clearly worse than the advice")
        self.screenshot("trainer-note")
        # The better card is the trainer's, which may weigh a close second differently.
        better = re.fullmatch(f"The (.+) was worth [0-9]+\\.[0-9] credits more than the "
                              f"{placed}, expected", note)
        self.assertTrue(better, note)
        self.assertIn(better.group(1), names.values())
        if not browser.run("return boxes.open"):
            self.play_to_box()
        self.answer("Yes")

        ActionChains(browser.driver).send_keys(Keys.F2).perform()
        self.assertTrue(browser.run("return document.getElementById('stats').open"))
        self.screenshot("statistics")
        shown = browser.run("return [...document.querySelectorAll('#stats-figures dd')]"
                            ".map((d) => d.previousSibling.textContent + '=' + d.textContent)")
        figures = dict(row.split("=", 1) for row in shown)
        core = browser.run("return page.query('nablo_statistics').rows")
        self.assertEqual(shown, [f"{row['label']}={row['value']}" for row in core])
        # Every game was staked 3 credits; the credits now are the 100 the run began with, less
        # the stakes, plus the pays.
        coins = {c["name"]: c for c in browser.table()["controls"]}["COINS"]["caption"]
        games = int(figures["Games played"])
        self.assertGreaterEqual(games, 1)
        self.assertEqual(int(figures["Credits staked"]), 3 * games)
        self.assertEqual(100 - 3 * games + int(figures["Credits paid back"]), int(coins))
        self.assertGreaterEqual(int(figures["Placements judged by the trainer"]), 1)
        ActionChains(browser.driver).send_keys(Keys.ESCAPE).perform()
        self.assertFalse(browser.run("return document.getElementById('stats').open"))


class WordsAndChartsTest(unittest.TestCase):
    def test_language_follows_the_browser_and_charts_draw(self):
        for language, lang, keys, run in [("ja", "ja", "キー", "新しく始める"),
                                          ("en-US", "en", "Keys", "New run")]:
            browser = Browser(SITE, language)
            try:
                browser.load()
                browser.wait_for("return nabloWords.language === document.documentElement.lang",
                                 "the words to load")
                self.assertEqual(browser.run("return document.documentElement.lang"), lang)
                self.assertEqual(browser.run("return nabloWords.text('KeyTable', 'Keys')"), keys)
                self.assertEqual(browser.run("return page.query('nablo_help').heading"), keys,
                                 "the game's own words follow the page's language")
                # The core's own words follow: the help's heading and the title's trainer.
                ActionChains(browser.driver).send_keys(Keys.F1).perform()
                self.assertEqual(browser.driver.find_element("id", "help-title").text, keys)
                ActionChains(browser.driver).send_keys(Keys.ESCAPE, "t").perform()
                self.assertTrue(browser.driver.title.endswith(
                    "\u30c8\u30ec\u30fc\u30ca\u30fc" if lang == "ja" else "trainer"))
                self.assertEqual(browser.run("return document.getElementById('box-text').lang"),
                                 "ja", "the game's boxes are Japanese in every language")
                # The page's own words follow too, as its new-run button shows.
                self.assertEqual(browser.driver.find_element("id", "new-run")
                                 .get_attribute("textContent"), run)
                # Both charts, drawn twice under the page's security policy: each once.
                drawn = browser.run("""
                    const words = {creditsChart: 'C', tiersChart: 'T'};
                    const element = () => document.body.appendChild(document.createElement('div'));
                    const [credits, tiers] = [element(), element()];
                    for (let k = 0; k < 2; ++k) {
                      nabloCharts.credits(credits, [0, 1, 2], [100, 90, 120], words);
                      nabloCharts.tiers(tiers, ['0-9', '10-13', '14-17'], [3, 1, 0], words);
                    }
                    return [credits, tiers].map((e) => e.querySelectorAll('canvas').length);""")
                self.assertEqual(drawn, [1, 1])
                self.assertEqual(browser.errors(), [])
            finally:
                browser.close()


class MissingPictureTest(unittest.TestCase):
    def test_missing_picture_is_a_run_time_error(self):
        site = tempfile.mkdtemp(prefix="nablo-site-")
        try:
            for entry in os.listdir(SITE):
                if entry != "cards":
                    os.symlink(os.path.join(SITE, entry), os.path.join(site, entry))
            browser = Browser(site, linked=SITE)
            try:
                browser.load()
                for name in ["BET", "START"]:
                    browser.click(name)
                browser.wait_for("return boxes.open", "the error box")
                text = browser.run("return document.getElementById('box-text').textContent")
                self.assertRegex(text, r'^Cannot load picture "cards\\[dshc]\d+\.jpg" '
                                       r'\(cards/[dshc]\d+\.jpg\): File not found$')
                self.assertEqual(browser.run("return document.getElementById('box-icon')"
                                             ".className"), "error")
                browser.driver.find_element("css selector", "#box button").click()
                browser.wait_for("return document.getElementById('window').inert",
                                 "the ended state")
                self.assertIn("error", browser.driver.find_element("id", "ended").text)
            finally:
                browser.close()
        finally:
            shutil.rmtree(site)


if __name__ == "__main__":
    SITE, SHOTS = sys.argv[1], sys.argv[2]
    os.makedirs(SHOTS, exist_ok=True)
    try:
        unittest.main(argv=sys.argv[:1], verbosity=2)
    except WebDriverException as failure:
        print(f"browser failure: {failure}")
        sys.exit(1)
