#!/usr/bin/env python3
"""Mutation sample: which planted faults do the fast tests catch?

Copies the source tree (as it stands, uncommitted changes included) into a work folder,
builds it once, then for each fault of tools/mutants/faults.py: plants it, rebuilds, runs
the fast tests (every CTest test but the e2e and install labels), notes which failed, and
puts the text back. Run by hand; it is not part of the test command.

  tools/mutants/sample.py [--source DIR] [--work DIR] [--only ID[,ID...]] [--tests REGEX]

--source takes the code and tests from another checkout (to sample an older suite against
the same list). The report goes to stdout and WORK/report.tsv.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from faults import FAULTS  # noqa: E402

FAST = ["-LE", "^(e2e|install)$"]


def tracked_files(source):
    out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=source,
                         check=True, capture_output=True, text=True).stdout
    return [line for line in out.splitlines() if line and not line.startswith("build")]


def copy_tree(source, tree):
    for rel in tracked_files(source):
        src = os.path.join(source, rel)
        if not os.path.isfile(src):
            continue
        dst = os.path.join(tree, rel)
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(src, "rb") as f:
            data = f.read()
        if os.path.exists(dst):
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        # A fresh time stamp: the source may be older than what the last run built from it.
        shutil.copy(src, dst)


def build(tree, jobs):
    build_dir = os.path.join(tree, "build")
    # No debug information, and the logic in one shared library that the tests are not
    # relinked against: a fault then costs one compile, one link and the tests.
    cfg = subprocess.run(["cmake", "-S", tree, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Release",
                          "-DMORVEL_SHARED_CORE=ON", "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON",
                          "-DMORVEL_BUILD_BENCHMARKS=OFF"],
                         capture_output=True, text=True)
    if cfg.returncode != 0:
        return False, cfg.stdout + cfg.stderr
    run = subprocess.run(["cmake", "--build", build_dir, "--parallel", str(jobs)],
                         capture_output=True, text=True)
    return run.returncode == 0, run.stdout + run.stderr


def run_tests(tree, jobs, regex):
    args = ["ctest", "--test-dir", os.path.join(tree, "build"), "--parallel", str(jobs),
            "--timeout", "180", "--no-tests=error"] + FAST
    if regex:
        args += ["-R", regex]
    out = subprocess.run(args, capture_output=True, text=True).stdout
    failed = re.findall(r"^\s*\d+ - (\S+) \(", out, re.M)
    summary = re.search(r"(\d+) tests? failed out of (\d+)", out)
    return failed, summary.group(0) if summary else "no summary", out


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--source", default=os.path.dirname(os.path.dirname(HERE)))
    parser.add_argument("--work", default="/tmp/morvel-mutants")
    parser.add_argument("--only", default="")
    parser.add_argument("--tests", default="")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    args = parser.parse_args()

    source = os.path.abspath(args.source)
    tree = os.path.join(os.path.abspath(args.work), "tree")
    os.makedirs(tree, exist_ok=True)
    copy_tree(source, tree)
    print(f"tree: {tree} (from {source})", flush=True)

    ok, log = build(tree, args.jobs)
    if not ok:
        sys.exit("the unchanged tree does not build:\n" + log[-4000:])
    failed, summary, _ = run_tests(tree, args.jobs, args.tests)
    if failed:
        sys.exit(f"the unchanged tree fails its tests ({summary}): {' '.join(failed)}")

    wanted = set(filter(None, args.only.split(",")))
    faults = [f for f in FAULTS if not wanted or f.id in wanted]
    rows = []
    for fault in faults:
        path = os.path.join(tree, fault.path)
        with open(path, encoding="utf-8") as f:
            original = f.read()
        count = original.count(fault.old)
        if count != 1:
            rows.append((fault.id, "stale", f"text found {count} times"))
            print(f"{fault.id:45} stale: text found {count} times", flush=True)
            continue
        started = time.time()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original.replace(fault.old, fault.new))
            ok, log = build(tree, args.jobs)
            if not ok:
                errors = [l for l in log.splitlines() if "error" in l][:2]
                rows.append((fault.id, "no build", " / ".join(errors)))
            else:
                failed, summary, _ = run_tests(tree, args.jobs, args.tests)
                rows.append((fault.id, "caught" if failed else "MISSED", " ".join(failed)))
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        print(f"{rows[-1][0]:45} {rows[-1][1]:8} {rows[-1][2]}  ({time.time() - started:.0f}s)",
              flush=True)

    caught = sum(1 for r in rows if r[1] == "caught")
    counted = sum(1 for r in rows if r[1] in ("caught", "MISSED"))
    with open(os.path.join(os.path.abspath(args.work), "report.tsv"), "w") as f:
        for row in rows:
            f.write("\t".join(row) + "\n")
    print(f"\ncaught {caught} of {counted} faults"
          + (f" ({len(rows) - counted} could not be planted)" if counted < len(rows) else ""))
    # Put the tree back as it was built, so that the next run starts from a clean build.
    build(tree, args.jobs)


if __name__ == "__main__":
    main()
