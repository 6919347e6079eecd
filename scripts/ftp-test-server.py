#!/usr/bin/python3
# The update server of the end-to-end tests: anonymous, read-only FTP on 127.0.0.1 at a free port,
# serving ROOT. Writes the port to PORTFILE once it listens and one line per event to EVENTS
# ("sent <path>", "cut <path>", "disconnect"), so that tests can wait for a check to finish.
# A file X with a sibling "X.cut" is sent only half-way, after which the server drops the
# connection without a reply, as a server does that stops during a transfer. A file X with a
# sibling "X.endless" is sent as a stream of ";" with no end (32 MiB at most, then "sent X");
# a client that stops reading it is reported as "stopped X".
# Usage: ftp-test-server.py ROOT PORTFILE EVENTS
import logging
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FileProducer, FTPHandler
from pyftpdlib.servers import FTPServer

root, portfile, events = sys.argv[1:4]


def note(line):
    with open(events, "a") as out:
        out.write(line + "\n")


def relative(file):
    return os.path.relpath(file, root).replace(os.sep, "/")


class Endless:
    """A file without end, as FileProducer reads one."""

    most = 32 * 1024 * 1024

    def __init__(self, name):
        self.name = name
        self.closed = False
        self.given = 0

    def read(self, size):
        size = min(size, self.most - self.given)
        self.given += size
        return b";" * size

    def close(self):
        self.closed = True


class TestHandler(FTPHandler):
    cutting = False

    def ftp_RETR(self, file):
        if os.path.isfile(file + ".endless"):
            endless = Endless(file)
            self.push_dtp_data(FileProducer(endless, self._current_type), isproducer=True, file=endless, cmd="RETR")
            return file
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

    def on_incomplete_file_sent(self, file):
        note("stopped " + relative(file))

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
