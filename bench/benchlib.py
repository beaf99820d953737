"""What the benchmark and soak scripts share: CPU time and peak memory of
Wine's processes read from /proc, the tick loop of tick_bench.exe, the
velnor.exe and Task Manager launches, and the clock measurement."""
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

from velnor_e2e import ARCH, EXE, MODE, PREFIX, WIN, WINE, hexed, note_skipped, wait_for, windows_path

CLOCK = os.sysconf("SC_CLK_TCK")
TASKMGR = "C:\\windows\\system32\\taskmgr.exe"
# The bare window that start-up is measured against (bench/startup_floor.cpp),
# and the same with the common controls library loaded, as velnor.exe loads it.
FLOORS = {name: os.path.join(os.path.dirname(EXE), name + ".exe")
          for name in ("startup_floor", "startup_floor_comctl")}
WAITING = " 只今・・・計測中！"


def cpu_seconds(pid):
    """User and system time of a Linux process, from /proc."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK


def peak_resident_bytes(pid):
    """The most memory the process has held resident: its peak working set."""
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) * 1024
    raise RuntimeError("no VmHWM for %d" % pid)


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


def wait_until_idle(pid, quiet=1.0, within=15.0):
    """Waits until a process has used no CPU time for `quiet` seconds."""
    began = time.monotonic()
    last, since = cpu_seconds(pid), time.monotonic()
    while time.monotonic() - since < quiet:
        if time.monotonic() - began > within:
            raise RuntimeError("process %d still busy after %.0f s" % (pid, within))
        time.sleep(0.1)
        now = cpu_seconds(pid)
        if now != last:
            last, since = now, time.monotonic()


def one_process(name):
    found = processes(name)
    if len(found) != 1:
        sys.exit("%s not found once in /proc: %r" % (name, found))
    return found[0]


def wineserver():
    servers = processes("wineserver")
    return servers[0] if servers else None


def start_up(driver, program):
    """Milliseconds from process start to the program's first figures (the
    floor: its one text) painted; the program is left running."""
    if program == "velnor":
        return float(driver("startup", hexed(windows_path(EXE)), hexed(windows_path(os.path.dirname(EXE))), "velnor"))
    if program in FLOORS:
        floor = FLOORS[program]
        return float(driver("startup", hexed(windows_path(floor)), hexed(windows_path(os.path.dirname(floor))),
                            "floor"))
    return float(driver("startup", hexed(TASKMGR), hexed(os.path.dirname(TASKMGR)), "peer"))


def objects(driver):
    """GDI objects, windows, kernel handles and committed private bytes of the
    running program, its GDI objects by type where they were counted in its
    table, and the paints its windows received since the paint counter was
    hooked in (driver("paints") once hooks it in)."""
    fields = driver("objects").split()
    gdi, windows, private = (int(v) for v in fields[:3])
    kinds = dict(item.split(":") for item in fields[3].split(",") if item) if len(fields) > 3 else {}
    return {"gdi": gdi, "windows": windows, "handles": int(driver("handles")), "private": private,
            "paints": int(driver("paints")), "gdi_types": kinds}


def measure_clock(driver, timeout=30):
    """One click on the measuring panel (the CPU page in front); the measured
    frequency in hertz."""
    driver.click("Keisoku")
    text = wait_for(lambda: driver.string("Memo7"), lambda shown: shown != WAITING, timeout, "the clock")
    match = re.fullmatch(r"([\d,]+(?:\.\d+)?) (GHz|MHz)", text)
    if match is None:
        raise RuntimeError("unexpected clock text %r" % text)
    return float(match.group(1).replace(",", "")) * (1e9 if match.group(2) == "GHz" else 1e6)


def run_windows_program(name, *arguments):
    """The output of one of the benchmark's own Windows programs."""
    # Into a file, not a pipe: Wine's service processes, started with the
    # first program of a session, inherit the handles and outlive it.
    with tempfile.TemporaryFile() as out:
        run = subprocess.run([WINE, os.path.join(WIN, name)] + [str(a) for a in arguments], stdout=out,
                             stderr=subprocess.DEVNULL, env=dict(os.environ, WINEPREFIX=PREFIX), timeout=600)
        out.seek(0)
        output = out.read().decode("cp932", "replace")
    if run.returncode != 0:
        sys.exit("%s failed: %s" % (name, output))
    return output


def first_show_cost(runs):
    """Per page, the median milliseconds of its first showing (its windows
    made on the spot) and of a later one, over several runs of the program."""
    times = {}
    for _ in range(runs):
        for line in run_windows_program("first_show_bench.exe").splitlines():
            showing, page, ms = line.split()
            times.setdefault(page, {}).setdefault(showing, []).append(float(ms))
    return {"runs": runs,
            "pages": {page: {showing: statistics.median(t) for showing, t in kinds.items()}
                      for page, kinds in times.items()}}


def run_tick_bench(ticks, page, vary):
    """tick_bench's figures and the Wine server's CPU seconds over its run."""
    server = wineserver()
    server_before = cpu_seconds(server) if server else 0.0
    output = run_windows_program("tick_bench.exe", ticks, page, "1" if vary else "0")
    if not output.startswith("ticks"):
        sys.exit("tick_bench failed: %s" % output)
    figures = {}
    for line in output.splitlines():
        key, _, value = line.partition(" ")
        figures[key] = value
    return figures, (cpu_seconds(server) - server_before) if server else float("nan")


def tick_cost(ticks, page, vary):
    """CPU milliseconds per tick of the program and of the Wine server. The
    server's share is the difference between a long and a short run, so that
    the program's start and end drop out."""
    _, server_short = run_tick_bench(10, page, vary)
    figures, server_long = run_tick_bench(ticks, page, vary)
    return {
        "ticks": ticks,
        "program_ms": float(figures["cpu_ms_per_tick"]),
        "server_ms": (server_long - server_short) * 1000.0 / (ticks - 10),
        "wall_ms": float(figures["wall_ms_per_tick"]),
    }


# What the x86-64 test build does not do in Windows 98 mode, so that figures
# taken with it leave it out: (part, why).
NINE_X_32_BIT_ONLY = [
    ("the resources page's free shares", "they come from the 16-bit USER and GDI through the thunk, and a 64-bit "
     "program has no way into 16-bit code"),
    ("the BIOS page's ROM texts", "Wine maps the first megabyte, the ROM area, into 32-bit programs only"),
]


def save(path, data, skipped=()):
    """Keeps the figures with the mode and the test bed they were taken on
    and the parts of the run (part, why) that the bed could not stand in for,
    which are also named for bench.sh's closing lines."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        json.dump(dict(data, mode=MODE, bed=ARCH, skipped=note_skipped(skipped)), f, indent=1)
