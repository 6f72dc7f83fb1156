#!/usr/bin/python3
"""A web server for the tests of following a published set-up.

Serves the files of a folder with an ETag (the SHA-256 of the file) and answers 304 to a request
whose If-None-Match names it. A file named "answer" in the folder, when present, holds what every
request gets instead: "500" (a server error) or "html" (a web page, as a captive portal or an
error page of a proxy answers). Every request is written to "requests.log" in the folder, one line
each: the path, the If-None-Match sent (or "-") and the status answered.

Usage: setupserver.py FOLDER   (prints the port it listens on, on 127.0.0.1, then serves)
"""

import hashlib
import http.server
import os
import sys

FOLDER = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def record(self, status):
        with open(os.path.join(FOLDER, "requests.log"), "a") as log:
            log.write("%s %s %d\n" % (self.path, self.headers.get("If-None-Match", "-"), status))

    def answer(self, status, body=b"", kind="application/octet-stream", etag=None):
        self.record(status)
        self.send_response(status)
        if etag:
            self.send_header("ETag", etag)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if body:
            self.wfile.write(body)

    def do_GET(self):
        override = os.path.join(FOLDER, "answer")
        if os.path.exists(override):
            with open(override) as f:
                how = f.read().strip()
            if how == "html":
                return self.answer(200, b"<html><body>Please log in</body></html>", "text/html")
            return self.answer(int(how), b"error")
        path = os.path.join(FOLDER, os.path.basename(self.path))
        if not os.path.isfile(path):
            return self.answer(404, b"not found")
        with open(path, "rb") as f:
            body = f.read()
        etag = '"%s"' % hashlib.sha256(body).hexdigest()
        if self.headers.get("If-None-Match") == etag:
            return self.answer(304, etag=etag)
        return self.answer(200, body, etag=etag)


server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
