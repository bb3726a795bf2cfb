"use strict";

// The page's side of the play session in the core: it hands the session the keys and the
// clicks on the slots, runs the timers the session asks for, and draws what the session says:
// the title and status, the advice, the trainer's note, the help and the statistics.

const aidTimes = { demo: 500, soundNote: 3000, trainerNote: 4000, workSlice: 8 };
// The keys the session knows, as KeyboardEvent.key gives them (letters in lower case).
const gameKeys = new Set(["1", "2", "3", "4", "5", "b", "x", "s", "Enter", " ", "h", "d", "m",
                          "t", "F1", "F2"]);
// The keys that still work once the run has ended: the help and the sound.
const keysAfterEnd = new Set(["F1", "m"]);

class Aids {
  constructor(page) {
    this.page = page;
    this.module = page.module;
    this.shown = { demo: false, muted: false, noteSerial: 0 };
    this.timers = { demo: 0, sound: 0, note: 0, work: 0 };
    this.demoClicking = false;
    this.words = {};
  }

  // A call of the core with arguments; its answer is JSON.
  call(name, types, args) {
    return JSON.parse(this.module.ccall(name, "string", types, args));
  }

  dialogOpen() {
    return document.getElementById("help").open || document.getElementById("stats").open;
  }

  // A key waits its turn behind the clicks and keys before it (see Page.queue).
  onKey(event) {
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    if (event.ctrlKey || event.altKey || event.metaKey || boxes.open || this.dialogOpen()
        || !gameKeys.has(key)
        || (this.page.state !== RunState.running && !keysAfterEnd.has(key)))
      return;
    // A key held down acts once, as a button held down clicks once.
    if (event.repeat) {
      event.preventDefault();
      return;
    }
    const focused = /^CARD([1-5])$/.exec(document.activeElement?.id || "");
    // Space on another button is the browser's: it presses that button itself.
    if (key === " " && !focused)
      return;
    event.preventDefault();
    this.page.queue(() => this.take(key, focused ? +focused[1] : 0));
  }

  take(key, focusedSlot) {
    const press = this.call("nablo_key", ["string", "number"], [key, focusedSlot]);
    return press ? this.carryOut(press) : undefined;
  }

  carryOut(press) {
    switch (press.command) {
    case "click": case "refused": return this.page.press(press.control);
    case "help": this.showHelp(); break;
    case "statistics": this.showStatistics(); break;
    default: this.refresh(); break;
    }
    return undefined;
  }

  // A click on a control, before it runs: a slot whose card cannot be placed is framed in red
  // and a screen reader says so. The rules, sounds and captions take no notice.
  beforeClick(name) {
    const slot = /^CARD([1-5])$/.exec(name);
    if (!slot || this.call("nablo_slot_press", ["number"], [+slot[1]])?.command !== "refused")
      return;
    this.page.view.refuse(+slot[1]);
    const announcement = document.getElementById("announcement");
    announcement.textContent = "";
    setTimeout(() => { announcement.textContent = this.words.notSelectable; }, 50);
  }

  // Draws what the session shows now, and runs or stops the timers it needs.
  refresh() {
    const aids = this.page.query("nablo_aids");
    if (!aids)
      return;
    this.words.notSelectable = aids.notSelectable;
    document.title = aids.title;
    document.getElementById("status").textContent = aids.status;
    this.page.view.showAdvice(aids.advised, aids.figures,
                              { caption: aids.figureCaption, name: aids.figuresName });
    this.page.view.showNote(aids.note, aids.noteName);
    if (aids.noteSerial !== this.shown.noteSerial) {
      this.shown.noteSerial = aids.noteSerial;
      this.restart("note", aidTimes.trainerNote, "_nablo_note_expired");
    }
    if (aids.muted !== this.shown.muted) {
      this.shown.muted = aids.muted;
      sound.setMuted(aids.muted);
      // Off stays in the title while it lasts; on shows for a moment.
      if (aids.muted)
        clearTimeout(this.timers.sound);
      else
        this.restart("sound", aidTimes.soundNote, "_nablo_sound_note_expired");
    }
    if (aids.demo !== this.shown.demo) {
      this.shown.demo = aids.demo;
      clearTimeout(this.timers.demo);
      if (aids.demo)
        this.timers.demo = setTimeout(() => this.demoStep(), aidTimes.demo);
    }
    if (document.getElementById("stats").open)
      this.fillStatistics();
    this.scheduleWork();
  }

  // The table's estimate and the trainer's judgements are worked on in slices of the page's
  // idle time, from the moment the table waits for a placement, so that the advice finds them
  // ready and a click never waits for them; never while a click or a box is under way.
  scheduleWork() {
    if (this.timers.work)
      return;
    this.timers.work = setTimeout(() => {
      this.timers.work = 0;
      if (this.page.busy || boxes.open || this.page.state !== RunState.running)
        return;
      const done = this.module._nablo_work(aidTimes.workSlice * 1000);
      if (done & 2)
        this.refresh();
      if (done & 1)
        this.scheduleWork();
    }, 0);
  }

  restart(timer, after, expired) {
    clearTimeout(this.timers[timer]);
    this.timers[timer] = setTimeout(() => { this.module[expired](); this.refresh(); }, after);
  }

  // Any press of the player's on the page but in a box ends the demo, except D, which toggles it.
  stopDemoOn(event) {
    const ownKey = event.type === "keydown" && event.key.toLowerCase() === "d";
    if (this.shown.demo && !ownKey && !event.target.closest?.("dialog")) {
      this.module._nablo_stop_demo();
      this.refresh();
    }
  }

  async demoStep() {
    const slot = this.module._nablo_demo_step();
    if (!slot) {
      this.refresh();
      return;
    }
    // The next placement is timed only once this click has returned, box and all.
    this.demoClicking = true;
    await this.page.press("CARD" + slot);
    this.demoClicking = false;
    if (this.page.query("nablo_aids")?.demo && this.page.inPlay())
      this.timers.demo = setTimeout(() => this.demoStep(), aidTimes.demo);
    else
      this.module._nablo_stop_demo();
    this.refresh();
  }

  showHelp() {
    if (this.page.busy)
      return;
    this.module._nablo_stop_demo();
    this.refresh();
    const help = this.page.query("nablo_help");
    document.getElementById("help-title").textContent = help.heading;
    const table = document.getElementById("help-keys");
    table.replaceChildren(...help.lines.map((line) => {
      const row = table.insertRow();
      const keys = row.insertCell();
      line.keys.forEach((name, i) => {
        if (i)
          keys.append(line.range ? " .. " : ", ");
        const key = document.createElement("kbd");
        key.textContent = name;
        keys.append(key);
      });
      row.insertCell().textContent = line.text;
      return row;
    }));
    document.getElementById("help-notes").replaceChildren(...help.notes.map((note) => {
      const paragraph = document.createElement("p");
      paragraph.textContent = note;
      return paragraph;
    }));
    document.getElementById("help").showModal();
  }

  // Opened first, so that the charts take the width the dialog gives them.
  showStatistics() {
    const dialog = document.getElementById("stats");
    if (!dialog.open)
      dialog.showModal();
    this.fillStatistics();
  }

  // The figures as a list of terms and values; the charts through the chart module when the
  // site has it, their words for a screen reader in any case.
  fillStatistics() {
    const stats = this.page.query("nablo_statistics");
    if (!stats)
      return;
    const words = stats.words;
    document.getElementById("stats-title").textContent = words.title;
    document.getElementById("stats-close").textContent = words.close;
    const figures = document.getElementById("stats-figures");
    figures.setAttribute("aria-label", words.figures);
    figures.replaceChildren(...stats.rows.flatMap((row) => {
      const term = document.createElement("dt");
      term.textContent = row.label;
      const value = document.createElement("dd");
      value.textContent = row.value;
      return [term, value];
    }));
    drawStatisticsCharts(document.getElementById("credits-chart"),
                         document.getElementById("tiers-chart"), stats);
  }
}

// Draws the two charts of the statistics: the credits the run began with and after each game,
// and the games by tier row, through the chart module, which also says their figures to a
// screen reader. Without it each chart says its figures in words.
function drawStatisticsCharts(credits, tiers, stats) {
  const words = stats.words;
  const line = stats.credits.length ? [stats.start, ...stats.credits] : [];
  credits.setAttribute("aria-label", words.creditsChart + ": " + stats.creditsWords);
  tiers.setAttribute("aria-label", words.tiersChart + ": " + stats.tiersWords);
  if (typeof nabloCharts === "undefined") {
    credits.textContent = words.creditsChart + ": " + stats.creditsWords;
    tiers.textContent = words.tiersChart + ": " + stats.tiersWords;
    return;
  }
  nabloCharts.credits(credits, line.map((_, game) => game), line, words);
  nabloCharts.tiers(tiers, stats.tiers.map((bar) => bar.name),
                    stats.tiers.map((bar) => bar.games), words);
}
