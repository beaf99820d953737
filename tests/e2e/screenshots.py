"""Starts velnor.exe, saves a PNG of the window on each of its pages, closes it.
Usage: screenshots.py DIRECTORY MODE [LOCALE] (run under Xvfb; scripts/run.sh
does). In a locale of another language than Japanese the files are named
after it too: win98-en_US-1-disk.png."""
import os
import subprocess
import sys

from velnor_e2e import Driver, wait_for

PAGES = ["disk", "memory", "cpu", "resources", "bios", "display", "user"]


def main():
    directory, mode = sys.argv[1], sys.argv[2]
    locale = sys.argv[3] if len(sys.argv) > 3 and sys.argv[3] else None
    driver = Driver(locale)
    stem = mode + ("-" + locale.split(".")[0] if locale else "")
    try:
        driver.start()
        # The first refresh tick, so that the memory page shows figures rather than its design texts.
        wait_for(lambda: driver.string("Memo4"), lambda text: text.endswith(" MB"), 10, "the memory figures")
        left, top, right, bottom = driver.rect("main")
        for index, page in enumerate(PAGES):
            if driver.tab(index) != index:
                sys.exit("page %d did not come to the front" % (index + 1))
            wait_for(lambda: driver("painted"), lambda answer: answer == "1", 5, "the page's paint")
            path = os.path.join(directory, "%s-%d-%s.png" % (stem, index + 1, page))
            geometry = "%dx%d+%d+%d" % (right - left, bottom - top, left, top)
            subprocess.run(["import", "-window", "root", "-crop", geometry, path], check=True)
            print(path)
        driver.close()
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
