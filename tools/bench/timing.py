#!/usr/bin/python3
"""Times the web page in headless Chromium: from the start of the page load to its first paint
and to the table being ready for a click, from a click to the repaint that shows its result,
and the advice (H) by the count of playable slots: worked out on the spot, and after the idle
time has worked on it (medians). Prints the figures; it asserts nothing.

Usage: tools/bench/timing.py SITE"""

import os
import statistics
import sys
import time

# The browser tests' helpers drive Chromium for the timings too.
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "web", "tests"))
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

# The advice key, timed to its return; with the count of playable slots of the table.
ADVICE = """
const slots = page.query('nablo_table').playable.length;
const start = performance.now();
page.aids.onKey(new KeyboardEvent('keydown', {key: 'h'}));
return [slots, performance.now() - start];
"""


def time_advice(browser, placements, idle):
    """H on `placements` tables of games placed by the advice; without the idle time's work on
    the estimate, or after 300 ms of it."""
    times = {}
    if not idle:
        browser.run("page.aids.scheduleWork = () => {}")
    browser.click("RepertBet")
    for _ in range(placements):
        if browser.run("return boxes.open"):
            browser.driver.find_element("css selector", "#box button").click()
            browser.wait_for("return !page.busy", "the game to take the answer")
            browser.click("RepertBet")
        if idle:
            time.sleep(0.3)
        slots, took = browser.run(ADVICE)
        times.setdefault(slots, []).append(took)
        advised = browser.run("return page.aids.call('nablo_aids', [], []).advised")
        slot = advised or browser.table()["playable"][0]
        browser.click(browser.run("return page.aids.slots[arguments[0] - 1]", slot))
    browser.run("delete page.aids.scheduleWork")
    return times


def main():
    browser = Browser(sys.argv[1])
    try:
        loads, paints, bets, starts = [], [], [], []
        for _ in range(5):
            browser.load()
            paints.append(browser.driver.execute_async_script(FIRST_PAINT))
            loads.append(browser.run("return page.readyAt"))
            bets.append(browser.driver.execute_async_script(CLICK_TO_PAINT, "BET"))
            starts.append(browser.driver.execute_async_script(CLICK_TO_PAINT, "START"))
        for what, values in [("page load to first contentful paint", paints),
                             ("page load to the table ready for a click", loads),
                             ("BET click to repaint", bets),
                             ("START click (deal) to repaint", starts)]:
            print(f"{what}: median {statistics.median(values):.1f} ms "
                  f"(min {min(values):.1f}, max {max(values):.1f})")
        browser.load()
        for idle in (False, True):
            for slots, values in sorted(time_advice(browser, 60, idle).items()):
                print(f"advice (H), {slots} playable slots, "
                      f"{'after idle time' if idle else 'on the spot'}: median "
                      f"{statistics.median(values):.1f} ms (max {max(values):.1f}, {len(values)} tables)")
    finally:
        browser.close()


if __name__ == "__main__":
    main()
