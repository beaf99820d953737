"""Does an image run on the processors of its time? The instructions each
processor class lacks, and a disassembly of every executable section of a PE
image against them.

Only sections that the section table marks as code or executable are read, so
bytes in .rdata or .data that happen to spell an instruction never count. With
the linker's map the check also names the function around each instruction
and skips the data the linker itself places in .text (the constructor and
destructor lists, exception tables). Python 3 standard library and binutils'
objdump only.
"""
import os
import re
import struct
import subprocess
import tempfile

# The processor classes, oldest first. "p6" stands for everything from the
# Pentium Pro on; no class is held to it, it only collects what came later.
CLASSES = ["486", "p5", "p5mmx", "p6"]
NAMES = {"486": "a 486", "p5": "a Pentium", "p5mmx": "a Pentium MMX", "p6": "a Pentium Pro"}

SDM_1 = "Intel 64 and IA-32 Architectures Software Developer's Manual, Vol. 1"
SDM_2A = "Intel 64 and IA-32 Architectures Software Developer's Manual, Vol. 2A (253666-024US)"
SDM_2B = "Intel 64 and IA-32 Architectures Software Developer's Manual, Vol. 2B"
SDM_3A = "Intel 64 and IA-32 Architectures Software Developer's Manual, Vol. 3A"


def mnemonics(*names):
    """A matcher for mnemonics; a name ending in * stands for every mnemonic it begins."""
    def match(mnemonic, operands):
        return any(mnemonic.startswith(name[:-1]) if name.endswith("*") else mnemonic == name for name in names)
    return match


def registers(pattern, *names):
    """A matcher for any instruction on the given registers, or of the given mnemonics."""
    register = re.compile(pattern)
    named = mnemonics(*names)
    return lambda mnemonic, operands: bool(register.search(operands)) or named(mnemonic, operands)


def multi_byte_nop(mnemonic, operands):
    # 0F 1F takes an operand; the one-byte 90 has none, and 66 90 objdump
    # prints as xchg %ax,%ax: both are as old as the 8086.
    return mnemonic in ("nopl", "nopw") or (mnemonic == "nop" and operands != "")


# Each instruction group with the first processor class that has it and the
# document that says so. A class lacks every group whose first class comes
# after it, which gives the three rows the check knows:
#
#   486          lacks the groups from "p5" on. CPUID and RDTSC are among them:
#                velnor.exe runs them only after its own checks (the ID flag
#                of EFLAGS before CPUID, CPUID's TSC bit before RDTSC), so the
#                P5 verdict accepts them and notes each one for the 486.
#   P5           (Pentium, K5, 6x86) lacks the groups from "p5mmx" on; the row
#                velnor.exe is held to.
#   P5 with MMX  (Pentium MMX, K6, K6-2, K6-III) lacks the groups from "p6" on.
#
# UD2 (Pentium Pro) is not listed: its only purpose is the invalid-opcode
# fault, which an older processor raises for it just the same. PAUSE (F3 90)
# runs as a NOP on older processors, as its definition intends.
GROUPS = [
    ("p5", "CPUID", mnemonics("cpuid"),
     SDM_1 + ", 14.1.2: the ID flag shows CPUID on the Pentium and the later-version Intel486 only"),
    ("p5", "RDTSC", mnemonics("rdtsc"),
     SDM_3A + ", 2.6.6: RDTSC was introduced with the Pentium processor"),
    ("p5", "RDMSR, WRMSR", mnemonics("rdmsr", "wrmsr"),
     SDM_3A + ", 2.6.7: RDMSR and WRMSR were introduced with the Pentium processor"),
    ("p5", "CMPXCHG8B", mnemonics("cmpxchg8b"),
     SDM_2A + ", CMPXCHG8B, IA-32 Architecture Compatibility: not supported before the Pentium processors"),
    ("p5mmx", "MMX", registers(r"%mm[0-7]\b", "emms"),
     SDM_1 + ", 9 (9-1): MMX technology was introduced in the Pentium II family and the Pentium with MMX technology"),
    ("p5mmx", "RDPMC", mnemonics("rdpmc"),
     SDM_3A + ", 2.6.6: RDPMC was introduced with the Pentium Pro and the Pentium with MMX technology"),
    ("p6", "CMOVcc", mnemonics("cmov*"),
     SDM_2A + ", CMOVcc (3-120): introduced in P6 family processors"),
    ("p6", "FCMOVcc", mnemonics("fcmov*"),
     SDM_2A + ", FCMOVcc, IA-32 Architecture Compatibility: introduced in the P6 family processors"),
    ("p6", "FCOMI, FCOMIP, FUCOMI, FUCOMIP", mnemonics("fcomi", "fcomip", "fucomi", "fucomip"),
     SDM_2A + ", FCOMI/FCOMIP/FUCOMI/FUCOMIP (3-309): introduced in the P6 family processors"),
    ("p6", "multi-byte NOP (0F 1F)", multi_byte_nop,
     SDM_2B + ", NOP: the multi-byte form exists on processors of family 6 or 15 only"),
    ("p6", "SYSENTER, SYSEXIT, FXSAVE, FXRSTOR", mnemonics("sysenter", "sysexit", "fxsave*", "fxrstor*"),
     SDM_2B + ", SYSENTER: the fast system call facility of the Pentium II; FXSAVE and FXRSTOR came with it"),
    ("p6", "SSE and later (XMM/YMM/ZMM registers, MXCSR, fences, FISTTP, POPCNT, ...)",
     registers(r"%[xyz]mm\d", "ldmxcsr", "stmxcsr", "sfence", "lfence", "mfence", "clflush", "movnti",
               "prefetchnta", "prefetcht0", "prefetcht1", "prefetcht2", "fisttp*", "popcnt", "lzcnt", "tzcnt",
               "movbe", "crc32*", "rdtscp", "xsave*", "xrstor*", "rdrand", "rdseed", "syscall", "sysret",
               # SSE's own instructions on MMX registers (Vol. 1, 10.4.4)
               "pshufw", "movntq", "maskmovq", "pavgb", "pavgw", "pextrw", "pinsrw", "pmaxsw", "pmaxub",
               "pminsw", "pminub", "pmovmskb", "pmulhuw", "psadbw"),
     SDM_1 + ", 10.1: SSE was introduced in the Pentium III processor family; later extensions build on it"),
    ("p6", "3DNow!", mnemonics("femms", "prefetch", "prefetchw", "pf*", "pi2f*", "pavgusb", "pmulhrw"),
     "AMD 3DNow! Technology Manual (21928): the instructions the AMD-K6-2 added; no Pentium has them"),
]
# Prefixes that objdump prints before the mnemonic.
PREFIXES = {"lock", "rep", "repz", "repnz", "repe", "repne", "data16", "data32", "addr16", "addr32", "cs", "ds",
            "es", "fs", "gs", "ss", "bnd", "notrack"}
INSTRUCTION_LINE = re.compile(r"^\s*([0-9a-f]+):\s+(.*)$")
FILE_HEADER = re.compile(r"^(\S+\.bin):\s+file format binary$")
IMAGE_SCN_CNT_CODE = 0x20
IMAGE_SCN_MEM_EXECUTE = 0x20000000
# Input sections the linker places in .text that hold data, not code.
DATA_IN_TEXT = re.compile(r"^\.(ctors|dtors|ctor|dtor)(\..*)?$|^\.gcc_except_table")


def lacks(cpu):
    """The instruction groups the processor class lacks."""
    return [group for group in GROUPS if CLASSES.index(group[0]) > CLASSES.index(cpu)]


def group_of(instruction):
    """The group an instruction in objdump's AT&T syntax belongs to, if any."""
    words = instruction.split()
    while words and words[0] in PREFIXES:
        words.pop(0)
    if not words:
        return None
    mnemonic, operands = words[0], " ".join(words[1:])
    # The latest group that knows it: a 3DNow! or SSE instruction on MMX
    # registers needs more than MMX.
    found = [group for group in GROUPS if group[2](mnemonic, operands)]
    return max(found, key=lambda group: CLASSES.index(group[0])) if found else None


def pe_header(data):
    """(machine, section count, optional header's offset and size, its magic,
    the file header's characteristics) of a PE image; ValueError for anything
    else."""
    if data[:2] != b"MZ":
        raise ValueError("no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE signature")
    machine, count, _, _, _, optional_size, characteristics = struct.unpack_from("<HHIIIHH", data, pe + 4)
    optional = pe + 24
    return machine, count, optional, optional_size, struct.unpack_from("<H", data, optional)[0], characteristics


def executable_sections(data):
    """(machine, [(name, address, bytes)]) of the sections marked as code or executable."""
    machine, count, optional, optional_size, magic, _ = pe_header(data)
    image_base = struct.unpack_from("<Q" if magic == 0x20B else "<I", data, optional + (24 if magic == 0x20B else 28))[0]
    sections = []
    for i in range(count):
        entry = optional + optional_size + 40 * i
        name = data[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
        virtual_size, address, raw_size, raw_pointer = struct.unpack_from("<IIII", data, entry + 8)
        characteristics = struct.unpack_from("<I", data, entry + 36)[0]
        if characteristics & (IMAGE_SCN_CNT_CODE | IMAGE_SCN_MEM_EXECUTE):
            size = min(virtual_size or raw_size, raw_size)
            sections.append((name, image_base + address, data[raw_pointer:raw_pointer + size]))
    return machine, sections


def disassemble(pieces, machine, objdump="i686-w64-mingw32-objdump"):
    """[(address, instruction)] of pieces of code [(address, bytes)], each
    disassembled from its own start: one objdump run for all of them."""
    architecture = "i386:x86-64" if machine == 0x8664 else "i386"
    out = []
    with tempfile.TemporaryDirectory() as directory:
        bases = {}
        for address, code in pieces:
            path = os.path.join(directory, "%016x.bin" % address)
            with open(path, "wb") as f:
                f.write(code)
            bases[path] = address
        listing = subprocess.run([objdump, "-D", "-b", "binary", "-m", architecture, "--no-show-raw-insn"]
                                 + sorted(bases), capture_output=True, text=True, check=True).stdout
        base = 0
        for line in listing.splitlines():
            header = FILE_HEADER.match(line)
            if header:
                base = bases[header.group(1)]
                continue
            match = INSTRUCTION_LINE.match(line)
            if match:
                out.append((base + int(match.group(1), 16), match.group(2).strip()))
    return sorted(out)


def code_pieces(address, code, link_map):
    """The section cut where the map says an input section begins or ends,
    without the linker's data: a sweep that data or padding put out of step
    is back in step at the next function."""
    if link_map is None:
        return [(address, code)]
    end = address + len(code)
    cuts = {address, end}
    for start, stop in link_map.boundaries():
        cuts.update(at for at in (start, stop) if address < at < end)
    cuts = sorted(cuts)
    return [(start, code[start - address:stop - address]) for start, stop in zip(cuts, cuts[1:])
            if not link_map.is_data(start)]


class LinkMap:
    """Where each address of the image came from, read from ld's map file:
    the input section, its file and the nearest symbol before the address."""

    SECTION = re.compile(r"^ (\.\S+)(?:\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(.*))?$")
    CONTINUED = re.compile(r"^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
    FILLER = re.compile(r"^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(LONG|QUAD|SHORT|BYTE)\b")
    SYMBOL = re.compile(r"^\s+0x([0-9a-f]+)\s{2,}(\S.*)$")

    def __init__(self, text):
        self.sections = []  # (start, end, input section, file)
        self.data = []  # (start, end) of data the linker placed among the code
        self.symbols = []  # (address, name)
        pending = None
        for line in text.splitlines():
            filler = self.FILLER.match(line)
            if filler:
                start = int(filler.group(1), 16)
                self.data.append((start, start + int(filler.group(2), 16)))
                continue
            section = self.SECTION.match(line)
            if section:
                pending = None
                if section.group(2) is None:
                    pending = section.group(1)
                else:
                    self._add(section.group(1), section.group(2), section.group(3), section.group(4))
                continue
            if pending:
                continued = self.CONTINUED.match(line)
                if continued:
                    self._add(pending, *continued.groups())
                pending = None
                continue
            symbol = self.SYMBOL.match(line)
            if symbol and "=" not in symbol.group(2) and not symbol.group(2).startswith("0x"):
                self.symbols.append((int(symbol.group(1), 16), symbol.group(2).strip()))
        self.sections.sort()
        self.symbols.sort()

    def _add(self, name, start, size, path):
        start, size = int(start, 16), int(size, 16)
        if size == 0:
            return
        self.sections.append((start, start + size, name, os.path.basename(path.strip())))
        if DATA_IN_TEXT.match(name):
            self.data.append((start, start + size))

    def boundaries(self):
        return [(start, end) for start, end, _, _ in self.sections] + self.data

    def is_data(self, address):
        return any(start <= address < end for start, end in self.data)

    def where(self, address):
        """The function around an address and where it came from, as far as
        the map tells: 'lround, .text of libmingwex.a(lround.o)'. A static
        function has no symbol in the map; its input section still names it
        where it was built with -ffunction-sections."""
        section = next((s for s in self.sections if s[0] <= address < s[1]), None)
        symbol = None
        for at, name in self.symbols:
            if at > address:
                break
            if section is None or at >= section[0]:
                symbol = name
        place = "%s of %s" % (section[2], section[3]) if section else None
        return ", ".join(part for part in (symbol, place) if part) or "no input section the map knows"


def check(path, cpu="p5", map_path=None, objdump="i686-w64-mingw32-objdump"):
    """(problems, notes): each instruction of the image's executable sections
    that the processor class lacks, and each that only older classes lack."""
    with open(path, "rb") as f:
        machine, sections = executable_sections(f.read())
    link_map = None
    if map_path:
        with open(map_path, encoding="utf-8", errors="replace") as f:
            link_map = LinkMap(f.read())
    lacking = lacks(cpu)
    older = [group for group in lacks("486") if group not in lacking]
    problems, notes = [], []
    if not sections:
        problems.append("no executable section")
    pieces = [piece for _, address, code in sections for piece in code_pieces(address, code, link_map)]
    for at, instruction in disassemble(pieces, machine, objdump):
        group = group_of(instruction)
        if group is None:
            continue
        if link_map:
            where = link_map.where(at)
        else:
            where = "section " + next(name for name, address, code in sections if address <= at < address + len(code))
        instruction = " ".join(instruction.split())
        if group in lacking:
            problems.append("%#x %s (%s, which %s lacks) in %s" % (at, instruction, group[1], NAMES[cpu], where))
        elif group in older:
            older_class = NAMES[CLASSES[CLASSES.index(group[0]) - 1]]
            notes.append("%#x %s (%s, which %s lacks: run only after testing for it) in %s" % (
                at, instruction, group[1], older_class, where))
    return problems, notes
