#!/usr/bin/env python3
"""Play the game on a pseudo-terminal of its own, as a player would.

    playpty.py DIRECTORY PROGRAM STEP...

Runs PROGRAM in DIRECTORY. Each STEP is one of
    expect:TEXT   read the game's output until TEXT shows
    key           wait until the game waits for a key, then press one
    line:TEXT     wait until the game reads lines again, then type TEXT and Enter
Then waits for the program's end and exits with its status; a step that
does not come true within a minute ends the game and fails.
"""

import os
import pty
import select
import signal
import sys
import termios
import time

LIMIT = 60


def fail(why, seen):
    sys.stderr.write(f"playpty: {why}\n--- the game's output so far ---\n")
    sys.stderr.write(seen.decode("utf-8", "replace") + "\n")
    sys.exit(1)


def main():
    directory, program, steps = sys.argv[1], sys.argv[2], sys.argv[3:]
    pid, master = pty.fork()
    if pid == 0:
        os.chdir(directory)
        os.environ.setdefault("TERM", "xterm")
        os.execvp(program, [program])

    seen = b""
    found = 0  # where the next expect starts looking

    def pump(timeout):
        nonlocal seen
        ready, _, _ = select.select([master], [], [], timeout)
        if ready:
            try:
                seen += os.read(master, 4096)
            except OSError:  # the game has ended and closed its terminal
                return False
        return True

    def until(done, what):
        deadline = time.monotonic() + LIMIT
        while not done():
            if time.monotonic() > deadline or not pump(0.05):
                os.kill(pid, signal.SIGKILL)
                fail(f"no {what}", seen)

    def canonical():
        return termios.tcgetattr(master)[3] & termios.ICANON

    for step in steps:
        kind, _, text = step.partition(":")
        if kind == "expect":
            until(lambda: seen.find(text.encode(), found) >= 0, repr(text))
            found = seen.find(text.encode(), found) + len(text)
        elif kind == "key":
            until(lambda: not canonical(), "key wait")
            os.write(master, b" ")
        elif kind == "line":
            until(canonical, "line read")
            os.write(master, text.encode() + b"\r")
        else:
            fail(f"unknown step {step!r}", seen)

    deadline = time.monotonic() + LIMIT
    while True:
        ended, status = os.waitpid(pid, os.WNOHANG)
        if ended:
            break
        if time.monotonic() > deadline:
            os.kill(pid, signal.SIGKILL)
            fail("the game did not end", seen)
        pump(0.05)
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        fail(f"the game ended with status {code}", seen)


main()
