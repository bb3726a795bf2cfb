#!/usr/bin/python3
"""Turns the site's plain files into the site a host serves: the captions' font cut down to the
characters the program can show, card pictures as WebP, sounds as MP3, a content hash in every
file name the page links to (so a host may keep them for a year) and the digest of every script
and style sheet in the page (so that a browser refuses a copy that does not match), the offline
worker that precaches the site, and a gzip and a brotli copy of every file that compresses.

Usage: site.py STAGE SITE --font TTF --text FILE... [--workbox NODE_SCRIPT]
STAGE holds the files as built; SITE is made anew. Any file put in STAGE joins the site."""

import argparse
import base64
import gzip
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys

import brotli
from fontTools import subset
from fontTools.ttLib import TTFont

# Kept under their own names: the page itself, the worker (browsers look for it by name) and
# the licences a reader looks for.
FIXED_NAMES = {"index.html", "sw.js", "COPYING.txt"}
FIXED_SUFFIXES = (".txt",)
# Files that name other files of the site, rewritten before they are hashed themselves.
REFERRING = (".css", ".webmanifest")
COMPRESSED = (".html", ".js", ".mjs", ".css", ".json", ".webmanifest", ".wasm", ".svg", ".txt")
FONT_FAMILY = "NabloCaptions"
FONT_FILE = "fonts/captions.woff2"
WEBP_QUALITY = "80"
# Variable bit rate, mono: the six sounds in about 31 KB, against 240 KB as WAV.
MP3_QUALITY = "3"


def relative_files(folder):
    for root, _, names in os.walk(folder):
        for name in names:
            yield os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")


def characters(paths):
    """Every character of the program's own texts, and printable ASCII for the numbers and
    words the game puts together."""
    chars = {chr(c) for c in range(0x20, 0x7f)}
    # Full-width digits, letters and signs, which captions use for figures.
    chars |= {chr(c) for c in range(0xff01, 0xff5f)}
    for path in paths:
        with open(path, encoding="utf-8", errors="ignore") as file:
            chars |= set(file.read())
    return "".join(sorted(c for c in chars if c.isprintable() or c == "\u3000"))


def subset_font(source, target, text):
    """The glyphs of text alone, as WOFF2, renamed as the font's licence asks of a font
    derived from it."""
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in (1, 3, 4, 6, 16, 17, 18, 21, 22):
            record.string = FONT_FAMILY if record.nameID != 3 else FONT_FAMILY + " subset"
    os.makedirs(os.path.dirname(target), exist_ok=True)
    subset.save_font(font, target, options)
    return TTFont(target)["maxp"].numGlyphs


def to_webp(source, target):
    subprocess.run(["cwebp", "-quiet", "-q", WEBP_QUALITY, "-m", "6", source, "-o", target],
                   check=True)


def to_mp3(source, target):
    subprocess.run(["lame", "--quiet", "-V", MP3_QUALITY, "-m", "m", source, target], check=True)


def with_integrity(text, site):
    """Every script and style sheet of the page with the digest of its content."""
    def sign(match):
        with open(os.path.join(site, match.group(2)), "rb") as file:
            digest = base64.b64encode(hashlib.sha256(file.read()).digest()).decode()
        return f'{match.group(1)}{match.group(2)}" integrity="sha256-{digest}"'
    return re.sub(r'(<script src="|<link rel="stylesheet" href=")([^"]+)"', sign, text)


def content_name(path, data):
    stem, dot, suffix = path.rpartition(".")
    digest = hashlib.sha256(data).hexdigest()[:10]
    return f"{stem}.{digest}.{suffix}" if dot else f"{path}.{digest}"


def rewrite(text, names):
    """Puts the hashed name in place of every file name of the site quoted or in url()."""
    def swap(match):
        return match.group(1) + names.get(match.group(2), match.group(2)) + match.group(3)
    return re.sub(r"""(["'(])([\w./-]+)(["')])""", swap, text)


def is_fixed(path):
    return path in FIXED_NAMES or path.endswith(FIXED_SUFFIXES)


def build(stage, site, font, text_files):
    """Copies STAGE into SITE with the changes above; returns the map of logical names (as
    the page and the game ask for them) to the served ones."""
    names = {}
    plain = {}
    for path in sorted(relative_files(stage)):
        if path.endswith(".ttf"):
            continue
        source = os.path.join(stage, path)
        os.makedirs(os.path.dirname(os.path.join(site, path)), exist_ok=True)
        if path.startswith("cards/") and path.endswith(".jpg"):
            served = path[:-4] + ".webp"
            to_webp(source, os.path.join(site, served))
            plain[path] = served
        elif path.endswith(".wav"):
            served = path[:-4] + ".mp3"
            to_mp3(source, os.path.join(site, served))
            plain[path] = served
        else:
            shutil.copyfile(source, os.path.join(site, path))
            plain[path] = path
    glyphs = subset_font(font, os.path.join(site, FONT_FILE), characters(text_files))
    print(f"site: captions' font cut to {glyphs} glyphs", file=sys.stderr)
    plain[FONT_FILE] = FONT_FILE
    # Leaves first, then the files that name them, the page last.
    order = sorted(plain, key=lambda p: (p == "index.html", p.endswith(REFERRING)))
    for logical in order:
        served = plain[logical]
        path = os.path.join(site, served)
        if served.endswith(REFERRING) or served == "index.html":
            with open(path, encoding="utf-8") as file:
                text = rewrite(file.read(), names)
            if served == "index.html":
                text = with_integrity(text.replace("<!-- site files -->", file_map(names), 1),
                                      site)
            with open(path, "w", encoding="utf-8") as file:
                file.write(text)
        if is_fixed(served):
            continue
        with open(path, "rb") as file:
            hashed = content_name(served, file.read())
        os.rename(path, os.path.join(site, hashed))
        names[logical] = hashed
    return names


def file_map(names):
    """The served names, for the page script: a data block, which the page's policy lets
    through as it runs nothing."""
    data = json.dumps(names, sort_keys=True, separators=(",", ":")).replace("</", "<\\/")
    return f'<script id="site-files" type="application/json">{data}</script>'


def compress(site):
    """A .gz and a .br beside every file that shrinks by a tenth or more."""
    for path in relative_files(site):
        if not path.endswith(COMPRESSED):
            continue
        full = os.path.join(site, path)
        with open(full, "rb") as file:
            data = file.read()
        for suffix, packed in ((".gz", gzip.compress(data, 9, mtime=0)),
                               (".br", brotli.compress(data, quality=11))):
            if len(packed) <= 0.9 * len(data):
                with open(full + suffix, "wb") as file:
                    file.write(packed)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("stage")
    parser.add_argument("site")
    parser.add_argument("--font", required=True, help="the captions' TrueType font")
    parser.add_argument("--text", nargs="+", default=[], help="files with the texts shown")
    parser.add_argument("--workbox", help="the node script that writes the offline worker")
    arguments = parser.parse_args()
    shutil.rmtree(arguments.site, ignore_errors=True)
    build(arguments.stage, arguments.site, arguments.font, arguments.text)
    if arguments.workbox:
        subprocess.run(["node", arguments.workbox, arguments.site], check=True)
    compress(arguments.site)
    return 0


if __name__ == "__main__":
    sys.exit(main())
