"""The report of all seven pages: copied from the window menu (of the main
window and of the taskbar entry) and written by `velnor.exe /report FILE`,
the same text for the same machine; the exit codes of a run from the
command line, and that such a run shows no window and writes nothing but
its file."""
import os
import re
import shutil
import tempfile

from velnor_e2e import EXE, HKDD, HKLM, MODE, REG_BINARY, REG_SZ, ProgramTest, sjis, wait_for, windows_path

NINE_X = MODE == "win98"
VERSION_KEY = (r"SOFTWARE\Microsoft\Windows\CurrentVersion" if NINE_X
               else r"SOFTWARE\Microsoft\Windows NT\CurrentVersion")
VIEW = "64" if MODE == "win64" else ""
OWNER, ORGANISATION = "山田 太郎", "Velnor 研究所"
# The letters of "情報をコピー(&I)" and of Close ("閉じる(&C)"). Each is the
# only item of its letter, so the letter alone chooses it.
COPY_KEY, CLOSE_KEY = 0x49, 0x43
LANG_JAPANESE_LCID = 0x411
NOT_MEASURED = "未計測"
TITLES = ["ディスク", "メモリ", "CPU"] + (["リソース 残量"] if NINE_X else []) + ["BIOS", "画面", "ユーザー 情報"]
# Figures that move between two takes of the same machine: the time, the
# clock, the load, and what the host's disks and Wine's memory have free.
MOVING = {("", "作成日時"), ("CPU", "周波数"), ("CPU", "使用率"), ("メモリ", "使用量"), ("メモリ", "空容量"),
          ("メモリ", "使用率"), ("ディスク", "使用量"), ("ディスク", "空容量"), ("ディスク", "使用率")}
FIGURE = re.compile(r"([\d,]+(\.\d+)? (MB|GB|GHz|MHz)|\d+ %|" + NOT_MEASURED +
                    r"|\d{4}/\d\d/\d\d \d\d:\d\d:\d\d)$")
ROW = re.compile(r"  (\S+) +(.*)$")


def comparable(report):
    """The report's lines with the moving figures replaced by their kind,
    after checking that each is a figure of its page's form."""
    text = report.decode("cp932")
    bare = text.replace("\r\n", "")
    assert text.endswith("\r\n") and "\n" not in bare and "\r" not in bare, "not CR LF lines throughout: %r" % text
    out, section = [], ""
    for line in text.split("\r\n"):
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1]
        row = ROW.match(line)
        if row and (section, row.group(1)) in MOVING:
            value = row.group(2)
            assert FIGURE.match(value), "%s: %r is no figure" % (row.group(1), value)
            line = "  %s <moving>" % row.group(1)
        out.append(line)
    return out


class Report(ProgramTest):
    def setUp(self):
        d = self.driver
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOwner", REG_SZ, OWNER, view=VIEW)
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOrganization", REG_SZ, ORGANISATION, view=VIEW)
        if NINE_X:
            d.reg_set(HKDD, r"PerfStats\StatData", r"KERNEL\CPUUsage", REG_BINARY, bytes([37, 0, 0, 0]))
        self.folder = tempfile.mkdtemp(prefix="velnor-report-")
        self.addCleanup(shutil.rmtree, self.folder, True)

    def report_file(self, name="PC 1.txt"):
        """A file in a folder whose name has a blank and two-byte characters,
        one of them ending in the byte 0x5C (ソ)."""
        path = os.path.join(self.folder, "レポート ソ", name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        return path

    def written_report(self):
        path = self.report_file()
        code, window, _ = self.driver.run('/report "%s"' % windows_path(path))
        self.assertEqual((code, window), (0, False))
        with open(path, "rb") as f:
            return f.read()

    def start_after_a_tick(self):
        d = self.driver
        d.start()
        wait_for(lambda: d.string("Memo4"), lambda text: text.endswith(" MB"), 5, "the memory figures")

    def start_with_figures(self):
        """The window after its first tick and a clock measurement."""
        d = self.driver
        self.start_after_a_tick()
        d.tab(2)
        d.click("Keisoku")
        wait_for(lambda: d.string("Memo7"), lambda text: text.endswith("Hz"), 15, "the clock")

    def copied(self, window="main"):
        d = self.driver
        d.clipboard_set("something else")
        self.assertEqual(d.window_menu(window, COPY_KEY), "closed")
        text, locale = wait_for(d.clipboard, lambda got: got[0] != b"something else", 10, "the copy")
        self.assertEqual(locale, LANG_JAPANESE_LCID)
        return text

    def test_the_window_menu_copies_what_the_command_line_writes(self):
        written = self.written_report()
        self.start_with_figures()
        copied = self.copied()
        self.assertTrue(self.driver.running())
        self.assertNoErrorBox()
        self.assertEqual(comparable(copied), comparable(written))
        text = copied.decode("cp932")
        self.assertIn("  使用者            %s\r\n  会社名            %s\r\n" % (OWNER, ORGANISATION), text)
        titles = [line[1:-1] for line in text.split("\r\n") if line.startswith("[")]
        self.assertEqual(titles, TITLES)
        # The drives that are ready; r:, whose directory is missing, is not,
        # and asking for it brought up nothing.
        drives = [line for line in text.split("\r\n") if re.fullmatch(r"[a-z]:", line)]
        self.assertIn("q:", drives)
        self.assertNotIn("r:", drives)
        # The window shows a clock and, on Windows 9x, a load: the copy gives
        # them as shown; the command line measures the clock and no load.
        clock = "  周波数            " + self.driver.string("Memo7") + "\r\n"
        self.assertIn(clock, text)
        self.assertNotIn("周波数            " + NOT_MEASURED, written.decode("cp932"))
        if NINE_X:
            self.assertIn("  使用率            37 %\r\n", text)
            self.assertIn("  使用率            %s\r\n" % NOT_MEASURED, written.decode("cp932"))

    def test_a_copy_before_a_measurement_gives_the_clock_as_not_measured(self):
        d = self.driver
        d.start()
        text = self.copied().decode("cp932")
        self.assertIn("  周波数            %s\r\n" % NOT_MEASURED, text)
        self.assertEqual(d.string("Memo7"), "CPUクロック   ")  # nothing was measured for it

    def test_the_copy_and_close_have_letters_of_their_own(self):
        # Before, both were C: pressing it twice and Enter closed the program.
        d = self.driver
        d.start()
        self.assertTrue(self.copied())
        self.assertTrue(d.running())
        self.assertEqual(d.window_menu("main", CLOSE_KEY), "closed")
        self.assertEqual(int(d("wait_end")), 0)

    def test_the_taskbar_entrys_menu_copies_too_also_while_minimised(self):
        d = self.driver
        self.start_after_a_tick()
        main = comparable(self.copied("main"))
        self.assertEqual(comparable(self.copied("entry")), main)
        d("syscommand", "entry", 0xF020)  # minimised: only the entry is left
        self.assertFalse(d.window_state("main")[0])
        self.assertEqual(comparable(self.copied("entry")), main)
        self.assertTrue(d.running())

    def test_a_file_that_cannot_be_written_gives_1_and_leaves_no_file(self):
        missing = os.path.join(self.folder, "missing", "PC 1.txt")
        code, window, _ = self.driver.run('/report "%s"' % windows_path(missing))
        self.assertEqual((code, window), (1, False))
        self.assertFalse(os.path.exists(os.path.dirname(missing)))
        # A file that is there stays whole where it cannot be replaced (a
        # folder of that name), and nothing else is left beside it.
        taken = self.report_file("taken")
        os.makedirs(taken)
        code, window, _ = self.driver.run('-report "%s"' % windows_path(taken))
        self.assertEqual((code, window), (1, False))
        self.assertEqual(os.listdir(os.path.dirname(taken)), ["taken"])
        self.assertEqual(os.listdir(taken), [])

    def test_a_missing_file_or_an_unknown_switch_gives_2_and_writes_nothing(self):
        # A copy of its own, so that whatever it made beside itself shows.
        folder = os.path.join(self.folder, "program")
        os.makedirs(folder)
        exe = os.path.join(folder, "velnor.exe")
        shutil.copy2(EXE, exe)
        for arguments in ("/report", '/report ""', "-Report", "/report a b", "/x", "/?", "-report:x.txt"):
            code, window, _ = self.driver.run(arguments, exe=exe)
            self.assertEqual((code, window), (2, False), arguments)
        self.assertEqual(os.listdir(folder), ["velnor.exe"])
        # The report writes its file alone: no TempData beside the program.
        code, window, _ = self.driver.run('/REPORT "%s"' % windows_path(os.path.join(folder, "out.txt")), exe=exe)
        self.assertEqual((code, window), (0, False))
        self.assertEqual(sorted(os.listdir(folder)), ["out.txt", "velnor.exe"])

    def test_an_existing_report_is_replaced_whole(self):
        path = self.report_file()
        with open(path, "wb") as f:
            f.write(b"x" * 100000)
        written = self.written_report()
        self.assertTrue(written.startswith(sjis("Velnor(Win9x) Ver 1.2.3.1\r\n")))
        self.assertTrue(written.endswith(b"\r\n"))
        self.assertNotIn(b"xxx", written)
        self.assertEqual(os.listdir(os.path.dirname(path)), ["PC 1.txt"])
