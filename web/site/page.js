"use strict";

// The page around the table: starts the game, hands clicks and keys to it, and gives it the
// browser's sound, pictures and message boxes.

const RunState = { running: 0, ended: 1, failed: 2 };
const demoInterval = 500;     // milliseconds between the demo's placements
const soundNoteShown = 3000;  // milliseconds the status line tells that the sound is back on

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

// One sound at a time with Web Audio: a new sound stops the one still playing. A sound that
// cannot be played is left out.
class Sound {
  constructor() {
    this.buffers = new Map();
    this.muted = false;
    this.playing = null;
    this.request = 0;
  }

  // Browsers start audio only after a gesture of the player.
  wake() {
    if (!this.context)
      this.context = new AudioContext();
    if (this.context.state === "suspended")
      this.context.resume();
  }

  buffer(path) {
    if (!this.buffers.has(path)) {
      this.buffers.set(path, fetch(siteFile(path))
        .then((response) => response.ok ? response.arrayBuffer() : Promise.reject())
        .then((data) => this.context.decodeAudioData(data)));
    }
    return this.buffers.get(path);
  }

  stop() {
    ++this.request;
    if (this.playing) {
      this.playing.stop();
      this.playing = null;
    }
  }

  async play(path) {
    if (this.muted || !this.context)
      return;
    this.stop();
    const request = this.request;
    try {
      const buffer = await this.buffer(path);
      if (request !== this.request)
        return;
      const source = this.context.createBufferSource();
      source.buffer = buffer;
      source.connect(this.context.destination);
      source.onended = () => { if (this.playing === source) this.playing = null; };
      source.start();
      this.playing = source;
    } catch {
      // No sound rather than an error.
    }
  }

  setMuted(muted) {
    this.muted = muted;
    if (muted)
      this.stop();
  }
}

// Message boxes: modal HTML dialogs. While one is open the rest of the page is inert.
class MessageBoxes {
  static icons = ["information", "question", "error"];

  constructor() {
    this.dialog = document.getElementById("box");
    this.open = false;
  }

  // Resolves to 0 (OK), 1 (Yes) or 2 (No).
  show(title, text, yesNo, icon) {
    const dialog = this.dialog;
    document.getElementById("box-title").textContent = title;
    document.getElementById("box-text").textContent = text.replace(/\r\n/g, "\n");
    document.getElementById("box-icon").className = MessageBoxes.icons[icon] || "information";
    dialog.setAttribute("role", icon === 2 ? "alertdialog" : "dialog");
    dialog.dataset.question = yesNo;
    const buttons = document.getElementById("box-buttons");
    buttons.replaceChildren();
    const choices = yesNo ? [["Yes", 1, "y"], ["No", 2, "n"]] : [["OK", 0, ""]];
    return new Promise((resolve) => {
      let answered = false;
      const answer = (value) => {
        answered = true;
        dialog.removeEventListener("cancel", onCancel);
        dialog.removeEventListener("keydown", onKey);
        dialog.removeEventListener("close", onClose);
        dialog.close();
        this.open = false;
        resolve(value);
      };
      // Esc closes an OK box; a question is answered only by its buttons, Y, N or Enter.
      const onCancel = (event) => {
        event.preventDefault();
        if (!yesNo)
          answer(0);
      };
      // Esc is kept from a question box wherever the focus is (access.js).
      const onKey = (event) => {
        const choice = choices.find(([, , key]) => key && event.key.toLowerCase() === key);
        if (choice && !event.ctrlKey && !event.altKey && !event.metaKey) {
          event.preventDefault();
          answer(choice[1]);
        }
      };
      // The game waits for the answer: a box the browser closes anyway comes back.
      const onClose = () => {
        if (answered)
          return;
        dialog.showModal();
        this.place();
        buttons.firstChild.focus();
      };
      for (const [label, value] of choices) {
        const button = document.createElement("button");
        button.type = "button";
        button.textContent = label;
        button.addEventListener("click", () => answer(value));
        buttons.append(button);
      }
      dialog.addEventListener("cancel", onCancel);
      dialog.addEventListener("keydown", onKey);
      dialog.addEventListener("close", onClose);
      this.open = true;
      dialog.showModal();
      this.place();
      // The first button, Yes or OK, is the default.
      buttons.firstChild.focus();
    });
  }

  // Over the card slots, below the card counter and clear of both pay tables, which the player
  // reads after a game: centred across the table, on the slots' middle, its top no higher than
  // 32 pixels below the slots' top; kept inside the browser's window. All at the table's scale.
  place() {
    const dialog = this.dialog;
    const table = document.getElementById("window").getBoundingClientRect();
    const slot = page.design.controls.find((control) => control.name === "CARD1");
    const scale = fit.scale;
    const width = dialog.offsetWidth * scale, height = dialog.offsetHeight * scale;
    const clamp = (value, room) => Math.max(0, Math.min(value, room));
    const left = table.left + (table.width - width) / 2;
    const top = table.top + Math.max(Math.floor(slot.top * scale + slot.height * scale / 2
                                                - height / 2), (slot.top + 32) * scale);
    dialog.style.left = Math.round(clamp(left, innerWidth - width)) + "px";
    dialog.style.top = Math.round(clamp(top, innerHeight - height)) + "px";
  }
}

class Page {
  constructor(module, design) {
    this.module = module;
    this.design = design;
    this.view = null;
    this.busy = false;
    this.state = RunState.running;
    this.demo = { running: false, clicking: false, timer: 0 };
    this.adviceShown = false;
    this.adviceSummary = "";
    this.outcome = "";
    this.soundNote = "";
    this.soundNoteTimer = 0;
  }

  // A query of the game, called directly: ccall would hand back a promise while a box is open
  // and the game waits for it.
  query(name) { return JSON.parse(this.module.UTF8ToString(this.module["_" + name]())); }

  changes() { return this.query("nablo_changes"); }

  sync() {
    const changes = this.changes();
    this.view.apply(changes);
    access.collect(changes, this.design);
  }

  async start() {
    this.state = RunState.running;
    this.setEnded(false);
    this.busy = true;
    const state = await this.module.ccall("nablo_start", "number", [], [], { async: true });
    this.finish(state);
  }

  finish(state) {
    this.sync();
    this.busy = false;
    this.state = state;
    if (this.inPlay())
      access.afterClick(this.query("nablo_table").playable);
    if (state !== RunState.running) {
      this.stopDemo();
      this.setEnded(true, state === RunState.failed);
    }
  }

  click(name) { return pictures.whenLoaded(() => this.clickNow(name)); }

  async clickNow(name) {
    if (this.busy || this.state !== RunState.running)
      return;
    // A click of the player's own ends the demo.
    if (!this.demo.clicking)
      this.stopDemo();
    this.clearAdvice();
    if (this.outcome)
      this.announce("");
    this.busy = true;
    access.listen(name.startsWith("CARD"));
    const state = await this.module.ccall("nablo_click", "number", ["string"], [name],
                                          { async: true });
    this.finish(state);
    access.announce();
  }

  // A key presses a button as a click would, unless the button is disabled.
  press(name) {
    const button = document.getElementById(name);
    if (button && !button.disabled)
      return this.click(name);
    return Promise.resolve();
  }

  inPlay() {
    return !this.busy && this.state === RunState.running
      && this.query("nablo_in_play") === true;
  }

  advice() { return this.query("nablo_advice"); }

  showAdvice() {
    if (!this.inPlay())
      return;
    const advice = this.advice();
    this.view.showAdvice(advice.slot, advice.expected);
    this.adviceShown = true;
    this.adviceSummary = advice.summary;
    this.updateTitle();
  }

  clearAdvice() {
    if (!this.adviceShown)
      return;
    this.view.showAdvice(0);
    this.adviceShown = false;
    this.adviceSummary = "";
    this.updateTitle();
  }

  toggleDemo() {
    if (this.demo.running) {
      this.stopDemo();
      return;
    }
    if (!this.inPlay())
      return;
    this.demo.running = true;
    this.demo.timer = setTimeout(() => this.demoStep(), demoInterval);
    this.updateTitle();
  }

  stopDemo() {
    clearTimeout(this.demo.timer);
    if (!this.demo.running)
      return;
    this.demo.running = false;
    this.updateTitle();
  }

  async demoStep() {
    if (!this.demo.running || !this.inPlay()) {
      this.stopDemo();
      return;
    }
    const slot = this.advice().slot;
    // The next placement is timed only once this click has returned, box and all.
    this.demo.clicking = true;
    await this.press("CARD" + slot);
    this.demo.clicking = false;
    if (this.demo.running && this.inPlay())
      this.demo.timer = setTimeout(() => this.demoStep(), demoInterval);
    else
      this.stopDemo();
  }

  toggleSound() {
    sound.setMuted(!sound.muted);
    // Off stays in the title while it lasts; on shows for a moment, then the plain title.
    this.soundNote = sound.muted ? "sound off" : "sound on";
    clearTimeout(this.soundNoteTimer);
    if (!sound.muted) {
      this.soundNoteTimer = setTimeout(() => { this.soundNote = ""; this.updateTitle(); },
                                       soundNoteShown);
    }
    this.updateTitle();
  }

  // Any press of the player's on the page ends the demo, except D, which toggles it; the
  // boxes the demo's placements open are answered without ending it.
  stopDemoOn(event) {
    if (!this.demo.running || event.target.closest?.("dialog"))
      return;
    if (event.type === "keydown" && event.key.toLowerCase() === "d")
      return;
    this.stopDemo();
  }

  // The window caption with what the desktop shows in its title bar: the advice, the demo and
  // the sound switch; the same words go in the status line under the table.
  updateTitle() {
    const parts = [this.adviceSummary, this.demo.running ? "demo" : "", this.soundNote]
      .filter((part) => part);
    document.title = [this.design.caption, ...parts].join(" \u2014 ");
    document.getElementById("status").textContent = [this.outcome, ...parts]
      .filter((part) => part).join(" \u2014 ");
  }

  // The outcome of the last game stays on the status line until the next game starts.
  announce(outcome) {
    this.outcome = outcome;
    this.updateTitle();
  }

  showHelp() {
    if (this.busy || this.state !== RunState.running)
      return;
    this.stopDemo();
    document.getElementById("help").showModal();
  }

  setEnded(ended, failed) {
    const table = document.getElementById("window");
    table.inert = ended;
    document.getElementById("ended").hidden = !ended;
    if (ended) {
      document.getElementById("ended-text").textContent = failed
        ? "The game stopped on an error. Start a new run to play again."
        : "The game has ended. Start a new run to play again.";
      document.getElementById("new-run").focus();
    }
  }

  static keyActions = {
    "1": (page) => page.press("CARD1"), "2": (page) => page.press("CARD2"),
    "3": (page) => page.press("CARD3"), "4": (page) => page.press("CARD4"),
    "5": (page) => page.press("CARD5"),
    "b": (page) => page.press("BET"), "x": (page) => page.press("RepertBet"),
    "s": (page) => page.press("START"), "Enter": (page) => page.press("START"),
    "h": (page) => page.showAdvice(), "d": (page) => page.toggleDemo(),
    "m": (page) => page.toggleSound(), "F1": (page) => page.showHelp(),
  };

  onKey(event) {
    if (event.ctrlKey || event.altKey || event.metaKey || boxes.open
        || document.getElementById("help").open || this.state !== RunState.running)
      return;
    // Enter or Space on a focused slot or button presses that one, as the browser does.
    if ((event.key === "Enter" || event.key === " ") && event.target.closest?.("#window button"))
      return;
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    const action = Page.keyActions[key];
    if (!action)
      return;
    // Enter on a focused button would press that button as well.
    event.preventDefault();
    // A key held down acts once, as a button held down clicks once.
    if (!event.repeat)
      action(this);
  }
}

const sound = new Sound();
const boxes = new MessageBoxes();
const pictures = new Pictures();
let page = null;

async function main() {
  const module = await createNablo({
    locateFile: (name) => siteFile(name),
    page: {
      playSound: (path) => { sound.play(path); },
      pictureProblem: (path) => pictures.problem(path),
      gameEnded: (summary) => page.announce(summary),
      showMessage: (title, text, yesNo, icon) => {
        // The table behind the box shows what the game holds when it asks.
        page.sync();
        access.announce();
        return boxes.show(title, text, yesNo, icon);
      },
    },
  }).catch(() => Promise.reject(new Error("the game (nablo.wasm)")));
  const design = JSON.parse(module.UTF8ToString(module._nablo_design()));
  await document.fonts.load("bold 12px NabloCaptions")
    .catch(() => Promise.reject(new Error("the captions' font")));

  page = new Page(module, design);
  const table = document.getElementById("window");
  page.view = new TableView(table, design, pictures);
  fit.start();
  access.start();
  page.updateTitle();
  table.addEventListener("click", (event) => {
    const button = event.target.closest("button");
    if (button && table.contains(button))
      page.click(button.id);
  });
  // The first gesture lets the page play sounds.
  for (const type of ["pointerdown", "keydown"])
    document.addEventListener(type, () => sound.wake(), { capture: true });
  for (const type of ["pointerdown", "keydown"])
    document.addEventListener(type, (event) => page.stopDemoOn(event), { capture: true });
  document.addEventListener("keydown", (event) => page.onKey(event));
  document.getElementById("new-run").addEventListener("click", () => page.start());
  await page.start();
  table.removeAttribute("aria-busy");
  page.readyAt = performance.now();
  document.body.dataset.ready = "true";
  loader.ready();
  pictures.preload(design.pictures);
}

main().catch((error) => loader.fail(error.message));
