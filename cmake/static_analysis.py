#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs clazy or clang-tidy over every C++ file of core/, ui/, bench/ and
fuzz/ (headers through the files that include them) with a build tree's
compile commands. Prints the checks and each finding once; fails on any
finding, on a source the tree does not compile and on a missing analyser.
A clean file is analysed again only when it, a file it includes, its
command, the analyser or the checks change.

Usage: static_analysis.py clazy|clang-tidy <analyser> <its package> <build dir> <source dir>
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

# clazy's checks of levels 0, 1 and (as fit a Qt Widgets program) 2, by name,
# so that a newer clazy adds none unseen; not qstring-allocations, which
# QT_NO_CAST_FROM_ASCII already refuses.
CLAZY_CHECKS = """
connect-by-name connect-non-signal connect-not-normalized container-anti-pattern empty-qstringliteral
fully-qualified-moc-types lambda-in-connect lambda-unique-connection lowercase-qml-type-name
mutable-container-key overloaded-signal qcolor-from-literal qdatetime-utc qenums qfileinfo-exists qgetenv
qmap-with-pointer-key qstring-arg qstring-comparison-to-implicit-char qstring-insensitive-allocation
qstring-ref qt-macros strict-iterators temporary-iterator unused-non-trivial-variable
use-static-qregularexpression writing-to-temporary wrong-qevent-cast wrong-qglobalstatic

auto-unexpected-qstringbuilder child-event-qobject-cast connect-3arg-lambda const-signal-or-slot
detaching-temporary foreach incorrect-emit install-event-filter non-pod-global-static overridden-signal
post-event qdeleteall qhash-namespace qlatin1string-non-ascii qproperty-without-notify qstring-left
range-loop-detach range-loop-reference returning-data-from-temporary rule-of-two-soft skipped-base-method
virtual-signal

base-class-event copyable-polymorphic ctor-missing-parent-argument function-args-by-ref function-args-by-value
global-const-char-pointer implicit-casts missing-qobject-macro missing-typeinfo old-style-connect
returning-void-expression rule-of-three static-pmf virtual-call-ctor
""".split()
# Test frameworks register global objects (TEST_P, BENCHMARK), return void
# expressions (ASSERT_) and make Qt Test objects without a parent.
CLAZY_NOT_IN_TESTS = ["non-pod-global-static", "returning-void-expression",
                      "ctor-missing-parent-argument"]

FINDING = re.compile(r"^(\S+):(\d+):(\d+): (warning|error): ", re.MULTILINE)


def fail(text):
    sys.exit(text)


def sources(source):
    """The C++ files to analyse; *_windows.cpp need Windows' headers."""
    return sorted(os.path.relpath(os.path.join(folder, n), source)
                  for top in ("core", "ui", "bench", "fuzz")
                  for folder, _, names in os.walk(os.path.join(source, top))
                  for n in names if n.endswith(".cpp") and not n.endswith("_windows.cpp"))


def dependencies(entry):
    """Name, size and time of every file the compiler read; None without a .d file."""
    args = shlex.split(entry["command"])
    try:
        with open(os.path.join(entry["directory"], args[args.index("-o") + 1] + ".d")) as f:
            names = f.read().replace("\\\n", " ").split(":", 1)[1].split()
        return "\n".join("%s %d %d" % (n, s.st_size, s.st_mtime_ns)
                         for n, s in ((n, os.stat(n)) for n in names))
    except (OSError, IndexError, ValueError):
        return None


def analyse(command, key, cache):
    kept = os.path.join(cache, key) if key else None
    if kept and os.path.exists(kept):
        return "", True, True
    run = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if run.returncode == 0 and kept and not FINDING.search(run.stdout):
        open(kept, "w").close()
    return run.stdout, False, run.returncode == 0


def main():
    if len(sys.argv) != 6 or sys.argv[1] not in ("clazy", "clang-tidy"):
        fail("usage: static_analysis.py clazy|clang-tidy <analyser> <its package> <build dir> <source dir>")
    kind, tool, package, build, source = sys.argv[1:]
    build, source = os.path.realpath(build), os.path.realpath(source)
    if shutil.which(tool) is None:
        fail("%s not found: apt-get install --no-install-recommends %s" % (kind, package))
    try:
        with open(os.path.join(build, "compile_commands.json")) as f:
            database = {e["file"]: e for e in json.load(f)}
    except OSError:
        fail("no compile_commands.json in %s (CMAKE_EXPORT_COMPILE_COMMANDS=ON)" % build)
    files = sources(source)
    missing = [f for f in files if os.path.join(source, f) not in database]
    if missing:
        fail("not compiled in %s, so not analysed: %s" % (build, " ".join(missing)))

    own = "^" + re.escape(source) + "/(core|ui|bench|fuzz)/"
    version = subprocess.run([tool, "--version"], stdout=subprocess.PIPE, text=True).stdout
    if kind == "clazy":
        print("clazy %s, %d checks: %s" % (re.search(r"clazy version (\S+)", version).group(1),
                                           len(CLAZY_CHECKS), " ".join(CLAZY_CHECKS)))
        print("not in tests and benchmarks:", " ".join(CLAZY_NOT_IN_TESTS))
        in_tests = [c for c in CLAZY_CHECKS if c not in CLAZY_NOT_IN_TESTS]

        def command(f):
            tests = "/tests/" in f or f.startswith("bench/")
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
    with concurrent.futures.ThreadPoolExecutor(len(os.sched_getaffinity(0))) as pool:
        def submit(f):
            entry = database[os.path.join(source, f)]
            deps = dependencies(entry)
            key = deps and hashlib.sha256("\0".join(
                [version, settings, " ".join(command(f)), entry["command"], deps]).encode()).hexdigest()
            return pool.submit(analyse, command(f), key, cache)
        outputs = [job.result() for job in [submit(f) for f in files]]

    # A header's finding comes once from each file that includes it.
    findings = sorted({os.path.relpath(os.path.normpath(line.split(":", 1)[0]), source) + ":"
                       + line.split(":", 1)[1]
                       for output, _, _ in outputs for line in output.splitlines()
                       if FINDING.match(line)})
    print("\n".join(findings))
    kept = sum(1 for _, from_cache, _ in outputs if from_cache)
    print("%s: %d findings in %d files (%d unchanged since their last clean run), %.0f s"
          % (kind, len(findings), len(files), kept, time.monotonic() - started))
    broken = [f for f, (_, _, ok) in zip(files, outputs) if not ok]
    if broken:
        if not findings:
            print("".join(output for output, _, _ in outputs))
        print("%s failed on: %s" % (kind, " ".join(broken)))
    return 1 if findings or broken else 0


if __name__ == "__main__":
    sys.exit(main())
