#!/usr/bin/python3
"""web/serve.py against a careless client and a changed site; nginx with web/hosting/nginx.conf
against serve.py, for every kind of file of the built site. Usage: server_test.py SITE"""

import http.client
import os
import re
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

COMPARED = ["Content-Type", "Content-Encoding", "Vary", "Cache-Control",
            "Content-Security-Policy", "X-Content-Type-Options"]


def start(test, site, **options):
    server = serve.make_server(site, 0, **options)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    test.addCleanup(server.server_close)
    test.addCleanup(server.shutdown)
    return server.server_address[1]


def get(port, path, headers):
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
    connection.request("GET", path, headers=headers)
    response = connection.getresponse()
    response.read()
    connection.close()
    return response


def write(path, text, age=0):
    with open(path, "w") as file:
        file.write(text)
    os.utime(path, (time.time() - age,) * 2)


class ServeTest(unittest.TestCase):
    def setUp(self):
        temp = tempfile.TemporaryDirectory()
        self.addCleanup(temp.cleanup)
        os.mkdir(site := os.path.join(temp.name, "site"))
        write(os.path.join(temp.name, "secret.txt"), "not the site's")
        os.symlink("../secret.txt", os.path.join(site, "secret.txt"))
        for name, age in (("page.js", 60), ("page.js.br", 0), ("page.js.gz", 0),
                          ("edited.js", 0), ("edited.js.br", 60)):
            write(os.path.join(site, name), name, age)
        self.port = start(self, site, idle_seconds=1)

    def test_answers(self):
        tag = get(self.port, "/page.js", {}).getheader("ETag")
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
            bare.sendall(b"GET /page.js\r\n")  # HTTP/0.9
            self.assertRegex(bare.recv(100), rb"^HTTP/1\.\d 400 ")
        with socket.create_connection(("127.0.0.1", self.port), timeout=10) as idle:
            self.assertEqual(idle.recv(100), b"")  # closed after a second, not held
        # A burst waits in the listen queue of a server that is not accepting.
        waiting = serve.make_server(tempfile.gettempdir(), 0)
        self.addCleanup(waiting.server_close)
        for _ in range(120):
            socket.create_connection(waiting.server_address, timeout=0.5).close()


class HostingTest(unittest.TestCase):
    def test_nginx_sends_what_serve_sends(self):
        temp = tempfile.TemporaryDirectory()
        self.addCleanup(temp.cleanup)
        ours = start(self, SITE)
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        with open(os.path.join(HERE, "..", "hosting", "nginx.conf")) as file:
            site = re.sub(r"(?m)^(\s*)listen\s[^;]*;", rf"\1listen 127.0.0.1:{port};",
                          file.read())
        write(os.path.join(temp.name, "site.conf"),
              re.sub(r"(?m)^(\s*)root\s[^;]*;", rf"\1root {os.path.abspath(SITE)};", site))
        # Debian's nginx.conf around the site, with no daemon, no worker and the test's own paths.
        paths = " ".join(f"{kind}_temp_path {kind};"
                         for kind in ("client_body", "proxy", "fastcgi", "uwsgi", "scgi"))
        write(os.path.join(temp.name, "nginx.conf"), f"""
load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;
daemon off; master_process off; pid nginx.pid; events {{}}
http {{ include /etc/nginx/mime.types; default_type application/octet-stream; gzip on;
       access_log off; {paths} include site.conf; }}""")
        nginx = subprocess.Popen(["/usr/sbin/nginx", "-p", temp.name, "-c", "nginx.conf",
                                  "-e", "stderr"])
        self.addCleanup(nginx.wait)
        self.addCleanup(nginx.terminate)
        for _ in range(200):
            try:
                socket.create_connection(("127.0.0.1", port)).close()
                break
            except ConnectionRefusedError:
                time.sleep(0.05)
        files = ["/" + os.path.relpath(os.path.join(folder, name), SITE)
                 for folder, _, names in os.walk(SITE) for name in names
                 if not name.endswith(serve.COPIES)]
        for path in ["/"] + files:
            for headers in ({}, {"Accept-Encoding": "gzip, deflate, br"},
                            {"Accept-Encoding": "gzip"}):
                with self.subTest(path=path, headers=headers):
                    theirs, mine = get(port, path, headers), get(ours, path, headers)
                    self.assertEqual((theirs.status, [theirs.getheader(h) for h in COMPARED]),
                                     (mine.status, [mine.getheader(h) for h in COMPARED]))


if __name__ == "__main__":
    SITE = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=2)
