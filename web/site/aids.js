"use strict";

// The page's side of the play session in the core: it hands the session the keys and the
// clicks on the slots, runs the timers the session asks for, and draws what the session says:
// the title and status, the advice, the trainer's note, the help and the statistics.

// Milliseconds of the page's idle time given to the estimates at a time.
const workSlice = 8;

class Aids {
  constructor(page) {
    this.page = page;
    this.module = page.module;
    this.shown = { demo: false, muted: false, noteSerial: 0 };
    this.timers = { demo: 0, sound: 0, note: 0, work: 0 };
    this.words = {};
    // The keys the session knows (KeyboardEvent.key, letters in lower case), those that still
    // work once the run has ended, its intervals and the controls of the card slots.
    const setup = page.query("nablo_page");
    this.keys = new Set(setup.keys);
    this.keysAfterEnd = new Set(setup.keysAfterEnd);
    this.times = setup.times;
    this.slots = setup.slots;
    access.setUp(setup);
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
        || !this.keys.has(key)
        || (this.page.state !== RunState.running && !this.keysAfterEnd.has(key)))
      return;
    // A key held down acts once, as a button held down clicks once.
    if (event.repeat) {
      event.preventDefault();
      return;
    }
    const focused = this.slots.indexOf(document.activeElement?.id) + 1;
    // Space on another button is the browser's: it presses that button itself.
    if (key === " " && !focused)
      return;
    event.preventDefault();
    this.page.queue(() => this.take(key, focused));
  }

  // The core decides what the key does and does it, a click included.
  async take(key, focusedSlot) {
    const press = JSON.parse(await this.module.ccall("nablo_key", "string", ["string", "number"],
                                                     [key, focusedSlot], { async: true }));
    if (!press)
      return;
    this.page.afterCall(press.state);
    if (press.command === "help")
      this.showHelp();
    else if (press.command === "statistics")
      this.showStatistics();
    else
      this.refresh();
  }

  // A click of the player's on a slot whose card cannot be placed: the slot is framed in red
  // and a screen reader says so. The rules, sounds and captions take no notice.
  refuse(slot) {
    this.page.view.refuse(slot);
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
      this.restart("note", this.times.trainerNote, "_nablo_note_expired");
    }
    if (aids.muted !== this.shown.muted) {
      this.shown.muted = aids.muted;
      sound.setMuted(aids.muted);
      // Off stays in the title while it lasts; on shows for a moment.
      if (aids.muted)
        clearTimeout(this.timers.sound);
      else
        this.restart("sound", this.times.soundNote, "_nablo_sound_note_expired");
    }
    if (aids.demo !== this.shown.demo) {
      this.shown.demo = aids.demo;
      clearTimeout(this.timers.demo);
      if (aids.demo)
        this.timers.demo = setTimeout(() => this.demoStep(), this.times.demo);
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
      const done = this.module._nablo_work(workSlice * 1000);
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

  // The demo's placement runs in the core; the next is timed only once it has returned, box
  // and all.
  async demoStep() {
    if (this.page.busy) {
      this.module._nablo_stop_demo();
      this.refresh();
      return;
    }
    const step = JSON.parse(await this.module.ccall("nablo_demo_step", "string", [], [],
                                                    { async: true }));
    this.page.afterCall(step.state);
    if (step.again)
      this.timers.demo = setTimeout(() => this.demoStep(), this.times.demo);
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
