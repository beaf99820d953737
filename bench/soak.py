#!/usr/bin/env python3
"""Soak of one platform mode (bench/run.sh sets it), against the real program
with its window open: 10,000 refresh ticks sent as the refresh timer's own
message (the program's 2000 ms timer keeps running beside them), 200 page
switches and 50 clock measurements. The program's GDI objects, windows and
committed private memory are sampled after the warm-up and then every 1,000
ticks, 50 switches and 10 measurements; none may grow over the second half
of a run.
Writes the samples as JSON for bench/report.py; fails on growth, and when
the program does not end with code 0.
Usage: bench/run.sh MODE bench/soak.py OUT.json [ticks] [switches] [measurements]"""
import os
import sys

import benchlib
from velnor_e2e import MODE, Driver

PAGES = 7
WARM_UP_SWITCHES = 100


def grown(samples):
    """The counts that end above where they stood halfway through the run. A
    leak grows with every step of the run; a cache of the window system may
    take a step once and then stays (the table shows every sample)."""
    middle, last = samples[len(samples) // 2], samples[-1]
    return [key for key in ("gdi", "windows", "private") if last[key] > middle[key]]


def main():
    out = sys.argv[1]
    ticks = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    switches = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    measurements = int(sys.argv[4]) if len(sys.argv) > 4 else 50
    host_hz = float(os.environ["VELNOR_HOST_TSC"])
    results = {}
    driver = Driver()
    try:
        driver.start()
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

    failures = {name: grown(results[name]) for name in ("ticks", "switches", "measurements")}
    results["grown"] = {name: keys for name, keys in failures.items() if keys}
    benchlib.save(out, results)
    if results["grown"]:
        sys.exit("%s: grew: %r" % (MODE, results["grown"]))
    if results["closed"] != 0:
        sys.exit("%s: the program ended with code %d" % (MODE, results["closed"]))


if __name__ == "__main__":
    main()
