"""Writes docs/robustness.md from the results of run_faults.py and
writes_check.py (build/faults/*.json). Usage: report.py DOC RESULT.json..."""
import collections
import json
import os
import sys

import fixtures as fx

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench"))
from machine import left_out, machine  # noqa: E402

MODE_NAMES = {"win98": "Windows 98 mode", "winxp": "Windows XP mode (NT family)"}
KIND_ORDER = [fx.TYPE_NAMES[t] for t in fx.TYPES] + ["odd value names", "no value", "no key"]


def compress(sizes):
    """[0, 1, 4, 5, 99, 100] -> '0–100' over the sizes written; gaps split ranges."""
    order = list(fx.SIZES)
    picked = sorted(set(sizes), key=order.index)
    groups, run = [], []
    for size in picked:
        if run and order.index(size) == order.index(run[-1]) + 1:
            run.append(size)
        else:
            if run:
                groups.append(run)
            run = [size]
    if run:
        groups.append(run)
    parts = []
    for group in groups:
        if len(group) == 1:
            parts.append(str(group[0]))
        elif len(group) == 2:
            parts.append("%d, %d" % (group[0], group[1]))
        else:
            parts.append("%d–%d" % (group[0], group[-1]))
    return ", ".join(parts)


def describe(entries):
    """entries: {(size, pattern): set of outcomes} of one location and type.
    Each outcome with the sizes (and, where not all patterns of a size gave
    it, the patterns) that gave it."""
    by_outcome = collections.defaultdict(set)
    for (size, pattern), outcomes in entries.items():
        for outcome in outcomes:
            by_outcome[outcome].add((size, pattern))
    lines = []
    for outcome, pairs in sorted(by_outcome.items(), key=lambda item: min(fx.SIZES.index(s) for s, _ in item[1])):
        whole = [size for size in fx.SIZES if any(s == size for s, _ in pairs) and
                 all((size, p) in pairs for (s, p) in entries if s == size)]
        partial = collections.defaultdict(list)
        for size, pattern in sorted(pairs, key=lambda pair: fx.SIZES.index(pair[0])):
            if size not in whole:
                partial[pattern].append(size)
        where = []
        if whole:
            where.append(compress(whole))
        for pattern in fx.PATTERNS:
            if partial.get(pattern):
                where.append("%s %s" % (pattern, compress(partial[pattern])))
        lines.append("%s: %s" % ("; ".join(where), outcome))
    return "<br>".join(lines)


def fixture_kind(fixture):
    if fixture["kind"] == "value":
        return fx.TYPE_NAMES[fixture["type"]]
    if fixture["kind"] == "name":
        return "odd value names"
    return fixture["kind"]


def gather(results):
    """{(location, kind): {mode: {(size, pattern): outcomes}}} and pass counts."""
    table = collections.defaultdict(lambda: collections.defaultdict(lambda: collections.defaultdict(set)))
    counts = collections.defaultdict(lambda: collections.defaultdict(lambda: [0, 0]))  # runs, passed
    for result in results:
        mode = result["mode"]
        for record in result["records"]:
            for ident, fixture in record["fixtures"].items():
                if fixture is None:
                    continue
                kind = fixture_kind(fixture)
                key = (fixture["size"], fixture["pattern"]) if fixture["kind"] in ("value", "name") else (None, None)
                table[(ident, kind)][mode][key].add(record["outcome"][ident])
                counts[(ident, kind)][mode][0] += 1
                counts[(ident, kind)][mode][1] += record["ok"]
            if record["note"].startswith("no key"):
                for location in fx.LOCATIONS:
                    if location.key in record["hidden"] or any(
                            location.key.lower().startswith(h.lower() + "\\") for h in record["hidden"]):
                        table[(location.ident, "no key")][mode][(None, None)].add(record["outcome"][location.ident])
                        counts[(location.ident, "no key")][mode][0] += 1
                        counts[(location.ident, "no key")][mode][1] += record["ok"]
    return table, counts


def cell(kind, entries):
    if kind in ("no value", "no key"):
        return "; ".join(sorted(set().union(*entries.values())))
    if kind == "odd value names":
        sizes = sorted(size for size, _ in entries)
        outcomes = sorted(set().union(*entries.values()))
        return "names of %s bytes: %s" % (", ".join(map(str, sizes)), "; ".join(outcomes))
    return describe(entries)


def fault_section(results):
    out = ["Each row: what the location's box showed, by size (and, where the patterns of a size differed, by "
           "pattern), as the reading rules give it; \"Runs passed\" counts the runs in which the location held "
           "such a fixture. The user page and CPU page boxes read one value into 255 bytes whatever its type; "
           "SystemBIOSVersion is binary data of at most 100 bytes whose first 99 are cut into lines at control "
           "bytes; the other BIOS values must be strings; the load must be 4 bytes of binary data.", ""]
    table, counts = gather(results)
    modes = [r["mode"] for r in results]
    out.append("| Location | Fixture | Mode | What the program showed (sizes in bytes as written) | Runs passed |")
    out.append("|---|---|---|---|---|")
    for location in fx.LOCATIONS:
        reading = [m for m in modes if m in location.reads]
        # Kinds, and modes, that showed the same share one row.
        rows = collections.OrderedDict()
        for kind in KIND_ORDER:
            per_mode = table.get((location.ident, kind))
            if not per_mode:
                continue
            by_text = collections.OrderedDict()
            for mode in reading:
                by_text.setdefault(cell(kind, per_mode[mode]), []).append(mode)
            for text, row_modes in by_text.items():
                group = kind in fx.TYPE_NAMES.values()
                row = rows.setdefault((text, tuple(row_modes), group if group else kind), [[], 0, 0])
                row[0].append(kind)
                row[1] += sum(counts[(location.ident, kind)][m][0] for m in row_modes)
                row[2] += sum(counts[(location.ident, kind)][m][1] for m in row_modes)
        for (text, row_modes, _), (kinds, runs, passed) in rows.items():
            out.append("| %s | %s | %s | %s | %d of %d |" % (
                location.title, ", ".join(kinds), ", ".join(row_modes), text, passed, runs))
    out.append("")
    for result in results:
        not_read = [location.title for location in fx.LOCATIONS if result["mode"] not in location.reads]
        out.append("Not read in %s, and holding every fixture above in turn without changing anything the "
                   "program showed: %s." % (MODE_NAMES[result["mode"]], "; ".join(not_read)))
        out.append("")
    return out


def summarise_noise(entries):
    """Wine's own changes, grouped by file, kind and the key's first components."""
    groups = collections.Counter()
    for entry in entries:
        parts = entry.split(" ")
        file_name, rest = parts[0], " ".join(parts[1:])
        for what in ("key time", "value changed", "value added", "value removed", "key added", "key removed"):
            if " %s" % what in rest:
                key = rest.split(" %s" % what)[0]
                value = rest.split(" %s" % what)[1].strip()
                break
        else:
            groups[entry] += 1
            continue
        head = "\\".join(key.replace("\\\\", "\\").split("\\")[:4])
        label = "%s: %s of %s%s" % (file_name, what, head, "\\…" if head != key.replace("\\\\", "\\") else "")
        if value:
            label += " (%s)" % value
        groups[label] += 1
    return ["%s%s" % (label, " ×%d" % n if n > 1 else "") for label, n in sorted(groups.items())]


def writes_section(writes):
    out = []
    for result in writes:
        mode = MODE_NAMES[result["mode"]]
        viewing, registering = result["viewing"], result["registering"]
        out.append("**%s** (%s):" % (mode, result["started"][:10]))
        out.append("")
        out.append("- Without registering: %s. Registry: %s. Files: %s." % (
            "passed" if viewing["ok"] else "FAILED",
            "no change" if not viewing["registry"] else "; ".join(viewing["registry"]),
            "; ".join(viewing["files"]) or "none created"))
        out.append("- Registering: %s. Registry: %s. Files: %s. Values written: %s." % (
            "passed" if registering["ok"] else "FAILED",
            "; ".join(line.replace("\\\\", "\\") for line in registering["registry"]),
            "; ".join(registering["files"]) or "none created or changed",
            ", ".join("%s = %s" % item for item in sorted(registering["written"].items()))))
        for key, label in (("reporting", "From the command line"), ("refused", "A refused registration")):
            part = result.get(key)
            if part is None:
                continue
            out.append("- %s: %s. Registry: %s. Files: %s." % (
                label, "passed" if part["ok"] else "FAILED",
                "; ".join(line.replace("\\\\", "\\") for line in part["registry"]) or "no change",
                "; ".join(part["files"]) or "none created or changed"))
            viewing["problems"] = viewing["problems"] + part["problems"]
        for problem in viewing["problems"] + registering["problems"]:
            out.append("- Problem: %s" % problem)
        out.append("- Set aside as Wine's own (seen in sessions of the test driver alone, %d registry entries; "
                   "the registry files themselves are compared by content): %s." % (
                       len(result["noise_registry"]), "; ".join(summarise_noise(result["noise_registry"]))))
        out.append("")
    return out


def main():
    doc = sys.argv[1]
    results, writes = [], []
    for path in sys.argv[2:]:
        with open(path) as f:
            data = json.load(f)
        (writes if "viewing" in data else results).append(data)
    order = {mode: i for i, mode in enumerate(fx.MODES)}
    results.sort(key=lambda r: order.get(r["mode"], 9))
    writes.sort(key=lambda r: order.get(r["mode"], 9))

    out = ["# Robustness", ""]
    out.append("Written by `make faults` (scripts/faults.sh), which runs the program under Wine in Windows 98 mode "
               "and in Windows XP mode, each in a fresh copy of the mode's prefix: `velnor.exe`, or on a host that "
               "runs no 32-bit programs the x86-64 test build of the same sources, which the machine line names. "
               "The figures below are from the last such run.")
    out.append("")
    out.append("Machine: %s." % machine(results + writes))
    out.append("")
    if left_out(results):
        out.append(left_out(results))
        out.append("")
    out.append("## Fault and bad-input runs")
    out.append("")
    out.append("Every registry location the program reads was given, in turn, values of the types REG_SZ, "
               "REG_DWORD, REG_BINARY, REG_MULTI_SZ and REG_NONE, each at %s bytes, each size in four byte "
               "patterns (at 0 bytes there is one, at %s bytes only *high*): *text*, printable ASCII with the backslash 0x5C among it, "
               "ending in a zero byte; *bytes*, 01 02 … FF 00 01 …, every byte value; *high*, 80 5C 81 5C … "
               "FF 5C, Shift-JIS lead bytes with 0x5C as the trail byte and bytes that lead nothing, with no "
               "zero byte; *zeros*. Then no value, and no key (the key renamed for one run, or for the "
               "statistics keys deleted), before the start and while the program runs. The two statistics switch keys also held values with odd names "
               "(high bytes and backslashes, %s bytes long)." % (
                   ", ".join(map(str, fx.SIZES)), " and ".join(map(str, fx.LARGE_SIZES)),
                   ", ".join(map(str, fx.NAME_LENGTHS))))
    out.append("")
    out.append("Each run starts the program, sends three ticks of the refresh timer (each handled before the "
               "next), and passes when no message box appears (the program's two messages, "
               "\"コンピュータ名を変更できません。\" and \"所有者名と組織名を変更できません。\", belong to "
               "refused registrations, so none may appear here), the "
               "process is still running, every box shows what the reading rules give for the values as Wine "
               "returns them (string types pass through Wine's code-page conversion on the way in and out, so "
               "their size as read can differ from the size written), and the program closes with exit code 0. "
               "Every %dth run also waits for one tick of the real 2-second timer, and every %dth shows the CPU, "
               "BIOS and user pages before closing, and every %dth registers under its fixtures with one field "
               "changed, by turns the computer name or the organisation: it passes when no message box appears "
               "and, of every location read, only the value the user changed differs afterwards, as typed. "
               "Reads that stand alone got a different fixture each in the "
               "same run; the four BIOS reads, which end at the first read that fails, got one location at a "
               "time while the others held sound values." % (40, 40, 10))
    out.append("")
    out.append("| Mode | Date | Runs | Passed | Real 2 s ticks | Page rounds | Registrations | "
               "Texts a box converted | Time |")
    out.append("|---|---|---|---|---|---|---|---|---|")
    for result in results:
        converted = sum(1 for r in result["records"] if r.get("converted"))
        registered = sum(1 for r in result["records"] if r.get("registered"))
        out.append("| %s | %s | %d | %d | %d | %d | %d | %d runs | %d min %02d s |" % (
            MODE_NAMES[result["mode"]], result["started"][:10], result["runs"], result["passed"],
            result["real_ticks"], result["page_rounds"], registered, converted, result["seconds"] // 60,
            result["seconds"] % 60))
    out.append("")
    failures = [(result["mode"], record) for result in results for record in result["records"] if not record["ok"]]
    if failures:
        out.append("Failed runs:")
        out.append("")
        for mode, record in failures:
            out.append("- %s run %d (%s): %s" % (mode, record["n"], record["note"], "; ".join(record["problems"])))
    else:
        out.append("All runs passed.")
    out.append("")
    gone = []
    for result in results:
        runs = [r for r in result["records"] if r["note"].endswith("gone while running")]
        if runs:
            gone.append("%d of %d in %s" % (sum(r["ok"] for r in runs), len(runs), MODE_NAMES[result["mode"]]))
    if gone:
        out.append("Keys taken away while the program runs: every key a location lies in was renamed away (the "
                   "statistics keys deleted) after the first three ticks of a run with sound values; three more "
                   "ticks followed, then the user page's refresh (Change, then Cancel) read its keys again. The "
                   "boxes that refresh fills had to show what the reading rules give without the key, every other "
                   "box what it showed before, and the rest as above; runs passed: %s." % "; ".join(gone))
        out.append("")
    out.append("\"Texts a box converted\": runs in which a text box gave back other bytes than the program put "
               "in. Wine's edit control keeps Unicode: a lead byte whose pair is no character (an unassigned "
               "code, a byte that cannot trail, or the end of the text) comes back as 81 45, \"・\", except that "
               "64-bit Wine drops a lead byte at the end of a text given to a box as it is made. So the "
               "expected texts went through an edit control of the same kind in the test driver, given them as "
               "the program's box is (a single-line box as it is made, a multi-line one after), before they "
               "were compared with what the program's boxes held.")
    out.append("")
    out.append("### What each location showed")
    out.append("")
    out.extend(fault_section(results))
    out.append("## Writes only what it may")
    out.append("")
    out.append("The prefix's registry files (system.reg, user.reg, userdef.reg, read after `wineserver -w`: keys, "
               "values and each key's time) and its whole file tree, with the program copied to "
               "C:\\Velnor, compared before and after one Wine session each: a run without registering (start, "
               "three ticks, all seven pages, one real tick, a clock measurement, editing and Cancel, close), "
               "eight runs from the command line in one session (`/report` alone, `/report` and `/csv` into "
               "a missing folder, and `/csv` onto a read-only file the check put there, which may write nothing; "
               "`/report \"C:\\Velnor\\レポート 1.txt\"`, `/report C:\\Velnor\\`, which names its file "
               "after the computer, and `/csv \"C:\\Velnor\\inventory.csv\"` twice, for one header and two "
               "rows, which may write only their own files), "
               "a run that registers a new owner (in Shift-JIS), organisation and computer name, and a run whose "
               "registration of a new owner the registry refuses (the owner key denies writing, as HKLM does to "
               "a user who is no administrator). What Wine changes by itself "
               "was learnt from sessions of the test driver alone and only those entries are set aside.")
    out.append("")
    out.extend(writes_section(writes))
    out.append("## Notes")
    out.append("")
    out.append(("- No run found a fault in the program. " if not failures and all(
        w["viewing"]["ok"] and w["registering"]["ok"] and w.get("refused", {"ok": True})["ok"]
        and w.get("reporting", {"ok": True})["ok"] for w in writes)
        else "- Failures are listed above. ") +
               "The telling cases (texts at the edge of the 255-byte buffer "
               "with 0x5C trail bytes, loads of every kind up to the 32-bit extremes, statistics keys with odd "
               "names and sizes, the BIOS step ending at its first failed read, keys renamed away) are also "
               "end-to-end tests (tests/e2e/test_bad_values.py), so that `make test` keeps them.")
    out.append("- Under Wine the statistics keys of HKEY_DYN_DATA open in both modes; only Windows 9x keeps "
               "them, so in Windows XP mode the program does not read them, and the load controls keep their "
               "design state whatever the keys hold.")
    out.append("- Wine 8's server fails as it ends after a volatile key (HARDWARE, HKEY_DYN_DATA) was renamed. "
               "The runs without a key come last in each mode, their results are written before the server is "
               "stopped, and the prefix copy is thrown away; the statistics keys, which are the program's "
               "alone, are deleted rather than renamed.")
    out.append("- Wine puts the host's name back into ComputerName\\ComputerName as each session starts, so the "
               "name the registering run left pending is gone by itself in the next session; the refused run is "
               "therefore compared with a session of the test driver alone after the registering run.")
    out.append("- Wine moves the time of the key Software\\Microsoft\\Windows NT\\CurrentVersion in every "
               "session, so in Windows XP mode that key's time is set aside: a rewrite of the owner values with "
               "the very same data would not show there, while any change to their data does.")
    with open(doc, "w") as f:
        f.write("\n".join(out).rstrip("\n") + "\n")
    print("wrote %s" % os.path.relpath(doc))


if __name__ == "__main__":
    main()
