"""Saves of the real binary where the file system is not as the game left it:
one record whole, "saved" only when it is there, nothing left untidied; and
knights' names as text, whatever keys typed them or file held them."""

import errno
import os
import shutil
import signal
import stat
import time
import unittest

from game import GAME, GameTest, savefile, utf8

OPENERROR = "An error occured while opening the file"
# How an unfinished save's name begins; its writer's process id follows.
UNFINISHED = ".emberfell-unfinished-"
# strace delaying the game's first fsync by two seconds.
SLOWSYNC = ("strace", "-qq", "-o/dev/null", "-etrace=fsync",
            "-einject=fsync:delay_enter=2000000:when=1")


def gonepid():
    """A one-digit process id that no process has here (0 if all have one)."""
    for pid in range(9, 1, -1):
        try:
            os.kill(pid, 0)
        except OSError as error:
            if error.errno == errno.ESRCH:
                return pid
    return 0


class Saves(GameTest):
    def saving(self, file, load, wrapper=()):
        """A game that loads the save `file` (or makes the new knight
        `file`), saves it and exits; under `wrapper` (strace) if one is
        given."""
        self.write("answers-" + file, ("l\n" if load else "n\n") + file + "\na\ny\ne\n")
        return self.game((*wrapper, GAME), "answers-" + file)

    def says(self, game, text):
        """The game, played to its end, said `text`."""
        self.cleanend(game, 60, presskeys=True)
        self.assertIn(text, game.output())

    def saves(self):
        return sorted(os.listdir(self.path("saves")))

    def test_what_cannot_be_opened_is_left_as_it_was(self):
        self.write("saves/Ann", savefile("Ann", gold=7))
        self.write("saves/Cy", savefile("Cy", gold=7))
        os.chmod(self.path("saves/Ann"), 0o400)
        os.chmod(self.path("saves/Cy"), 0o600)
        os.mkdir(self.path("saves/Ayla"))
        # Write-protected, or a directory in the way: refused, unchanged.
        self.says(self.saving("Ann", False), OPENERROR)
        self.assertEqual(self.read("saves/Ann"), savefile("Ann", gold=7))
        self.says(self.saving("Ayla", False), OPENERROR)
        self.assertEqual(os.listdir(self.path("saves/Ayla")), [])
        # Links wherever the game might put its unfinished save: it never
        # writes through one; and a private save stays private.
        self.write("outside", "mine\n")
        game = self.saving("Cy", False)
        for count in "012":
            os.symlink(self.path("outside"),
                       self.path(f"saves/{UNFINISHED}{game.pid:010}-{count}"))
        self.says(game, "saved")
        self.assertEqual(self.read("outside"), "mine\n")
        self.assertEqual(self.read("saves/Cy"), savefile("Cy"))
        self.assertEqual(stat.S_IMODE(os.stat(self.path("saves/Cy")).st_mode), 0o600)

    def unfinishedsave(self, game):
        """The process id of a loading game that goes on to save, read from
        the name of its unfinished save while it waits just before it writes
        the file to the disk; 0 if it never does."""
        game.send("  ")  # the title's key and the key after "loaded", typed ahead
        for _ in range(1000):
            for name in self.saves():
                if name.startswith(UNFINISHED):
                    return int(name[len(UNFINISHED):].split("-")[0])
            time.sleep(0.01)
        return 0

    @unittest.skipUnless(shutil.which("strace"), "no strace")
    def test_two_games_saving_one_knight_and_a_game_killed_while_saving(self):
        # Two saves of the knight Ann, the one with 100 gold, the other with 200.
        self.write("saves/A", savefile("Ann", gold=100))
        self.write("saves/B", savefile("Ann", gold=200))
        # A saves slowly: while it waits, B saves, and the save is B's, whole.
        a = self.saving("A", True, SLOWSYNC)
        self.assertNotEqual(self.unfinishedsave(a), 0)
        self.says(self.saving("B", True), "saved")
        self.assertEqual(self.read("saves/Ann"), savefile("Ann", gold=200))
        # Then A finishes last, and wins whole.
        self.says(a, "saved")
        self.assertEqual(self.read("saves/Ann"), savefile("Ann", gold=100))
        # A game killed while it saves leaves B's save as it was ...
        killed = self.saving("B", True, SLOWSYNC)
        killedgame = self.unfinishedsave(killed)
        self.assertNotEqual(killedgame, 0)
        os.kill(killedgame, signal.SIGKILL)
        killed.end()
        self.assertEqual(self.read("saves/Ann"), savefile("Ann", gold=100))
        # ... and its unfinished save is tidied up by the next save.
        self.says(self.saving("B", True), "saved")
        self.assertEqual(self.read("saves/Ann"), savefile("Ann", gold=200))
        self.assertEqual(self.saves(), ["A", "Ann", "B"])

    def test_names_are_text_and_no_unfinished_save(self):
        # A knight whose name is that of an unfinished save of a game gone.
        lookalike = f"{UNFINISHED}{gonepid()}-0"
        self.write("saves/" + lookalike, savefile(lookalike))
        # Arrow keys, the Linux console's F1, a right-to-left override and a
        # Backspace typed into the name: the keys' escape sequences and the
        # override go whole, and the knight is saved by the name shown.
        typed = self.game(("env", "TERM=dumb", GAME))
        self.played(typed, (" ", "? "), ("n\r", "Enter character name: "),
                    ("Ro\x1b[[Al" + utf8("\u202e") + "amd\x1b[D\x1b[D\x7fn\r",
                     "\r\nWelcome, Rolamd, your adventure is just beginning...\r\n"),
                    (" ", "? "), ("a\r", "save? "), ("y\r", "saved"), (" ", "? "),
                    ("e\r", "Goodbye"))
        typed.send(" ")
        self.cleanend(typed)
        self.assertEqual(self.read("saves/Rolamd"), savefile("Rolamd"))
        self.assertEqual(self.read("saves/" + lookalike), savefile(lookalike))
        # A save whose name turns the text right to left, retitles the
        # terminal, repaints the screen and asks for the cursor's place: the
        # name keeps its letters, and the screen is sent no escape at all
        # (nor a bell).
        self.write("saves/Pwned",
                   savefile(utf8("\u202e") + "\x1b]0;PWNED\x07\x1b[2J\x1b[5;5HQ\x1b[6n\x1b[6n\x1b[6n"))
        self.write("answers", "l\nPwned\ns\na\ny\ne\n")
        loaded = self.game(("env", "TERM=dumb", GAME), "answers")
        self.cleanend(loaded, 60, presskeys=True)
        self.assertIn("\r\nName: 0;PWNEDQ\r\n", loaded.output())
        self.assertNotRegex(loaded.output(), "[\x1b\x07]")
        self.assertEqual(self.read("saves/0;PWNEDQ"), savefile("0;PWNEDQ"))
        self.assertEqual(len(self.saves()), 4)

