#!/usr/bin/env python3
"""Serves the built web site (a static folder) on 127.0.0.1, with the headers a static host
should send: the content security policy of the page, the types of its files, the brotli or
gzip copy the build made when the browser takes it, a year's lifetime for the files whose
names carry a hash of their content, and a revalidation of every other file."""

import argparse
import email.utils
import functools
import http.server
import os
import re
import sys

# The same policy as the page's own meta element, plus what only a header can say.
POLICY = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
          "img-src 'self'; media-src 'self'; font-src 'self'; connect-src 'self'; "
          "manifest-src 'self'; worker-src 'self'; "
          "object-src 'none'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'")

# name.0123456789.ext: the build's content hash.
HASHED = re.compile(r"\.[0-9a-f]{10}\.\w+$")
IMMUTABLE = "public, max-age=31536000, immutable"
REVALIDATE = "no-cache"
# The browser's preference is not weighed: brotli is always the smaller.
ENCODINGS = [("br", ".br"), ("gzip", ".gz")]


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".css": "text/css", ".html": "text/html; charset=utf-8",
                      ".webp": "image/webp", ".woff2": "font/woff2", ".ttf": "font/ttf",
                      ".wav": "audio/wav", ".webmanifest": "application/manifest+json",
                      ".mp3": "audio/mpeg",
                      ".json": "application/json", ".txt": "text/plain; charset=utf-8"}

    def end_headers(self):
        self.send_header("Content-Security-Policy", POLICY)
        self.send_header("X-Content-Type-Options", "nosniff")
        super().end_headers()

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            if not self.path.split("?", 1)[0].endswith("/"):
                return super().send_head()  # the redirect to the folder's own address
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            self.send_error(404, "File not found")
            return None
        encoding, served = self.encoded(path)
        file = open(served, "rb")
        stat = os.fstat(file.fileno())
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Length", str(stat.st_size))
        self.send_header("Last-Modified", email.utils.formatdate(stat.st_mtime, usegmt=True))
        self.send_header("Cache-Control", IMMUTABLE if HASHED.search(path) else REVALIDATE)
        self.send_header("Vary", "Accept-Encoding")
        if encoding:
            self.send_header("Content-Encoding", encoding)
        self.end_headers()
        return file

    def encoded(self, path):
        """The compressed copy the browser accepts, if the build made one."""
        accepted = {part.split(";")[0].strip()
                    for part in self.headers.get("Accept-Encoding", "").split(",")}
        for encoding, suffix in ENCODINGS:
            if encoding in accepted and os.path.isfile(path + suffix):
                return encoding, path + suffix
        return None, path

    def log_message(self, format, *args):
        if self.server.verbose:
            super().log_message(format, *args)


class SiteServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that goes away in the middle of a file is no fault of the site.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def make_server(site, port, verbose=False):
    handler = functools.partial(SiteHandler, directory=site)
    server = SiteServer(("127.0.0.1", port), handler)
    server.verbose = verbose
    return server


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("site", help="the folder of the built site (build/web/site)")
    parser.add_argument("--port", type=int, default=8080)
    arguments = parser.parse_args()
    server = make_server(arguments.site, arguments.port, verbose=True)
    print(f"NABLO is served on http://127.0.0.1:{server.server_address[1]}/ (Ctrl+C stops it)",
          flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
