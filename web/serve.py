#!/usr/bin/env python3
"""Serves the built web site (a static folder) on 127.0.0.1, with the headers a static host
should send: the content security policy of the page, the types of its files, the brotli or
gzip copy the build made when the browser takes it, a year's lifetime for the files whose
names carry a hash of their content, and a revalidation of every other file. Only files whose
real path lies inside the site are served; conditional requests are answered with 304; idle
connections are closed; bare HTTP/0.9 requests are refused."""

import argparse
import email.utils
import functools
import http.server
import os
import re
import socket
import sys
from http import HTTPStatus

# The same policy as the page's own meta element, plus what only a header can say.
POLICY = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
          "img-src 'self'; media-src 'self'; font-src 'self'; connect-src 'self'; "
          "manifest-src 'self'; worker-src 'self'; "
          "object-src 'none'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'")

# The type of every kind of file the site holds. A new kind is one line here and one in the
# types of hosting/nginx.conf; the hosting test checks that both send the same.
TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript",
    ".css": "text/css",
    ".wasm": "application/wasm",
    ".json": "application/json",
    ".webmanifest": "application/manifest+json",
    ".txt": "text/plain; charset=utf-8",
    ".png": "image/png",
    ".webp": "image/webp",
    ".woff2": "font/woff2",
    ".ttf": "font/ttf",
    ".wav": "audio/wav",
    ".mp3": "audio/mpeg",
}
UNKNOWN_TYPE = "application/octet-stream"

# name.0123456789.ext: the build's content hash.
HASHED = re.compile(r"\.[0-9a-f]{10}\.\w+$")
IMMUTABLE = "public, max-age=31536000, immutable"
REVALIDATE = "no-cache"
# The compressed copies, by preference when the browser weighs them alike.
ENCODINGS = [("br", ".br"), ("gzip", ".gz")]
COPIES = tuple(suffix for _, suffix in ENCODINGS)
QVALUE = re.compile(r"(0(\.\d{0,3})?|1(\.0{0,3})?)$")
IDLE_SECONDS = 30


def weights(accept_encoding):
    """The weight of each coding the Accept-Encoding header names, in lower case; a weight
    that is no valid qvalue counts as 0."""
    found = {}
    for part in accept_encoding.split(","):
        coding, *parameters = [p.strip() for p in part.split(";")]
        weight = 1.0
        for parameter in parameters:
            name, _, value = parameter.partition("=")
            if name.strip().lower() == "q":
                value = value.strip()
                weight = float(value) if QVALUE.match(value) else 0.0
        if coding:
            found[coding.lower()] = weight
    return found


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    def setup(self):
        self.timeout = self.server.idle_seconds
        super().setup()

    def parse_request(self):
        # A request line of two words is HTTP/0.9, which has no headers either way: refused at
        # once, with a status line the client may not read.
        if len(self.raw_requestline.split()) == 2:
            self.command, self.request_version, self.close_connection = None, "HTTP/1.0", True
            self.requestline = str(self.raw_requestline, "iso-8859-1").rstrip("\r\n")
            self.send_error(HTTPStatus.BAD_REQUEST, "HTTP/0.9 requests are not served")
            return False
        return super().parse_request()

    def end_headers(self):
        self.send_header("Content-Security-Policy", POLICY)
        self.send_header("X-Content-Type-Options", "nosniff")
        super().end_headers()

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.inside(path):
            if not self.path.split("?", 1)[0].endswith("/"):
                return super().send_head()  # the redirect to the folder's own address
            path = os.path.join(path, "index.html")
        # The compressed copies are the files' own content, never files of their own.
        if path.endswith(COPIES) or not os.path.isfile(path) or not self.inside(path):
            self.send_error(HTTPStatus.NOT_FOUND, "File not found")
            return None
        encoding, served = self.encoded(path)
        file = open(served, "rb")
        stat = os.fstat(file.fileno())
        tag = f'"{stat.st_mtime_ns:x}-{stat.st_size:x}{encoding and "-" + encoding or ""}"'
        fresh = self.unchanged(tag, stat.st_mtime)
        self.send_response(HTTPStatus.NOT_MODIFIED if fresh else HTTPStatus.OK)
        self.send_header("Content-Type", TYPES.get(os.path.splitext(path)[1], UNKNOWN_TYPE))
        self.send_header("Last-Modified", email.utils.formatdate(stat.st_mtime, usegmt=True))
        self.send_header("ETag", tag)
        self.send_header("Cache-Control", IMMUTABLE if HASHED.search(path) else REVALIDATE)
        self.send_header("Vary", "Accept-Encoding")
        if encoding:
            self.send_header("Content-Encoding", encoding)
        if fresh:
            file.close()
            self.end_headers()
            return None
        self.send_header("Content-Length", str(stat.st_size))
        self.end_headers()
        return file

    def inside(self, path):
        """Whether the path, its links followed, lies in the site or the site it links to."""
        real = os.path.realpath(path)
        return any(real == root or real.startswith(root + os.sep) for root in self.server.roots)

    def unchanged(self, tag, modified):
        """Whether the request's conditions say the browser holds this very file."""
        match = self.headers.get("If-None-Match")
        if match is not None:
            tags = [t.strip().removeprefix("W/") for t in match.split(",")]
            return "*" in tags or tag in tags
        since = self.headers.get("If-Modified-Since")
        try:
            return since is not None and int(modified) <= \
                email.utils.parsedate_to_datetime(since).timestamp()
        except (TypeError, ValueError, OverflowError):
            return False

    def encoded(self, path):
        """The compressed copy the browser weighs highest, if the build made one that is not
        older than the file."""
        taken = weights(self.headers.get("Accept-Encoding", ""))
        best, choice = 0.0, (None, path)
        for encoding, suffix in ENCODINGS:
            weight = taken.get(encoding, taken.get("*", 0.0))
            copy = path + suffix
            if weight > best and os.path.isfile(copy) and self.inside(copy) \
                    and os.stat(copy).st_mtime_ns >= os.stat(path).st_mtime_ns:
                best, choice = weight, (encoding, copy)
        return choice

    def log_message(self, format, *args):
        if self.server.verbose:
            super().log_message(format, *args)


class SiteServer(http.server.ThreadingHTTPServer):
    # A burst of a page's files from several browsers waits in the queue instead of being
    # dropped.
    request_queue_size = max(128, socket.SOMAXCONN)

    def handle_error(self, request, client_address):
        # A browser that goes away in the middle of a file is no fault of the site.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def make_server(site, port, verbose=False, linked=None, idle_seconds=IDLE_SECONDS):
    """A server of the site; linked is the built site that a site of links points into."""
    handler = functools.partial(SiteHandler, directory=site)
    server = SiteServer(("127.0.0.1", port), handler)
    server.verbose = verbose
    server.roots = [os.path.realpath(folder) for folder in (site, linked) if folder]
    server.idle_seconds = idle_seconds
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
