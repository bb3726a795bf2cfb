"use strict";

// Scales the table as a whole to the largest size the browser's window holds, keeping its
// proportions, with the lines under it in view and no scrolling; the table and those lines sit
// in the middle of the window. The message boxes take the same scale (--scale) and are placed
// again when the window is rotated or resized while one is open.
const fit = {
  scale: 1,

  start() {
    const observer = new ResizeObserver(() => this.apply());
    for (const element of document.querySelector("main").children)
      observer.observe(element.id === "stage" ? document.querySelector("main") : element);
    addEventListener("resize", () => this.apply());
    this.apply();
  },

  // The height of main's other parts, which keep their own size.
  othersHeight(main, stage) {
    let height = 0;
    for (const element of main.children) {
      const style = getComputedStyle(element);
      if (element === stage || style.display === "none" || style.position === "absolute")
        continue;
      height += element.offsetHeight + parseFloat(style.marginTop)
                + parseFloat(style.marginBottom);
    }
    return height;
  },

  apply() {
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
    document.documentElement.style.setProperty("--scale", String(scale));
    stage.style.width = width * scale + "px";
    stage.style.height = height * scale + "px";
    table.style.transform = `scale(${scale})`;
    if (typeof boxes !== "undefined" && boxes.open)
      boxes.place();
  },
};
