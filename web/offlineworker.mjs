// The site's offline worker, bundled into sw.js by offline.mjs with the list of the site's
// files put in where precacheAndRoute takes it. It keeps every file of the site for visits
// without a network, each checked against the hash in its name, and lets a new version take
// over when a page of the site asks for it (see loader.js).

import { clientsClaim } from "workbox-core";
import { addPlugins, cleanupOutdatedCaches, createHandlerBoundToURL, precacheAndRoute }
  from "workbox-precaching";
import { NavigationRoute, registerRoute } from "workbox-routing";

// name.0123456789.ext: the first ten hex digits of the sha-256 of the content.
const HASHED = /\.([0-9a-f]{10})\.\w+$/;

async function matchesName(response, hash) {
  const digest = new Uint8Array(await crypto.subtle.digest("SHA-256",
                                                          await response.clone().arrayBuffer()));
  return [...digest.slice(0, 5)].map((b) => b.toString(16).padStart(2, "0")).join("") === hash;
}

// A copy that does not match its name, as a cache may hand out, is refused and fetched again
// past every cache; if that one does not match either, the worker keeps nothing of this
// version, and the page goes on with the network.
addPlugins([{
  async fetchDidSucceed({ request, response }) {
    const hash = HASHED.exec(new URL(request.url).pathname)?.[1];
    if (!hash || !response.ok || await matchesName(response, hash))
      return response;
    const again = await fetch(request.url, { cache: "reload", credentials: "same-origin" });
    if (again.ok && await matchesName(again, hash))
      return again;
    throw new Error(`${request.url} does not match the hash in its name`);
  },
}]);

self.addEventListener("message", (event) => {
  if (event.data?.type === "SKIP_WAITING")
    self.skipWaiting();
});

clientsClaim();
precacheAndRoute(self.__WB_MANIFEST);
cleanupOutdatedCaches();
registerRoute(new NavigationRoute(createHandlerBoundToURL("index.html")));
