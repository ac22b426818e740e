#!/usr/bin/env python3
"""Mutation check: how many deliberate single-point faults the tests catch.

Each line of mutants.tsv names one fault: an id, a source file, a piece of
text that stands exactly once in that file, and what to put in its place.
For each fault the file is patched, the unit and QML tests rebuilt and run
(not the end-to-end ones, which take minutes; the tests of the file's own area
first) until one fails, and the file restored byte for byte, whatever
happened. The list is fixed, so two runs over
the same tree compare.

    tools/mutants/run-mutants.py [--build DIR] [--only ID,ID...] [--jobs N] [--check]

--check only verifies that every mutant's text stands exactly once in its
file, without building anything.

Prints one line per mutant (killed / survived / did not build / stale) and a
summary with the kill rate over the mutants that built.
"""
import argparse
import json
import os
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LIST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "mutants.tsv")


def unescape(text):
    return text.replace("\\t", "\t").replace("\\n", "\n")


def read_mutants(path):
    mutants = []
    with open(path, encoding="utf-8") as handle:
        for number, line in enumerate(handle, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 4:
                sys.exit(f"{path}:{number}: expected 4 tab-separated fields, found {len(fields)}")
            ident, source, original, mutated = fields
            mutants.append((ident, source, unescape(original), unescape(mutated)))
    return mutants


def run(command, cwd, log):
    with open(log, "a", encoding="utf-8") as out:
        out.write(f"\n$ {' '.join(command)}\n")
        out.flush()
        return subprocess.call(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT)


def build(build_dir, jobs, log, targets=None):
    command = ["cmake", "--build", build_dir, f"-j{jobs}"]
    if targets:
        command += ["--target"] + sorted(targets)
    return run(command, ROOT, log) == 0


def suite(build_dir):
    """The unit and QML tests (not the end-to-end ones, which take minutes):
    name, target, the test folder below the build's tests/ they run from, and
    whether they drive the window."""
    listing = subprocess.run(["ctest", "--show-only=json-v1", "-L", "unit|qml", "-LE", "e2e"],
                             cwd=build_dir, capture_output=True, text=True, check=True)
    tests = []
    for test in json.loads(listing.stdout)["tests"]:
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        executable = next((part for part in test.get("command", []) if part.startswith(build_dir)), None)
        tests.append((test["name"], os.path.basename(executable) if executable else None,
                      os.path.relpath(properties.get("WORKING_DIRECTORY", ""), os.path.join(build_dir, "tests")),
                      "qml" in properties.get("LABELS", [])))
    return tests


def nearest_first(tests, source):
    """Orders the suite in groups, each built and run only while the mutant
    lives: the tests of the mutated file's own folder (tests/ mirrors the
    source tree), then those of its top folder, then the rest; within each,
    the quick unit tests before the window tests. Most faults are caught near
    home by a unit test."""
    folder = os.path.dirname(source)
    top = folder.split("/")[0]

    def ring(test):
        if test[2] == folder:
            return 0
        return 1 if test[2].split("/")[0] == top else 2

    groups = {}
    for test in tests:
        groups.setdefault((ring(test), test[3]), []).append(test)
    return [groups[key] for key in sorted(groups)]


def tests_pass(build_dir, jobs, log, tests):
    # The first failure is enough to kill a mutant.
    names = "|".join(re.escape(test[0]) for test in tests)
    return run(["ctest", "-R", f"^({names})$", "--stop-on-failure", f"-j{jobs}"], build_dir, log) == 0


def verdict_for(build_dir, jobs, log, groups):
    for tests in groups:
        if not tests:
            continue
        targets = {test[1] for test in tests if test[1]}
        if targets and not build(build_dir, jobs, log, targets):
            return "did not build"
        if not tests_pass(build_dir, jobs, log, tests):
            return "killed"
    return "survived"


def occurrences(source, original):
    try:
        with open(os.path.join(ROOT, source), encoding="utf-8") as handle:
            return handle.read().count(original)
    except OSError:
        return -1


def check(mutants):
    ids = [m[0] for m in mutants]
    stale = 0
    for ident in sorted(set(i for i in ids if ids.count(i) > 1)):
        print(f"{ident:8} named more than once")
        stale += 1
    for ident, source, original, mutated in mutants:
        found = occurrences(source, original)
        if found != 1 or original == mutated:
            stale += 1
            print(f"{ident:8} stale: {source} " + ("is missing" if found < 0 else f"holds the text {found} times"))
    print(f"{len(mutants)} mutants, {stale} stale")
    return 1 if stale else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build-mutants"))
    parser.add_argument("--only", default="")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()

    mutants = read_mutants(LIST)
    if args.only:
        wanted = set(args.only.split(","))
        mutants = [m for m in mutants if m[0] in wanted]
    if args.check:
        return check(mutants)
    build_dir = os.path.abspath(args.build)
    log = os.path.join(build_dir, "mutants.log")
    os.makedirs(build_dir, exist_ok=True)
    open(log, "w").close()

    print(f"Baseline build and tests in {build_dir} (log: {log})", flush=True)
    # An existing folder is used as it is configured.
    if run(["cmake", "-S", ROOT, "-B", build_dir], ROOT, log) != 0 or not build(build_dir, args.jobs, log):
        sys.exit("The unmutated tree does not build; nothing to measure.")
    tests = suite(build_dir)
    if not tests_pass(build_dir, args.jobs, log, tests):
        sys.exit("The unmutated tree does not pass its tests; nothing to measure.")

    results = {"killed": [], "survived": [], "did not build": [], "stale": []}
    for ident, source, original, mutated in mutants:
        path = os.path.join(ROOT, source)
        started = time.monotonic()
        try:
            with open(path, "rb") as handle:
                pristine = handle.read()
        except OSError:
            results["stale"].append(ident)
            print(f"{ident:8} stale (no file {source})", flush=True)
            continue
        text = pristine.decode("utf-8")
        if text.count(original) != 1:
            results["stale"].append(ident)
            print(f"{ident:8} stale ({source}: the original text stands {text.count(original)} times)", flush=True)
            continue
        try:
            with open(path, "wb") as handle:
                handle.write(text.replace(original, mutated).encode("utf-8"))
            verdict = verdict_for(build_dir, args.jobs, log, nearest_first(tests, source))
        finally:
            with open(path, "wb") as handle:
                handle.write(pristine)
        results[verdict].append(ident)
        print(f"{ident:8} {verdict:14} {source} ({time.monotonic() - started:.0f} s)", flush=True)

    # Leave the build matching the restored sources.
    build(build_dir, args.jobs, log)
    counted = len(results["killed"]) + len(results["survived"])
    rate = 100.0 * len(results["killed"]) / counted if counted else 0.0
    print(f"\nkilled {len(results['killed'])}, survived {len(results['survived'])}, "
          f"did not build {len(results['did not build'])}, stale {len(results['stale'])}: "
          f"kill rate {rate:.1f} %")
    if results["survived"]:
        print("survivors: " + " ".join(results["survived"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
