"""The real game on a terminal: its mode after signals and job control, keys
of several bytes, --plain, and a whole game that starts no process."""

import os
import resource
import shutil
import signal
import subprocess
import termios
import time
import unittest

from game import GAME, VERSION, GameTest, savefile

# The address sanitizer's own handlers would take the faults (and end the
# game with a report and an exit status of their own): they are left to the
# game, as without a sanitizer.
SANITIZER_LEAVES_FAULTS = ("ASAN_OPTIONS=handle_segv=0:handle_sigbus=0:handle_sigfpe=0:"
                           "handle_sigill=0:handle_abort=0:handle_sigtrap=0")


def endingsignals():
    """The signals that end a program where nothing catches them, as the
    system shows: a child given each one's default action sends it to
    itself. Those that stop, continue or pass by leave it going; those that
    no program can catch are left out."""
    ending = []
    for sig in signal.valid_signals():
        child = os.fork()
        if child == 0:
            try:
                signal.signal(sig, signal.SIG_DFL)
                os.kill(os.getpid(), sig)
            finally:
                os._exit(0)
        _, status = os.waitpid(child, os.WUNTRACED)
        if os.WIFSTOPPED(status):
            os.kill(child, signal.SIGKILL)
            os.waitpid(child, 0)
        elif os.WIFSIGNALED(status) and os.WTERMSIG(status) == sig:
            ending.append(sig)
    return ending


def schedtime(game):
    with open(f"/proc/{game.pid}/schedstat", encoding="ascii") as stat:
        return int(stat.read().split()[0])


class Terminal(GameTest):
    def sleepswaiting(self, game):
        """The game still waits after a second, asleep: a busy wait would
        spend most of that second on the processor."""
        before = schedtime(game)
        self.assertFalse(game.end(1))
        self.assertLess(schedtime(game) - before, 20_000_000)

    def test_mode_restored_after_a_signal_at_a_key_wait(self):
        """Ctrl-C typed, and every other signal that ends a program sent,
        during a key wait (raw: no Enter, no echo): the mode comes back and
        the game still ends by that signal, those that dump core too. No
        core is written."""
        resource.setrlimit(resource.RLIMIT_CORE, (0, resource.getrlimit(resource.RLIMIT_CORE)[1]))
        ending = endingsignals()
        self.assertGreaterEqual(len(ending), 20)  # POSIX names twenty, Linux 53 with the real-time ones
        # All started at once, and each sent its signal at its key wait
        # before any end is awaited: no game waits for another.
        games = [self.game(("env", SANITIZER_LEAVES_FAULTS, GAME)) for _ in ending]
        for sig, game in zip(ending, games):
            self.assertTrue(game.untilkeywait(), signal.strsignal(sig))  # at the title
            self.assertEqual(game.mode()[3] & (termios.ICANON | termios.ECHO), 0)
            if sig == signal.SIGINT:
                game.send("\x03")  # Ctrl-C typed
            else:
                os.kill(game.pid, sig)
        for sig, game in zip(ending, games):
            with self.subTest(signal.strsignal(sig)):
                self.assertTrue(game.end())
                self.assertEqual(game.child.signalstatus, sig)
                self.assertTrue(game.asfound())

    def test_nonblocking_keys_of_several_bytes_end_of_input_no_escapes(self):
        """Left not blocking by an earlier program, the terminal still has
        the game wait, asleep, for each key and line; an arrow key, the Linux
        console's F5, Shift-F1 with its modifier and a letter beyond ASCII
        are one key press each; the end of input ends the game cleanly; and
        where the terminal cannot clear its screen, no escape sequence is
        sent."""
        for term in ("TERM=dumb", "-uTERM"):
            with self.subTest(term):
                game = self.game(("env", term, GAME), nonblocking=True)
                self.assertTrue(game.untilkeywait())
                self.sleepswaiting(game)  # at the title
                self.played(game, ("\x1b[A", "(C)redits\r\n? "))
                self.sleepswaiting(game)  # at the start menu
                self.assertTrue(game.asfound())  # a typed prompt has the terminal's own mode
                for key in ("\xc3\xa9", "\x1b[[E", "\x1bO2P"):
                    self.played(game, ("i\r", "exit game"), (key, "(C)redits\r\n? "))
                game.send("\x04")
                self.cleanend(game)
                # Four start menus: no stray byte of a key drew one more.
                self.assertEqual(game.output().count("(C)redits"), 4, game.output())
                self.assertNotIn("\x1b", game.output())

    def test_job_control_stopped_backgrounded_and_brought_back(self):
        """The game as a job of an interactive shell: stopped with Ctrl-Z
        during a key wait, continued in the background and brought back, or
        started in the background; keys and typed lines work afterwards as
        before."""
        shell = self.game(("env", "PS1=$ ", "bash", "--norc", "--noprofile", "-i"))

        def settled(typed, shown):
            """A pause for the game to reach its key wait and the shell to act, then a step."""
            time.sleep(0.3)
            self.played(shell, (typed, shown))

        self.played(shell, ("", "$ "), (GAME + "\r", "Version: " + VERSION),
                    ("x", "(C)redits\r\n? "), ("n\r", "Enter character name: "),
                    ("Ann\r", "Welcome, Ann"))
        settled("\x1a", "Stopped")
        self.played(shell, ("bg\r", "emberfell &"))
        settled("fg\r", "emberfell\r\n")
        settled(" ", "(E)xit\r\n? ")
        self.played(shell, ("e\r", "Goodbye!!"), (" ", "$ "),
                    (GAME + " &\r", "Version: " + VERSION))
        settled("fg\r", "emberfell\r\n")
        settled("x", "(C)redits\r\n? ")
        self.played(shell, ("n\r", "Enter character name: "), ("\x04", "$ "))

    @unittest.skipUnless(shutil.which("strace"), "no strace")
    def test_the_final_quest_ends_with_the_score_and_starts_no_process(self):
        """Played to the score screen by a knight who wins every fight in
        one blow, every activity of the main menu once on the way (the
        fork's answer is the first "1": left): no process started (strace
        records each one made)."""
        self.write("saves/Hero", savefile(
            "Hero", level=100, exp=0, expneed=0, str=500, vit=500, wis=500, wil=500, atk=15000,
            defense=85, maxhp=10000, hp=10000, maxmp=5000, mp=5000, quest=8, gold=1000,
            kills=250, spells=12, weapon=11, armor=11, party=[1] * 9))
        self.write("answers", "s\nl\nHero\nm\n0\nq\nn\nb\n0\ng\n8\ni\nn\ns\na\ny\nq\ny\n" + "1\n" * 200)
        game = self.game(("strace", "-f", "-qq", "-ostrace.log",
                          "-etrace=execve,execveat,fork,vfork,clone,clone3", GAME), "answers")
        self.cleanend(game, 90, presskeys=True)
        self.assertIn("You come upon several diamond dragons", game.output())
        self.assertIn("It's gold plaque reads:\r\n\r\nHero\r\nThis hero killed the\r\n", game.output())
        # Sixteen dragon fights, all won: 250 + 16.
        self.assertIn(" " * 30 + "Game Completed!!\r\n\r\nScore: 266", game.output())
        self.assertEqual(self.read("strace.log").count("\n"), 1)  # strace starting the game

    def test_plain_the_words_alone_on_a_terminal(self):
        """--plain on a terminal: the words alone, its typed answers echoed
        into them, without one escape sequence (the words themselves are the
        filter's, tests/console). --help, and an unknown option (its control
        codes left out). The ordinary screen's clear keeps the scrollback."""
        game = self.game((GAME, "--plain"))

        def key():
            """A key pressed at the key wait."""
            self.assertTrue(game.untilkeywait())
            game.send(" ")

        key()
        self.played(game, ("", "(C)redits\r\n? "), ("n\r", "name: "), ("Ayla\r", "..."))
        key()
        self.played(game, ("", "(E)xit\r\n? "), ("z\r", "(E)xit\r\n? "))
        game.send("\x04")
        self.cleanend(game)
        out = game.output().replace("\r", "")
        self.assertTrue(out.startswith(f"Emberfell, version {VERSION}. Press Enter.\n(Press any key.)\n"))
        self.assertIn("? n\n\nEnter character name: Ayla\n"
                      "Welcome, Ayla, your adventure is just beginning...\n", out)
        self.assertIn("? z\nThat is not one of the choices.\n", out)
        self.assertNotIn("\x1b", out)

        def started(*arguments):
            return subprocess.run((GAME, *arguments), capture_output=True, text=True, check=False)

        usage = started("--help")
        self.assertEqual((usage.returncode, usage.stderr), (0, ""))
        self.assertTrue(usage.stdout.startswith("Usage: emberfell [--plain]\n"))
        unknown = started("--plain", "\x1b[2J--x")
        self.assertEqual((unknown.returncode, unknown.stdout, unknown.stderr),
                         (2, "", "emberfell: unknown option --x\n" + usage.stdout))

        screen = self.game()
        self.assertTrue(screen.untilkeywait())
        self.played(screen, (" ", "(C)redits\r\n? "))
        screen.send("\x04")
        self.cleanend(screen)
        self.assertIn("\x1b[H\x1b[2J", screen.output())
        self.assertNotIn("\x1b[3J", screen.output())

