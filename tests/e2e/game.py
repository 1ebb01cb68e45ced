"""The real game (or a program in front of it) on a pseudo-terminal of its
own, played as a player would: type keys, wait for texts, press a key at each
key wait, see how it ended and left the terminal. Texts are Latin-1 strings,
one character a byte, so that every byte the game sends can be checked."""

import fcntl
import io
import os
import signal
import tempfile
import termios
import time
import unittest
from pathlib import Path

import pexpect

GAME = os.environ["EMBERFELL_BINARY"]
VERSION = os.environ["EMBERFELL_VERSION"]


def utf8(text):
    """A text's UTF-8 bytes, as the terminal sends them."""
    return text.encode().decode("latin-1")


def newmode():
    """The mode a new terminal starts in."""
    master, slave = os.openpty()
    try:
        return termios.tcgetattr(slave)
    finally:
        os.close(master)
        os.close(slave)


class Game:
    """`argv` run in `folder` on an 80x24 xterm; with `answers` (a file in
    `folder`), typed lines come from it and only keys from the terminal;
    `nonblocking` leaves the terminal so, as a careless program before the
    game might."""

    def __init__(self, folder, argv=(GAME,), answers=None, nonblocking=False):
        def beforegame():
            # The signals Python ignores, given back their default as a shell would.
            for sig in (signal.SIGPIPE, signal.SIGXFSZ):
                signal.signal(sig, signal.SIG_DFL)
            if nonblocking:
                fcntl.fcntl(0, fcntl.F_SETFL, fcntl.fcntl(0, fcntl.F_GETFL) | os.O_NONBLOCK)
            if answers:
                os.dup2(os.open(answers, os.O_RDONLY), 0)

        env = dict(os.environ, TERM="xterm")
        if argv[0] == "strace":  # the sanitizers' leak check cannot work under strace
            env["ASAN_OPTIONS"] = "detect_leaks=0"
        self.log = io.StringIO()
        self.child = pexpect.spawn(argv[0], list(argv[1:]), cwd=folder, env=env, timeout=10,
                                   dimensions=(24, 80), encoding="latin-1",
                                   preexec_fn=beforegame)
        self.child.logfile_read = self.log
        self.pid, self.send = self.child.pid, self.child.send
        self.ended = False

    def play(self, *steps):
        """Types each step's keys, then reads until its text shows after the
        texts of the steps before; the text that did not, if one did not."""
        for typed, text in steps:
            self.send(typed)
            if self.child.expect_exact([text, pexpect.EOF, pexpect.TIMEOUT]) != 0:
                return f"{text!r} not in\n{self.output()}"
        return None

    def mode(self):
        return termios.tcgetattr(self.child.child_fd)

    def asfound(self):
        """The terminal's mode is the one it started in."""
        return self.mode() == newmode()

    def waitingforkey(self):
        """A key wait is the only time canonical mode is off."""
        return not self.mode()[3] & termios.ICANON

    def within(self, seconds, done):
        """Reads what the program prints until `done`; false if it is not so in time."""
        end = time.monotonic() + seconds
        while not done():
            if time.monotonic() > end:
                return False
            if not self.ended and self.child.expect([pexpect.EOF, pexpect.TIMEOUT], 0.01) == 0:
                self.child.wait()
                self.ended = True
        return True

    def untilkeywait(self):
        """Until the game waits for a key; false if it does not in time."""
        return self.within(10, lambda: self.waitingforkey() or self.ended) and not self.ended

    def end(self, seconds=10, presskeys=False):
        """Whether the program ends in time; with `presskeys`, a key is
        pressed at every key wait meanwhile: after new text, or when the
        game still waits a while after the last key."""
        printed, lastkey = len(self.output()), time.monotonic()

        def pressed():
            nonlocal printed, lastkey
            fresh = len(self.output()) != printed or time.monotonic() > lastkey + 0.3
            if presskeys and fresh and self.waitingforkey():
                printed, lastkey = len(self.output()), time.monotonic()
                self.send(" ")
            return self.ended

        return self.within(seconds, pressed)

    def output(self):
        return self.log.getvalue()


class GameTest(unittest.TestCase):
    """Each test in a fresh empty folder (the games' saves go below it)."""

    def setUp(self):
        self.folder = self.enterContext(tempfile.TemporaryDirectory(prefix="emberfell-"))

    def game(self, *args, **kwargs):
        game = Game(self.folder, *args, **kwargs)
        self.addCleanup(game.child.close, force=True)
        return game

    def path(self, name):
        return Path(self.folder, name)

    def write(self, name, text):
        self.path(name).parent.mkdir(parents=True, exist_ok=True)
        self.path(name).write_bytes(text.encode("latin-1"))

    def read(self, name):
        return self.path(name).read_bytes().decode("latin-1")

    def played(self, game, *steps):
        self.assertIsNone(game.play(*steps))

    def cleanend(self, game, seconds=10, presskeys=False):
        """The program ends by itself with status 0, the terminal as it found it."""
        self.assertTrue(game.end(seconds, presskeys), game.output())
        self.assertEqual(game.child.exitstatus, 0, game.output())
        self.assertTrue(game.asfound())


# A new knight's record in a save file's order, by the game's names.
FIELDS = dict(maxhp=10, str=1, vit=1, atk=1, defense=1, gold=0, level=1, exp=0, expneed=4,
              maxmp=5, kills=0, hp=10, mp=5, spells=0, weapon=0, armor=0, quest=1, party=[0] * 9,
              wis=1, wil=1)


def savefile(name, **changed):
    """A save file written out by hand: the record's 28 numbers, one a line,
    then the line `name`."""
    record = dict(FIELDS, **changed)
    numbers = [n for value in record.values() for n in (value if isinstance(value, list) else [value])]
    return "".join(f"{n}\n" for n in numbers) + name + "\n"
