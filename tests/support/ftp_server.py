"""A real FTP server for the tests, on 127.0.0.1 and a free port.

Usage: ftp_server.py ROOT USER:PASSWORD:FOLDER... [--tls DIR] [--port-file FILE]
                     [--port N]

Each account is locked into its FOLDER below ROOT (created when missing).
Unknown user names are refused at USER with 530, as many servers do, so that
a client can tell a wrong user name from a wrong password. With --tls the
server offers explicit TLS (AUTH TLS) with a self-signed certificate for
127.0.0.1 that it writes to DIR/cert.pem (its key to DIR/key.pem). The
server prints "PORT <n>" when it listens (and writes <n> to FILE with
--port-file) and ends when its standard input closes, so it never outlives
the program that started it.

A rename inside a folder named .logFile takes the exclusive lock (flock) on
that folder's .lock file, the lock under which the order server appends to
the sales logs there, so that no order is appended to a log while it is
being renamed for download.
"""

import errno
import fcntl
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import ThreadedFTPServer


class SalesLogLockingFS(AbstractedFS):
    """Renames the sales logs of a .logFile folder under the order server's
    lock, and changes folders without changing the process's folder."""

    def chdir(self, path):
        # Sessions run on threads of one process: the folder is checked, not
        # made the process's current folder, which the other sessions share.
        if not os.path.isdir(path):
            raise OSError(errno.ENOENT, os.strerror(errno.ENOENT), path)
        if not os.access(path, os.X_OK):
            raise OSError(errno.EACCES, os.strerror(errno.EACCES), path)
        self.cwd = self.fs2ftp(path)

    def rename(self, src, dst):
        folder = os.path.dirname(src)
        if os.path.basename(folder) != ".logFile":
            return super().rename(src, dst)
        with open(os.path.join(folder, ".lock"), "a") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            return super().rename(src, dst)


def make_certificate(folder):
    from OpenSSL import crypto
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(1)
    cert.gmtime_adj_notBefore(-3600)
    cert.gmtime_adj_notAfter(86400)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.add_extensions([
        crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1"),
        crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
    ])
    cert.sign(key, "sha256")
    cert_file = os.path.join(folder, "cert.pem")
    key_file = os.path.join(folder, "key.pem")
    with open(cert_file, "wb") as out:
        out.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
    with open(key_file, "wb") as out:
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
    return cert_file, key_file


def main():
    args = sys.argv[1:]
    def option(name):
        if name not in args:
            return None
        at = args.index(name)
        value = args[at + 1]
        del args[at:at + 2]
        return value

    tls_folder = option("--tls")
    port_file = option("--port-file")
    port = int(option("--port") or 0)
    root, accounts = args[0], args[1:]

    authorizer = DummyAuthorizer()
    for account in accounts:
        user, password, folder = account.split(":", 2)
        home = os.path.join(root, folder)
        os.makedirs(home, exist_ok=True)
        authorizer.add_user(user, password, home, perm="elradfmwMT")

    base = FTPHandler
    if tls_folder:
        from pyftpdlib.handlers import TLS_FTPHandler
        base = TLS_FTPHandler

    class Handler(base):
        def ftp_USER(self, line):
            if not self.authorizer.has_user(line):
                self.respond("530 User %s unknown." % line)
                return
            super().ftp_USER(line)

    Handler.authorizer = authorizer
    Handler.abstracted_fs = SalesLogLockingFS
    Handler.auth_failed_timeout = 0.05
    Handler.permit_foreign_addresses = False
    if tls_folder:
        Handler.certfile, Handler.keyfile = make_certificate(tls_folder)
        Handler.tls_control_required = False
        Handler.tls_data_required = False

    # A thread and an I/O loop for each session: in one loop shared by all
    # sessions, an active-mode data connection opened while other sessions
    # open theirs can be left waiting until it times out.
    server = ThreadedFTPServer(("127.0.0.1", port), Handler)
    server.max_cons = 256
    print("PORT %d" % server.address[1], flush=True)
    if port_file:
        with open(port_file + ".tmp", "w") as out:
            out.write("%d\n" % server.address[1])
        os.rename(port_file + ".tmp", port_file)

    def stop_when_parent_goes():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=stop_when_parent_goes, daemon=True).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.CRITICAL)
    main()
