#!/usr/bin/env python3
"""Start-up time of velnor.exe under Wine: from process start to the window on
the screen with the disk page's figures. Prints each run and the median.
Run through bench/run.sh, which prepares the prefix and Xvfb."""
import os
import statistics
import sys

from velnor_e2e import EXE, MODE, Driver, hexed, windows_path


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 10
    driver = Driver()
    times = []
    try:
        for _ in range(runs):
            times.append(float(driver("startup", hexed(windows_path(EXE)), hexed(windows_path(os.path.dirname(EXE))))))
            driver.close()
    finally:
        driver.quit()
    print("start-up (%s): %s ms; median %.1f ms over %d runs"
          % (MODE, " ".join("%.0f" % t for t in times), statistics.median(times), runs))


if __name__ == "__main__":
    main()
