"""A small SFTP server for the upload tests: password login, one folder as its root.

Prints the port it listens on and its host key fingerprint as the first line of its output. With --afbreken-na N it
drops the connection once a client has written more than N bytes in it, as a server that
stops in the middle of a transfer; with --pauze-na N it stops answering instead.

--fout STAP:N:WAT injects a fault at the N-th call of a step (lijst, lees, schrijf, hernoem,
verwijder): WAT is "weiger" (the step is refused, the connection stays), "verbreek" (the
connection drops) or "vol" (no space left on the disk). --stil accepts connections and never
greets, as a server that hangs; --anders answers as a web server and hangs up.
"""
import asyncio
import os
import sys
import warnings

from storingen import Storingen, opties, sterf_met_ouder

warnings.simplefilter("ignore")
import asyncssh  # noqa: E402


def main():
    p = opties()
    p.add_argument("--sleutel", required=True)  # host key file, made when missing
    p.add_argument("--afbreken-na", type=int, default=-1)
    p.add_argument("--pauze-na", type=int, default=-1)
    p.add_argument("--stil", action="store_true")
    p.add_argument("--anders", action="store_true")
    a = p.parse_args()
    storingen = Storingen(a.fout)
    sterf_met_ouder()

    if not os.path.exists(a.sleutel):
        asyncssh.generate_private_key("ssh-ed25519").write_private_key(a.sleutel)

    class Server(asyncssh.SSHServer):
        def begin_auth(self, username):
            return True

        def password_auth_supported(self):
            return True

        def validate_password(self, username, password):
            return username == a.gebruiker and password == a.wachtwoord

    class Sftp(asyncssh.SFTPServer):
        def __init__(self, chan):
            super().__init__(chan, chroot=a.map.encode())
            self.geschreven = 0
            self.begonnen = set()
            self.kanaal = chan

        def storing(self, stap):
            wat = storingen.bij(stap)
            if wat == "verbreek":
                self.kanaal.get_connection().abort()
                raise asyncssh.SFTPConnectionLost("verbroken")
            if wat == "weiger":
                raise asyncssh.SFTPFailure("geweigerd")
            if wat == "vol":
                raise asyncssh.SFTPError(asyncssh.FX_FAILURE, "No space left on device")

        def open(self, path, pflags, attrs):
            if a.alleen_lezen and pflags & asyncssh.FXF_WRITE:
                raise asyncssh.SFTPError(asyncssh.FX_PERMISSION_DENIED, "Permission denied")
            if not pflags & asyncssh.FXF_WRITE:
                self.storing("lees")
            return super().open(path, pflags, attrs)

        def listdir(self, path):
            self.storing("lijst")
            return super().listdir(path)

        def rename(self, oud, nieuw):
            self.storing("hernoem")
            return super().rename(oud, nieuw)

        def remove(self, path):
            self.storing("verwijder")
            return super().remove(path)

        async def write(self, file_obj, offset, data):
            if file_obj not in self.begonnen:  # once per file
                self.begonnen.add(file_obj)
                self.storing("schrijf")
            self.geschreven += len(data)
            if 0 <= a.pauze_na < self.geschreven:
                await asyncio.sleep(3600)
            if 0 <= a.afbreken_na < self.geschreven:
                file_obj.write(data[: max(0, len(data) - (self.geschreven - a.afbreken_na))])
                file_obj.flush()
                self.kanaal.get_connection().abort()
                raise asyncssh.SFTPFailure("afgebroken")
            return super().write(file_obj, offset, data)

    async def stil(lezer, schrijver):
        if a.anders:
            schrijver.write(b"HTTP/1.1 400 Bad Request\r\n\r\n")
            await schrijver.drain()
            schrijver.close()
            return
        await asyncio.sleep(3600)

    async def start():
        if a.stil or a.anders:
            server = await asyncio.start_server(stil, "127.0.0.1", a.poort)
            print(server.sockets[0].getsockname()[1], "-", flush=True)
            await asyncio.Future()
        server = await asyncssh.create_server(
            Server, "127.0.0.1", a.poort, server_host_keys=[a.sleutel], sftp_factory=Sftp,
            reuse_address=True)  # restarted on its own port by the tests
        sleutel = asyncssh.read_private_key(a.sleutel)
        print(server.sockets[0].getsockname()[1], sleutel.get_fingerprint("sha256"), flush=True)
        await asyncio.Future()

    asyncio.run(start())


if __name__ == "__main__":
    sys.exit(main())
