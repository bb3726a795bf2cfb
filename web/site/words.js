"use strict";

// The program's own words in the reader's language. The build turns the window's translation
// source into ja.json (context -> English text -> Japanese text, or the list of its forms for a
// count); English needs no table. Japanese is chosen when the browser's preferred language is
// Japanese, and the page's lang attribute follows.
//
//   nabloWords.ready          resolves to the table in use once it is loaded ({} for English)
//   nabloWords.language       "ja" or "en", final once ready has resolved
//   nabloWords.text(context, source[, count])
//                             the translation, or source itself; %n becomes count
//   nabloWords.records()      the table as the game's nablo_set_words takes it
//   nabloWords.load(languages) loads the table for a list of language tags (navigator.languages)
globalThis.nabloWords = {
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
    const words = globalThis.nabloWords;
    const language = words.choose(languages);
    let table = {};
    if (language === "ja") {
      try {
        const response = await fetch(siteFile("ja.json"));
        if (response.ok)
          table = await response.json();
      } catch {
        // Offline without the table: the page stays in English rather than half translated.
      }
    }
    words.table = table;
    words.language = Object.keys(table).length ? language : "en";
    document.documentElement.lang = words.language;
    return table;
  },

  text(context, source, count) {
    const found = globalThis.nabloWords.table[context]?.[source];
    const text = Array.isArray(found) ? found[0] : found || source;
    return count === undefined ? text : text.replaceAll("%n", String(count));
  },

  // Records separated by U+001E, each context, English text and translation separated by U+001F.
  records() {
    const table = globalThis.nabloWords.table;
    return Object.entries(table).flatMap(([context, messages]) =>
      Object.entries(messages).map(([source, text]) =>
        [context, source, Array.isArray(text) ? text[0] : text].join("\u001f")))
      .join("\u001e");
  },
};

globalThis.nabloWords.ready = globalThis.nabloWords.load(navigator.languages);

// The page's own words (pagewords.js) are marked as the game's are, so that lupdate finds them
// for the one translation source; each is said in the reader's language once the table is loaded.
globalThis.NABLO_WORD = (context, source) => globalThis.nabloWords.text(context, source);
