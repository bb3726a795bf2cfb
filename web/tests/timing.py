#!/usr/bin/python3
"""Times the web page in headless Chromium: from the start of the page load to its first paint
and to the table being ready for a click, and from a click to the repaint that shows its
result (median of several). Prints the figures; it asserts nothing.

Usage: timing.py SITE"""

import statistics
import sys

from browser_test import Browser

# Clicks the control, waits for the game to return, then for the next frame to be painted.
CLICK_TO_PAINT = """
const [name, done] = arguments;
const start = performance.now();
document.getElementById(name).click();
const painted = () => requestAnimationFrame(() => {
  const channel = new MessageChannel();
  channel.port1.onmessage = () => done(performance.now() - start);
  channel.port2.postMessage(0);
});
const wait = () => page.busy ? setTimeout(wait, 0) : painted();
wait();
"""

# The first paint that shows content, once the browser has recorded it.
FIRST_PAINT = """
const done = arguments[0];
new PerformanceObserver((entries) => {
  const paint = entries.getEntriesByName('first-contentful-paint')[0];
  if (paint) done(paint.startTime);
}).observe({type: 'paint', buffered: true});
"""

ADVICE = """
const start = performance.now();
page.showAdvice();
return performance.now() - start;
"""


def main():
    browser = Browser(sys.argv[1])
    try:
        loads, paints, bets, starts, advice = [], [], [], [], []
        for _ in range(5):
            browser.load()
            paints.append(browser.driver.execute_async_script(FIRST_PAINT))
            loads.append(browser.run("return page.readyAt"))
            bets.append(browser.driver.execute_async_script(CLICK_TO_PAINT, "BET"))
            starts.append(browser.driver.execute_async_script(CLICK_TO_PAINT, "START"))
            advice.append(browser.run(ADVICE))
        for what, values in [("page load to first contentful paint", paints),
                             ("page load to the table ready for a click", loads),
                             ("BET click to repaint", bets),
                             ("START click (deal) to repaint", starts),
                             ("advice (H, 1024 continuations a slot)", advice)]:
            print(f"{what}: median {statistics.median(values):.1f} ms "
                  f"(min {min(values):.1f}, max {max(values):.1f})")
    finally:
        browser.close()


if __name__ == "__main__":
    main()
