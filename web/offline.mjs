// Writes the site's offline worker, sw.js, into the built site: it precaches every file of the
// site, so that after one visit the game starts and plays with the network off.
//
// Usage: node offline.mjs SITE

import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
const { generateSW } = require("workbox-build");

const site = process.argv[2];
const { count, size, warnings } = await generateSW({
  globDirectory: site,
  globPatterns: ["**/*"],
  globIgnores: ["sw.js", "**/*.gz", "**/*.br"],
  swDest: `${site}/sw.js`,
  // Hashed names change with their content, so the worker need not revise them itself.
  dontCacheBustURLsMatching: /\.[0-9a-f]{10}\.\w+$/,
  maximumFileSizeToCacheInBytes: 4 * 1024 * 1024,
  navigateFallback: "index.html",
  inlineWorkboxRuntime: true,
  mode: "production",
  sourcemap: false,
  // A new version waits until the page lets it take over (see loader.js), so a page never
  // runs with files of two versions.
  skipWaiting: false,
  clientsClaim: true,
  cleanupOutdatedCaches: true,
});
for (const warning of warnings)
  console.error(`offline worker: ${warning}`);
console.error(`offline worker: ${count} files, ${(size / 1024).toFixed(0)} KiB precached`);
