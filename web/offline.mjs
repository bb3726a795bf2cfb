// Writes the site's offline worker, sw.js, into the built site: offlineworker.mjs with the list
// of every file of the site, bundled with the Workbox modules it uses. After one visit the game
// starts and plays with the network off.
//
// Usage: node offline.mjs SITE

import { createRequire } from "node:module";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const require = createRequire(import.meta.url);
const { injectManifest } = require("workbox-build");
const { rollup } = require("rollup");
const { nodeResolve } = require("@rollup/plugin-node-resolve");
const replace = require("@rollup/plugin-replace");
const terser = require("@rollup/plugin-terser");

const site = process.argv[2];
const here = dirname(fileURLToPath(import.meta.url));
const temporary = mkdtempSync(join(tmpdir(), "nablo-worker-"));
try {
  const listed = join(temporary, "worker.mjs");
  const { count, size, warnings } = await injectManifest({
    swSrc: join(here, "offlineworker.mjs"),
    swDest: listed,
    globDirectory: site,
    globPatterns: ["**/*"],
    globIgnores: ["sw.js", "**/*.gz", "**/*.br"],
    // Hashed names change with their content, so the worker need not revise them itself.
    dontCacheBustURLsMatching: /\.[0-9a-f]{10}\.\w+$/,
    maximumFileSizeToCacheInBytes: 4 * 1024 * 1024,
  });
  for (const warning of warnings)
    console.error(`offline worker: ${warning}`);
  // The Workbox modules come from the packages web/package-lock.json pins, next to this file.
  const bundle = await rollup({
    input: listed,
    plugins: [
      nodeResolve({ rootDir: here, modulePaths: [join(here, "node_modules")] }),
      (replace.default || replace)({ preventAssignment: true,
                                     "process.env.NODE_ENV": JSON.stringify("production") }),
      (terser.default || terser)(),
    ],
  });
  const { output: [chunk] } = await bundle.generate({ format: "iife" });
  writeFileSync(join(site, "sw.js"), chunk.code);
  console.error(`offline worker: ${count} files, ${(size / 1024).toFixed(0)} KiB precached`);
} finally {
  rmSync(temporary, { recursive: true, force: true });
}
