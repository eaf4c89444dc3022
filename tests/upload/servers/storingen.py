"""What the upload tests' servers share: their common options and the faults they inject."""
import argparse
import ctypes
import signal


def opties():
    """The options of every server; each adds its own."""
    p = argparse.ArgumentParser()
    p.add_argument("--map", required=True)
    p.add_argument("--gebruiker", required=True)
    p.add_argument("--wachtwoord", required=True)
    p.add_argument("--poort", type=int, default=0)
    p.add_argument("--alleen-lezen", action="store_true")
    p.add_argument("--fout", action="append", default=[])
    return p


class Storingen:
    """--fout STAP:N:WAT: what goes wrong at the N-th call of a step."""

    def __init__(self, fouten):
        self.fouten = {}
        for f in fouten:
            stap, n, wat = f.split(":")
            self.fouten[(stap, int(n))] = wat
        self.tellers = {}

    def bij(self, stap):
        # Counted over the server's life, so a step can be hit on a later connection too.
        self.tellers[stap] = self.tellers.get(stap, 0) + 1
        return self.fouten.get((stap, self.tellers[stap]))


def sterf_met_ouder():
    # A test that crashes must not leave its server running.
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
