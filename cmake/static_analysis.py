#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs clazy or clang-tidy over every C++ file of core/, ui/, bench/ and
fuzz/, tests included (each header through the files that include it), with
the compile commands of a build tree, one file a process on every core.

Prints the checks it runs, each finding once and their count, and fails on
any finding, on a source the tree does not compile and on a missing analyser
(scripts/lib/setup.sh installs both for the test command). A file whose analysis
found nothing is not analysed again until the file, a file it includes (as
the build's dependency file lists them), its compile command, the analyser
or the checks change: the results are kept in the build tree.

Usage: static_analysis.py clazy|clang-tidy <analyser> <build dir> <source dir>
"""

import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import time

# clazy's checks of levels 0 and 1, and those of level 2 whose advice fits a
# Qt Widgets program, by name, so that a newer clazy adds none unseen. Left
# out of level 2: qstring-allocations, since the program is built with
# QT_NO_CAST_FROM_ASCII, which already refuses every such allocation.
CLAZY_CHECKS = """
connect-by-name connect-non-signal connect-not-normalized container-anti-pattern
empty-qstringliteral fully-qualified-moc-types lambda-in-connect lambda-unique-connection
lowercase-qml-type-name mutable-container-key overloaded-signal qcolor-from-literal
qdatetime-utc qenums qfileinfo-exists qgetenv qmap-with-pointer-key qstring-arg
qstring-comparison-to-implicit-char qstring-insensitive-allocation qstring-ref qt-macros
strict-iterators temporary-iterator unused-non-trivial-variable
use-static-qregularexpression writing-to-temporary wrong-qevent-cast wrong-qglobalstatic

auto-unexpected-qstringbuilder child-event-qobject-cast connect-3arg-lambda
const-signal-or-slot detaching-temporary foreach incorrect-emit install-event-filter
non-pod-global-static overridden-signal post-event qdeleteall qhash-namespace
qlatin1string-non-ascii qproperty-without-notify qstring-left range-loop-detach
range-loop-reference returning-data-from-temporary rule-of-two-soft skipped-base-method
virtual-signal

base-class-event copyable-polymorphic ctor-missing-parent-argument function-args-by-ref
function-args-by-value global-const-char-pointer implicit-casts missing-qobject-macro
missing-typeinfo old-style-connect returning-void-expression rule-of-three static-pmf
virtual-call-ctor
""".split()
# Tests and benchmarks are programs of their frameworks: GoogleTest and
# Google Benchmark register each case as a global object (TEST_P,
# BENCHMARK), GoogleTest's ASSERT_ macros return a void expression, and
# QTEST_MAIN makes each Qt Test object without a parent.
CLAZY_NOT_IN_TESTS = ["non-pod-global-static", "returning-void-expression",
                      "ctor-missing-parent-argument"]

PACKAGES = {"clazy": "clazy", "clang-tidy": "clang-tidy-19"}
FINDING = re.compile(r"^(\S+):(\d+):(\d+): (warning|error): ", re.MULTILINE)


def fail(text):
    print(text, file=sys.stderr)
    sys.exit(1)


def sources(source):
    """The C++ files to analyse, relative to the source tree. Those named
    *_windows.cpp are built for Windows only, with Windows' headers; their
    Linux twins are analysed."""
    found = []
    for top in ("core", "ui", "bench", "fuzz"):
        for folder, _, names in os.walk(os.path.join(source, top)):
            found += [os.path.relpath(os.path.join(folder, n), source) for n in names
                      if n.endswith(".cpp") and not n.endswith("_windows.cpp")]
    return sorted(found)


def dependencies(entry):
    """Name, size and time of every file the build's compiler read for this
    entry, from its dependency file; None where the tree has none yet."""
    args = shlex.split(entry["command"])
    if "-o" not in args:
        return None
    depfile = os.path.join(entry["directory"], args[args.index("-o") + 1] + ".d")
    try:
        with open(depfile) as f:
            names = f.read().replace("\\\n", " ").split(":", 1)[1].split()
        return "\n".join("%s %d %d" % (n, s.st_size, s.st_mtime_ns)
                         for n, s in ((n, os.stat(n)) for n in names))
    except (OSError, IndexError):
        return None


def analyse(command, key, cache):
    """The analyser's output for one file, from the cache where it found
    nothing there before."""
    kept = os.path.join(cache, key) if key else None
    if kept and os.path.exists(kept):
        return "", True, True
    run = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if run.returncode == 0 and kept and not FINDING.search(run.stdout):
        open(kept, "w").close()
    return run.stdout, False, run.returncode == 0


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in PACKAGES:
        fail("usage: static_analysis.py clazy|clang-tidy <analyser> <build dir> <source dir>")
    kind, tool, build, source = sys.argv[1:]
    build, source = os.path.realpath(build), os.path.realpath(source)
    if shutil.which(tool) is None:
        fail("%s not found (package %s): the test command installs it; as root:\n"
             "  apt-get install --no-install-recommends %s" % (kind, PACKAGES[kind], PACKAGES[kind]))
    try:
        with open(os.path.join(build, "compile_commands.json")) as f:
            database = {e["file"]: e for e in json.load(f)}
    except OSError:
        fail("no compile_commands.json in %s: configure with CMAKE_EXPORT_COMPILE_COMMANDS=ON"
             % build)
    files = sources(source)
    missing = [f for f in files if os.path.join(source, f) not in database]
    if missing:
        fail("not compiled in %s, so not analysed: %s" % (build, " ".join(missing)))

    # Findings in the project's own files only, not in Qt's or generated ones.
    own = "^" + re.escape(source) + "/(core|ui|bench|fuzz)/"
    version = subprocess.run([tool, "--version"], stdout=subprocess.PIPE, text=True).stdout
    if kind == "clazy":
        print("clazy %s, %d checks: %s" % (re.search(r"clazy version (\S+)", version).group(1),
                                           len(CLAZY_CHECKS), " ".join(CLAZY_CHECKS)))
        print("not in tests and benchmarks:", " ".join(CLAZY_NOT_IN_TESTS))
        in_tests = [c for c in CLAZY_CHECKS if c not in CLAZY_NOT_IN_TESTS]

        def command(f):
            tests = "/tests/" in f or f.startswith("bench/")
            # The build's -Werror would stop at 20 findings a file.
            return [tool, "-p", build, "--checks=" + ",".join(in_tests if tests else CLAZY_CHECKS),
                    "--header-filter=" + own, "--ignore-dirs=^" + re.escape(build) + "/",
                    "--extra-arg=-Wno-error", os.path.join(source, f)]
        settings = ""
    else:
        config = os.path.join(source, ".clang-tidy")
        checks = subprocess.run([tool, "--list-checks", "--config-file=" + config],
                                stdout=subprocess.PIPE, text=True, check=True).stdout.split()[2:]
        print("clang-tidy %s, %d checks (.clang-tidy): %s"
              % (re.search(r"version (\S+)", version).group(1), len(checks), " ".join(checks)))

        def command(f):
            return [tool, "-p", build, "--quiet", "--header-filter=" + own,
                    "--config-file=" + config, os.path.join(source, f)]
        with open(config) as f:
            settings = f.read()

    cache = os.path.join(build, "static_analysis", kind)
    os.makedirs(cache, exist_ok=True)
    started = time.monotonic()
    jobs = {}
    with concurrent.futures.ThreadPoolExecutor(len(os.sched_getaffinity(0))) as pool:
        for f in files:
            entry = database[os.path.join(source, f)]
            deps = dependencies(entry)
            key = None if deps is None else hashlib.sha256("\0".join(
                [version, settings, " ".join(command(f)), entry["command"], deps]).encode()).hexdigest()
            jobs[f] = pool.submit(analyse, command(f), key, cache)
    outputs = [job.result() for job in jobs.values()]

    # A header's finding comes once from each file that includes it.
    findings = set()
    for output, _, _ in outputs:
        for line in output.splitlines():
            if FINDING.match(line):
                name = os.path.normpath(line.split(":", 1)[0])
                findings.add(os.path.relpath(name, source) + ":" + line.split(":", 1)[1])
    for finding in sorted(findings):
        print(finding)
    kept = sum(1 for _, from_cache, _ in outputs if from_cache)
    print("%s: %d findings in %d files (%d unchanged since their last clean run), %.0f s"
          % (kind, len(findings), len(files), kept, time.monotonic() - started))
    broken = [f for f, (_, _, ok) in zip(jobs, outputs) if not ok]
    if broken and not findings:
        print("".join(output for output, _, _ in outputs))
    if broken:
        print("%s failed on: %s" % (kind, " ".join(broken)))
    return 1 if findings or broken else 0


if __name__ == "__main__":
    sys.exit(main())
