"""A small FTP server with explicit TLS for the upload tests, one user and one folder.

Prints the port it listens on and the SHA-256 fingerprint of its certificate as the first
line of its output. The certificate is a throw-away one, made when its file is missing.
"""
import argparse
import ctypes
import os
import signal
import sys

from OpenSSL import crypto
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


class TlsDatakanaal(TLS_DTPHandler):
    # Clients that secure the data connection before sending STOR (libcurl does) would
    # otherwise see it closed: the stock handler drops a data connection without a command.
    def readable(self):
        if self._ssl_accepting or self._ssl_want_read:
            return True
        return self.receive


def maak_certificaat(pad):
    sleutel = crypto.PKey()
    sleutel.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = "hovelink-test"
    cert.set_serial_number(int.from_bytes(os.urandom(8), "big"))
    cert.gmtime_adj_notBefore(-60)
    cert.gmtime_adj_notAfter(24 * 3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(sleutel)
    cert.sign(sleutel, "sha256")
    with open(pad, "wb") as f:
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, sleutel))
        f.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))


def sterf_met_ouder():
    # A test that crashes must not leave its server running.
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--certificaat", required=True)
    p.add_argument("--map", required=True)
    p.add_argument("--gebruiker", required=True)
    p.add_argument("--wachtwoord", required=True)
    p.add_argument("--poort", type=int, default=0)
    p.add_argument("--zonder-tls", action="store_true")
    p.add_argument("--alleen-lezen", action="store_true")
    a = p.parse_args()
    sterf_met_ouder()

    authorizer = DummyAuthorizer()
    authorizer.add_user(a.gebruiker, a.wachtwoord, a.map, perm="elr" if a.alleen_lezen else "elradfmw")
    if a.zonder_tls:
        handler = FTPHandler
        vingerafdruk = "-"
    else:
        if not os.path.exists(a.certificaat):
            maak_certificaat(a.certificaat)
        handler = TLS_FTPHandler
        handler.certfile = a.certificaat
        handler.dtp_handler = TlsDatakanaal
        handler.tls_control_required = True
        handler.tls_data_required = True
        with open(a.certificaat, "rb") as f:
            cert = crypto.load_certificate(crypto.FILETYPE_PEM, f.read())
        vingerafdruk = cert.digest("sha256").decode()
    handler.authorizer = authorizer
    handler.banner = "test"
    handler.auth_failed_timeout = 0
    server = FTPServer(("127.0.0.1", a.poort), handler)
    print(server.socket.getsockname()[1], vingerafdruk, flush=True)
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    import logging
    logging.disable(logging.CRITICAL)
    sys.exit(main())
