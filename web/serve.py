#!/usr/bin/env python3
"""Serves the built web site (a static folder) on 127.0.0.1, with the headers a static host
should send: the content security policy of the page, the WebAssembly type, no sniffing."""

import argparse
import functools
import http.server
import sys

# The same policy as the page's own meta element, plus what only a header can say.
POLICY = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
          "img-src 'self'; media-src 'self'; font-src 'self'; connect-src 'self'; "
          "object-src 'none'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'")


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".ttf": "font/ttf", ".wav": "audio/wav"}

    def end_headers(self):
        self.send_header("Content-Security-Policy", POLICY)
        self.send_header("X-Content-Type-Options", "nosniff")
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):
        if self.server.verbose:
            super().log_message(format, *args)


def make_server(site, port, verbose=False):
    handler = functools.partial(SiteHandler, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
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
