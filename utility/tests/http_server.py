#!/usr/bin/python3
"""The web server HitURL is tested against, on 127.0.0.1 only.

    http_server.py PORTFILE    serve on a free port, written to PORTFILE

Pages:
    /missing      404 with a body of its own
    /big          a body far over one read chunk, no zero bytes
    /zero         a long body with a zero byte near its start
    /agent        the User-Agent the request carried
    /size/N       N bytes of a fixed pattern (for the benchmark)
"""
import http.server
import socketserver
import sys

def pattern(n):
    block = bytes(range(32, 127)) * 64
    return (block * (n // len(block) + 1))[:n]


def big_body():
    return b"".join(b"line %06d of the big page\r\n" % i for i in range(8000))


def zero_body():
    return b"before" + b"\0" + b"after" * 20000 + b"the end"


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def send(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        if self.path == "/missing":
            self.send(404, b"<html>no such page: /missing</html>")
        elif self.path == "/big":
            self.send(200, big_body())
        elif self.path == "/zero":
            self.send(200, zero_body())
        elif self.path == "/agent":
            self.send(200, self.headers.get("User-Agent", "").encode())
        elif self.path.startswith("/size/"):
            self.send(200, pattern(int(self.path[6:])))
        else:
            self.send(404, b"unknown")


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


def main():
    server = Server(("127.0.0.1", 0), Handler)
    with open(sys.argv[1] + ".tmp", "w") as f:
        f.write("%d\n" % server.server_address[1])
    import os
    os.rename(sys.argv[1] + ".tmp", sys.argv[1])
    server.serve_forever()


if __name__ == "__main__":
    main()
