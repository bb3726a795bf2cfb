"use strict";

// The page's own words: its box buttons, notices and the buttons of its HTML. They are marked
// as the game's words are, and this file keeps to the plain script that lupdate reads, so that
// the window's translation source holds them too. Each call says them in the reader's language.
function pageWords() {
  return {
    yes: NABLO_WORD("Page", "Yes"),
    no: NABLO_WORD("Page", "No"),
    ok: NABLO_WORD("Page", "OK"),
    ended: NABLO_WORD("Page", "The game has ended. Start a new run to play again."),
    failed: NABLO_WORD("Page", "The game stopped on an error. Start a new run to play again."),
    newRun: NABLO_WORD("Page", "New run"),
    update: NABLO_WORD("Page",
      "A new version of NABLO is ready. It starts when the page reloads, with new credits."),
    reloadNow: NABLO_WORD("Page", "Reload now")
  };
}
