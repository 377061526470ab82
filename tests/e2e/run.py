#!/usr/bin/env python3
"""Runs the end-to-end tests against a windows build tree.

    python3 tests/e2e/run.py [--windows-build build/windows] [--require-program] [-k PATTERN]

Exits non-zero when a test fails, when no test ran, or (with --require-program) when the
program has not been built.
"""

import argparse
import os
import sys
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parents[1]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--windows-build", default=str(REPO / "build" / "windows"),
                        help="build tree of the windows preset (holds the program and the inspector)")
    parser.add_argument("--artifacts", default=str(REPO / "build" / "e2e-artifacts"),
                        help="where each test keeps its screenshots and window dumps")
    parser.add_argument("--work-dir", default=str(REPO / "build" / "e2e-wine"),
                        help="where the Wine prefixes live")
    parser.add_argument("--require-program", action="store_true",
                        help="fail instead of skipping when the program is not built")
    parser.add_argument("-k", dest="patterns", action="append", default=[],
                        help="only tests whose name contains this text (repeatable)")
    args = parser.parse_args(argv)

    os.environ["VISTREL_WINDOWS_BUILD"] = str(Path(args.windows_build).resolve())
    os.environ["VISTREL_E2E_ARTIFACTS"] = str(Path(args.artifacts).resolve())
    os.environ["VISTREL_E2E_WORK"] = str(Path(args.work_dir).resolve())
    sys.path.insert(0, str(HERE))
    import harness  # after the environment is set

    for needed in ([harness.inspector_path()] +
                   ([harness.program_path(), harness.e2e_program_path()] if args.require_program else [])):
        if not needed.exists():
            print("e2e: missing %s: build the windows preset first" % needed, file=sys.stderr)
            return 1

    loader = unittest.TestLoader()
    if args.patterns:
        loader.testNamePatterns = ["*%s*" % p for p in args.patterns]
    suite = loader.discover(str(HERE), pattern="test_*.py", top_level_dir=str(HERE))
    try:
        result = unittest.TextTestRunner(verbosity=2).run(suite)
    finally:
        harness.close_session()

    # A skipped sub-test (a gamma check under Xvfb) leaves the rest of its test run.
    skipped = {test.id() for test, _ in result.skipped if not hasattr(test, "test_case")}
    failed = {getattr(test, "test_case", test).id() for test, _ in result.failures + result.errors}
    ran = result.testsRun - len(skipped)
    print("e2e: %d tests, %d passed, %d failed, %d skipped, %d checks skipped; artifacts in %s" % (
        result.testsRun, ran - len(failed), len(failed), len(skipped), len(result.skipped) - len(skipped),
        args.artifacts))
    if ran == 0:
        print("e2e: no test ran", file=sys.stderr)
        return 1
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
