#!/usr/bin/python3
"""A first visit to the web page over a slow phone network (1.6 Mbps down, 750 kbps up, 150 ms
round trip, by Chromium's network throttling) on a slow phone (the processor slowed four times):
the time to the first paint, to the table ready for a click and to a BET clicked at that moment
taken by the game, and the bytes transferred until then, the median of several visits, each
with an empty cache. Keeps a screenshot of the page while it loads. Asserts nothing.

Usage: tools/bench/slow_network.py SITE [VISITS [SCREENSHOT]]"""

import os
import statistics
import sys
import time

# The browser tests' helpers drive Chromium for the timings too.
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "web", "tests"))
from browser_test import Browser
from device_test import BYTES_BEFORE_READY

LINK = {"offline": False, "latency": 150, "downloadThroughput": 1_600_000 / 8,
        "uploadThroughput": 750_000 / 8}

CPU_SLOWDOWN = 4

# Clicks BET the moment the page is ready and notes when the credits show the stake taken.
BET_AT_READY = """
new MutationObserver((records, observer) => {
  if (document.body.dataset.ready !== 'true') return;
  observer.disconnect();
  const coins = document.querySelector('#COINS .caption');
  const before = coins.textContent;
  new MutationObserver((changes, watch) => {
    if (coins.textContent === before) return;
    watch.disconnect();
    window.betTakenAt = performance.now();
  }).observe(coins, {childList: true, characterData: true, subtree: true});
  document.getElementById('BET').click();
}).observe(document, {attributes: true, subtree: true, attributeFilter: ['data-ready']});"""

# Bytes fetched before the BET was taken: the page and every file that ended before.
BYTES_BEFORE_BET = BYTES_BEFORE_READY.replace("page.readyAt", "window.betTakenAt")

FIRST_PAINT = """
const paint = performance.getEntriesByName('first-contentful-paint')[0];
return paint ? paint.startTime : null;"""


def visit(site, screenshot=None):
    browser = Browser(site)
    try:
        driver = browser.driver
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", LINK)
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": CPU_SLOWDOWN})
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": BET_AT_READY})
        driver.set_page_load_timeout(120)
        driver.get(browser.url)
        if screenshot:
            driver.save_screenshot(screenshot)
        deadline = time.time() + 120
        while not browser.run("return window.betTakenAt !== undefined"):
            if time.time() > deadline:
                raise RuntimeError("the page was not ready within two minutes")
            time.sleep(0.05)
        return (browser.run(FIRST_PAINT), browser.run("return page.readyAt"),
                browser.run("return window.betTakenAt"), browser.run(BYTES_BEFORE_READY),
                browser.run(BYTES_BEFORE_BET))
    finally:
        browser.close()


def main():
    site = sys.argv[1]
    visits = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    screenshot = sys.argv[3] if len(sys.argv) > 3 else None
    results = [visit(site, screenshot if i == 0 else None) for i in range(visits)]
    paints, readies, bets, sizes, bet_sizes = zip(*results)
    print(f"first visit at 1.6 Mbps / 150 ms, processor slowed x{CPU_SLOWDOWN}, {visits} visits:")
    for what, values, unit in [("first contentful paint", paints, "ms"),
                               ("table ready for a click", readies, "ms"),
                               ("BET clicked at ready, taken", bets, "ms"),
                               ("bytes transferred before ready", sizes, "B"),
                               ("bytes transferred before the BET was taken", bet_sizes, "B")]:
        print(f"  {what}: median {statistics.median(values):.0f} {unit} "
              f"(min {min(values):.0f}, max {max(values):.0f})")


if __name__ == "__main__":
    main()
