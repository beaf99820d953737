"""Starts velnor.exe, saves a PNG of the window on each of its seven pages, closes it.
Usage: screenshots.py DIRECTORY MODE (run under Xvfb; scripts/run.sh does)."""
import os
import subprocess
import sys

from velnor_e2e import Driver

PAGES = ["disk", "memory", "cpu", "resources", "bios", "display", "user"]


def main():
    directory, mode = sys.argv[1], sys.argv[2]
    driver = Driver()
    try:
        driver.start()
        # One refresh tick, so that the pages show figures rather than design texts.
        driver("sleep", 2300)
        left, top, right, bottom = driver.rect("main")
        for index, page in enumerate(PAGES):
            driver.tab(index)
            driver("sleep", 300)
            path = os.path.join(directory, "%s-%d-%s.png" % (mode, index + 1, page))
            geometry = "%dx%d+%d+%d" % (right - left, bottom - top, left, top)
            subprocess.run(["import", "-window", "root", "-crop", geometry, path], check=True)
            print(path)
        driver.close()
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
