#!/usr/bin/env python3
"""Will velnor.exe load on Windows 95 and later, and run on their processors?

The Windows 9x loader refuses an image whose header asks for a newer system or
whose import table names a function the system DLL does not export, and a
processor stops a program at the first instruction it lacks. This check reads
the PE header and the import table and looks every import up in the tables
beside it (tables/*.tsv, each headed by its sources; see README.md), and
disassembles every executable section (processors.py):

  - PE32 for i386, GUI subsystem, subsystem and OS version 4.0, no delay imports;
  - every import is listed for its DLL and exported since the target release
    (default 95osr2), is not a stub that fails at run time (unless accepted in
    tables/accepted_stubs.tsv), is not a Unicode function, and is by name;
  - functions newer than the target or missing on one family are bound at run
    time, never imported: RUN_TIME_ONLY below;
  - no instruction that the processor class (default p5, the Pentium) lacks;
    with the linker's map, each one found is named with its function.

Exit status 1 when the image would not load or run. Python 3 standard library
and binutils' objdump only.

    python3 loadcheck.py velnor.exe [--target 95osr2] [--cpu p5] [--map velnor.map]
"""
import argparse
import glob
import os
import struct
import subprocess
import sys

import processors

HERE = os.path.dirname(os.path.abspath(__file__))
RELEASES = ["95", "95osr2", "98fe", "98se", "me", "never"]
ALIASES = {"98": "98fe", "vc42": "95"}
# Functions the program binds with GetProcAddress because some Windows it
# supports lacks them: importing one would stop the program loading there.
RUN_TIME_ONLY = {
    "GetDiskFreeSpaceExA": "Windows 95 before OSR2 lacks it",
    "GlobalMemoryStatusEx": "Windows 9x lacks it",
    "IsWow64Process": "Windows 9x and NT 4 lack it",
    "MoveFileExA": "Windows 9x has it only as a function that fails",
    "QT_Thunk": "the NT family lacks it",
    "K32WOWCallback16Ex": "exported by ordinal only",
}


class ImageError(Exception):
    pass


def read_image(data):
    """(header facts, [(dll, function or '#ordinal')], has delay imports)"""
    try:
        machine, sections, optional, optional_size, magic = processors.pe_header(data)
    except ValueError as error:
        raise ImageError(str(error)) from None
    facts = {"machine": machine, "magic": magic}
    if magic != 0x10B:
        return facts, [], False
    os_version = struct.unpack_from("<HH", data, optional + 40)
    subsystem_version = struct.unpack_from("<HH", data, optional + 48)
    subsystem = struct.unpack_from("<H", data, optional + 68)[0]
    directories = struct.unpack_from("<I", data, optional + 92)[0]
    directory = [struct.unpack_from("<II", data, optional + 96 + 8 * i) for i in range(min(directories, 16))]
    table = [struct.unpack_from("<IIII", data, optional + optional_size + 40 * i + 8) for i in range(sections)]
    facts.update(os=os_version, subsystem_version=subsystem_version, subsystem=subsystem)

    def offset(rva):
        for virtual_size, address, raw_size, raw_pointer in table:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_pointer
        raise ImageError("address %#x lies in no section" % rva)

    def string(rva):
        start = offset(rva)
        return data[start:data.index(b"\0", start)].decode("ascii", "replace")

    imports = []
    if len(directory) > 1 and directory[1][0]:
        descriptor = offset(directory[1][0])
        while True:
            lookup, _, _, name, address = struct.unpack_from("<IIIII", data, descriptor)
            if name == 0:
                break
            dll = string(name).upper()
            entry = offset(lookup or address)
            while True:
                value = struct.unpack_from("<I", data, entry)[0]
                if value == 0:
                    break
                imports.append((dll, "#%d" % (value & 0xFFFF) if value & 0x80000000 else string(value + 2)))
                entry += 4
            descriptor += 20
    delay = len(directory) > 13 and directory[13][1] != 0
    return facts, imports, delay


def rows(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                yield line.rstrip("\n").split("\t")


def load_tables(directory):
    """{DLL: {function: (since, status)}}: the latest release of all tables
    that list a function wins, and a stub mark in any of them stays. Rows
    marked 'inferred' (no per-function Windows 95 source) are accepted."""
    known = {}

    def add(dll, name, since, status):
        since = ALIASES.get(since, since)
        if since not in RELEASES:
            raise ValueError("%s!%s: unknown release %r" % (dll, name, since))
        old = known.setdefault(dll, {}).get(name)
        if old:
            since = max(since, old[0], key=RELEASES.index)
            status = "stub" if "stub" in (status, old[1]) else ""
        known[dll][name] = (since, status)

    for path in sorted(glob.glob(os.path.join(directory, "*.tsv"))):
        base = os.path.basename(path)
        if base == "accepted_stubs.tsv":
            continue
        if base == "reviewed.tsv":
            for dll, name, since, status, *_ in rows(path):
                add(dll.upper(), name, since, status)
            continue
        dll = base.split(".")[0].upper() + ".DLL"
        for columns in rows(path):
            columns += [""] * (3 - len(columns))
            add(dll, columns[0], columns[1], columns[2])
    return known


def accepted_stubs(directory):
    path = os.path.join(directory, "accepted_stubs.tsv")
    return {columns[0] for columns in rows(path)} if os.path.exists(path) else set()


def check_image(path, known, accepted, target="95osr2"):
    """The reasons the image would not load on the target release, if any."""
    with open(path, "rb") as f:
        facts, imports, delay = read_image(f.read())
    problems = []
    if facts["machine"] != 0x14C or facts["magic"] != 0x10B:
        return ["not a PE32 image for i386"]
    if facts["subsystem"] != 2:
        problems.append("subsystem %d, not the GUI subsystem (2)" % facts["subsystem"])
    for field in ("subsystem_version", "os"):
        if tuple(facts[field]) != (4, 0):
            problems.append("%s version %d.%d, not 4.0" % ((field.replace("_", " "),) + tuple(facts[field])))
    if delay:
        problems.append("delay-load imports: the 9x loader does not know them")
    for dll, function in imports:
        where = "%s!%s" % (dll, function)
        if function.startswith("#"):
            problems.append("%s: imported by ordinal" % where)
            continue
        if function in RUN_TIME_ONLY:
            problems.append("%s: must be bound at run time (%s)" % (where, RUN_TIME_ONLY[function]))
            continue
        row = known.get(dll, {}).get(function)
        if row is None:
            problems.append("%s: no table lists it" % where)
            continue
        since, status = row
        if RELEASES.index(since) > RELEASES.index(target):
            problems.append("%s: exported only from Windows %s" % (where, since) if since != "never"
                            else "%s: no Windows 9x exports it" % where)
        elif where in accepted:
            continue
        elif status == "stub":
            problems.append("%s: a stub on Windows 9x that fails when called" % where)
        elif function.endswith("W") and dll in ("KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL"):
            problems.append("%s: a Unicode function; Windows 9x has the ANSI ones" % where)
    return problems


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("exe")
    parser.add_argument("--target", default="95osr2", choices=RELEASES[:-1])
    parser.add_argument("--tables", default=os.path.join(HERE, "tables"))
    parser.add_argument("--cpu", default="p5", choices=processors.CLASSES[:-1],
                        help="the processor class whose instructions are all the image may use")
    parser.add_argument("--map", help="the linker's map of the image, to name the function of each finding")
    args = parser.parse_args(argv)
    known = load_tables(args.tables)
    notes = []
    try:
        problems = check_image(args.exe, known, accepted_stubs(args.tables), args.target)
        found, notes = processors.check(args.exe, args.cpu, args.map)
        problems += found
    except (OSError, ImageError, ValueError, struct.error, subprocess.CalledProcessError) as error:
        problems = ["cannot read the image: %s" % error]
    for note in notes:
        print("NOTE %s: %s" % (args.exe, note))
    for problem in problems:
        print("FAIL %s: %s" % (args.exe, problem))
    print("%s %s (Windows %s and later, %s)" % ("NOT OK" if problems else "OK", args.exe, args.target,
                                                processors.NAMES[args.cpu]))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
