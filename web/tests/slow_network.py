#!/usr/bin/python3
"""A first visit to the web page over a slow phone network (1.6 Mbps down, 750 kbps up, 150 ms
round trip, by Chromium's network throttling): the time to the first paint and to the table
ready for a click, and the bytes transferred until then, the median of several visits, each
with an empty cache. Keeps a screenshot of the page while it loads. Asserts nothing.

Usage: slow_network.py SITE [VISITS [SCREENSHOT]]"""

import statistics
import sys
import time

from browser_test import Browser
from device_test import BYTES_BEFORE_READY

LINK = {"offline": False, "latency": 150, "downloadThroughput": 1_600_000 / 8,
        "uploadThroughput": 750_000 / 8}

FIRST_PAINT = """
const paint = performance.getEntriesByName('first-contentful-paint')[0];
return paint ? paint.startTime : null;"""


def visit(site, screenshot=None):
    browser = Browser(site)
    try:
        driver = browser.driver
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", LINK)
        driver.set_page_load_timeout(120)
        driver.get(browser.url)
        if screenshot:
            driver.save_screenshot(screenshot)
        deadline = time.time() + 120
        while not browser.run("return document.body.dataset.ready === 'true'"):
            if time.time() > deadline:
                raise RuntimeError("the page was not ready within two minutes")
            time.sleep(0.05)
        return (browser.run(FIRST_PAINT), browser.run("return page.readyAt"),
                browser.run(BYTES_BEFORE_READY))
    finally:
        browser.close()


def main():
    site = sys.argv[1]
    visits = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    screenshot = sys.argv[3] if len(sys.argv) > 3 else None
    results = [visit(site, screenshot if i == 0 else None) for i in range(visits)]
    paints, readies, sizes = zip(*results)
    print(f"first visit at 1.6 Mbps / 150 ms, {visits} visits:")
    for what, values, unit in [("first contentful paint", paints, "ms"),
                               ("table ready for a click", readies, "ms"),
                               ("bytes transferred before ready", sizes, "B")]:
        print(f"  {what}: median {statistics.median(values):.0f} {unit} "
              f"(min {min(values):.0f}, max {max(values):.0f})")


if __name__ == "__main__":
    main()
