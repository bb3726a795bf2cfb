"use strict";

// The keyboard focus and the screen reader's announcements of the page: an open dialog keeps
// the focus (Tab cycles its buttons), Esc never takes a question box away, the focus goes to
// the first playable slot when the game's play starts, and placements, tier rows reached and
// bonus hands are announced without interrupting the reader.
const access = {
  // By control name, what a placement's change of it is told as: "pile", "count" or "rows"
  // (both pay tables' rows, whose words change when a row is reached or a hand shows).
  voiced: {},
  slots: [],
  heard: { pile: [], count: [], rows: [] },
  listening: false,

  start() {
    // Before every other handler, wherever the focus is, even outside the open dialog.
    document.addEventListener("keydown", (event) => this.onKey(event), { capture: true });
  },

  // The core's word on which controls are the card slots and which are told.
  setUp(setup) {
    this.voiced = setup.voiced;
    this.slots = setup.slots;
  },

  openDialog() { return document.querySelector("dialog[open]"); },

  onKey(event) {
    const dialog = this.openDialog();
    if (!dialog)
      return;
    // The browser would close a modal dialog on a second Esc whatever its cancel handler says;
    // a key the page keeps from it closes nothing. Only an answer closes a question box.
    if (event.key === "Escape" && dialog.dataset.question === "true") {
      event.preventDefault();
      return;
    }
    if (event.key === "Tab")
      this.cycle(dialog, event);
    else if (!dialog.contains(document.activeElement))
      this.firstButton(dialog)?.focus();
  },

  // Tab and Shift+Tab move round the dialog's buttons and never leave it.
  cycle(dialog, event) {
    const buttons = [...dialog.querySelectorAll("button:not(:disabled)")];
    if (!buttons.length)
      return;
    event.preventDefault();
    const at = buttons.indexOf(document.activeElement);
    const step = event.shiftKey ? -1 : 1;
    const next = at < 0 ? 0 : (at + step + buttons.length) % buttons.length;
    buttons[next].focus();
  },

  firstButton(dialog) { return dialog.querySelector("button:not(:disabled)"); },

  // After a click that left the focus nowhere (START, now disabled, or the page itself), on
  // the first slot whose card can be placed.
  afterClick(playable) {
    if (this.openDialog() || !playable.length)
      return;
    const active = document.activeElement;
    if (active && active !== document.body && !active.disabled)
      return;
    document.getElementById(this.slots[playable[0] - 1])?.focus();
  },

  // Whether the click under way is a placement, whose changes are told.
  listen(placement) {
    this.listening = placement;
    this.heard = { pile: [], count: [], rows: [] };
  },

  // Keeps the words of the changed pile, counter and pay table rows, to be said at once.
  collect(changes, design) {
    if (!this.listening)
      return;
    for (const change of changes) {
      const name = design.controls[change.index].name;
      const part = this.voiced[name] || "";
      if (part)
        this.heard[part].push([change.accessibleName, change.accessibleValue]
          .filter(Boolean).join(": "));
    }
  },

  // Says what a placement changed, politely, after what the reader is saying: the card placed
  // and the count first, then the rows it reached.
  announce() {
    const { pile, count, rows } = this.heard;
    const words = [...pile, ...count, ...rows];
    this.heard = { pile: [], count: [], rows: [] };
    if (words.length)
      document.getElementById("announcer").textContent = words.join(". ") + ".";
  },
};
