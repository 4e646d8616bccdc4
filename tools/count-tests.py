#!/usr/bin/env python3
"""Counts the test cases of one ctest run: `count-tests.py CTEST_LOG [XML_DIR]`.

A ctest test that is one GoogleTest case (the native suites) or one script
or fuzz run counts once. A ctest test that runs a whole GoogleTest executable
(the Windows suite) counts its cases from the XML report the executable
wrote to XML_DIR/<test name>.xml; when it wrote none (it crashed), or the
report shows no failure although ctest saw one, it counts as one failure.
Prints "PASSED FAILED SKIPPED"; exits 1 when the log shows no ctest run."""
import os
import re
import sys
import xml.etree.ElementTree as ET

RESULT = re.compile(r"^\s*\d+/\d+ Test\s+#\d+: (\S+) \.*\s*(\*+)?(Passed|Failed|Skipped|Not Run|Timeout|Exception|[A-Za-z ]+?)\b")


def xml_counts(path):
    passed = failed = skipped = 0
    for case in ET.parse(path).getroot().iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        elif case.get("result") == "skipped" or case.find("skipped") is not None or case.get("status") == "notrun":
            skipped += 1
        else:
            passed += 1
    return passed, failed, skipped


def main():
    log = open(sys.argv[1], encoding="utf-8", errors="replace").read()
    xml_dir = sys.argv[2] if len(sys.argv) > 2 else None
    if not re.search(r"^\d+% tests passed, \d+ tests? failed out of [1-9]\d*", log, re.M):
        print("0 0 0")
        return 1
    passed = failed = skipped = 0
    for line in log.splitlines():
        m = RESULT.match(line)
        if not m:
            continue
        name, outcome = m.group(1), m.group(3)
        report = os.path.join(xml_dir, name + ".xml") if xml_dir else None
        if report and os.path.exists(report):
            p, f, s = xml_counts(report)
            if outcome != "Passed" and outcome != "Skipped" and f == 0:
                f = 1
            passed, failed, skipped = passed + p, failed + f, skipped + s
        elif outcome == "Passed":
            passed += 1
        elif outcome == "Skipped":
            skipped += 1
        else:
            failed += 1
    print(passed, failed, skipped)
    return 0


if __name__ == "__main__":
    sys.exit(main())
