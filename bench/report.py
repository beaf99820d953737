#!/usr/bin/env python3
"""Turns the JSON figures of bench/measure.py or bench/soak.py (one file per
platform mode) into a table, prints it, and puts it into docs/performance.md
in place of the section of the same kind, together with the machine and the
test bed it was taken on and what that bed left out, under the header below.
Usage: bench/report.py bench|soak FILE.json..."""
import json
import os
import re
import sys

from machine import left_out, machine

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
DOC = os.path.join(ROOT, "docs", "performance.md")
MODES = {"win98": "Windows 98 mode", "winxp": "NT mode (XP)", "win64": "NT mode (64-bit)"}
HEADER = """# Performance

What `make bench` and `make soak` measured, each section with the machine it
was taken on. Both run the real program under Wine and Xvfb in Windows 98
mode and in an NT mode: `velnor.exe`, or on a host that runs no 32-bit
programs the x86-64 test build of the same sources, leaving out (and naming)
what needs the 32-bit executable itself; each section's machine line names
the one that ran. Wine's own Task Manager is the peer for start-up, idle
cost and memory, and a bare program of one window and one text, built as
the program is, is the floor for start-up, both measured in the same run.
Rerun them to refresh the figures.
"""


PAGES = {"MemTab": "Memory", "CPUTab": "CPU", "ResTab": "Resources", "BIOSTab": "BIOS", "DisplayTab": "Display",
         "UserTab": "User"}


def ratio(ours, theirs):
    return "%.2f" % (ours / theirs) if theirs else "n/a"


def bench_section(runs):
    lines = ["## Benchmarks", "", "Machine: " + machine(runs) + ".", ""]
    if left_out(runs):
        lines += [left_out(runs), ""]
    for r in runs:
        s, idle, tick, clock, shows = r["startup"], r["idle"], r["tick"], r["clock"], r["first_show"]
        v, t = idle["velnor"], idle["taskmgr"]
        n = len(s["velnor"]["runs_ms"])
        floor, common, ours, peer = (s[p]["median_ms"]
                                     for p in ("startup_floor", "startup_floor_comctl", "velnor", "taskmgr"))
        lines += [
            "### " + MODES.get(r["mode"], r["mode"]), "",
            "| | Floor | Floor and common controls | Velnor | Task Manager | Velnor ÷ floor "
            "| Velnor ÷ Task Manager |",
            "|---|---:|---:|---:|---:|---:|---:|",
            "| Start-up to the first figures painted, median of %d runs in turn "
            "| %.0f ms | %.0f ms | %.0f ms | %.0f ms | %s | %s |"
            % (n, floor, common, ours, peer, ratio(ours, floor), ratio(ours, peer)),
            "",
            "| Showing a page, median of %d runs | %s |"
            % (shows["runs"], " | ".join(PAGES.get(p, p) for p in shows["pages"])),
            "|---|" + "---:|" * len(shows["pages"]),
            "| The first time, its windows made on the spot | %s |"
            % " | ".join("%.0f ms" % f["first"] for f in shows["pages"].values()),
            "| Again, made before | %s |" % " | ".join("%.0f ms" % f["again"] for f in shows["pages"].values()),
            "",
            "| | Velnor | Task Manager | Velnor ÷ Task Manager |",
            "|---|---:|---:|---:|",
            "| Idle CPU over %d s (Velnor on its memory page) | %.2f s = %.3f %% of a core | %.2f s = %.3f %% of a core | %s |"
            % (v["seconds"], v["cpu_s"], 100 * v["cpu_s"] / v["seconds"], t["cpu_s"], 100 * t["cpu_s"] / t["seconds"],
               ratio(v["cpu_s"], t["cpu_s"])),
            "| Wine server CPU over the same %d s | %.2f s | %.2f s | |"
            % (v["seconds"], v["server_cpu_s"], t["server_cpu_s"]),
            "| Peak working set | %.1f MiB | %.1f MiB | %s |"
            % (v["peak_working_set"] / 1048576, t["peak_working_set"] / 1048576,
               ratio(v["peak_working_set"], t["peak_working_set"])),
            "",
            "| Velnor alone | |",
            "|---|---:|",
        ]
        for name, label in (("steady", "steady figures, memory page in front"),
                            ("new_load", "a new load every tick, CPU page in front")):
            k = tick[name]
            lines.append("| One refresh tick, %s (%d ticks) | %.3f ms CPU (+ %.3f ms Wine server), %.3f ms wall |"
                         % (label, k["ticks"], k["program_ms"], k["server_ms"], k["wall_ms"]))
        rep = r["report"]
        lines += [
            "| The report from the command line, less the clock's 4000 ms, median of %d runs "
            "| %.0f ms (start-up: %.0f ms) |"
            % (len(rep["command_line_ms"]), rep["command_line_less_clock_median_ms"], s["velnor"]["median_ms"]),
            "| The report copied from the window menu, median of %d copies | %.1f ms |"
            % (len(rep["copy_ms"]), rep["copy_median_ms"]),
        ]
        if "csv_ms" in rep:
            lines.append("| The inventory row appended from the command line, less the clock's 4000 ms, median of %d "
                         "runs | %.0f ms |" % (len(rep["csv_ms"]), rep["csv_less_clock_median_ms"]))
        if "exe_bytes" in r:
            lines.append("| Executable, stripped | %d bytes = %.1f KiB |" % (r["exe_bytes"], r["exe_bytes"] / 1024))
        lines += [
            "| Clock: %s against the host's counter at %.3f MHz | worst relative error %+.4f %% |"
            % (", ".join("%.3f MHz" % (hz / 1e6) for hz in clock["measured_hz"]), clock["host_hz"] / 1e6,
               100 * clock["worst_error"]),
            "",
        ]
    lines += [
        "Start-up is counted from the process's creation until the window has painted",
        "its first figures (Velnor: the disk page's sizes; Task Manager: the figures",
        "in its status bar; the floor: its one text) and nothing of it waits for a",
        "paint. The floor (bench/startup_floor.cpp) registers one class, opens one",
        "window of Velnor's size and style and paints one text, built and linked as",
        "velnor.exe is; the second floor also loads the common controls library, as",
        "velnor.exe does for its tab control, and shows what that library alone",
        "costs. A page's first showing is timed inside the program from the",
        "switch until everything is painted, the windows it shows made on the spot",
        "(those of hidden controls wait), as when the page is picked before the",
        "program has made them in idle time; a page picked later was made already",
        "and costs what a later showing costs (the resources page refreshes on every",
        "showing). CPU time comes from",
        "/proc in 10 ms steps; the tick's from GetProcessTimes over the whole loop.",
        "The report from the command line is timed from the process's creation to",
        "its end, both counted as for the start-up; less the 4000 ms the clock is",
        "measured over, it still holds the wait for the clock's first edge (at most",
        "one tick of the system clock). The copy is the window menu's command sent",
        "to the open window and handled, clipboard included.",
        "The clock shows three decimals of a GHz: it rounds to 1 MHz, which is",
        "about 0.02 % either way at these speeds.",
        "",
    ]
    return "\n".join(lines)


def paint_rates(samples):
    """Paints per step between consecutive samples."""
    rates = []
    for before, after in zip(samples, samples[1:]):
        steps = after["at"] - before["at"]
        rates.append("%.1f" % ((after["paints"] - before["paints"]) / steps) if steps else "-")
    return " ".join(rates)


def soak_section(runs):
    lines = ["## Soak", "", "Machine: " + machine(runs) + ".", ""]
    if left_out(runs):
        lines += [left_out(runs), ""]
    lines += [
        "The real program with its window open; samples taken from outside. First,",
        "right after the start, every page's first showing (the pages not in front",
        "get their windows after the start), sampled after each page and after one,",
        "three and ten more rounds of all seven; nothing may grow after the first",
        "round but the heap, by one step of 64 KiB. Then, after a warm-up that shows",
        "the pages 100 times over and measures the clock once, the runs below, where",
        "nothing may grow over the second half.",
        "Refresh ticks are the timer's own message, sent in batches of 1,000, each",
        "handled before the next; their figures stay the same, so they paint little.",
        "Each painting tick changes what the page in front shows: before it the",
        "processor load in the statistics changes (read in Windows 98 mode only), the",
        "test driver takes or gives back 16 MB of memory, and the next of the seven",
        "pages comes to the front by a click on its tab; it is handled and painted",
        "before the next (202 of them warm up first). Paints are the WM_PAINT",
        "messages the program's windows received, taken from the queue or sent",
        "directly, counted by hooks the test driver sets into the program's GUI",
        "thread; a page switch and the tick after it are one step. GDI objects are",
        "counted in the process's GDI handle table and windows by enumeration",
        "(Wine's GetGuiResources answers 0); kernel handles are the process's",
        "entries in the system's handle list (Wine's GetProcessHandleCount answers",
        "0); private memory is the committed private regions of its address space.",
        ""]
    phases = (("first_showings", "page switches from the start, every page's first showing among them"),
              ("ticks", "refresh ticks"), ("painting", "painting ticks"), ("switches", "page switches"),
              ("measurements", "clock measurements"))
    for r in runs:
        lines += ["### " + MODES.get(r["mode"], r["mode"]), "",
                  "| Run | Samples at | Paints per step between samples | GDI objects | Windows | Kernel handles "
                  "| Private memory (KiB) | Grew |",
                  "|---|---|---|---|---|---|---|---|"]
        steps = []
        for key, label in phases:
            samples = r.get(key)
            if not samples:
                continue
            lines.append("| %d %s | %s | %s | %s | %s | %s | %s | %s |" % (
                samples[-1]["at"], label,
                " ".join(str(s["at"]) for s in samples),
                paint_rates(samples),
                " ".join(str(s["gdi"]) for s in samples),
                " ".join(str(s["windows"]) for s in samples),
                " ".join(str(s["handles"]) for s in samples),
                " ".join(str(s["private"] // 1024) for s in samples),
                ", ".join(r["grown"].get(key, [])) or "no"))
            first, last = samples[0].get("gdi_types", {}), samples[-1].get("gdi_types", {})
            changed = ["%s of type %s" % (int(last.get(t, 0)) - int(first.get(t, 0)), t)
                       for t in sorted(set(first) | set(last), key=int) if first.get(t) != last.get(t)]
            if changed:
                steps.append("%s: %s" % (label, ", ".join(changed)))
        low, high = r["clock_errors"]
        if steps:
            lines += ["", "GDI objects by type, last sample less first (Wine's types: 1 DC, 4 region,",
                      "5 bitmap, 10 font, 16 brush): " + "; ".join(steps) + "."]
        lines += ["", "Clock error over the measurements: %+.4f %% to %+.4f %%; the program closed with code %d."
                  % (100 * low, 100 * high, r["closed"]), ""]
    return "\n".join(lines)


def placed(text, kind, section):
    """The document text with section in place of the one of its kind (or
    after the others) and HEADER before the first section. The header is
    written every time, so that what it says follows this file rather than
    the run that first made the document; what follows the sections is kept."""
    first = text.find("<!--")
    text = HEADER + ("\n" + text[first:] if first >= 0 else "")
    begin, end = "<!-- %s -->" % kind, "<!-- /%s -->" % kind
    block = "%s\n%s\n%s" % (begin, section.rstrip("\n"), end)
    if begin in text and end in text:
        return re.sub(re.escape(begin) + ".*?" + re.escape(end), lambda _: block, text, flags=re.S)
    return text.rstrip("\n") + "\n\n" + block + "\n"


def main():
    kind, files = sys.argv[1], sys.argv[2:]
    runs = []
    for name in files:
        with open(name) as f:
            runs.append(json.load(f))
    section = (bench_section if kind == "bench" else soak_section)(runs)
    print(section)
    text = placed(open(DOC).read() if os.path.exists(DOC) else "", kind, section)
    os.makedirs(os.path.dirname(DOC), exist_ok=True)
    with open(DOC, "w") as f:
        f.write(text)


if __name__ == "__main__":
    main()
