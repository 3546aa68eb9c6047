#!/usr/bin/python3
"""The FTP server UpLoad is tested against, with one test account.

    ftp_server.py ADDRESS PORT ROOT USER PASSWORD READYFILE

Every refused login adds a line to READYFILE.refused, so a test can count
a client's attempts.
"""
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    address, port, root, user, password, ready = sys.argv[1:7]
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmw")

    class Handler(FTPHandler):
        def on_login_failed(self, username, password):
            with open(ready + ".refused", "a") as f:
                f.write(username + "\n")

    handler = Handler
    handler.auth_failed_timeout = 0  # no pause after a refused login
    logging.basicConfig(level=logging.WARNING)
    handler.authorizer = authorizer
    server = FTPServer((address, int(port)), handler)
    with open(ready, "w") as f:
        f.write("ready\n")
    server.serve_forever()


if __name__ == "__main__":
    main()
