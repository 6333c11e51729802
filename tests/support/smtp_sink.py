"""An SMTP server for the tests that keeps every message it receives.

Usage: smtp_sink.py FOLDER [PORT]

Listens on 127.0.0.1 and PORT (a free port when not given), prints
"PORT <n>" once it does, and writes each message it accepts to
FOLDER/<n>.eml (n counting on from the messages already in FOLDER, from 1):
a line "X-Envelope-To: " with the envelope's recipients, then the message
as it arrived. Ends when its standard input closes.
"""

import os
import socket
import sys
import threading

from aiosmtpd.controller import Controller


class KeepMessages:
    def __init__(self, folder):
        self.folder = folder
        self.count = len([n for n in os.listdir(folder) if n.endswith(".eml")])
        self.lock = threading.Lock()

    async def handle_DATA(self, server, session, envelope):
        with self.lock:
            self.count += 1
            name = os.path.join(self.folder, "%d.eml" % self.count)
        content = envelope.original_content or envelope.content
        with open(name + ".tmp", "wb") as out:
            out.write(b"X-Envelope-To: " + ", ".join(envelope.rcpt_tos).encode() + b"\r\n")
            out.write(content)
        os.rename(name + ".tmp", name)
        return "250 OK"


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    port = int(sys.argv[2]) if len(sys.argv) > 2 else free_port()
    controller = Controller(KeepMessages(folder), hostname="127.0.0.1", port=port)
    controller.start()
    print("PORT %d" % port, flush=True)
    sys.stdin.read()
    controller.stop()


if __name__ == "__main__":
    main()
