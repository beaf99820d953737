#!/usr/bin/env python3
"""The loadability check on small programs built for the purpose: one that
loads, and one for each way of not loading; and the processor check on bare
programs (no C runtime) that hold one instruction each."""
import os
import shutil
import subprocess
import tempfile
import unittest

import loadcheck
import processors

COMPILER = "i686-w64-mingw32-g++"
FOUR = ["-Wl,--major-subsystem-version=4,--minor-subsystem-version=0,--major-os-version=4,--minor-os-version=0"]
GOOD = """
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(0, "x", "y", MB_OK);
    return 0;
}
"""


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

    def build(self, name, source, flags=FOUR + ["-mwindows"]):
        path = os.path.join(self.directory, name)
        with open(path + ".cpp", "w") as f:
            f.write(source)
        subprocess.run([COMPILER, "-O1", "-static", path + ".cpp", "-o", path + ".exe"] + flags, check=True)
        return path + ".exe"

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
