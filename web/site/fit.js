"use strict";

// Scales the table as a whole to the largest size the browser's window holds, keeping its
// proportions, with the lines under it in view and no scrolling; the table and those lines sit
// in the middle of the window. A phone held upright gets the table's upright arrangement, at
// once when it is turned. The message boxes take the same scale (--box-scale), upright never
// below their own size, and are placed again when the window is rotated or resized while one is
// open. The end-of-run line and the new-version notice never take the table's room (notices.js).
const fit = {
  scale: 1,
  boxScale: 1,

  start() {
    const observer = new ResizeObserver(() => this.apply());
    for (const element of document.querySelector("main").children) {
      if (getComputedStyle(element).position !== "fixed")
        observer.observe(element.id === "stage" ? document.querySelector("main") : element);
    }
    notices.start();
    addEventListener("resize", () => this.apply());
    this.apply();
  },

  // The height of main's other parts, which keep their own size.
  othersHeight(main, stage) {
    let height = 0;
    for (const element of main.children) {
      const style = getComputedStyle(element);
      if (element === stage || style.display === "none"
          || ["absolute", "fixed"].includes(style.position))
        continue;
      height += element.offsetHeight + parseFloat(style.marginTop)
                + parseFloat(style.marginBottom);
    }
    return height;
  },

  // The table as the core places a box on it, in the page's pixels: upright, it is where the
  // design's table would lie at the box's scale for its card slots to be where the upright
  // table has them.
  boxFrame() {
    const table = document.getElementById("window").getBoundingClientRect();
    if (!document.body.classList.contains("upright"))
      return table;
    const first = access.slots[0];
    const design = page.design.controls.find((c) => c.name === first);
    const slot = document.getElementById(first).getBoundingClientRect();
    return { left: table.left, width: table.width, top: slot.top - design.top * this.boxScale };
  },

  apply() {
    if (typeof page !== "undefined" && page?.view)
      page.view.arrange(arrangements.isUpright());
    const main = document.querySelector("main");
    const stage = document.getElementById("stage");
    const table = document.getElementById("window");
    // The table's own size, untouched by its transform.
    const width = table.offsetWidth, height = table.offsetHeight;
    if (!width || !height)
      return;
    const style = getComputedStyle(main);
    const roomWidth = main.clientWidth - parseFloat(style.paddingLeft)
                      - parseFloat(style.paddingRight);
    const roomHeight = main.clientHeight - parseFloat(style.paddingTop)
                       - parseFloat(style.paddingBottom) - this.othersHeight(main, stage);
    const scale = Math.max(0.1, Math.min(roomWidth / width, roomHeight / height));
    this.scale = scale;
    this.boxScale = document.body.classList.contains("upright") ? Math.max(1, scale) : scale;
    document.documentElement.style.setProperty("--box-scale", String(this.boxScale));
    stage.style.width = width * scale + "px";
    stage.style.height = height * scale + "px";
    table.style.transform = `scale(${scale})`;
    notices.place();
    if (typeof boxes !== "undefined" && boxes.open)
      boxes.place();
  },
};
