"""Runs end-to-end tests as `python3 -m unittest ARGS` does. The tests that
the x86-64 test build cannot run (they need the 32-bit executable itself) are
also written, one line each (mode, test, reason), to the file VELNOR_SKIPPED
names, for scripts/e2e.sh's closing lines."""
import os
import sys
import unittest

from velnor_e2e import MODE, NEEDS_32_BIT


class Result(unittest.TextTestResult):
    needs_32_bit = []

    def addSkip(self, test, reason):
        super().addSkip(test, reason)
        if reason.startswith(NEEDS_32_BIT):
            Result.needs_32_bit.append((test.id(), reason[len(NEEDS_32_BIT):]))


def main():
    program = unittest.main(module=None, argv=["e2e"] + sys.argv[1:], exit=False,
                            testRunner=unittest.TextTestRunner(resultclass=Result))
    log = os.environ.get("VELNOR_SKIPPED")
    if log:
        with open(log, "a") as out:
            for test, reason in Result.needs_32_bit:
                out.write("%s\t%s\t%s\n" % (MODE, test, reason))
    sys.exit(0 if program.result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
