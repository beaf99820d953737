#!/usr/bin/env python3
"""The loadability check on small programs built for the purpose: one that
loads, and one for each way of not loading; the base relocations of such a
program, edited to break one rule at a time; velnor.exe as built; and the
processor check on bare programs (no C runtime) that hold one instruction
each."""
import os
import shutil
import struct
import subprocess
import tempfile
import unittest

import loadcheck
import processors

COMPILER = "i686-w64-mingw32-g++"
COMPILER_64 = "x86_64-w64-mingw32-g++"
FOUR = ["-Wl,--major-subsystem-version=4,--minor-subsystem-version=0,--major-os-version=4,--minor-os-version=0"]
# Named rather than left to ld's defaults, which have changed between releases.
RELOCATABLE = ["-Wl,--enable-reloc-section,--dynamicbase,--nxcompat"]
# The product as scripts/build-exe.sh leaves it.
VELNOR_EXE = os.path.join(os.environ.get("VELNOR_BUILD", os.path.join(loadcheck.HERE, "..", "..", "build")),
                          "win", "velnor.exe")
GOOD = """
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(0, "x", "y", MB_OK);
    return 0;
}
"""


def build_program(directory, name, source, flags, compiler=COMPILER):
    path = os.path.join(directory, name)
    with open(path + ".cpp", "w") as f:
        f.write(source)
    subprocess.run([compiler, "-O1", "-static", path + ".cpp", "-o", path + ".exe"] + flags, check=True)
    return path + ".exe"


@unittest.skipUnless(shutil.which(COMPILER), "needs the MinGW compiler")
class LoadCheck(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.directory = tempfile.mkdtemp()
        cls.known = loadcheck.load_tables(os.path.join(loadcheck.HERE, "tables"))
        cls.accepted = loadcheck.accepted_stubs(os.path.join(loadcheck.HERE, "tables"))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.directory)

    def build(self, name, source, flags=FOUR + RELOCATABLE + ["-mwindows"]):
        return build_program(self.directory, name, source, flags)

    def problems(self, exe):
        return loadcheck.check_image(exe, self.known, self.accepted)

    def test_a_plain_window_program_loads(self):
        self.assertEqual(self.problems(self.build("good", GOOD)), [])

    def test_a_newer_header_does_not(self):
        exe = self.build("header", GOOD, ["-mwindows", "-Wl,--major-subsystem-version=5,--major-os-version=5"])
        self.assertTrue(any("version 5.0" in p for p in self.problems(exe)))

    def test_a_console_program_is_not_the_gui(self):
        exe = self.build("console", GOOD.replace("int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)", "int main()"),
                         FOUR + ["-mconsole"])
        self.assertTrue(any("subsystem 3" in p for p in self.problems(exe)))

    def test_a_static_import_of_a_run_time_function_fails(self):
        exe = self.build("diskfree", GOOD.replace('MessageBoxA(0, "x", "y", MB_OK);',
                                                  'ULARGE_INTEGER a, b, c; GetDiskFreeSpaceExA("C:\\\\", &a, &b, &c);'))
        self.assertTrue(any("GetDiskFreeSpaceExA: must be bound at run time" in p for p in self.problems(exe)))

    def test_an_nt_only_function_fails(self):
        exe = self.build("ntonly", GOOD.replace('MessageBoxA(0, "x", "y", MB_OK);',
                                                'return (int)GetTickCount64();'))
        self.assertTrue(any("GetTickCount64" in p for p in self.problems(exe)))

    def test_a_unicode_function_fails(self):
        exe = self.build("unicode", GOOD.replace('MessageBoxA(0, "x", "y", MB_OK);',
                                                 'SetWindowTextW(0, L"x");'))
        self.assertTrue(any("SetWindowTextW: a Unicode function" in p for p in self.problems(exe)))

    def test_a_dll_without_a_table_fails(self):
        exe = self.build("ole", "#include <windows.h>\n#include <objbase.h>\n" + GOOD.replace(
            'MessageBoxA(0, "x", "y", MB_OK);', "CoInitialize(0);"), FOUR + ["-mwindows", "-lole32"])
        self.assertTrue(any("OLE32.DLL!CoInitialize: no table lists it" in p for p in self.problems(exe)))

    def test_an_image_linked_without_relocations_fails(self):
        exe = self.build("fixed", GOOD, FOUR + ["-mwindows", "-Wl,--disable-reloc-section"])
        self.assertEqual(self.problems(exe), [
            "the file header marks the relocations stripped",
            "DYNAMIC_BASE not set in the DLL characteristics",
            "no base relocations: the image cannot be placed at another address"])

    @unittest.skipUnless(os.path.exists(VELNOR_EXE), "needs velnor.exe (scripts/build-exe.sh)")
    def test_velnor_exe_loads_on_windows_95_and_may_be_placed_anywhere(self):
        self.assertEqual(loadcheck.check_image(VELNOR_EXE, self.known, self.accepted, "95"), [])


def layout(data):
    """Where an edit goes: the file offsets of the file header's
    characteristics, the DLL characteristics, the base-relocation directory's
    entry and the directory itself, and a function from a section's address to
    its file offset."""
    machine, count, optional, optional_size, magic, _ = processors.pe_header(data)
    entry = optional + (112 if magic == 0x20B else 96) + 5 * 8
    table = [struct.unpack_from("<IIII", data, optional + optional_size + 40 * i + 8) for i in range(count)]

    def file_offset(rva):
        return next(rva - address + raw_pointer for _, address, raw_size, raw_pointer in table
                    if address <= rva < address + raw_size)

    return {"file header": optional - 2, "dll characteristics": optional + 70, "entry": entry,
            "block": file_offset(struct.unpack_from("<I", data, entry)[0]), "file offset": file_offset}


def entries(data):
    """The file offset of every entry of every block."""
    where = layout(data)
    size = struct.unpack_from("<I", data, where["entry"] + 4)[0]
    at = where["block"]
    while at < where["block"] + size:
        block_size = struct.unpack_from("<I", data, at + 4)[0]
        yield from range(at + 8, at + block_size, 2)
        at += block_size


def first_fixup(data):
    """The file offsets of the first fixup's entry and of the word it changes."""
    where = layout(data)
    page = struct.unpack_from("<I", data, where["block"])[0]
    entry = next(at for at in entries(data) if struct.unpack_from("<H", data, at)[0] >> 12)
    return entry, where["file offset"](page + (struct.unpack_from("<H", data, entry)[0] & 0xFFF))


def put(place, value, size="<I"):
    """An edit that writes a value (or a function of the image's facts) at a
    field of the layout, or that many bytes after it ("block+4")."""
    name, _, plus = place.partition("+")

    def edit(data, facts):
        struct.pack_into(size, data, layout(data)[name] + int(plus or 0), value(facts) if callable(value) else value)
    return edit


def flip(place, mask, size="<H"):
    def edit(data, facts):
        at = layout(data)[place]
        struct.pack_into(size, data, at, struct.unpack_from(size, data, at)[0] ^ mask)
    return edit


def other_fixup(data, facts):
    other = {3: 10, 10: 3}[loadcheck.FIXUPS[facts["machine"]][0]]
    entry, _ = first_fixup(data)
    struct.pack_into("<H", data, entry, struct.unpack_from("<H", data, entry)[0] & 0xFFF | other << 12)


def past_the_image(data, facts):
    base, size = facts["image"]
    _, word = first_fixup(data)
    struct.pack_into("<Q" if facts["machine"] == 0x8664 else "<I", data, word, base + size)


def only_padding(data, facts):
    for entry in entries(data):
        struct.pack_into("<H", data, entry, struct.unpack_from("<H", data, entry)[0] & 0xFFF)


@unittest.skipUnless(shutil.which(COMPILER), "needs the MinGW compiler")
class Relocations(unittest.TestCase):
    """A program for each machine with the base relocations ld gives it, and
    the same program edited to break one rule."""

    @classmethod
    def setUpClass(cls):
        cls.directory = tempfile.mkdtemp()
        cls.images = {}
        for machine, compiler in ((0x14C, COMPILER), (0x8664, COMPILER_64)):
            if shutil.which(compiler):
                exe = build_program(cls.directory, "relocatable-%x" % machine, GOOD,
                                    FOUR + RELOCATABLE + ["-mwindows"], compiler)
                with open(exe, "rb") as f:
                    cls.images[machine] = f.read()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.directory)

    def problems(self, data):
        return loadcheck.relocation_problems(loadcheck.read_image(bytes(data))[0])

    def test_the_programs_as_linked_pass(self):
        for machine, data in self.images.items():
            facts = loadcheck.read_image(data)[0]
            self.assertEqual(self.problems(data), [], hex(machine))
            fixup = loadcheck.FIXUPS[machine][0]
            self.assertTrue(any(kind == fixup for block in facts["relocations"] for kind, _, _ in block[3]))

    def test_each_broken_rule_fails(self):
        # The edit and what the check must say, {machine} being the image's.
        cases = [
            ("stripped", flip("file header", 0x0001), "the file header marks the relocations stripped"),
            ("no DYNAMIC_BASE", flip("dll characteristics", 0x0040), "DYNAMIC_BASE not set"),
            ("no NX_COMPAT", flip("dll characteristics", 0x0100), "NX_COMPAT not set"),
            ("no directory", put("entry", 0, "<Q"), "no base relocations"),
            ("directory outside", put("entry", lambda facts: facts["image"][1] + 0x1000),
             "lie outside the sections' data"),
            ("directory past its section", put("entry+4", lambda facts: facts["relocation_directory"][1] + 4),
             "lie outside the sections' data"),
            ("a tail short of a block", put("entry+4", lambda facts: facts["relocation_directory"][1]
                                            - facts["relocations"][-1][2] + 4), "less than a block's header"),
            ("block past the end", put("block+4", lambda facts: facts["relocation_directory"][1] + 8),
             "run past the directory's end"),
            ("block under 8 bytes", put("block+4", 4), "size 4, not a multiple of 4 from 8 on"),
            ("block of odd size", put("block+4", lambda facts: facts["relocations"][0][2] - 2),
             "not a multiple of 4 from 8 on"),
            ("page off the image", put("block", lambda facts: facts["image"][1]), "not a page of the image"),
            ("page off a boundary", put("block", lambda facts: facts["relocations"][0][1] + 0x10),
             "not a page of the image"),
            ("the other machine's fixup", other_fixup, "where {machine} images have"),
            ("an address past the image", past_the_image, "an address outside the image"),
            ("padding only", only_padding, "the base relocations hold no fixup"),
        ]
        for machine, data in self.images.items():
            facts = loadcheck.read_image(data)[0]
            for name, edit, expected in cases:
                edited = bytearray(data)
                edit(edited, facts)
                self.assertNotEqual(edited, data, name)
                problems = self.problems(edited)
                expected = expected.format(machine=loadcheck.MACHINES[machine])
                self.assertTrue(any(expected in p for p in problems), (hex(machine), name, problems))


# A program without the C runtime (whose start-up code has instructions of its
# own): its entry point, and whatever the test puts before it.
BARE = """
#include <windows.h>
%s
extern "C" void WinMainCRTStartup() {
    ExitProcess(run());
}
"""


def holding(instruction):
    return BARE % ('__attribute__((noinline)) int run() { __asm__ __volatile__("%s"); return 0; }' % instruction)


@unittest.skipUnless(shutil.which(COMPILER), "needs the MinGW compiler")
class ProcessorCheck(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.directory = tempfile.mkdtemp()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.directory)

    def build(self, name, source):
        """The program and its linker map."""
        path = os.path.join(self.directory, name)
        with open(path + ".cpp", "w") as f:
            f.write(source)
        subprocess.run([COMPILER, "-O1", "-march=i586", "-nostdlib", "-mwindows", path + ".cpp", "-o", path + ".exe",
                        "-Wl,-Map=" + path + ".map", "-lkernel32"] + FOUR, check=True)
        return path + ".exe", path + ".map"

    def test_a_program_of_pentium_instructions_passes_for_every_class(self):
        exe, link_map = self.build("plain", BARE % "int run() { return GetTickCount() > 5 ? 2 : 3; }")
        for cpu in ("486", "p5", "p5mmx"):
            self.assertEqual(processors.check(exe, cpu, link_map), ([], []), cpu)

    def test_each_instruction_fails_where_the_class_lacks_it(self):
        # The instruction and the first class that has it.
        cases = [
            ("cmovl %ecx, %eax", "p6"),
            ("fcmovb %st(1), %st", "p6"),
            ("fcomi %st(1), %st", "p6"),
            ("fucomip %st(1), %st", "p6"),
            ("nopl (%eax)", "p6"),
            ("addps %xmm1, %xmm0", "p6"),
            ("pfadd %mm1, %mm0", "p6"),
            ("emms", "p5mmx"),
            ("movq %mm1, %mm0", "p5mmx"),
            ("rdtsc", "p5"),
            ("cpuid", "p5"),
            ("lock cmpxchg8b (%esi)", "p5"),
        ]
        for number, (instruction, first) in enumerate(cases):
            exe, link_map = self.build("holding%d" % number, holding(instruction))
            for cpu in ("486", "p5", "p5mmx"):
                problems, notes = processors.check(exe, cpu, link_map)
                lacking = processors.CLASSES.index(cpu) < processors.CLASSES.index(first)
                self.assertEqual(len(problems), 1 if lacking else 0, (instruction, cpu, problems))
                if lacking:
                    self.assertIn(processors.NAMES[cpu] + " lacks", problems[0])
                    self.assertIn(" in run()", problems[0])

    def test_the_pentium_verdict_notes_what_a_486_lacks(self):
        exe, link_map = self.build("counter", holding("rdtsc"))
        problems, notes = processors.check(exe, "p5", link_map)
        self.assertEqual(problems, [])
        self.assertEqual(len(notes), 1)
        self.assertRegex(notes[0], r"^0x[0-9a-f]+ rdtsc \(RDTSC, which a 486 lacks: run only after testing for it\) "
                                   r"in run\(\), \.text of ")

    def test_findings_give_their_address_and_with_a_map_their_function(self):
        exe, link_map = self.build("named", BARE % """
__attribute__((noinline)) int withConditionalMove(int a, int b) {
    __asm__("cmpl %1, %0\\n\\tcmovl %1, %0" : "+r"(a) : "r"(b));
    return a;
}
int run() { return withConditionalMove(GetTickCount(), 2); }""")
        with_map, _ = processors.check(exe, "p5", link_map)
        self.assertEqual(len(with_map), 1)
        self.assertRegex(with_map[0], r"^0x4[0-9a-f]{5} cmovl %[a-z]+,%[a-z]+ \(CMOVcc, which a Pentium lacks\) "
                                      r"in withConditionalMove\(int, int\), \.text of ")
        without_map, _ = processors.check(exe, "p5")
        self.assertEqual(without_map, [with_map[0].split(" in ")[0] + " in section .text"])

    def executable_bytes(self, exe):
        with open(exe, "rb") as f:
            return b"".join(code for _, _, code in processors.executable_sections(f.read())[1])

    def test_an_instruction_that_only_looks_like_one_in_data_does_not_count(self):
        # CMOVL ECX, EAX and FCOMI ST(1) as bytes, read-only and writable.
        lookalike = "0x0f, 0x4c, 0xc1, 0xdb, 0xf1, 0x0f, 0x4c, 0xc1"
        exe, link_map = self.build("lookalike", BARE % ("""
extern "C" const unsigned char constant[] = {%s};
unsigned char variable[] = {%s};
int run() { variable[0] = 1; return constant[GetTickCount() & 7] + variable[GetTickCount() & 7]; }""" % (
            lookalike, lookalike)))
        with open(exe, "rb") as f:
            self.assertEqual(f.read().count(b"\x0f\x4c\xc1\xdb\xf1"), 2)  # in .rdata and .data
        self.assertNotIn(b"\x0f\x4c\xc1", self.executable_bytes(exe))
        self.assertEqual(processors.check(exe, "p5"), ([], []))
        self.assertEqual(processors.check(exe, "p5", link_map), ([], []))

    def test_the_data_the_linker_puts_among_the_code_does_not_count_with_the_map(self):
        # A constructor list entry whose bytes spell CMOVL: the linker puts
        # .ctors into .text, where only the map tells that it is data.
        exe, link_map = self.build("ctors", BARE % """
__attribute__((used, section(".ctors"))) static const unsigned char entry[4] = {0x0f, 0x4c, 0xc1, 0x90};
int run() { return 0; }""")
        self.assertIn(b"\x0f\x4c\xc1\x90", self.executable_bytes(exe))
        self.assertEqual(processors.check(exe, "p5", link_map), ([], []))

if __name__ == "__main__":
    unittest.main()
