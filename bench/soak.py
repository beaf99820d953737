#!/usr/bin/env python3
"""Soak of one platform mode (bench/run.sh sets it), against the real program
with its window open:

- 10,000 refresh ticks sent as the refresh timer's own message (the
  program's 2000 ms timer keeps running beside them); the figures stay the
  same, so they paint almost nothing;
- 5,000 painting ticks, each of which changes what the page in front shows:
  before it, the processor load in the statistics changes (Windows 98 mode
  reads it), the test driver takes or gives back 16 MB of memory (the memory
  page's figures), and the next of the seven pages comes to the front by a
  click on its tab; each tick is painted before the next;
- 200 page switches and 50 clock measurements;
- before all these, right after the start: the first showing of every page
  (the pages not in front get their windows after the start), then ten
  rounds of all seven pages.

The program's GDI objects, windows, kernel handles and committed private
memory are sampled after the warm-up and then every 1,000 ticks, 500
painting ticks, 50 switches and 10 measurements; none may grow over the
second half of a run. The first showings are sampled at the start, after
each page and after one, three and ten more rounds; nothing may grow after
the first round but the heap, by one step of 64 KiB. A counter hooked into
the program's GUI thread counts the WM_PAINT messages its windows receive, so
each stretch shows the paints it caused.
Writes the samples as JSON for bench/report.py; fails on growth, and when
the program does not end with code 0.
Usage: bench/run.sh MODE bench/soak.py OUT.json [ticks] [switches] [measurements] [painting ticks]"""
import os
import sys

import benchlib
from velnor_e2e import MODE, Driver

PAGES = 7
WARM_UP_SWITCHES = 100
# Two rounds of the 101 loads the driver writes: every colour of the load
# scale, and every page many times, before the first sample.
PAINT_WARM_UP = 202
PAINT_STRETCH = 500
KEYS = ("gdi", "windows", "handles", "private")


def grown(samples):
    """The counts that end above where they stood halfway through the run. A
    leak grows with every step of the run; a cache of the window system may
    take a step once and then stays (the table shows every sample)."""
    middle, last = samples[len(samples) // 2], samples[-1]
    return [key for key in KEYS if last[key] > middle[key]]


# Wine's heap takes memory from the system in steps of 64 KiB.
HEAP_STEP = 64 * 1024


def grown_after_first_round(samples):
    """The counts that end above where they stood once every page had been
    shown and the first page was back in front. The heap may take one more
    step of its own somewhere in the rounds that follow and then stays (seen
    once in the first round, once after three rounds, never again over 500
    switches); a leak of a page switch grows on every round, and the other
    runs judge memory over their second half."""
    first_round, last = next(s for s in samples if s["at"] == PAGES), samples[-1]
    allowed = {"private": HEAP_STEP}
    return [key for key in KEYS if last[key] > first_round[key] + allowed.get(key, 0)]


def first_showings(driver):
    """Samples at the start, after the first showing of each page, and after
    one, three and ten rounds of all the pages; "at" counts the switches."""
    samples = [dict(benchlib.objects(driver), at=0)]
    for page in range(1, PAGES + 1):
        driver.tab(page % PAGES)
        samples.append(dict(benchlib.objects(driver), at=page))
    done = PAGES
    for rounds in (1, 3, 10):
        while done < PAGES * (rounds + 1):
            done += 1
            driver.tab(done % PAGES)
        samples.append(dict(benchlib.objects(driver), at=done))
    return samples


def main():
    out = sys.argv[1]
    ticks = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    switches = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    measurements = int(sys.argv[4]) if len(sys.argv) > 4 else 50
    painting = int(sys.argv[5]) if len(sys.argv) > 5 else 5000
    host_hz = float(os.environ["VELNOR_HOST_TSC"])
    results = {}
    driver = Driver()
    try:
        driver.start()
        driver("paints")  # hooks the paint counter into the program
        print("%s: first showings" % MODE, file=sys.stderr)
        results["first_showings"] = first_showings(driver)
        # Warm-up: every page shown a few times, a measurement and a few
        # ticks, so that fonts, brushes, the gauges' buffers and the caches of
        # the window system behind them exist before the first sample.
        for switch in range(WARM_UP_SWITCHES):
            driver.tab(switch % PAGES)
        driver.tab(2)
        benchlib.measure_clock(driver)
        driver.tab(1)
        driver("tick", 20)

        print("%s: %d ticks" % (MODE, ticks), file=sys.stderr)
        samples = [dict(benchlib.objects(driver), at=0)]
        for done in range(1000, ticks + 1, 1000):
            driver("tick", 1000)
            samples.append(dict(benchlib.objects(driver), at=done))
        results["ticks"] = samples

        print("%s: %d painting ticks" % (MODE, painting), file=sys.stderr)
        driver("paint_ticks", PAINT_WARM_UP)
        samples = [dict(benchlib.objects(driver), at=0)]
        for done in range(PAINT_STRETCH, painting + 1, PAINT_STRETCH):
            driver("paint_ticks", PAINT_STRETCH)
            samples.append(dict(benchlib.objects(driver), at=done))
        results["painting"] = samples

        print("%s: %d page switches" % (MODE, switches), file=sys.stderr)
        samples = [dict(benchlib.objects(driver), at=0)]
        for done in range(1, switches + 1):
            driver.tab(done % PAGES)
            if done % 50 == 0:
                samples.append(dict(benchlib.objects(driver), at=done))
        results["switches"] = samples

        print("%s: %d clock measurements" % (MODE, measurements), file=sys.stderr)
        driver.tab(2)
        samples = [dict(benchlib.objects(driver), at=0)]
        errors = []
        for done in range(1, measurements + 1):
            errors.append(benchlib.measure_clock(driver) / host_hz - 1.0)
            if done % 10 == 0:
                samples.append(dict(benchlib.objects(driver), at=done))
        results["measurements"] = samples
        results["clock_errors"] = [min(errors), max(errors)]
        results["closed"] = driver.close()
    finally:
        driver.quit()

    failures = {name: grown(results[name]) for name in ("ticks", "painting", "switches", "measurements")}
    failures["first_showings"] = grown_after_first_round(results["first_showings"])
    results["grown"] = {name: keys for name, keys in failures.items() if keys}
    benchlib.save(out, results, benchlib.NINE_X_32_BIT_ONLY if MODE == "win98" else ())
    if results["grown"]:
        sys.exit("%s: grew: %r" % (MODE, results["grown"]))
    if results["closed"] != 0:
        sys.exit("%s: the program ended with code %d" % (MODE, results["closed"]))


if __name__ == "__main__":
    main()
