#!/usr/bin/env python3
"""The cost of the 2000 ms refresh tick under Wine, in the platform mode that
bench/run.sh sets:

- tick_bench.exe calls the real tick handler of the real window on the real
  platform in a loop (painting included) and reports CPU and wall time per
  tick, and GDI objects, USER objects and memory before and after the loop;
  the Wine server's CPU time over the run is added from /proc, since every
  registry call is a round trip to it; once with steady figures and the
  memory page in front, once with the CPU page in front and a new load
  written before every tick, so that its pie and label repaint each time;
- velnor.exe itself is left idle for a minute and its CPU time (and the Wine
  server's) read from /proc.

Usage: bench/run.sh win98 bench/tick.py [ticks] [idle seconds]"""
import os
import subprocess
import sys
import tempfile
import time

from velnor_e2e import BUILD, MODE, PREFIX, Driver

CLOCK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    """User and system time of a Linux process, from /proc."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK


def processes(name):
    """Linux processes of this Wine prefix whose name starts with name (Wine
    names a program's process after its executable)."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/comm" % entry) as f:
                comm = f.read().strip()
            with open("/proc/%s/environ" % entry, "rb") as f:
                environ = f.read().split(b"\0")
        except OSError:
            continue
        if comm.startswith(name) and ("WINEPREFIX=" + PREFIX).encode() in environ:
            found.append(int(entry))
    return found


def wineserver():
    servers = processes("wineserver")
    return servers[0] if servers else None


def run_bench(ticks, page, vary):
    """tick_bench's output and the Wine server's CPU seconds over its run."""
    server = wineserver()
    server_before = cpu_seconds(server) if server else 0.0
    # Into a file, not a pipe: Wine's service processes, started with the
    # first program of a session, inherit the handles and outlive it.
    with tempfile.TemporaryFile() as out:
        run = subprocess.run(["wine", os.path.join(BUILD, "win", "tick_bench.exe"), str(ticks), str(page),
                              "1" if vary else "0"], stdout=out, stderr=subprocess.DEVNULL,
                             env=dict(os.environ, WINEPREFIX=PREFIX), timeout=600)
        out.seek(0)
        output = out.read().decode("cp932", "replace")
    if run.returncode != 0 or not output.startswith("ticks"):
        sys.exit("tick_bench failed: %s" % output)
    return output, (cpu_seconds(server) - server_before) if server else float("nan")


def tick_loop(ticks, page, vary):
    # The server's share of a tick: the difference between a long and a short
    # run, so that the program's start and end drop out.
    _, server_short = run_bench(10, page, vary)
    output, server_long = run_bench(ticks, page, vary)
    server_cpu = server_long - server_short
    figures = {}
    for line in output.splitlines():
        key, _, value = line.partition(" ")
        figures[key] = value
    print("tick loop (%s), %s ticks in the real window, page %d in front, %s:"
          % (MODE, figures["ticks"], page, "a new load every tick" if vary else "steady figures"))
    print("  program CPU per tick   %8.3f ms   (GetProcessTimes)" % float(figures["cpu_ms_per_tick"]))
    print("  Wine server CPU/tick   %8.3f ms   (/proc, %d ticks less 10)" % (server_cpu * 1000.0 / (ticks - 10), ticks))
    print("  wall time per tick     %8.3f ms   (writing the load not counted)" % float(figures["wall_ms_per_tick"]))
    for key in ("gdi", "user", "windows", "private_bytes", "working_set"):
        if key in figures:
            before, after = (int(v) for v in figures[key].split())
            print("  %-22s %10d -> %10d  (%+d)" % (key, before, after, after - before))
    print("  last Label21 %s, Memo4 %s, Gauge2 at %s"
          % (figures.get("label21"), figures.get("memo4"), figures.get("gauge2")))


def idle(seconds):
    driver = Driver()
    try:
        driver.start()
        time.sleep(5)  # past the start-up and the first ticks
        program = processes("velnor.exe")
        server = wineserver()
        if len(program) != 1:
            sys.exit("velnor.exe not found once in /proc: %r" % program)
        before = cpu_seconds(program[0]), cpu_seconds(server) if server else 0.0
        time.sleep(seconds)
        after = cpu_seconds(program[0]), cpu_seconds(server) if server else 0.0
        driver.close()
    finally:
        driver.quit()
    used, served = after[0] - before[0], after[1] - before[1]
    print("idle (%s), %d s, about %d ticks:" % (MODE, seconds, seconds // 2))
    print("  velnor.exe CPU   %.2f s  = %.3f %% of one core" % (used, 100.0 * used / seconds))
    print("  Wine server CPU  %.2f s  = %.3f %% of one core" % (served, 100.0 * served / seconds))


def main():
    ticks = int(sys.argv[1]) if len(sys.argv) > 1 else 1000
    seconds = int(sys.argv[2]) if len(sys.argv) > 2 else 60
    tick_loop(ticks, 1, False)  # the memory page in front
    tick_loop(ticks, 2, True)  # the CPU page in front, its pie repainted every tick
    if seconds > 0:
        idle(seconds)


if __name__ == "__main__":
    main()
