#!/usr/bin/env python3
"""The closing count of the test command: for each test run, how many tests
passed, failed and were skipped, read from the JUnit file ctest wrote
(`ctest --output-junit`). CTest's own summary counts a skipped test as
passed; this count never does.

  test-count.py NAME=RESULTS.xml...

Exits 1 when a file is missing or records a failure.
"""

import sys
import xml.etree.ElementTree as ElementTree


def count(path):
    """(passed, failed, skipped) of one ctest run."""
    passed = failed = skipped = 0
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        if case.find("skipped") is not None or case.get("status") in ("notrun", "disabled"):
            skipped += 1
        elif case.find("failure") is not None or case.find("error") is not None or \
                case.get("status") == "fail":
            failed += 1
        else:
            passed += 1
    return passed, failed, skipped


def main(argv):
    ok = True
    totals = [0, 0, 0]
    width = max(len(arg.split("=", 1)[0]) for arg in argv) if argv else 0
    for arg in argv:
        name, path = arg.split("=", 1)
        try:
            counts = count(path)
        except (OSError, ElementTree.ParseError) as error:
            print("%-*s  no results (%s)" % (width, name, error))
            ok = False
            continue
        totals = [t + c for t, c in zip(totals, counts)]
        ok = ok and counts[1] == 0
        print("%-*s  %3d passed, %d failed, %d skipped" % ((width, name) + counts))
    print("%-*s  %3d passed, %d failed, %d skipped" % ((width, "all") + tuple(totals)))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
