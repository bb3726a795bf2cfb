"use strict";

// The statistics' two charts, drawn by uPlot (lib/uPlot.iife.min.js and lib/uPlot.min.css must
// be loaded first). Each draws into an empty element from plain arrays, as wide as the element,
// and gives the element the figures in words for a screen reader. Both return the uPlot object,
// whose destroy() clears the element again.
//
//   Charts.credits(element, credits, words)
//       credits: the credits the run began with, then those after each game (a line)
//       words:   { title, x: "game", y: "credits" }
//   Charts.tiers(element, games, rows, words)
//       games:   how many games ended in each row; rows: the rows' names (bars)
//       words:   { title, x: "cards placed", y: "games" }
const Charts = {
  height: 220,

  // Whole, round steps only: 1, 2, 5, 10, 20, 50, ... ; axes never tick on 2.5 or 0.5.
  steps: [0, 1, 2, 3, 4, 5, 6, 7, 8].flatMap((e) => [1, 2, 5].map((m) => m * 10 ** e)),

  colours(element) {
    const style = getComputedStyle(element);
    const ink = style.color || "#000";
    return {
      ink,
      grid: "rgba(128, 128, 128, 0.35)",
      line: style.getPropertyValue("--chart-line").trim() || "#1f6fd0",
      bar: style.getPropertyValue("--chart-bar").trim() || "#e0a000",
    };
  },

  axes(colours, words, xValues) {
    const axis = (label) => ({
      label, stroke: colours.ink, grid: { stroke: colours.grid, width: 1 },
      ticks: { stroke: colours.grid, width: 1 }, incrs: Charts.steps,
    });
    // Named bars: one tick under each, however narrow the chart.
    const x = { ...axis(words.x), ...(xValues ? { values: xValues, incrs: [1], space: 10 } : {}) };
    return [x, { ...axis(words.y), space: 24 }];
  },

  options(element, words, colours) {
    return {
      width: Math.max(200, element.clientWidth || 400), height: Charts.height,
      title: words.title, legend: { show: false }, cursor: { show: false },
      select: { show: false },
    };
  },

  describe(element, words, text) {
    element.setAttribute("role", "img");
    element.setAttribute("aria-label", `${words.title}: ${text}`);
  },

  credits(element, credits, words) {
    const colours = Charts.colours(element);
    const games = credits.map((_, game) => game);
    Charts.describe(element, words, credits.join(", "));
    return new uPlot({
      ...Charts.options(element, words, colours),
      scales: { x: { time: false, range: (u, min, max) => [0, Math.max(1, max)] } },
      axes: Charts.axes(colours, words),
      series: [{ label: words.x }, { label: words.y, stroke: colours.line, width: 2,
                                     points: { show: credits.length <= 30 } }],
    }, [games, credits], element);
  },

  tiers(element, games, rows, words) {
    const colours = Charts.colours(element);
    const at = rows.map((_, row) => row + 1);
    Charts.describe(element, words, rows.map((row, i) => `${row}: ${games[i]}`).join(", "));
    const name = (u, splits) => splits.map((split) => rows[split - 1] ?? "");
    return new uPlot({
      ...Charts.options(element, words, colours),
      scales: {
        x: { time: false, range: () => [0.5, rows.length + 0.5] },
        y: { range: (u, min, max) => [0, Math.max(1, max)] },
      },
      axes: Charts.axes(colours, words, name),
      series: [{ label: words.x }, { label: words.y, fill: colours.bar, stroke: colours.bar,
                                     paths: uPlot.paths.bars({ size: [0.6, 64] }),
                                     points: { show: false } }],
    }, [at, games], element);
  },
};
