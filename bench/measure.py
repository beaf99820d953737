#!/usr/bin/env python3
"""The benchmarks of one platform mode (bench/run.sh sets it), against Wine's
Task Manager where it is a peer:

- start-up: process start to the first figures on the screen, taking turns
  with Task Manager and with the floor (bench/startup_floor.cpp: one window
  and one text, the least a program of this kind does) and the floor with
  the common controls library loaded, median of the runs;
- the first showing of each page with its windows made on the spot, the
  worst case of a page shown before the program made it in idle time
  (first_show_bench.exe), against a later showing of the same page;
- idle cost: CPU seconds of each program (and of the Wine server) over a
  stretch with the window open, Velnor on its memory page, and each
  program's peak working set;
- one refresh tick: CPU time per tick of the real handler in the real window
  (tick_bench.exe), with steady figures on the memory page and with a new
  load every tick on the CPU page;
- the report: from the command line (velnor.exe /report FILE, and the
  inventory row of velnor.exe /csv FILE, process start
  to end, less the clock's 4000 ms measuring window), and copied from the
  window menu (the command handled, the window open after its first tick),
  medians of the runs;
- the executable's size (the product's only: the x86-64 test build leaves it
  out, and names it with what else it cannot stand in for);
- the clock measurement against the host's time-stamp-counter frequency
  (VELNOR_HOST_TSC, in hertz).

Writes its figures as JSON for bench/report.py.
Usage: bench/run.sh MODE bench/measure.py OUT.json [runs] [idle seconds] [ticks] [clock runs]"""
import os
import shutil
import statistics
import sys
import tempfile
import time

import benchlib
from velnor_e2e import ARCH, EXE, MODE, Driver, wait_for, windows_path

COPY_REPORT = 0x0100  # the window menu's command (ids::CopyReport)
CLOCK_WINDOW_MS = 4000


PROGRAMS = ("startup_floor", "startup_floor_comctl", "velnor", "taskmgr")
FIRST_SHOW_RUNS = 5


def start_ups(driver, runs):
    times = {p: [] for p in PROGRAMS}
    for run in range(runs):
        # Each program takes every place in the order in turn.
        turn = run % len(PROGRAMS)
        order = PROGRAMS[turn:] + PROGRAMS[:turn]
        for program in order:
            times[program].append(benchlib.start_up(driver, program))
            driver.close()
            # The last run's processes gone before the next one starts.
            wait_for(lambda: benchlib.processes(program + ".exe"), lambda found: not found, 10, "the last run's end")
    return {p: {"runs_ms": t, "median_ms": statistics.median(t)} for p, t in times.items()}


def idle(driver, program, seconds):
    benchlib.start_up(driver, program)
    if program == "velnor":
        driver.tab(1)  # the memory page, refreshed every tick
    pid = benchlib.one_process(program + ".exe")
    benchlib.wait_until_idle(pid)  # past the start-up
    server = benchlib.wineserver()
    before = benchlib.cpu_seconds(pid), benchlib.cpu_seconds(server)
    time.sleep(seconds)
    after = benchlib.cpu_seconds(pid), benchlib.cpu_seconds(server)
    peak = benchlib.peak_resident_bytes(pid)
    driver.close()
    return {
        "seconds": seconds,
        "cpu_s": after[0] - before[0],
        "server_cpu_s": after[1] - before[1],
        "peak_working_set": peak,
    }


def command_line(driver, runs, switch, name):
    """The milliseconds of runs of the program with a switch and a file."""
    folder = tempfile.mkdtemp(prefix="velnor-bench-")
    try:
        target = windows_path(os.path.join(folder, name))
        total = []
        for _ in range(runs):
            code, window, ms = driver.run('%s "%s"' % (switch, target))
            if code != 0 or window:
                sys.exit("%s from the command line failed: exit code %d, window %s" % (switch, code, window))
            total.append(ms)
    finally:
        shutil.rmtree(folder, True)
    return total


def report(driver, runs):
    total = command_line(driver, runs, "/report", "report.txt")
    # The inventory row, appended to one table run after run.
    rows = command_line(driver, runs, "/csv", "inventory.csv")
    driver.start()
    driver("tick", 1)
    copies = [float(driver("timed_syscommand", "main", COPY_REPORT)) for _ in range(runs)]
    driver.close()
    less_clock = [ms - CLOCK_WINDOW_MS for ms in total]
    return {"command_line_ms": total, "command_line_less_clock_median_ms": statistics.median(less_clock),
            "csv_ms": rows, "csv_less_clock_median_ms": statistics.median([ms - CLOCK_WINDOW_MS for ms in rows]),
            "copy_ms": copies, "copy_median_ms": statistics.median(copies)}


def clock(driver, runs, host_hz):
    driver.start()
    driver.tab(2)
    measured = [benchlib.measure_clock(driver) for _ in range(runs)]
    driver.close()
    errors = [hz / host_hz - 1.0 for hz in measured]
    return {"host_hz": host_hz, "measured_hz": measured, "worst_error": max(errors, key=abs)}


def main():
    out = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    seconds = int(sys.argv[3]) if len(sys.argv) > 3 else 60
    ticks = int(sys.argv[4]) if len(sys.argv) > 4 else 1000
    clock_runs = int(sys.argv[5]) if len(sys.argv) > 5 else 3
    host_hz = float(os.environ["VELNOR_HOST_TSC"])

    # Only the product's size means anything.
    figures = {"exe_bytes": os.path.getsize(EXE)} if ARCH == "i386" else {}
    skipped = [] if ARCH == "i386" else [("the executable's size", "the x86-64 test build is no product")]
    if MODE == "win98":
        skipped += [(part + " in the first showings", why) for part, why in benchlib.NINE_X_32_BIT_ONLY]
    driver = Driver()
    try:
        print("%s: start-up, %d runs each" % (MODE, runs), file=sys.stderr)
        figures["startup"] = start_ups(driver, runs)
        print("%s: idle, %d s each" % (MODE, seconds), file=sys.stderr)
        figures["idle"] = {p: idle(driver, p, seconds) for p in ("velnor", "taskmgr")}
        print("%s: report, %d runs" % (MODE, runs), file=sys.stderr)
        figures["report"] = report(driver, runs)
        print("%s: clock, %d runs" % (MODE, clock_runs), file=sys.stderr)
        figures["clock"] = clock(driver, clock_runs, host_hz)
    finally:
        driver.quit()
    print("%s: first showing of each page, %d runs" % (MODE, FIRST_SHOW_RUNS), file=sys.stderr)
    figures["first_show"] = benchlib.first_show_cost(FIRST_SHOW_RUNS)
    print("%s: tick, %d ticks" % (MODE, ticks), file=sys.stderr)
    figures["tick"] = {
        "steady": benchlib.tick_cost(ticks, 1, False),  # the memory page in front
        "new_load": benchlib.tick_cost(ticks, 2, True),  # the CPU page, its pie repainted every tick
    }
    benchlib.save(out, figures, skipped)


if __name__ == "__main__":
    main()
