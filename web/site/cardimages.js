"use strict";

// The card pictures, loaded and decoded once the table is ready, before the game is asked to
// show one, so that its request is answered at once. Clicks made before they are all in wait
// for them, in their order.
class Pictures {
  constructor() {
    this.problems = new Map();
    this.loaded = null;
    this.waiting = Promise.resolve();
  }

  url(path) { return siteFile(path); }

  preload(paths) {
    this.loaded = Promise.all(paths.map(async (path) => {
      const image = new Image();
      image.src = this.url(path);
      try {
        await image.decode();
        this.problems.set(path, "");
      } catch {
        this.problems.set(path, await Pictures.reason(path));
      }
    })).then(() => { this.loaded = null; });
  }

  // Runs action once the pictures are in, after the actions that came before it.
  whenLoaded(action) {
    if (!this.loaded)
      return action();
    this.waiting = this.waiting.then(() => this.loaded).then(action);
    return this.waiting;
  }

  // The desktop's words for why a picture cannot be read.
  static async reason(path) {
    try {
      const response = await fetch(siteFile(path), { method: "HEAD", cache: "no-store" });
      return response.ok ? "Unable to read image data" : "File not found";
    } catch {
      return "File not found";
    }
  }

  problem(path) {
    const problem = this.problems.get(path);
    return problem === undefined ? "File not found" : problem;
  }
}
