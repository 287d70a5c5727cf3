#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
"""A small mutation tester for Vellora's C++ sources.

It makes one small change at a time to the program's sources (model/, render/,
app/, cli/), rebuilds incrementally, runs the CTest suite and records whether
the suite noticed: killed (a test failed), timed out, survived (every test
passed) or failed to build. Survivors are printed with their diffs.

The work happens in a private copy of the tree (a git revision, or the working
tree), so the checkout it is started from is never touched.

    scripts/mutants.py                         # 200 mutants, seed 1, working tree
    scripts/mutants.py --rev HEAD~3 --json old.json
    scripts/mutants.py --rev HEAD --tests-rev HEAD~3   # HEAD's code, older tests
    scripts/mutants.py --list                  # every possible mutant, no runs
    scripts/mutants.py --compare old.json new.json

The sample is drawn from every possible mutant with a seeded generator, so the
same sources and seed give the same mutants, whatever the tests are.
"""

import argparse
import difflib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, asdict
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCE_DIRS = ("model", "render", "app", "cli")
SOURCE_SUFFIXES = (".cpp", ".h")


@dataclass
class Mutant:
    file: str
    line: int  # 1-based
    column: int  # 0-based, in the line
    operator: str
    original: str
    replacement: str

    @property
    def key(self):
        return f"{self.file}:{self.line}:{self.column}:{self.operator}:{self.replacement}"


def mask_code(line, in_comment):
    """The line with string and character literals and comments blanked out,
    so that operators are only looked for in code. Returns (masked, in_comment)."""
    out = []
    i = 0
    n = len(line)
    while i < n:
        if in_comment:
            end = line.find("*/", i)
            if end < 0:
                out.append(" " * (n - i))
                return "".join(out), True
            out.append(" " * (end + 2 - i))
            i = end + 2
            in_comment = False
            continue
        c = line[i]
        if line.startswith("//", i):
            out.append(" " * (n - i))
            break
        if line.startswith("/*", i):
            in_comment = True
            continue
        if c in "\"'":
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            out.append(" " * (min(j, n - 1) + 1 - i))
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out), in_comment


# Binary operators stand between spaces in clang-formatted code; template
# brackets, stream shifts in declarations and pointer stars do not.
BINARY = {
    " < ": [" <= ", " > "],
    " <= ": [" < ", " > "],
    " > ": [" >= ", " < "],
    " >= ": [" > ", " < "],
    " == ": [" != "],
    " != ": [" == "],
    " && ": [" || "],
    " || ": [" && "],
    " + ": [" - "],
    " - ": [" + "],
    " * ": [" / "],
    " / ": [" * "],
    " % ": [" / "],
    " += ": [" -= "],
    " -= ": [" += "],
}
BINARY_RE = re.compile("|".join(re.escape(op) for op in sorted(BINARY, key=len, reverse=True)))
INT_RE = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
BOOL_RE = re.compile(r"\b(true|false)\b")
INCDEC_RE = re.compile(r"\+\+|--")
# A call with exactly two plain arguments: f(a, b).
PAIR_RE = re.compile(r"\(([\w.>\-\[\]]+), ([\w.>\-\[\]]+)\)")
NOT_RE = re.compile(r"(?<![!=])!(?!=)")
# Statements worth removing: calls and assignments, not declarations or returns.
STATEMENT_RE = re.compile(
    r"^\s*(?!return\b|case\b|default\b|const\b|static\b|auto\b|using\b|delete\b)"
    r"([\w:>.\-\[\]*]+\s*(\(.*\)|[+\-*/]?=.*|\+\+|--)|\+\+\w+|--\w+);\s*$"
)
SKIP_LINE_RE = re.compile(r"^\s*(#|Q_OBJECT|Q_PROPERTY|public|private|protected|signals|slots)")


def mutants_of_file(path, rel):
    found = []
    in_comment = False
    for number, line in enumerate(path.read_text().splitlines(), start=1):
        masked, in_comment = mask_code(line, in_comment)
        if not masked.strip() or SKIP_LINE_RE.match(masked):
            continue

        def add(operator, start, end, replacement):
            found.append(Mutant(rel, number, start, operator, line[start:end], replacement))

        for m in BINARY_RE.finditer(masked):
            for replacement in BINARY[m.group(0)]:
                add("operator", m.start(), m.end(), replacement)
        for m in INT_RE.finditer(masked):
            value = int(m.group(1))
            add("constant", m.start(), m.end(), str(value + 1))
            if value > 0:
                add("constant", m.start(), m.end(), str(value - 1))
        for m in BOOL_RE.finditer(masked):
            add("boolean", m.start(), m.end(), "false" if m.group(1) == "true" else "true")
        for m in INCDEC_RE.finditer(masked):
            add("increment", m.start(), m.end(), "--" if m.group(0) == "++" else "++")
        for m in NOT_RE.finditer(masked):
            add("negation", m.start(), m.end(), "")
        for m in PAIR_RE.finditer(masked):
            a, b = m.group(1), m.group(2)
            if a != b:
                add("swap arguments", m.start(), m.end(), f"({b}, {a})")
        if STATEMENT_RE.match(masked) and masked.rstrip().endswith(";"):
            start = len(line) - len(line.lstrip())
            add("remove statement", start, len(line.rstrip()), "")
    return found


def all_mutants(tree):
    found = []
    for directory in SOURCE_DIRS:
        for path in sorted((tree / directory).rglob("*")):
            if path.suffix in SOURCE_SUFFIXES and path.is_file():
                found += mutants_of_file(path, str(path.relative_to(tree)))
    return found


def apply(text, mutant):
    lines = text.split("\n")
    line = lines[mutant.line - 1]
    end = mutant.column + len(mutant.original)
    assert line[mutant.column:end] == mutant.original, mutant
    lines[mutant.line - 1] = line[: mutant.column] + mutant.replacement + line[end:]
    return "\n".join(lines)


def diff_of(original, mutated, name):
    return "".join(
        difflib.unified_diff(
            original.splitlines(True), mutated.splitlines(True), f"a/{name}", f"b/{name}", n=1
        )
    )


def export_tree(rev, dest, tests_rev=None):
    """Copies the revision's tracked files (or, without rev, the working tree's)
    into dest, with tests/ taken from tests_rev when given."""
    dest.mkdir(parents=True, exist_ok=True)
    if rev is None:
        files = subprocess.run(
            ["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
            cwd=ROOT, check=True, capture_output=True,
        ).stdout.split(b"\0")
        for name in filter(None, files):
            src = ROOT / name.decode()
            if src.is_file():
                target = dest / name.decode()
                target.parent.mkdir(parents=True, exist_ok=True)
                shutil.copy2(src, target)
    else:
        archive = subprocess.run(["git", "archive", rev], cwd=ROOT, check=True,
                                 capture_output=True).stdout
        subprocess.run(["tar", "-x", "-C", str(dest)], input=archive, check=True)
    if tests_rev is not None:
        shutil.rmtree(dest / "tests")
        archive = subprocess.run(["git", "archive", tests_rev, "tests"], cwd=ROOT, check=True,
                                 capture_output=True).stdout
        subprocess.run(["tar", "-x", "-C", str(dest)], input=archive, check=True)


class Runner:
    def __init__(self, tree, jobs, exclude_label, timeout):
        self.tree = tree
        self.build = tree / "build-mutants"
        self.jobs = jobs
        self.exclude_label = exclude_label
        self.timeout = timeout

    def configure(self):
        subprocess.run(
            ["cmake", "-S", str(self.tree), "-B", str(self.build), "-G", "Ninja",
             "-DCMAKE_BUILD_TYPE=", "-DCMAKE_CXX_FLAGS=-O1", "-DVELLORA_BENCHMARKS=OFF"],
            check=True, stdout=subprocess.DEVNULL,
        )

    def build_ok(self):
        result = subprocess.run(
            ["cmake", "--build", str(self.build), "--parallel", str(self.jobs)],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
        )
        return result.returncode == 0, result.stdout.decode(errors="replace")

    def tests(self, stop_on_failure=True):
        """Runs CTest; returns the status and CTest's output."""
        command = ["ctest", "--test-dir", str(self.build), "--parallel", str(self.jobs),
                   "--timeout", str(self.timeout), "--output-on-failure"]
        if self.exclude_label:
            command += ["-LE", self.exclude_label]
        if stop_on_failure:
            command.append("--stop-on-failure")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        # A session of its own, so that a hang ends with every test it started.
        process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE,
                                   stderr=subprocess.STDOUT, start_new_session=True)
        try:
            stdout, _ = process.communicate(timeout=self.timeout * 3)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.communicate()
            return "timed out", ""
        output = stdout.decode(errors="replace")
        if process.returncode == 0:
            return "survived", output
        if re.search(r"\*\*\*Timeout", output):
            return "timed out", output
        return "killed", output


def built_count(results):
    return sum(1 for r in results if r["status"] != "build failed")


def failing_tests(output):
    """The failing CTest tests, and the QtTest functions that failed in them."""
    tests = set(re.findall(r"\d+ - (\S+) \(", output))
    functions = set(re.findall(r"FAIL!  : (\w+::\w+)\(", output))
    return sorted(tests | functions)


def run(args):
    scratch = Path(tempfile.mkdtemp(prefix="vellora-mutants-")) if args.workdir is None \
        else Path(args.workdir)
    tree = scratch / "tree"
    if tree.exists():
        shutil.rmtree(tree)
    export_tree(args.rev, tree, args.tests_rev)
    mutants = all_mutants(tree)
    rng = random.Random(args.seed)
    sample = rng.sample(mutants, min(args.sample, len(mutants)))
    order = lambda m: (m.file, m.line, m.column, m.replacement)
    sample.sort(key=order)
    # Drawn in the same seeded order, should the sample hold too few that build.
    spare = [m for m in mutants if m not in sample]
    rng.shuffle(spare)
    print(f"{len(mutants)} possible mutants; running {len(sample)} (seed {args.seed}), and more "
          f"until {args.min_built} build, in {tree}", flush=True)

    runner = Runner(tree, args.jobs, args.exclude_label, args.timeout)
    runner.configure()
    ok, log = runner.build_ok()
    if not ok:
        sys.exit("the unchanged sources do not build:\n" + log[-3000:])
    status, log = runner.tests(stop_on_failure=False)
    if status != "survived":
        sys.exit("the unchanged sources fail their own tests:\n" + log[-3000:])

    results = []
    started = time.monotonic()
    index = 0
    while index < len(sample) or (spare and built_count(results) < args.min_built):
        if index == len(sample):
            sample.append(spare.pop(0))
        mutant = sample[index]
        index += 1
        path = tree / mutant.file
        original = path.read_text()
        mutated = apply(original, mutant)
        path.write_text(mutated)
        try:
            built, _ = runner.build_ok()
            status, output = (runner.tests(stop_on_failure=not args.all_tests) if built
                              else ("build failed", ""))
        finally:
            path.write_text(original)
        record = asdict(mutant) | {"key": mutant.key, "status": status,
                                   "failing": failing_tests(output),
                                   "diff": diff_of(original, mutated, mutant.file)}
        results.append(record)
        elapsed = time.monotonic() - started
        print(f"[{index}/{len(sample)} {elapsed:5.0f} s] {status:12} {mutant.file}:{mutant.line} "
              f"{mutant.operator}: {mutant.original.strip()!r} -> {mutant.replacement.strip()!r}",
              flush=True)
    runner.build_ok()  # leave the tree built as it was

    summarize(results)
    if args.json:
        Path(args.json).write_text(json.dumps(
            {"rev": args.rev, "tests_rev": args.tests_rev, "seed": args.seed,
             "sample": args.sample, "results": results}, indent=1))
    if args.workdir is None and not args.keep:
        shutil.rmtree(scratch)


def summarize(results):
    counts = {}
    for r in results:
        counts[r["status"]] = counts.get(r["status"], 0) + 1
    built = len(results) - counts.get("build failed", 0)
    detected = counts.get("killed", 0) + counts.get("timed out", 0)
    print("\nSummary")
    for status in ("killed", "timed out", "survived", "build failed"):
        print(f"  {status:12} {counts.get(status, 0)}")
    if built:
        print(f"  score        {detected}/{built} built mutants detected "
              f"({100 * detected / built:.1f}%)")
    survivors = [r for r in results if r["status"] == "survived"]
    if survivors:
        print(f"\nSurvivors ({len(survivors)})")
        for r in survivors:
            print(f"\n# {r['key']}\n{r['diff']}", end="")


def compare(old_path, new_path):
    old = {r["key"]: r for r in json.loads(Path(old_path).read_text())["results"]}
    new = {r["key"]: r for r in json.loads(Path(new_path).read_text())["results"]}
    detected = ("killed", "timed out")
    common = sorted(set(old) & set(new))
    lost = [k for k in common if old[k]["status"] in detected and new[k]["status"] not in detected]
    gained = [k for k in common if new[k]["status"] in detected and old[k]["status"] not in detected]
    for name, data in (("old", old), ("new", new)):
        kills = sum(1 for r in data.values() if r["status"] in detected)
        built = sum(1 for r in data.values() if r["status"] != "build failed")
        print(f"{name}: {kills}/{built} built mutants detected")
    print(f"{len(common)} mutants in both; detected by old only: {len(lost)}, "
          f"by new only: {len(gained)}")
    for k in lost:
        print(f"\n# detected by the old tests only: {k}\n{old[k]['diff']}", end="")
    for k in gained:
        print(f"\n# detected by the new tests only: {k}")
    return 1 if lost else 0


def by_test(path):
    """For a run with --all-tests: what each test function catches, and what
    it alone catches."""
    results = json.loads(Path(path).read_text())["results"]
    kills = {}
    for r in results:
        for name in r["failing"]:
            if "::" in name:
                kills.setdefault(name, set()).add(r["key"])
    alone = {name: caught - set().union(*(k for m, k in kills.items() if m != name))
             for name, caught in kills.items()}
    for name in sorted(kills, key=lambda n: (len(alone[n]), n)):
        print(f"{len(kills[name]):4} caught, {len(alone[name]):3} alone  {name}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sample", type=int, default=200, help="mutants to run (default 200)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    parser.add_argument("--min-built", type=int, default=150,
                        help="draw more mutants until this many build (default 150)")
    parser.add_argument("--rev", help="git revision to mutate (default: the working tree)")
    parser.add_argument("--tests-rev", help="take tests/ from this revision instead")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--timeout", type=int, default=60,
                        help="seconds per test; the whole suite gets three times that")
    parser.add_argument("--all-tests", action="store_true",
                        help="run every test for every mutant (slower), to see which tests "
                             "and test functions catch it")
    parser.add_argument("--exclude-label", default="package",
                        help="CTest label left out (default: package, the slow cpack check)")
    parser.add_argument("--workdir", help="where to copy and build (default: a temporary folder)")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    parser.add_argument("--json", help="write every result to this file")
    parser.add_argument("--list", action="store_true", help="print every possible mutant and stop")
    parser.add_argument("--compare", nargs=2, metavar=("OLD", "NEW"),
                        help="compare two --json results of the same sample")
    parser.add_argument("--by-test", metavar="JSON",
                        help="what each test function of an --all-tests run catches")
    args = parser.parse_args()

    if args.compare:
        sys.exit(compare(*args.compare))
    if args.by_test:
        return by_test(args.by_test)
    if args.list:
        with tempfile.TemporaryDirectory() as scratch:
            tree = Path(scratch)
            export_tree(args.rev, tree, None)
            for m in all_mutants(tree):
                print(f"{m.file}:{m.line}:{m.column} {m.operator}: "
                      f"{m.original!r} -> {m.replacement!r}")
        return
    run(args)


if __name__ == "__main__":
    main()
