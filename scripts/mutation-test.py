#!/usr/bin/env python3
"""Mutation test: makes realistic slips in src/ one at a time and sees whether a test fails.

Each slip is drawn by a fixed random draw over the game's source lines: a flipped comparison,
a constant off by one, a dropped statement, or a word changed in a quoted message. The tree is
rebuilt and the suite run after each slip, then the file is put back as it was.

Usage: scripts/mutation-test.py [--build DIR] [--count N] [--seed S] [--e2e] [--under DIRS] [--game-only]
--under src/road,src/stops draws only from those folders; --game-only rebuilds and runs only the
game's test program (seconds a slip), for comparing two versions of the tests on the same slips.
Without --e2e only the short end-to-end test of the real program (start, close at a question)
runs, and only for slips in the desktop platform: the whole runs take minutes each. Prints one line per slip and the score.
"""
import argparse
import random
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

COMPARISONS = [("<=", ">"), (">=", "<"), ("==", "!="), ("!=", "=="), (" < ", " <= "), (" > ", " >= ")]


def candidates(path):
    """(line number, kind) of every line a slip could be made in."""
    out = []
    lines = path.read_text().splitlines()
    for i, line in enumerate(lines):
        s = line.strip()
        if not s or s.startswith("//") or s.startswith("#") or s.startswith("*"):
            continue
        if re.search(r'"[^"]*[A-Za-z]{3,}[^"]*"', s) and not s.startswith("static_assert"):
            out.append((i, "word"))
        if any(op in s for op, _ in COMPARISONS) and ("if" in s or "while" in s or "return" in s or "?" in s):
            out.append((i, "compare"))
        if re.search(r"(?<![\w.])\d+(?![\w.])", s) and not s.startswith("case"):
            out.append((i, "constant"))
        if s.endswith(";") and not s.startswith(("return", "break", "continue", "}", "using", "namespace")) \
                and "(" in s and "=" not in s.split("(")[0] and not s.startswith(("const ", "int ", "double ", "auto ", "std::")):
            out.append((i, "drop"))
    return out


def mutate(line, kind, rng):
    if kind == "compare":
        ops = [(a, b) for a, b in COMPARISONS if a in line]
        a, b = rng.choice(ops)
        return line.replace(a, b, 1)
    if kind == "constant":
        nums = list(re.finditer(r"(?<![\w.])\d+(?![\w.])", line))
        m = rng.choice(nums)
        n = int(m.group(0))
        return line[:m.start()] + str(n + rng.choice([-1, 1]) if n > 0 else n + 1) + line[m.end():]
    if kind == "drop":
        indent = line[:len(line) - len(line.lstrip())]
        return indent + "// " + line.strip()
    if kind == "word":
        # A word inside a quoted text loses its last letter.
        spans = []
        for quoted in re.finditer(r'"(?:[^"\\]|\\.)*"', line):
            for word in re.finditer(r"[A-Za-z]{3,}", quoted.group(0)):
                spans.append((quoted.start() + word.start(), quoted.start() + word.end()))
        if not spans:
            return None
        start, end = rng.choice(spans)
        return line[:start] + line[start:end - 1] + line[end:]
    return None


def run(cmd, timeout, memory_gib=None):
    """A slip can make a test loop for ever, growing: each run is held to a time, and the game's
    own tests to memory too (a browser or wasm runtime reserves far more address space)."""
    if memory_gib:
        cmd = f"ulimit -v {memory_gib * 1024 * 1024}; {cmd}"
    try:
        return subprocess.run(cmd, cwd=ROOT, shell=True,
                              capture_output=True, text=True, errors="replace", timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", default="build")
    ap.add_argument("--count", type=int, default=30)
    ap.add_argument("--seed", type=int, default=2026)
    ap.add_argument("--e2e", action="store_true")
    ap.add_argument("--under", default="src")
    ap.add_argument("--game-only", action="store_true")
    args = ap.parse_args()
    rng = random.Random(args.seed)
    roots = [ROOT / d.strip() for d in args.under.split(",") if d.strip()]
    files = sorted(p for r in roots for p in r.rglob("*.cpp"))
    build = f"cmake --build {args.build} -j2" + (" --target dravlen_tests" if args.game_only else "")
    pool = [(f, i, k) for f in files for i, k in candidates(f)]
    rng.shuffle(pool)
    caught = made = 0
    for f, i, kind in pool:
        if made >= args.count:
            break
        original = f.read_text()
        lines = original.splitlines(keepends=True)
        new = mutate(lines[i].rstrip("\n"), kind, rng)
        if new is None or new == lines[i].rstrip("\n"):
            continue
        lines[i] = new + "\n"
        f.write_text("".join(lines))
        try:
            if run(build, 900) != 0:
                continue  # a slip the compiler catches is not a slip a test must catch
            made += 1
            rel = f.relative_to(ROOT)
            desktop = str(rel).startswith(("src/platform/desktop", "src/app/main_desktop"))
            # The real program's start and close (15 s) for slips in the desktop platform; the
            # whole end-to-end runs (minutes each) only when asked for.
            exclude = "" if args.e2e else "-E 'EndToEnd.(trip|install)'" if desktop else "-E EndToEnd"
            if args.game_only:
                status = run(f"{args.build}/dravlen_tests --gtest_brief=1", 1800, memory_gib=4)
            else:
                status = run(f"ctest --test-dir {args.build} -j2 {exclude} --stop-on-failure", 1800)
            verdict = "caught" if status != 0 else "SURVIVED"
            caught += status != 0
            print(f"{verdict:8} {rel}:{i + 1} [{kind}] {lines[i].strip()}", flush=True)
        finally:
            f.write_text(original)
    run(f"cmake --build {args.build} -j2", 900)
    print(f"score: {caught} of {made} slips caught ({100 * caught // max(made, 1)} %)")


if __name__ == "__main__":
    sys.exit(main())
