#!/usr/bin/python3
# The update server of the end-to-end tests: anonymous, read-only FTP on 127.0.0.1 at a free port,
# serving ROOT. Writes the port to PORTFILE once it listens and one line per event to EVENTS
# ("sent <path>", "cut <path>", "disconnect"), so that tests can wait for a check to finish.
# A file X with a sibling "X.cut" is sent only half-way, after which the server drops the
# connection without a reply, as a server does that stops during a transfer.
# Usage: ftp-test-server.py ROOT PORTFILE EVENTS
import logging
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

root, portfile, events = sys.argv[1:4]


def note(line):
    with open(events, "a") as out:
        out.write(line + "\n")


def relative(file):
    return os.path.relpath(file, root).replace(os.sep, "/")


class TestHandler(FTPHandler):
    cutting = False

    def ftp_RETR(self, file):
        if not os.path.isfile(file + ".cut"):
            return super().ftp_RETR(file)
        with open(file, "rb") as f:
            data = f.read()
        self.cutting = True
        note("cut " + relative(file))
        self.push_dtp_data(data[: len(data) // 2], isproducer=False, cmd="RETR")

    def respond(self, resp, logfun=logging.debug):
        if self.cutting and resp.startswith("226"):
            self.cutting = False
            self.close()
            return
        super().respond(resp, logfun)

    def on_file_sent(self, file):
        note("sent " + relative(file))

    def on_disconnect(self):
        note("disconnect")


authorizer = DummyAuthorizer()
authorizer.add_anonymous(root, perm="elr")
TestHandler.authorizer = authorizer
logging.basicConfig(level=logging.WARNING)
server = FTPServer(("127.0.0.1", 0), TestHandler)
port = server.socket.getsockname()[1]
with open(portfile + ".tmp", "w") as out:
    out.write("%d\n" % port)
os.rename(portfile + ".tmp", portfile)
server.serve_forever()
