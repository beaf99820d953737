#!/usr/bin/env python3
"""The loadability check on small programs built for the purpose: one that
loads, and one for each way of not loading."""
import os
import shutil
import subprocess
import tempfile
import unittest

import loadcheck

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


if __name__ == "__main__":
    unittest.main()
