#!/usr/bin/env python3
"""Turns a Qt Linguist translation (.ts) into the page's table of the program's own words.

The table is one JSON object: context -> source text -> translation. A plural message has the
list of its forms instead of one text. Messages without a translation, and those the sources no
longer have, are left out, as lrelease leaves them out of the window's table.

Usage: words.py TRANSLATION.ts TABLE.json
"""
import json
import sys
import xml.etree.ElementTree as ElementTree


def table(path):
    words = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("vanished", "obsolete"):
                continue
            if message.get("numerus") == "yes":
                text = [form.text or "" for form in translation.iter("numerusform")]
            else:
                text = translation.text or ""
            if any(text) if isinstance(text, list) else text:
                words.setdefault(name, {})[message.findtext("source", "")] = text
    return words


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        json.dump(table(sys.argv[1]), out, ensure_ascii=False, separators=(",", ":"), sort_keys=True)
        out.write("\n")


if __name__ == "__main__":
    main()
