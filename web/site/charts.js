"use strict";

// The statistics' two charts, drawn by uPlot (lib/uPlot.iife.min.js and lib/uPlot.min.css are
// loaded before this). Each draws into its element from plain arrays, as wide as the element,
// replacing what the element showed; the caller names the element for a screen reader.
//
//   nabloCharts.credits(element, games, credits, words)
//       games: 0, 1, 2, ...; credits: the credits the run began with, then after each game
//   nabloCharts.tiers(element, rows, games, words)
//       rows: the tier rows' names; games: how many games ended in each (bars)
//   words: { creditsChart, gameAxis, creditsAxis, tiersChart, tiersAxis, gamesAxis }
globalThis.nabloCharts = (() => {
  const height = 220;
  // Whole, round steps only: 1, 2, 5, 10, 20, 50, ...; axes never tick on 2.5 or 0.5.
  const steps = [0, 1, 2, 3, 4, 5, 6, 7, 8].flatMap((e) => [1, 2, 5].map((m) => m * 10 ** e));
  const drawn = new WeakMap();

  function colours(element) {
    const style = getComputedStyle(element);
    return {
      ink: style.color || "#000",
      grid: "rgba(128, 128, 128, 0.35)",
      line: style.getPropertyValue("--chart-line").trim() || "#1f6fd0",
      bar: style.getPropertyValue("--chart-bar").trim() || "#e0a000",
    };
  }

  function axes(ink, grid, xLabel, yLabel, names) {
    const axis = (label) => ({
      label, stroke: ink, grid: { stroke: grid, width: 1 }, ticks: { stroke: grid, width: 1 },
      incrs: steps,
    });
    // Named bars: one tick under each, however narrow the chart.
    const x = names ? { ...axis(xLabel), values: names, incrs: [1], space: 10,
                        font: "10px sans-serif" } : axis(xLabel);
    return [x, { ...axis(yLabel), space: 24 }];
  }

  function draw(element, title, options, data) {
    drawn.get(element)?.destroy();
    element.replaceChildren();
    const plot = new uPlot({
      width: Math.max(200, element.clientWidth || 400), height, title,
      legend: { show: false }, cursor: { show: false }, select: { show: false }, ...options,
    }, data, element);
    // Drawn while its dialog is still closed, the chart takes its width once the dialog shows,
    // and follows it after.
    const fit = new ResizeObserver(() => {
      if (element.clientWidth && element.clientWidth !== plot.width)
        plot.setSize({ width: element.clientWidth, height });
    });
    fit.observe(element);
    drawn.set(element, { destroy() { fit.disconnect(); plot.destroy(); } });
    return plot;
  }

  return {
    credits(element, games, credits, words) {
      const c = colours(element);
      return draw(element, words.creditsChart, {
        scales: { x: { time: false, range: (u, min, max) => [0, Math.max(1, max)] } },
        axes: axes(c.ink, c.grid, words.gameAxis, words.creditsAxis),
        series: [{}, { stroke: c.line, width: 2, points: { show: credits.length <= 30 } }],
      }, [games, credits]);
    },

    tiers(element, rows, games, words) {
      const c = colours(element);
      const name = (u, splits) => splits.map((split) => rows[split - 1] ?? "");
      return draw(element, words.tiersChart, {
        scales: {
          x: { time: false, range: () => [0.5, rows.length + 0.5] },
          y: { range: (u, min, max) => [0, Math.max(1, max)] },
        },
        axes: axes(c.ink, c.grid, words.tiersAxis, words.gamesAxis, name),
        series: [{}, { fill: c.bar, stroke: c.bar, paths: uPlot.paths.bars({ size: [0.6, 64] }),
                       points: { show: false } }],
      }, [rows.map((_, row) => row + 1), games]);
    },
  };
})();
