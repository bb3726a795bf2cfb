"use strict";

// The page's start and its files: the loading sign until the game is ready, a clear message
// with a button to try again when a file cannot be loaded, and the offline worker, which keeps
// the site for visits without a network and says when a new version is ready.

// The served name of a file of the site: names carry a hash of their content, listed by the
// build in the page.
const siteFiles = (() => {
  const list = document.getElementById("site-files");
  return list ? JSON.parse(list.textContent) : {};
})();

function siteFile(path) { return siteFiles[path] || path; }

const loader = {
  failed: false,
  failedFiles: new Set(),

  // A file's own name, for the message, without its folder and its hash.
  fileName(url) {
    const name = decodeURIComponent(new URL(url, location.href).pathname.split("/").pop());
    return name.replace(/\.[0-9a-f]{10}(\.\w+)$/, "$1");
  },

  // what: the file or the part of the game that could not be loaded; url: that file. It is
  // fetched again past the browser's cache at once, so that a reload finds a fresh copy, and
  // again when the player tries again.
  fail(what, url) {
    if (url) {
      this.failedFiles.add(url);
      fetch(url, { cache: "reload" }).catch(() => {});
    }
    if (this.failed)
      return;
    this.failed = true;
    const show = () => {
      document.getElementById("loading").hidden = true;
      document.getElementById("load-failed-text").textContent =
        `NABLO could not load ${what}. Check the network connection and try again.`;
      document.getElementById("load-failed").hidden = false;
      document.getElementById("retry").focus();
    };
    if (document.readyState === "loading")
      document.addEventListener("DOMContentLoaded", show);
    else
      show();
  },

  async retry() {
    await Promise.allSettled([...this.failedFiles].map((url) => fetch(url, { cache: "reload" })));
    location.reload();
  },

  // The sha-256 of the content, in hex, begins with the hash in the file's name.
  async matchesName(url, data) {
    const named = /\.([0-9a-f]{10})\.\w+$/.exec(url);
    if (!named || !crypto.subtle)
      return true;
    const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", data));
    const hex = [...digest.slice(0, 5)].map((b) => b.toString(16).padStart(2, "0")).join("");
    return hex === named[1];
  },

  // The content of a file of the site. A copy that does not match the hash in its name, as a
  // cache may keep one, is refused and fetched again past every cache.
  async checkedFile(path) {
    const url = siteFile(path);
    for (const cache of ["default", "reload"]) {
      const response = await fetch(url, { cache });
      if (!response.ok)
        break;
      const data = await response.arrayBuffer();
      if (await this.matchesName(url, data))
        return data;
    }
    throw new Error(`${url} cannot be loaded`);
  },

  ready() {
    document.getElementById("loading").hidden = true;
    this.keepOffline();
  },

  // Registered once the game is ready, so that the worker's downloads never delay it.
  async keepOffline() {
    if (!("serviceWorker" in navigator))
      return;
    let registration;
    try {
      registration = await navigator.serviceWorker.register("sw.js");
    } catch {
      return;  // The game still plays; it only will not start offline.
    }
    // A new worker that takes this page over, when another tab lets it, is a new version too:
    // the page offers the reload that brings it in.
    const controlled = Boolean(navigator.serviceWorker.controller);
    navigator.serviceWorker.addEventListener("controllerchange", () => {
      if (controlled)
        this.offerUpdate(navigator.serviceWorker.controller);
    });
    // A worker installed while another one controls the page is a new version of the site.
    const watch = (worker) => worker.addEventListener("statechange", () => {
      if (worker.state === "installed" && navigator.serviceWorker.controller)
        this.offerUpdate(worker);
    });
    if (registration.waiting && navigator.serviceWorker.controller)
      this.offerUpdate(registration.waiting);
    if (registration.installing)
      watch(registration.installing);
    registration.addEventListener("updatefound", () => watch(registration.installing));
  },

  // The new version takes over only when the player says so, and the page then reloads with
  // it: never a page that mixes the files of two versions. Where another tab has already let
  // it take over, the reload alone brings it in.
  offerUpdate(worker) {
    document.getElementById("update").hidden = false;
    document.getElementById("update-now").onclick = () => {
      if (worker.state === "activating" || worker.state === "activated") {
        location.reload();
        return;
      }
      navigator.serviceWorker.addEventListener("controllerchange", () => location.reload());
      worker.postMessage({ type: "SKIP_WAITING" });
    };
  },
};

// A script, style sheet or font the page links to that cannot be fetched.
window.addEventListener("error", (event) => {
  const target = event.target;
  if (target instanceof HTMLScriptElement || target instanceof HTMLLinkElement)
    loader.fail(loader.fileName(target.src || target.href), target.src || target.href);
}, true);

document.addEventListener("DOMContentLoaded", () => {
  document.getElementById("retry").addEventListener("click", () => loader.retry());
});
