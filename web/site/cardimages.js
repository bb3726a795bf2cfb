"use strict";

// The card pictures. Once the table is ready they load in the background, a few at a time and
// at a low priority, so that no click ever waits for them. A picture the game shows before its
// turn is fetched at once, and the table draws it the moment it arrives: a picture on its way
// is no error. One the browser cannot load is: the game raises it when it shows a picture
// known to be bad, and onFailure hears of one that fails after the game has shown it.
class Pictures {
  static parallel = 2;

  constructor() {
    this.states = new Map();  // path -> {problem: "" loaded, text failed, undefined on its way}
    this.waiting = [];
    this.loading = 0;
    this.shown = new Set();
    this.onFailure = () => {};
  }

  url(path) { return siteFile(path); }

  // In the background, in this order; the ones already fetched are skipped.
  preload(paths) {
    this.waiting.push(...paths);
    this.next();
  }

  next() {
    while (this.loading < Pictures.parallel && this.waiting.length) {
      const path = this.waiting.shift();
      if (this.states.has(path))
        continue;
      ++this.loading;
      this.load(path, "low").finally(() => {
        --this.loading;
        this.next();
      });
    }
  }

  load(path, priority) {
    let state = this.states.get(path);
    if (state)
      return state.done;
    state = { problem: undefined };
    state.done = this.decode(path, priority, state).then((problem) => {
      state.problem = problem;
      if (problem && this.shown.has(path))
        this.onFailure(path, problem);
    });
    this.states.set(path, state);
    return state.done;
  }

  // "" once the picture is decoded, else why it cannot be. A copy that is there but cannot be
  // read, as a cache may keep one, is fetched again past the browser's cache, once.
  async decode(path, priority, state) {
    for (let again = false; ; again = true) {
      state.image = new Image();
      state.image.fetchPriority = priority;
      state.image.src = this.url(path);
      try {
        await state.image.decode();
        return "";
      } catch {
        const problem = await Pictures.reason(path);
        if (again || problem === "File not found")
          return problem;
      }
      await fetch(this.url(path), { cache: "reload" }).catch(() => {});
    }
  }

  // Whether a picture is still to come or on its way.
  get pending() {
    return this.waiting.length > 0 || this.loading > 0
      || [...this.states.values()].some((state) => state.problem === undefined);
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

  // Asked by the game as it shows the picture: why it cannot, "" when it can or while it is on
  // its way.
  problem(path) {
    this.shown.add(path);
    if (!this.states.has(path))
      this.load(path, "high");
    return this.states.get(path).problem || "";
  }
}
