#!/usr/bin/env python3
"""One line on a Windows build's test runs, read from that run's own CTest log.

    scripts/suite-summary.py LastTest.log win32

The log is the one CTest wrote for this run (scripts/test.sh removes the old one first). For
each run the build makes (the suite, its second run at 144 DPI, the office read-back) the line
gives the count that run printed itself: the tests GoogleTest ran, the files LibreOffice read
back. A run missing from the log is "not run"; a run that printed no count says so. Exits 1
when a run is missing, failed or ran nothing, so that the caller can tell.
"""
import re
import sys


def sections(log):
    """Each test in the log: name -> (output, passed)."""
    found = {}
    for block in re.split(r"\n(?=\d+/\d+ Test: )", "\n" + log):
        head = re.match(r"\d+/\d+ Test: (\S+)", block)
        if not head:
            continue
        output = re.search(r"\nOutput:\n-+\n(.*?)<end of output>", block, re.S)
        found[head.group(1)] = (output.group(1) if output else "", "\nTest Passed." in block)
    return found


def gtest_count(output):
    ran = re.findall(r"\[==========\] (\d+) tests? from \d+ test suites? ran", output)
    return int(ran[-1]) if ran else None


def readback_count(output):
    done = re.findall(r"^(\d+) passed, (\d+) failed$", output, re.M)
    return int(done[-1][0]) + int(done[-1][1]) if done else None


def main():
    path, arch = sys.argv[1], sys.argv[2]
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            found = sections(f.read())
    except OSError as e:
        print("no CTest log of this run (%s)" % e.strerror)
        return 1
    runs = [(arch, "suite", gtest_count, "tests"),
            (arch + "_dpi144", "at 144 DPI", gtest_count, "tests"),
            ("office_readback", "office read-back", readback_count, "files")]
    parts = []
    sound = True
    for name, what, count_of, unit in runs:
        if name not in found:
            parts.append("%s not run" % what)
            sound = False
            continue
        output, passed = found[name]
        count = count_of(output)
        state = "" if passed else " FAILED"
        if count is None:
            parts.append("%s%s, no count printed" % (what, state))
            sound = False
        else:
            parts.append("%s %d %s%s" % (what, count, unit, state))
            sound = sound and passed and count > 0
    print(", ".join(parts))
    return 0 if sound else 1


if __name__ == "__main__":
    sys.exit(main())
