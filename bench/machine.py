"""The machine a run was taken on, in one line, with the test bed its figures
come from: for docs/performance.md (bench/report.py) and docs/robustness.md
(tests/faults/report.py). The scripts set VELNOR_WINE to the Wine that ran
the program (scripts/wine-env.sh)."""
import datetime
import os
import platform
import subprocess

# By VELNOR_ARCH, as the runs record it.
BEDS = {"i386": "velnor.exe (32-bit) under Wine", "x86-64": "x86-64 test build under 64-bit Wine"}


def command(*args):
    try:
        return subprocess.run(args, capture_output=True, text=True, check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def bed(runs):
    """The test bed of runs (dicts with "mode" and "bed"), by mode where they differ."""
    by_mode = {}
    for run in runs:
        by_mode.setdefault(run["mode"], set()).add(BEDS.get(run.get("bed", "i386"), "unknown bed"))
    beds = set().union(*by_mode.values())
    if len(beds) == 1:
        return beds.pop()
    return ", ".join("%s: %s" % (mode, " and ".join(sorted(names))) for mode, names in by_mode.items())


def machine(runs):
    cpu = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as f:
        total_kib = int(f.readline().split()[1])
    distro = "unknown"
    if os.path.exists("/etc/os-release"):
        with open("/etc/os-release") as f:
            fields = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
        distro = fields.get("PRETTY_NAME", distro).strip('"')
    return ("%s, %d logical processors, %.0f GiB; %s, Linux %s; %s; Xvfb; %s; taken %s"
            % (cpu, os.cpu_count(), total_kib / 1048576, distro, platform.release(),
               command(os.environ.get("VELNOR_WINE", "wine"), "--version"), bed(runs),
               datetime.date.today().isoformat()))


def left_out(runs):
    """The parts the runs' test bed could not stand in for, one sentence, or
    None: what each run recorded under "skipped", with the modes it was
    skipped in."""
    modes = {}
    for run in runs:
        for part, why in run.get("skipped", []):
            modes.setdefault((part, why), []).append(run["mode"])
    if not modes:
        return None
    return ("Left out on this bed, since they need the 32-bit executable itself: %s."
            % "; ".join("%s (%s): %s" % (part, ", ".join(m), why) for (part, why), m in modes.items()))
