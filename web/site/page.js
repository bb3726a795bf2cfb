"use strict";

// The page around the table: starts the game, hands clicks and keys to it, and gives it the
// browser's sound, pictures and message boxes.

const RunState = { running: 0, ended: 1, failed: 2 };

// Message boxes: modal HTML dialogs. While one is open the rest of the page is inert.
class MessageBoxes {
  static icons = ["information", "question", "error"];

  constructor() {
    this.dialog = document.getElementById("box");
    this.open = false;
  }

  // Resolves to 0 (OK), 1 (Yes) or 2 (No). A translation goes under the Japanese text.
  show(title, text, yesNo, icon, translation = "") {
    const dialog = this.dialog;
    document.getElementById("box-title").textContent = title;
    document.getElementById("box-text").textContent = text.replace(/\r\n/g, "\n");
    Object.assign(document.getElementById("box-translation"),
                  { textContent: translation, hidden: !translation });
    document.getElementById("box-icon").className = MessageBoxes.icons[icon] || "information";
    dialog.setAttribute("role", icon === 2 ? "alertdialog" : "dialog");
    dialog.dataset.question = yesNo;
    const buttons = document.getElementById("box-buttons");
    buttons.replaceChildren();
    const words = pageWords();
    const choices = yesNo ? [[words.yes, 1, "y"], [words.no, 2, "n"]] : [[words.ok, 0, ""]];
    return new Promise((resolve) => {
      let answered = false;
      const answer = (value) => {
        answered = true;
        dialog.removeEventListener("cancel", onCancel);
        document.removeEventListener("keydown", onKey, true);
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
      // Esc is kept from a question box wherever the focus is (access.js). Y, N and Enter
      // answer it wherever the focus is too: Enter outside the box means its first button.
      const onKey = (event) => {
        const outside = !dialog.contains(document.activeElement);
        const choice = choices.find(([, , key]) => key && event.key.toLowerCase() === key)
          || (event.key === "Enter" && outside ? choices[0] : null);
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
      document.addEventListener("keydown", onKey, true);
      dialog.addEventListener("close", onClose);
      this.open = true;
      page.dropInputs();
      dialog.showModal();
      this.place();
      // The first button, Yes or OK, is the default.
      buttons.firstChild.focus();
    });
  }

  // Where the core says a box opens: over the card slots, kept inside the browser's window;
  // asked in the box's own pixels, then put at the box's scale.
  place() {
    const dialog = this.dialog;
    const table = fit.boxFrame();
    const module = page.module;
    const s = fit.boxScale;
    const corner = JSON.parse(module.UTF8ToString(module._nablo_box_place(
      Math.round(table.left / s), Math.round(table.top / s), Math.round(table.width / s),
      dialog.offsetWidth, dialog.offsetHeight, Math.floor(innerWidth / s),
      Math.floor(innerHeight / s))));
    dialog.style.left = Math.round(corner.x * s) + "px";
    dialog.style.top = Math.round(corner.y * s) + "px";
  }
}

class Page {
  constructor(module, design) {
    this.module = module;
    this.design = design;
    this.view = null;
    this.busy = false;
    this.state = RunState.running;
    this.aids = new Aids(this);
    this.inputs = [];
    this.taking = false;
  }

  // Keys and taps wait their turn: each is taken once the run is idle, after those before it.
  // Resolves when it has been taken. kept: not dropped by a box (see dropInputs).
  queue(action, kept = false) {
    return new Promise((resolve) => {
      const input = async () => {
        try {
          await action();
        } finally {
          resolve();
        }
      };
      input.kept = kept;
      this.inputs.push(input);
      this.takeInputs();
    });
  }

  async takeInputs() {
    if (this.taking)
      return;
    this.taking = true;
    try {
      while (this.inputs.length && !this.busy)
        await this.inputs.shift()();
    } finally {
      this.taking = false;
    }
  }

  // A box or the run's end makes what was pressed for the table before it meaningless.
  dropInputs() { this.inputs = this.inputs.filter((input) => input.kept); }

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
    this.aids.refresh();
    if (this.inPlay())
      access.afterClick(this.query("nablo_table").playable);
    if (state !== RunState.running)
      this.setEnded(true, state === RunState.failed);
    this.takeInputs();
  }

  click(name) { return this.queue(() => this.clickNow(name)); }

  // A picture the game showed that did not load ends the run, as it would have in its deal.
  pictureFailed(path, problem) {
    this.queue(async () => {
      if (this.state !== RunState.running)
        return;
      this.busy = true;
      this.finish(await this.module.ccall("nablo_picture_failed", "number", ["string", "string"],
                                          [path, problem], { async: true }));
    }, true);
  }

  async clickNow(name) {
    if (this.busy || this.state !== RunState.running)
      return;
    this.afterCall(await this.module.ccall("nablo_click", "number", ["string"], [name],
                                           { async: true }));
  }

  // The core runs a click now: a key's, a tap's or the demo's. The session takes the advice
  // away, and judges a placement of the player's first.
  clicking(slot, refused) {
    this.busy = true;
    access.listen(slot > 0);
    if (refused)
      this.aids.refuse(slot);
  }

  // After a call that may have run a click: draws what it changed and says it.
  afterCall(state) {
    if (!this.busy)
      return;
    this.finish(state);
    access.announce();
  }

  inPlay() {
    return !this.busy && this.state === RunState.running
      && this.query("nablo_in_play") === true;
  }

  setEnded(ended, failed) {
    const table = document.getElementById("window");
    table.inert = ended;
    document.getElementById("ended").hidden = !ended;
    if (ended) {
      this.dropInputs();
      document.getElementById("ended-text").textContent = failed
        ? pageWords().failed : pageWords().ended;
      document.getElementById("new-run").focus();
    }
  }
}

const sound = new Sound();
const boxes = new MessageBoxes();
const pictures = new Pictures();
let page = null;

// The words the page's own buttons and notices start with, in the reader's language.
function sayPageWords() {
  const words = pageWords();
  const texts = { "new-run": words.newRun, "update-text": words.update,
                  "update-now": words.reloadNow, "help-ok": words.ok };
  for (const [id, text] of Object.entries(texts))
    document.getElementById(id).textContent = text;
}

async function main() {
  const module = await createNablo({
    locateFile: (name) => siteFile(name),
    instantiateWasm: (imports, receive) => {
      loader.checkedFile("nablo.wasm")
        .then((data) => WebAssembly.instantiate(data, imports))
        .then((made) => receive(made.instance, made.module))
        .catch(() => loader.fail("the game (nablo.wasm)", siteFile("nablo.wasm")));
      return {};
    },
    page: {
      playSound: (path) => { sound.play(path); },
      pictureProblem: (path) => pictures.problem(path),
      gameEnded: () => page.aids.refresh(),
      clicking: (slot, refused) => page.clicking(slot, refused),
      showMessage: (title, text, yesNo, icon, translation) => {
        // The table behind the box shows what the game holds when it asks.
        page.sync();
        access.announce();
        return boxes.show(title, text, yesNo, icon, translation);
      },
    },
  }).catch(() => Promise.reject(new Error("the game (nablo.wasm)")));
  // The game says its words in the reader's language from its first one on.
  await nabloWords.ready;
  module.ccall("nablo_set_words", null, ["string"], [nabloWords.records()]);
  sayPageWords();
  const design = JSON.parse(module.UTF8ToString(module._nablo_design()));
  await document.fonts.load("bold 12px NabloCaptions").catch(() => Promise.reject(
    Object.assign(new Error("the captions' font"), { url: siteFile("fonts/captions.woff2") })));

  page = new Page(module, design);
  pictures.onFailure = (path, problem) => page.pictureFailed(path, problem);
  const table = document.getElementById("window");
  page.view = new TableView(table, design, pictures);
  page.aids.refresh();
  fit.start();
  access.start();
  table.addEventListener("click", (event) => {
    const button = event.target.closest("button");
    if (button && table.contains(button))
      page.click(button.id);
  });
  // The first gesture lets the page play sounds.
  for (const type of ["pointerdown", "keydown"])
    document.addEventListener(type, () => sound.wake(), { capture: true });
  for (const type of ["pointerdown", "keydown"])
    document.addEventListener(type, (event) => page.aids.stopDemoOn(event), { capture: true });
  document.addEventListener("keydown", (event) => page.aids.onKey(event));
  document.getElementById("new-run").addEventListener("click", () => page.start());
  await page.start();
  table.removeAttribute("aria-busy");
  page.readyAt = performance.now();
  document.body.dataset.ready = "true";
  loader.ready();
  pictures.preload(design.pictures);
}

main().catch((error) => loader.fail(error.message, error.url));
