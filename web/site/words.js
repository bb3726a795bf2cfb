"use strict";

// The program's own words in the reader's language. The window's translation source is turned
// into ja.json by the build (context -> English text -> Japanese text, or the list of its forms
// for a count); English needs no table. Japanese is chosen when the browser's preferred
// language is Japanese, and the page's lang attribute follows.
//
//   Words.ready          resolves to the table in use once it is loaded ({} for English)
//   Words.language       "ja" or "en", final once ready has resolved
//   Words.text(context, source[, count])
//                        the translation, or source itself; %n becomes count
//   Words.load(languages) loads the table for a list of language tags (navigator.languages)
const Words = {
  language: "en",
  table: {},

  // The first tag that the program has words for decides: Japanese, or English for any other.
  choose(languages) {
    for (const tag of languages || []) {
      const primary = String(tag).toLowerCase().split("-")[0];
      if (primary === "ja" || primary === "en")
        return primary;
    }
    return "en";
  },

  async load(languages) {
    const language = Words.choose(languages);
    let table = {};
    if (language === "ja") {
      try {
        const response = await fetch("ja.json");
        if (response.ok)
          table = await response.json();
      } catch {
        // Offline without the table: the page stays in English rather than half translated.
      }
    }
    Words.table = table;
    Words.language = Object.keys(table).length ? language : "en";
    document.documentElement.lang = Words.language;
    return table;
  },

  text(context, source, count) {
    const found = Words.table[context]?.[source];
    const text = Array.isArray(found) ? found[0] : found || source;
    return count === undefined ? text : text.replaceAll("%n", String(count));
  },
};

Words.ready = Words.load(navigator.languages);
