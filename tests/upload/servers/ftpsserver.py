"""A small FTP server with explicit TLS for the upload tests, one user and one folder.

Prints the port it listens on and the SHA-256 fingerprint of its certificate as the first
line of its output. The certificate is a throw-away one, made when its file is missing: self-signed,
or with --keten signed by an intermediate of a root of its own, whose certificate goes to
<certificate>.root for a test that trusts it. --fout STAP:N:WAT as in sftpserver.py, for the
steps hernoem (RNTO) and verwijder (DELE).
"""
import os
import sys

from OpenSSL import crypto
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer
from storingen import Storingen, opties, sterf_met_ouder


class TlsDatakanaal(TLS_DTPHandler):
    # Clients that secure the data connection before sending STOR (libcurl does) would
    # otherwise see it closed: the stock handler drops a data connection without a command.
    def readable(self):
        if self._ssl_accepting or self._ssl_want_read:
            return True
        return self.receive


def certificaat(naam, uitgever=None, uitgeversleutel=None, ca=False):
    sleutel = crypto.PKey()
    sleutel.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.set_version(2)
    cert.get_subject().CN = naam
    cert.set_serial_number(int.from_bytes(os.urandom(8), "big"))
    cert.gmtime_adj_notBefore(-60)
    cert.gmtime_adj_notAfter(24 * 3600)
    cert.set_issuer((uitgever or cert).get_subject())
    cert.set_pubkey(sleutel)
    if ca:
        cert.add_extensions([crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
                             crypto.X509Extension(b"keyUsage", True, b"keyCertSign, cRLSign")])
    else:
        cert.add_extensions([crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1")])
    cert.sign(uitgeversleutel or sleutel, "sha256")
    return cert, sleutel


def maak_certificaat(pad, keten):
    pem = lambda c: crypto.dump_certificate(crypto.FILETYPE_PEM, c)
    if keten:
        root, rootsleutel = certificaat("hovelink-test-root", ca=True)
        tussen, tussensleutel = certificaat("hovelink-test-tussen", root, rootsleutel, ca=True)
        cert, sleutel = certificaat("127.0.0.1", tussen, tussensleutel)
        extra = pem(tussen)
        with open(pad + ".root", "wb") as f:
            f.write(pem(root))
    else:
        cert, sleutel = certificaat("hovelink-test")
        extra = b""
    with open(pad, "wb") as f:
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, sleutel))
        f.write(pem(cert) + extra)


def main():
    p = opties()
    p.add_argument("--certificaat", required=True)
    p.add_argument("--zonder-tls", action="store_true")
    p.add_argument("--keten", action="store_true")
    a = p.parse_args()
    storingen = Storingen(a.fout)
    sterf_met_ouder()

    authorizer = DummyAuthorizer()
    authorizer.add_user(a.gebruiker, a.wachtwoord, a.map, perm="elr" if a.alleen_lezen else "elradfmw")
    if a.zonder_tls:
        handler = FTPHandler
        vingerafdruk = "-"
    else:
        if not os.path.exists(a.certificaat):
            maak_certificaat(a.certificaat, a.keten)
        handler = TLS_FTPHandler
        handler.certfile = a.certificaat
        handler.dtp_handler = TlsDatakanaal
        handler.tls_control_required = True
        handler.tls_data_required = True
        with open(a.certificaat, "rb") as f:
            cert = crypto.load_certificate(crypto.FILETYPE_PEM, f.read())
        vingerafdruk = cert.digest("sha256").decode()
    class MetStoringen(handler):
        def storing(self, stap):
            wat = storingen.bij(stap)
            if wat == "verbreek":
                self.close()
            elif wat:
                self.respond("550 geweigerd.")
            return wat

        def ftp_RNTO(self, path):
            if not self.storing("hernoem"):
                return super().ftp_RNTO(path)

        def ftp_DELE(self, path):
            if not self.storing("verwijder"):
                return super().ftp_DELE(path)

    handler = MetStoringen
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
