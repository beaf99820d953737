#!/usr/bin/env python3
"""Will velnor.exe load on Windows 95 and later, and run on their processors?

The Windows 9x loader refuses an image whose header asks for a newer system or
whose import table names a function the system DLL does not export, and a
processor stops a program at the first instruction it lacks. This check reads
the PE header and the import table and looks every import up in the tables
beside it (tables/*.tsv, each headed by its sources; see README.md), and
disassembles every executable section (processors.py):

  - PE32 for i386, GUI subsystem, subsystem and OS version 4.0, no delay imports;
  - base relocations that a loader placing the image elsewhere can apply:
    Windows 10 and later refuse to start an image without them where a user
    forces randomised addresses, and Windows 9x ignores them. The file header
    does not mark them stripped, DYNAMIC_BASE and NX_COMPAT are set, every
    block lies in the directory and names a page of the image, every fixup is
    HIGHLOW (or ABSOLUTE padding) and changes a word that holds an address
    inside the image;
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


IMAGE_FILE_RELOCS_STRIPPED = 0x0001
# The flags a loader that randomises addresses looks for: the image may be
# placed anywhere, and its data never run.
DLL_CHARACTERISTICS = [(0x0040, "DYNAMIC_BASE"), (0x0100, "NX_COMPAT")]
MACHINES = {0x14C: "i386", 0x8664: "x86-64"}
# winnt.h's IMAGE_REL_BASED_* names of the base relocations.
RELOCATION_TYPES = {0: "ABSOLUTE", 1: "HIGH", 2: "LOW", 3: "HIGHLOW", 4: "HIGHADJ", 10: "DIR64"}
# The one fixup a machine's images need, with the width of the address it
# changes: ld gives them no other, so any other kind in the table is a fault.
# ABSOLUTE only pads a block to a multiple of four bytes.
FIXUPS = {0x14C: (3, 4), 0x8664: (10, 8)}


class ImageError(Exception):
    pass


def read_image(data):
    """(header facts, [(dll, function or '#ordinal')], has delay imports)"""
    try:
        machine, sections, optional, optional_size, magic, characteristics = processors.pe_header(data)
    except ValueError as error:
        raise ImageError(str(error)) from None
    facts = {"machine": machine, "magic": magic, "characteristics": characteristics}
    if magic not in (0x10B, 0x20B):
        return facts, [], False
    wide = magic == 0x20B
    os_version = struct.unpack_from("<HH", data, optional + 40)
    subsystem_version = struct.unpack_from("<HH", data, optional + 48)
    image_size = struct.unpack_from("<I", data, optional + 56)[0]
    subsystem, dll_characteristics = struct.unpack_from("<HH", data, optional + 68)
    image_base = struct.unpack_from("<Q" if wide else "<I", data, optional + (24 if wide else 28))[0]
    first_directory = optional + (112 if wide else 96)
    directories = struct.unpack_from("<I", data, first_directory - 4)[0]
    directory = [struct.unpack_from("<II", data, first_directory + 8 * i) for i in range(min(directories, 16))]
    table = [struct.unpack_from("<IIII", data, optional + optional_size + 40 * i + 8) for i in range(sections)]
    facts.update(os=os_version, subsystem_version=subsystem_version, subsystem=subsystem,
                 dll_characteristics=dll_characteristics, image=(image_base, image_size))

    def offset(rva):
        for virtual_size, address, raw_size, raw_pointer in table:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_pointer
        raise ImageError("address %#x lies in no section" % rva)

    def string(rva):
        start = offset(rva)
        return data[start:data.index(b"\0", start)].decode("ascii", "replace")

    imports = []
    thunk, by_ordinal = ("<Q", 1 << 63) if wide else ("<I", 1 << 31)
    if len(directory) > 1 and directory[1][0]:
        descriptor = offset(directory[1][0])
        while True:
            lookup, _, _, name, address = struct.unpack_from("<IIIII", data, descriptor)
            if name == 0:
                break
            dll = string(name).upper()
            entry = offset(lookup or address)
            while True:
                value = struct.unpack_from(thunk, data, entry)[0]
                if value == 0:
                    break
                imports.append((dll, "#%d" % (value & 0xFFFF) if value & by_ordinal else string(value + 2)))
                entry += struct.calcsize(thunk)
            descriptor += 20
    delay = len(directory) > 13 and directory[13][1] != 0
    facts["relocation_directory"] = directory[5] if len(directory) > 5 else (0, 0)
    facts["relocations"] = read_relocations(data, facts["relocation_directory"], table, 8 if wide else 4)
    return facts, imports, delay


def read_relocations(data, directory, table, width):
    """[(block's address, page, size, [(type, address, value)])] of the
    base-relocation table, each address relative to the image base, read as
    far as the blocks fit in the directory; a fixup's value is the word of the
    given width it adds the image's displacement to, None where no section's
    data holds it. None for a directory that lies outside the sections' data."""

    def data_offset(rva, size):
        for virtual_size, address, raw_size, raw_pointer in table:
            if address <= rva and rva + size <= address + min(virtual_size or raw_size, raw_size):
                return rva - address + raw_pointer
        return None

    rva, size = directory
    start = data_offset(rva, size)
    if start is None:
        return None
    blocks = []
    at = 0
    while at < size:
        if size - at < 8:
            blocks.append((rva + at, None, size - at, []))
            break
        page, block_size = struct.unpack_from("<II", data, start + at)
        entries = []
        count = max(0, min(block_size, size - at) - 8) // 2
        for word in struct.unpack_from("<%dH" % count, data, start + at + 8):
            kind, fixup = word >> 12, page + (word & 0xFFF)
            where = data_offset(fixup, width)
            value = None if where is None else int.from_bytes(data[where:where + width], "little")
            entries.append((kind, fixup, value))
        blocks.append((rva + at, page, block_size, entries))
        if block_size < 8 or at + block_size > size:
            break
        at += block_size
    return blocks


def relocation_problems(facts):
    """What a loader that places the image at an address of its choosing
    would refuse or apply wrongly: Windows 10 and later do so for every image
    where a user forces randomised addresses, and refuse one without base
    relocations there. Windows 9x ignores all of it in an executable."""
    problems = []
    if facts["characteristics"] & IMAGE_FILE_RELOCS_STRIPPED:
        problems.append("the file header marks the relocations stripped")
    for flag, name in DLL_CHARACTERISTICS:
        if not facts["dll_characteristics"] & flag:
            problems.append("%s not set in the DLL characteristics" % name)
    rva, size = facts["relocation_directory"]
    blocks = facts["relocations"]
    if not rva or not size:
        return problems + ["no base relocations: the image cannot be placed at another address"]
    if blocks is None:
        return problems + ["the base relocations (%#x, %d bytes) lie outside the sections' data" % (rva, size)]
    image_base, image_size = facts["image"]
    fixup, width = FIXUPS[facts["machine"]]
    # One line for each kind of fault, with the first place it is found.
    faults = {}
    fixups = 0
    for at, page, block_size, entries in blocks:
        block = "base relocation block at %#x" % (image_base + at)
        if page is None:
            faults.setdefault("short", []).append("%s: %d bytes, less than a block's header" % (block, block_size))
            continue
        if block_size < 8 or block_size % 4:
            faults.setdefault("size", []).append("%s: size %d, not a multiple of 4 from 8 on" % (block, block_size))
        if at + block_size > rva + size:
            faults.setdefault("end", []).append("%s: its %d bytes run past the directory's end" % (block, block_size))
        if page % 0x1000 or page >= image_size:
            faults.setdefault("page", []).append("%s: page %#x, not a page of the image" % (block, page))
        for kind, address, value in entries:
            if kind == 0:
                continue
            place = "fixup at %#x" % (image_base + address)
            if kind != fixup:
                faults.setdefault("type", []).append("%s: type %s, where %s images have %s and ABSOLUTE only" % (
                    place, RELOCATION_TYPES.get(kind, kind), MACHINES[facts["machine"]], RELOCATION_TYPES[fixup]))
            elif value is None:
                faults.setdefault("place", []).append("%s: no section's data holds its %d bytes" % (place, width))
            elif not image_base <= value < image_base + image_size:
                faults.setdefault("value", []).append("%s: %#x, an address outside the image (%#x to %#x)" % (
                    place, value, image_base, image_base + image_size - 1))
            else:
                fixups += 1
    for found in faults.values():
        problems.append(found[0] + (" (and %d more like it)" % (len(found) - 1) if len(found) > 1 else ""))
    if not faults and not fixups:
        problems.append("the base relocations hold no fixup")
    return problems


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
    problems += relocation_problems(facts)
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
