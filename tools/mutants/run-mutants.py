#!/usr/bin/env python3
"""Mutation check: how many deliberate single-point faults the tests catch.

Each line of mutants.tsv names one fault: an id, a source file, a piece of
text that stands exactly once in that file, and what to put in its place.
For each fault the file is patched, the build brought up to date, the unit
and QML suites run (not the end-to-end ones, which take minutes), and the file
restored byte for byte, whatever happened. The list is fixed, so two runs over
the same tree compare.

    tools/mutants/run-mutants.py [--build DIR] [--only ID,ID...] [--jobs N] [--check]

--check only verifies that every mutant's text stands exactly once in its
file, without building anything.

Prints one line per mutant (killed / survived / did not build / stale) and a
summary with the kill rate over the mutants that built.
"""
import argparse
import os
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


def build(build_dir, jobs, log):
    return run(["cmake", "--build", build_dir, f"-j{jobs}"], ROOT, log) == 0


def tests_pass(build_dir, jobs, log):
    # Unit and QML suites only; the first failure is enough to kill a mutant.
    return run(["ctest", "-L", "unit|qml", "-LE", "e2e", "--stop-on-failure", f"-j{jobs}"],
               build_dir, log) == 0


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
    if run(["cmake", "-S", ROOT, "-B", build_dir, "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], ROOT, log) != 0 \
            or not build(build_dir, args.jobs, log) or not tests_pass(build_dir, args.jobs, log):
        sys.exit("The unmutated tree does not build or pass its tests; nothing to measure.")

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
            if not build(build_dir, args.jobs, log):
                verdict = "did not build"
            elif tests_pass(build_dir, args.jobs, log):
                verdict = "survived"
            else:
                verdict = "killed"
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
