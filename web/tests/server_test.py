#!/usr/bin/python3
"""The servers of the site: what web/serve.py answers to a careless client and a changed site,
and the headers Debian's nginx with web/hosting/nginx.conf sends for every kind of file of the
built site, which must be serve.py's.

Usage: server_test.py SITE"""

import http.client
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, ".."))
import serve  # noqa: E402

SITE = None
NGINX = "/usr/sbin/nginx"
BROTLI_MODULE = "/usr/lib/nginx/modules/ngx_http_brotli_static_module.so"
COMPARED = ["Content-Type", "Content-Encoding", "Vary", "Cache-Control",
            "Content-Security-Policy", "X-Content-Type-Options"]


def start(site, **options):
    server = serve.make_server(site, 0, **options)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def get(port, path, headers=None):
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
    connection.request("GET", path, headers=headers or {})
    response = connection.getresponse()
    response.read()
    connection.close()
    return response


def write(path, text, age=0):
    with open(path, "w") as file:
        file.write(text)
    os.utime(path, (time.time() - age, time.time() - age))


class ServeTest(unittest.TestCase):
    def setUp(self):
        temp = tempfile.mkdtemp(prefix="nablo-serve-")
        self.addCleanup(shutil.rmtree, temp)
        site = os.path.join(temp, "site")
        os.mkdir(site)
        write(os.path.join(temp, "secret.txt"), "not the site's")
        os.symlink("../secret.txt", os.path.join(site, "secret.txt"))
        for name, age in (("page.js", 60), ("page.js.br", 0), ("page.js.gz", 0),
                          ("edited.js", 0), ("edited.js.br", 60)):
            write(os.path.join(site, name), name, age)
        self.server = start(site, idle_seconds=1)
        self.addCleanup(self.server.server_close)
        self.addCleanup(self.server.shutdown)
        self.port = self.server.server_address[1]

    def test_answers(self):
        tag = get(self.port, "/page.js").getheader("ETag")
        for path, headers, status, encoding in [
                ("/secret.txt", {}, 404, None),  # a link out of the site
                ("/page.js", {"Accept-Encoding": "br;q=0, gzip"}, 200, "gzip"),
                ("/page.js", {"Accept-Encoding": "GZIP;q=0.5, Br"}, 200, "br"),
                ("/page.js.br", {"Accept-Encoding": "br"}, 404, None),
                ("/edited.js", {"Accept-Encoding": "br"}, 200, None),  # its copy is older
                ("/page.js", {"If-None-Match": tag}, 304, None),
                ("/page.js", {"If-Modified-Since": "Fri, 01 Jan 2100 00:00:00 GMT"}, 304, None)]:
            with self.subTest(path=path, headers=headers):
                response = get(self.port, path, headers)
                self.assertEqual((response.status, response.getheader("Content-Encoding")),
                                 (status, encoding))

    def test_connections(self):
        with socket.create_connection(("127.0.0.1", self.port), timeout=10) as bare:
            bare.sendall(b"GET /page.js\r\n")
            self.assertRegex(bare.recv(100), rb"^HTTP/1\.\d 400 ")
        with socket.create_connection(("127.0.0.1", self.port), timeout=10) as idle:
            self.assertEqual(idle.recv(100), b"")  # closed after a second, not held
        # A burst waits in the listen queue of a server that is not accepting.
        waiting = serve.make_server(tempfile.gettempdir(), 0)
        self.addCleanup(waiting.server_close)
        burst = [socket.create_connection(waiting.server_address, timeout=0.5) for _ in range(120)]
        for connection in burst:
            connection.close()


class HostingTest(unittest.TestCase):
    def test_nginx_sends_what_serve_sends(self):
        temp = tempfile.mkdtemp(prefix="nablo-nginx-")
        self.addCleanup(shutil.rmtree, temp)
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        with open(os.path.join(HERE, "..", "hosting", "nginx.conf")) as file:
            site_conf = re.sub(r"(?m)^(\s*)listen\s[^;]*;", rf"\1listen 127.0.0.1:{port};",
                               file.read())
        site_conf = re.sub(r"(?m)^(\s*)root\s[^;]*;", rf"\1root {os.path.abspath(SITE)};",
                           site_conf)
        write(os.path.join(temp, "site.conf"), site_conf)
        # As Debian's nginx.conf includes a site, with what a test run needs: no daemon, no
        # worker processes, and every path in the temporary folder.
        paths = " ".join(f"{kind}_temp_path {temp}/{kind};"
                         for kind in ("client_body", "proxy", "fastcgi", "uwsgi", "scgi"))
        write(os.path.join(temp, "nginx.conf"), f"""
load_module {BROTLI_MODULE};
daemon off; master_process off; pid {temp}/nginx.pid;
events {{}}
http {{
    include /etc/nginx/mime.types; default_type application/octet-stream; gzip on;
    access_log off; {paths}
    include {temp}/site.conf;
}}""")
        nginx = subprocess.Popen([NGINX, "-p", temp, "-c", os.path.join(temp, "nginx.conf"),
                                  "-e", os.path.join(temp, "error.log")])
        self.addCleanup(nginx.wait)
        self.addCleanup(nginx.terminate)
        server = start(SITE)
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        for _ in range(100):
            with socket.socket() as probe:
                if nginx.poll() is not None or probe.connect_ex(("127.0.0.1", port)) == 0:
                    break
            time.sleep(0.05)
        self.assertIsNone(nginx.poll(), "nginx did not start")

        # A file of every kind, with each set of compressed copies the build made.
        kinds = {}
        for folder, _, names in os.walk(SITE):
            for name in names:
                path = os.path.join(folder, name)
                kind = (os.path.splitext(name)[1], serve.HASHED.search(name) is not None,
                        os.path.exists(path + ".br"), os.path.exists(path + ".gz"))
                if not name.endswith(serve.COPIES):
                    kinds.setdefault(kind, "/" + os.path.relpath(path, SITE))
        for path in ["/"] + sorted(kinds.values()):
            for accept in (None, "gzip, deflate, br", "gzip"):
                with self.subTest(path=path, accept=accept):
                    headers = {"Accept-Encoding": accept} if accept else {}
                    theirs = get(port, path, headers)
                    ours = get(server.server_address[1], path, headers)
                    self.assertEqual((theirs.status, [theirs.getheader(h) for h in COMPARED]),
                                     (ours.status, [ours.getheader(h) for h in COMPARED]))


if __name__ == "__main__":
    SITE = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=2)
