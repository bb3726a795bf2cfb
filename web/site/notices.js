"use strict";

// The end-of-run line and the new-version notice lie over the page and never move the table:
// the line over the buttons of the table, idle once the run has ended; the notice in the room
// the table and its lines leave free in the window, or, where there is none, over the
// card-count pay table.
const notices = {
  // Placed when they show.
  start() {
    const observer = new MutationObserver(() => this.place());
    for (const id of ["ended", "update"])
      observer.observe(document.getElementById(id), { attributeFilter: ["hidden"] });
  },

  place() {
    const ended = document.getElementById("ended");
    if (!ended.hidden)
      this.over(ended, this.around(arrangements.idle));
    const update = document.getElementById("update");
    if (!update.hidden)
      this.inFreeRoom(update);
  },

  // The rectangle around the named controls, in the page's pixels.
  around(names) {
    const rects = names.map((name) =>
      document.getElementById(name).getBoundingClientRect());
    const left = Math.min(...rects.map((r) => r.left));
    const top = Math.min(...rects.map((r) => r.top));
    const bottom = Math.max(...rects.map((r) => r.bottom));
    return { left, top, width: Math.max(...rects.map((r) => r.right)) - left,
             height: bottom - top };
  },

  // At the rectangle's width, its foot on the rectangle's foot, as high as its words need.
  over(element, { left, top, width, height }) {
    Object.assign(element.style, { left: left + "px", width: width + "px",
                                   minHeight: height + "px" });
    element.style.top = top + height - Math.max(height, element.offsetHeight) + "px";
  },

  // The widest strip of the window that the table and its lines leave free, above, below or
  // beside them, which holds the notice at no less than its least width.
  inFreeRoom(element) {
    const main = document.querySelector("main");
    const style = getComputedStyle(main);
    const room = { left: parseFloat(style.paddingLeft), top: parseFloat(style.paddingTop),
                   right: main.clientWidth - parseFloat(style.paddingRight),
                   bottom: main.clientHeight - parseFloat(style.paddingBottom) };
    const table = document.getElementById("stage").getBoundingClientRect();
    const lines = document.getElementById("status").getBoundingClientRect();
    const gap = 4, least = 100, most = 560;
    const strips = [
      { left: room.left, top: room.top, right: room.right, bottom: table.top - gap },
      { left: room.left, top: lines.bottom + gap, right: room.right, bottom: room.bottom },
      { left: room.left, top: room.top, right: table.left - gap, bottom: room.bottom },
      { left: table.right + gap, top: room.top, right: room.right, bottom: room.bottom },
    ].filter((s) => s.right - s.left >= least)
      .sort((a, b) => (b.right - b.left) - (a.right - a.left));
    for (const strip of strips) {
      const width = Math.min(most, strip.right - strip.left);
      element.style.minHeight = "";
      element.style.width = width + "px";
      const height = element.offsetHeight;
      if (height <= strip.bottom - strip.top) {
        element.style.left = strip.left + (strip.right - strip.left - width) / 2 + "px";
        element.style.top = strip.top + (strip.bottom - strip.top - height) / 2 + "px";
        return;
      }
    }
    const aside = this.around(arrangements.aside);
    element.style.width = aside.width + "px";
    element.style.left = aside.left + "px";
    element.style.top = aside.top + "px";
  },
};
