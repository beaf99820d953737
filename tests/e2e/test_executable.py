"""What the executable carries and what the Wine prefix gives it: version
information, the icon, the Japanese faces and the code page; and the
arithmetic and the start-up code as the Windows build has them."""
import os
import subprocess
import unittest

from velnor_e2e import EXE, PREFIX, WIN, WINE, ProgramTest, hexed, unhexed, windows_path

STRINGS = {
    "CompanyName": "Tollen",
    "FileDescription": "PC動作環境を表示します。",
    "FileVersion": "1.2.3.1",
    "ProductName": "Velnor(Win9x)",
    "ProductVersion": "1.2",
    "Comments": "動作環境を調べましょう。",
}


class Executable(ProgramTest):
    def test_version_information(self):
        d = self.driver
        path = hexed(windows_path(EXE))
        fixed = d("fileversion", path, "fixed").split()
        self.assertEqual(fixed[:2], ["1.2.3.1", "1.2.3.1"])
        self.assertEqual(fixed[2], "1")  # an application
        self.assertEqual(int(fixed[3]) & 0x4, 0x4)  # for 32-bit Windows
        self.assertEqual(d("fileversion", path, "translation"), "1041 932")
        for key, value in STRINGS.items():
            self.assertEqual(unhexed(d("fileversion", path, key)).decode("cp932"), value, key)

    def test_the_icon_is_32_by_32_in_16_colours(self):
        self.assertEqual(self.driver("icon", hexed(windows_path(EXE))), "1 32 32 16 4")

    def test_japanese_faces_have_real_glyphs_and_the_code_page_is_932(self):
        d = self.driver
        self.assertTrue(d("version").endswith(" 932"))
        faces = {"ＭＳ Ｐゴシック": ("IPAPGothic", True), "ＭＳ Ｐ明朝": ("IPAPMincho", True),
                 "ＭＳ ゴシック": ("IPAGothic", False)}
        for face, (font, proportional) in faces.items():
            full, narrow, wide = d("font", hexed(face)).split()
            self.assertTrue(unhexed(full).decode("cp932").startswith(font + " "), face)
            self.assertEqual(int(narrow) < int(wide), proportional, face)


class Arithmetic(ProgramTest):
    def test_the_windows_build_computes_shares_and_masks_as_defined(self):
        check = subprocess.run([WINE, os.path.join(WIN, "present_check.exe")], capture_output=True,
                               env=dict(os.environ, WINEPREFIX=PREFIX), timeout=60)
        self.assertEqual(check.stdout.decode("ascii", "replace").split(), ["OK"])
        self.assertEqual(check.returncode, 0)


class StartUp(unittest.TestCase):
    """The program's own start-up code, heap and memory functions, in a check
    program linked as velnor.exe is."""

    def run_check(self, *arguments):
        return subprocess.run([WINE, os.path.join(WIN, "runtime_check.exe")] + list(arguments),
                              capture_output=True, env=dict(os.environ, WINEPREFIX=PREFIX), timeout=60)

    def test_static_objects_the_floating_point_unit_memory_functions_and_the_exit_code(self):
        check = self.run_check()
        self.assertEqual(check.stdout.decode("ascii", "replace").split(), ["OK"])
        self.assertEqual(check.returncode, 7)  # what WinMain returned

    def test_an_abnormal_end_runs_nothing_more_and_gives_exit_code_3(self):
        for argument in ("abort", "exhaust"):
            check = self.run_check(argument)
            self.assertEqual(check.stdout, b"", argument)
            self.assertEqual(check.returncode, 3, argument)
