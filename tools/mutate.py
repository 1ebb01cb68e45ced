#!/usr/bin/env python3
"""Mutation counts for the game's unit tests.

Hand-written because no packaged C++ mutation tool is available here (none in
Debian's archive, and the Python package index is out of reach); it needs
Python 3's standard library alone.

For each mutant, one textual change to one line of a game source under src/
(not the platform consoles posix_console.cpp and windows_console.cpp, nor
the web page's glue in src/web/, nor src/shell/main.cpp): the debug preset's unit test binary (emberfell_tests)
is rebuilt and run. A build that fails makes the mutant not viable (left out
of the counts); a failing test or a run past the timeout kills it; otherwise
it survived. The file is put back after each mutant, also on Ctrl-C; a run
that was killed outright puts it back when the tool next starts.

Mutations: relational operators negated (< >=, <= >, == !=), arithmetic
swapped (+ -, * /), an integer literal n made n + 1, && and || swapped,
return true and return false swapped, and a one-line statement that is an
assignment or a call deleted. Operators count only as clang-format spaces
binary operators; string and character literals and comments are never
touched.

The sample: a mutant is taken when a hash of its file, its line's text, its
change and its place in the line, with a fixed seed, falls into one of `--k`
buckets. The same line mutated the same way is in or out of the sample
whatever else changed in the code, so two runs on two versions of the code
can be compared mutant by mutant.

    nice tools/mutate.py [--k 5] [--seed 7] [--list] [--only REGEX] [--out FILE]
"""

import argparse
import hashlib
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

EXCLUDED = re.compile(
    r"src/console/(posix_console|windows_console)\.cpp$"
    r"|src/web/|src/shell/main\.cpp$")

RELATIONAL = {"<": ">=", "<=": ">", ">": "<=", ">=": "<", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*"}
LOGICAL = {"&&": "||", "||": "&&"}


def mask(lines):
    """Each line with string and character literals and comments blanked
    (same length), so that only code is mutated."""
    masked = []
    inblock = False  # inside /* */
    rawend = None  # the closing of a raw string that runs on
    for line in lines:
        out = list(line)
        i = 0
        while i < len(line):
            if rawend is not None:
                at = line.find(rawend, i)
                stop = len(line) if at < 0 else at + len(rawend)
                out[i:stop] = " " * (stop - i)
                i = stop
                if at >= 0:
                    rawend = None
                continue
            if inblock:
                at = line.find("*/", i)
                stop = len(line) if at < 0 else at + 2
                out[i:stop] = " " * (stop - i)
                i = stop
                if at >= 0:
                    inblock = False
                continue
            c = line[i]
            if line.startswith("//", i):
                out[i:] = " " * (len(line) - i)
                break
            if line.startswith("/*", i):
                inblock = True
                continue
            raw = re.match(r'R"([^(\s]*)\(', line[i:])
            if raw and (i == 0 or not (line[i - 1].isalnum() or line[i - 1] == "_")):
                rawend = ")" + raw.group(1) + '"'
                out[i:i + raw.end()] = " " * raw.end()
                i += raw.end()
                continue
            if c in "\"'":
                j = i + 1
                while j < len(line) and line[j] != c:
                    j += 2 if line[j] == "\\" else 1
                stop = min(j + 1, len(line))
                out[i:stop] = " " * (stop - i)
                i = stop
                continue
            i += 1
        masked.append("".join(out))
    return masked


def statement_start(masked, n):
    """Whether line n begins a statement: the code before it ends one."""
    for k in range(n - 1, -1, -1):
        code = masked[k].strip()
        if code:
            return code.endswith((";", "{", "}")) or re.search(r"\b(case .*|default):$", code)
    return True


def deletable(code):
    """A one-line statement that is an assignment or a call."""
    if not code.endswith(";") or code.startswith(("return", "break", "continue", "goto", "#")):
        return False
    if re.match(r"(\+\+|--)?[\w.\->*()\[\]]+(\+\+|--)?;$", code) and ("++" in code or "--" in code):
        return True  # ++placed;
    assign = re.match(r"([^=\s]+) ([-+*/%|&]?=) ", code)
    if assign and "(" not in assign.group(1).replace(".*(", ""):
        return True  # v.hp = v.maxhp;  v.*(it.kind->value) = it.value;
    if re.match(r"[A-Za-z_][\w:]*(\.|->|::)?[\w.\->:]*\(", code):
        return not re.match(r"(if|for|while|switch|static_assert)\b", code)
    return False


def candidates(path, lines):
    """Every mutant of one file: (line index, description, new line)."""
    masked = mask(lines)
    found = []
    for n, (line, code) in enumerate(zip(lines, masked)):
        stripped = code.strip()
        if not stripped or stripped.startswith("#"):
            continue

        def swap(pattern, table, kind):
            for m in re.finditer(pattern, code):
                new = table[m.group(1)]
                found.append((n, f"{kind} {m.group(1)} -> {new} @{m.start(1)}",
                              line[:m.start(1)] + new + line[m.end(1):]))

        swap(r"(?<= )(<=|>=|==|!=|<|>)(?= )", RELATIONAL, "relational")
        swap(r"(?<= )([-+*/])(?= )", ARITHMETIC, "arithmetic")
        swap(r"(?<= )(&&|\|\|)(?= )", LOGICAL, "logical")
        for m in re.finditer(r"(?<![\w.'])(\d+)(?![\w.'])", code):
            new = str(int(m.group(1)) + 1)
            found.append((n, f"literal {m.group(1)} -> {new} @{m.start(1)}",
                          line[:m.start(1)] + new + line[m.end(1):]))
        for m in re.finditer(r"\breturn (true|false);", code):
            new = "false" if m.group(1) == "true" else "true"
            found.append((n, f"return {m.group(1)} -> {new} @{m.start(1)}",
                          line[:m.start(1)] + new + line[m.end(1):]))
        if deletable(stripped) and statement_start(masked, n):
            found.append((n, "delete statement", "\n" if line.endswith("\n") else ""))
    return found


def sources(root):
    files = sorted(p for p in (root / "src").rglob("*") if p.suffix in (".cpp", ".h"))
    return [p for p in files if not EXCLUDED.search(p.relative_to(root).as_posix())]


def sampled(rel, line, description, k, seed):
    key = f"{seed}|{rel}|{line.strip()}|{description}".encode()
    return int(hashlib.sha1(key).hexdigest(), 16) % k == 0


class Restorer:
    """Puts a mutated file back, on every way out; remembers the file on disk
    so that a run killed outright is put right by the next."""

    def __init__(self, state):
        self.state = state
        self.path = None
        self.text = None

    def recover(self):
        if self.state.exists():
            path, _, text = self.state.read_text().partition("\n")
            Path(path).write_text(text)
            self.state.unlink()
            print(f"put back {path} from an interrupted run")

    def mutate(self, path, original, mutated):
        self.state.write_text(f"{path}\n{original}")
        self.path, self.text = path, original
        path.write_text(mutated)

    def restore(self):
        if self.path is not None:
            self.path.write_text(self.text)
            self.path = None
            self.state.unlink(missing_ok=True)


def run(cmd, cwd, timeout=None):
    """The command's exit status; None past the timeout (its whole group is
    killed)."""
    proc = subprocess.Popen(cmd, cwd=cwd, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        return None
    except BaseException:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        raise


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--root", type=Path, default=Path(__file__).resolve().parent.parent)
    ap.add_argument("--k", type=int, default=5, help="take about one mutant in k")
    ap.add_argument("--seed", default="7")
    ap.add_argument("--list", action="store_true", help="list the sample, run nothing")
    ap.add_argument("--only", help="run only the sampled mutants of files matching this regex")
    ap.add_argument("--out", type=Path, help="also write the results to this file")
    args = ap.parse_args()
    root = args.root.resolve()
    build = root / "build" / "debug"
    tests = build / "tests" / "emberfell_tests"
    restorer = Restorer(root / "build" / "mutate.active")
    (root / "build").mkdir(exist_ok=True)
    restorer.recover()

    sample, total = [], 0
    for path in sources(root):
        rel = path.relative_to(root).as_posix()
        lines = path.read_text().splitlines(keepends=True)
        for n, description, new in candidates(path, lines):
            total += 1
            if sampled(rel, lines[n], description, args.k, args.seed):
                if not args.only or re.search(args.only, rel):
                    sample.append((path, rel, n, description, new))
    print(f"{total} mutants, {len(sample)} in the sample (k={args.k}, seed={args.seed})")
    if args.list:
        for _, rel, n, description, _ in sample:
            print(f"  {rel}:{n + 1}: {description}")
        return 0

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    build_cmd = ["cmake", "--build", str(build), "--target", "emberfell_tests"]
    if not build.joinpath("build.ninja").exists():
        subprocess.run(["cmake", "--preset", "debug"], cwd=root, check=True,
                       stdout=subprocess.DEVNULL)
    scratch = Path(tempfile.mkdtemp(prefix="emberfell-mutate-"))
    if run(build_cmd, root) != 0:
        sys.exit("the unmutated code does not build")
    started = time.monotonic()
    if run([str(tests), "--gtest_brief=1"], scratch) != 0:
        sys.exit("the unmutated code fails its tests")
    timeout = max(60.0, 5 * (time.monotonic() - started))

    results = []
    try:
        for i, (path, rel, n, description, new) in enumerate(sample, 1):
            original = path.read_text()
            lines = original.splitlines(keepends=True)
            lines[n] = new
            restorer.mutate(path, original, "".join(lines))
            if run(build_cmd, root) != 0:
                verdict = "not viable"
            else:
                status = run([str(tests), "--gtest_brief=1"], scratch, timeout)
                verdict = "killed" if status != 0 else "survived"
            restorer.restore()
            results.append((verdict, f"{rel}:{n + 1}: {description}: {original.splitlines()[n].strip()}"))
            print(f"[{i}/{len(sample)}] {verdict:10} {results[-1][1]}", flush=True)
    finally:
        restorer.restore()
        run(build_cmd, root)

    viable = [r for r in results if r[0] != "not viable"]
    killed = [r for r in viable if r[0] == "killed"]
    report = [f"{total} mutants, {len(sample)} sampled (k={args.k}, seed={args.seed}), "
              f"{len(results) - len(viable)} not viable",
              f"killed {len(killed)} / viable {len(viable)}", "survivors:"]
    report += [f"  {what}" for verdict, what in viable if verdict == "survived"]
    print("\n".join(report))
    if args.out:
        args.out.write_text("\n".join(f"{v}: {w}" for v, w in results) + "\n\n" +
                            "\n".join(report) + "\n")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit(130)
