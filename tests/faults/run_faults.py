"""Fault and bad-input runs under Wine, in the platform mode VELNOR_MODE.

For every registry location the program reads, values of every type and
size in every byte pattern (fixtures.py), no value and no key; for each run
the program starts, handles three refresh ticks (now and then a real one
and a round of page switches as well), and must show no message box, stay
alive, show what the reading rules predict, and close with exit code 0.

Reads that stand alone get a fixture each in the same run (each location a
different one, rotating); the four BIOS reads, which stop at the first one
that fails, get one at a time. A key is taken away (renamed, and renamed
back after) in a run of its own, and in another run while the program runs:
after three ticks the key goes, three more ticks follow, and the user page's
refresh (Change, then Cancel) reads its keys again.

Every tenth run also registers under its fixtures, changing one field only
(by turns the computer name or the organisation): no message box may
appear, and of every location read, only the value the user changed may
differ afterwards, written as typed.

Run it through scripts/faults.sh, which prepares the prefix and Xvfb and
keeps one Wine server for the whole mode (the HARDWARE and HKEY_DYN_DATA
fixtures live only as long as the server).
Usage: run_faults.py OUT.json [--limit N]"""
import argparse
import datetime
import json
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from velnor_e2e import ARCH, MODE, Driver, DriverError, hexed, note_skipped, unhexed  # noqa: E402

import fixtures as fx  # noqa: E402

TICK_LIMIT_MS = 10000  # a tick that shows a message box does not come back
REAL_TICK_EVERY = 40   # runs; such a run waits for one tick of the real 2 s timer
PAGES_EVERY = 40       # runs; such a run also shows the CPU, BIOS and user pages
REGISTER_EVERY = 10    # runs; such a run also registers one changed field
NAME_KEY = r"SYSTEM\CurrentControlSet\Control\ComputerName\ComputerName"
REAL_TICK_WAIT_MS = 2300
MULTI_LINE = {"NowName", "NowCompany", "Memo8"}
# The boxes the user page's refresh fills again.
REFRESHED = ("NowName", "NewName", "NowCompany", "NewCompany", "Edit3", "Edit4")
SINGLE_LINE = {"NewName", "NewCompany", "Edit3", "Edit4"}
HIDDEN_SUFFIX = ".velnor-hidden"
# What the x86-64 test build cannot show, by mode: (part, why).
NEEDS_32_BIT = {
    "win98": [("the BIOS page's ROM texts", "Wine maps the first megabyte, the ROM area, into 32-bit programs "
               "only: Memo8 showed its empty lines alone, and each run was held to the first run's")],
}


def hidden_keys():
    """The keys taken away, one per run: every key a location lies in."""
    keys = []
    for location in fx.LOCATIONS:
        if (location.root, location.key) not in keys:
            keys.append((location.root, location.key))
    return keys


class FaultRuns:
    def __init__(self, driver, mode):
        self.d = driver
        self.mode = mode
        self.hidden = []  # (root, key, its hidden path or None when deleted)
        self.records = []
        self.count = 0
        self.rom_memo = None

    # ----- fixtures -----
    def put(self, location, fixture):
        """Makes the location hold the fixture; None puts back its sound value."""
        d, root, key, value = self.d, location.root, location.key, location.value
        if location.any_value:
            # The switch reads every value of its key: the key holds the fixture alone.
            d.reg_delete_key(root, key)
        if fixture is None:
            type_, data = fx.BASELINE[location.ident]
            d.reg_set(root, key, value, type_, data)
        elif fixture.kind == "value":
            d.reg_set(root, key, value, fixture.type, fixture.data)
        elif fixture.kind == "no value":
            d.reg_set(root, key, value, fx.REG_BINARY, b"")
            d.reg_delete_value(root, key, value)
        elif fixture.kind == "name":
            d.reg_set(root, key, fixture.name_bytes, fixture.type, b"\0\0\0\0")
        else:
            raise ValueError(fixture.kind)

    def stored(self, location):
        """The value as the ANSI read returns it (Wine converts string types on
        the way in and out), or None."""
        return self.d.reg_get(location.root, location.key, location.value)

    def hide(self, root, key):
        """Takes a key away: renamed (keys of the system, links and all) or,
        for the statistics keys, which are ours alone, deleted; the next put
        of a sound value makes them again. Wine 8's server fails as it ends
        after a volatile key was renamed (HKEY_DYN_DATA's at once, HARDWARE's
        at the latest when it is stopped): these runs come last, and the
        prefix copy is thrown away."""
        if root == fx.HKDD:
            self.d.reg_delete_key(root, key)
            self.hidden.append((root, key, None))
            return
        parent, _, name = key.rpartition("\\")
        hidden_name = name + HIDDEN_SUFFIX
        if self.d("reg_rename", root, hexed(key), hexed(hidden_name)) != "renamed":
            raise DriverError("no key %s to take away" % key)
        self.hidden.append((root, key, parent + "\\" + hidden_name))

    def unhide_all(self):
        while self.hidden:
            root, key, renamed = self.hidden.pop()
            if renamed is None:
                continue
            # Wine makes some keys again when a program starts without them
            # (Windows NT\CurrentVersion\Time Zones): that copy goes.
            self.d.reg_delete_key(root, key)
            self.d("reg_rename", root, hexed(renamed), hexed(key.rpartition("\\")[2]))

    def open_keys(self):
        """The location keys that exist: none below a key taken away."""
        out = set()
        for location in fx.LOCATIONS:
            path = location.key.lower()
            if not any(root == location.root and (path == key.lower() or path.startswith(key.lower() + "\\"))
                       for root, key, _ in self.hidden):
                out.add(location.key)
        return out

    def take_away_midway(self, root, key):
        """What a run does after its first ticks to take a key away while the
        program runs: the key goes, three more ticks follow, and the user
        page's refresh reads its keys again. Returns what the boxes that
        refresh fills must show then."""
        def midway(expected):
            d = self.d
            self.hide(root, key)
            d("tick", 3, TICK_LIMIT_MS)
            d.tab(6)
            d.click("Change")
            d.click("Cancel")
            stored = {location.ident: self.stored(location) for location in fx.LOCATIONS}
            after, _ = fx.predict(self.mode, stored, self.open_keys())
            return dict(expected, **{control: after[control] for control in REFRESHED if control in after})
        return midway

    # ----- one run -----
    def run(self, assignment, note="", midway=None):
        """Starts the program with the locations as assigned (a fixture or None
        for the sound value) and checks it; midway, when given, acts after the
        first ticks and gives what the program must show then. Returns the
        record."""
        for ident, fixture in assignment.items():
            if not any(key == fx.BY_ID[ident].key for _, key, _ in self.hidden):
                self.put(fx.BY_ID[ident], fixture)
        stored = {location.ident: self.stored(location) for location in fx.LOCATIONS}
        expected, outcome = fx.predict(self.mode, stored, self.open_keys())
        self.count += 1
        real_tick = self.count % REAL_TICK_EVERY == 0
        pages = self.count % PAGES_EVERY == PAGES_EVERY // 2
        register = None
        if self.count % REGISTER_EVERY == REGISTER_EVERY // 2 and not self.hidden and midway is None:
            register = "name" if (self.count // REGISTER_EVERY) % 2 == 0 else "organisation"
        problems, shown, converted = self.exercise(expected, real_tick, pages, register, stored, midway)
        record = {
            "n": self.count,
            "note": note,
            "fixtures": {ident: (f.to_json() if f else None) for ident, f in assignment.items()},
            "hidden": [key for _, key, _ in self.hidden],
            "outcome": outcome,
            "real_tick": real_tick,
            "pages": pages,
            "registered": register,
            "converted": converted,
            "shown": shown,
            "ok": not problems,
        }
        if problems:
            record["problems"] = problems
            record["stored"] = {k: (None if v is None else [v[0], v[1].hex()]) for k, v in stored.items()}
        self.records.append(record)
        status = "ok" if not problems else "FAIL " + "; ".join(problems)
        print("%s %4d %-60s %s" % (self.mode, self.count, note[:60], status), flush=True)
        return record

    def register(self, field, stored_before):
        """Registers with one field changed; the problems seen."""
        d, problems = self.d, []
        typed = ("FAULT%04d" % self.count) if field == "name" else ("Changed Org %d" % self.count)
        d.tab(6)
        d.click("Change")
        d("settext", "NewPCName" if field == "name" else "NewCompany", hexed(typed))
        d.click("Touroku")
        texts = d.dialog()
        if texts is not None:
            problems.append("message box on registering: %r" % texts)
            d("dismiss")
        changed = fx.BY_ID["org9x" if self.mode == "win98" else "orgNt"] if field == "organisation" else None
        for location in fx.LOCATIONS:
            after = self.stored(location)
            want = (fx.REG_SZ, typed.encode("ascii") + b"\0") if location is changed else stored_before[location.ident]
            if after != want:
                problems.append("registering the %s changed %s: %r, expected %r" % (field, location.ident, after, want))
        if field == "name":
            got = d.reg_get(fx.HKLM, NAME_KEY, "ComputerName")
            if got is None or got[1].rstrip(b"\0") != typed.encode("ascii"):
                problems.append("the computer name reads %r after registering %s" % (got, typed))
        return problems

    def exercise(self, expected, real_tick, pages, register=None, stored=None, midway=None):
        """Returns the problems seen, the controls' texts and the controls whose
        bytes a text box gives back otherwise than they were put in."""
        d = self.d
        problems, shown, converted = [], {}, []

        def box(when):
            texts = d.dialog()
            if texts is not None:
                problems.append("message box %s: %r" % (when, texts))
            return texts

        try:
            d.start()
        except DriverError as e:
            problems.append("start: %s" % e)
            box("at start")
            d("kill")
            return problems, shown, converted
        try:
            box("after start")
            d("tick", 3, TICK_LIMIT_MS)
            box("after three ticks")
            if real_tick:
                d("sleep", REAL_TICK_WAIT_MS)
                box("after a real tick")
            if midway:
                expected = midway(expected)
                box("after the key went")
            if pages:
                for index in (2, 4, 6, 0):
                    if d.tab(index) != index:
                        problems.append("page %d did not come to the front" % index)
                box("after the page switches")
            for control, want in expected.items():
                if control == "Gauge6":
                    got = d.gauge(control)[0]
                    shown[control] = got
                else:
                    got = d.text(control)
                    shown[control] = got.hex()
                    if control in MULTI_LINE or control in SINGLE_LINE:
                        kind = "multi" if control in MULTI_LINE else "single"
                        boxed = unhexed(d("through_edit", kind, hexed(want)))
                        if boxed != want:
                            converted.append(control)
                        want = boxed
                if got != want:
                    problems.append("%s shows %r, expected %r" % (control, got, want))
            if "Memo8" not in expected:
                # The ROM texts of Windows 9x: what the first run showed, every time.
                memo = d.text("Memo8")
                shown["Memo8"] = memo.hex()
                if self.rom_memo is None:
                    self.rom_memo = memo
                elif memo != self.rom_memo:
                    problems.append("Memo8 shows %r, the first run %r" % (memo, self.rom_memo))
            if register:
                problems.extend(self.register(register, stored))
            if not d.running():
                problems.append("the program ended by itself")
                return problems, shown, converted
            code = d.close()
            if code != 0:
                problems.append("exit code %d" % code)
        except DriverError as e:
            problems.append(str(e))
            box("after a failed step")
            d("kill")
        return problems, shown, converted


def plan(mode, limit=None):
    """The runs of a mode: (assignment, note) pairs."""
    free = [location for location in fx.LOCATIONS if location.ident not in fx.BIOS_CHAIN]
    chain = [fx.BY_ID[ident] for ident in fx.BIOS_CHAIN]
    # Where the BIOS values are not read they rotate with the others.
    passes = chain if mode in chain[0].reads else [None]
    rotating = free if passes != [None] else free + chain
    runs = []
    for pass_index, under_test in enumerate(passes):
        lists = {location.ident: fx.fixtures_for(location) for location in rotating}
        if under_test is not None:
            lists[under_test.ident] = fx.fixtures_for(under_test)
        length = max(len(fixtures) for fixtures in lists.values())
        for r in range(length):
            assignment = {}
            for offset, ident in enumerate(sorted(lists)):
                fixtures = lists[ident]
                # Each location a different fixture in one run; each pass starts elsewhere.
                shift = 0 if under_test is not None and ident == under_test.ident else 7 * offset + 3 * pass_index
                assignment[ident] = fixtures[(r + shift) % len(fixtures)]
            if under_test is not None:
                for location in chain:
                    if location is not under_test:
                        assignment[location.ident] = None
            lead = under_test or free[0]
            runs.append((assignment, "%s: %s" % (lead.ident, assignment[lead.ident].label())))
    return runs[:limit] if limit else runs


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--limit", type=int, help="only so many fixture runs (a quick look)")
    args = parser.parse_args()

    began = time.monotonic()
    started_at = datetime.datetime.now().astimezone()
    d = Driver()
    runs = FaultRuns(d, MODE)
    version = d("version")
    sound = {location.ident: None for location in fx.LOCATIONS}
    try:
        runs.run(sound, "all values sound")
        for assignment, note in plan(MODE, args.limit):
            runs.run(assignment, note)
        # Each key taken away in turn, every value sound.
        for root, key in hidden_keys():
            for location in fx.LOCATIONS:
                runs.put(location, None)
            runs.hide(root, key)
            runs.run({}, "no key %s\\%s" % (root, key))
            runs.unhide_all()
        # Each key taken away while the program runs, between two ticks.
        for root, key in hidden_keys():
            for location in fx.LOCATIONS:
                runs.put(location, None)
            runs.run({}, "key %s\\%s gone while running" % (root, key), runs.take_away_midway(root, key))
            runs.unhide_all()
        runs.run(sound, "all values sound again")
    finally:
        d.quit()
    elapsed = time.monotonic() - began
    failed = [r for r in runs.records if not r["ok"]]
    result = {
        "mode": MODE,
        "bed": ARCH,
        "skipped": note_skipped(NEEDS_32_BIT.get(MODE, [])),
        "version": version,
        "started": started_at.isoformat(timespec="seconds"),
        "seconds": round(elapsed, 1),
        "runs": len(runs.records),
        "passed": len(runs.records) - len(failed),
        "real_ticks": sum(1 for r in runs.records if r["real_tick"]),
        "page_rounds": sum(1 for r in runs.records if r["pages"]),
        "records": runs.records,
    }
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "w") as f:
        json.dump(result, f, indent=0)
    print("%s: %d runs, %d passed, %.0f s" % (MODE, result["runs"], result["passed"], elapsed), flush=True)
    return 0 if not failed else 1


if __name__ == "__main__":
    sys.exit(main())
