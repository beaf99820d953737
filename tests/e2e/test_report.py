"""The report of all seven pages: copied from the window menu (of the main
window and of the taskbar entry) and written by `velnor.exe /report FILE`,
the same text for the same machine; the exit codes of a run from the
command line, and that such a run shows no window and writes nothing but
its file."""
import csv
import os
import re
import shutil
import tempfile

from velnor_e2e import (EXE, HKDD, HKLM, MODE, REG_BINARY, REG_SZ, VERSION_KEY, ProgramTest, hexed, sjis, unhexed,
                        wait_for, windows_path)

NINE_X = MODE == "win98"
VIEW = "64" if MODE == "win64" else ""
OWNER, ORGANISATION = "山田 太郎", "Velnor 研究所"
# The letters of "情報をコピー(&I)" and of Close ("閉じる(&C)"). Each is the
# only item of its letter, so the letter alone chooses it.
COPY_KEY, CLOSE_KEY, SAVE_KEY = 0x49, 0x43, 0x46
# A run that fails before measuring ends within a second of the program's own
# time: what a run that ends at once (an unknown switch) takes is Wine's.
FAIL_FAST_MS = 1000
# The clock's measurement before a report or row is written (at least 4000 ms,
# src/pages/clock_measurement.h), and how long a table another program holds
# is waited for after it (kBusyTableWaitMs, src/app/report_mode.h).
CLOCK_MS = 4000
BUSY_TABLE_WAIT_MS = 8000
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

    def test_a_target_that_cannot_be_written_gives_1_at_once_and_is_left_as_it_was(self):
        # Known before the clock's four seconds: a failing run ends long before them.
        missing = os.path.join(self.folder, "missing", "PC 1.txt")
        locked = self.report_file("locked.txt")
        with open(locked, "wb") as f:
            f.write(b"kept")
        os.chmod(locked, 0o444)  # read-only, as Wine shows it
        self.addCleanup(os.chmod, locked, 0o644)
        start_cost = min(self.driver.run("/x")[2] for _ in range(3))
        for switch in ("/report", "/csv"):
            for target in (missing, locked):
                code, window, ms = self.driver.run('%s "%s"' % (switch, windows_path(target)))
                self.assertEqual((code, window), (1, False), (switch, target))
                self.assertLess(ms - start_cost, FAIL_FAST_MS, (switch, target, start_cost))
        self.assertFalse(os.path.exists(os.path.dirname(missing)))
        with open(locked, "rb") as f:
            self.assertEqual(f.read(), b"kept")
        self.assertEqual(os.stat(locked).st_mode & 0o222, 0)  # still read-only
        self.assertEqual(sorted(os.listdir(os.path.dirname(locked))), ["locked.txt"])

    def test_a_folder_target_gets_a_file_named_after_the_computer(self):
        d = self.driver
        name = unhexed(d("computer_name")).decode("cp932")
        for target in ("ending\\", "existing"):
            folder = os.path.join(self.folder, "レポート ソ", target.rstrip("\\"))
            os.makedirs(folder, exist_ok=True)
            # A backslash before the closing quote would quote it: the
            # command line doubles it, as a script writing "FOLDER\\" does.
            given = windows_path(folder) + ("\\\\" if target.endswith("\\") else "")
            code, window, _ = d.run('/report "%s"' % given)
            self.assertEqual((code, window), (0, False), target)
            self.assertEqual(os.listdir(folder), [name + ".txt"], target)

    def test_the_usage_is_shown_for_a_question_mark(self):
        d = self.driver
        d("launch", hexed(windows_path(EXE)), hexed(windows_path(os.path.dirname(EXE))), hexed("/?"))
        texts = wait_for(d.dialog, lambda got: got is not None, 10, "the usage box")
        self.assertEqual(texts[0], "Velnor(Win9x)")
        usage = " ".join(texts[1:])
        for word in ("/report", "/csv", "/?", "終了コード"):
            self.assertIn(word, usage)
        self.assertEqual([w[0] for w in d.windows()], ["#32770"])  # no window of its own
        d("dismiss")
        self.assertEqual(int(d("wait_end")), 0)

    def test_a_missing_file_or_an_unknown_switch_gives_2_and_writes_nothing(self):
        # A copy of its own, so that whatever it made beside itself shows.
        folder = os.path.join(self.folder, "program")
        os.makedirs(folder)
        exe = os.path.join(folder, "velnor.exe")
        shutil.copy2(EXE, exe)
        for arguments in ("/report", '/report ""', "-Report", "/report a b", "/x", "/?x", "-report:x.txt", "/csv"):
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

    def test_the_window_menu_saves_what_it_copies_into_the_file_chosen(self):
        d = self.driver
        self.start_after_a_tick()
        self.assertEqual(d.window_menu("main", SAVE_KEY), "closed")
        _, suggested = d("save_dialog").split()  # the title is the system's own
        name = unhexed(d("computer_name")).decode("cp932")
        self.assertRegex(unhexed(suggested).decode("cp932"), "^%s-20\\d{6}\\.txt$" % re.escape(name))
        path = self.report_file("saved.txt")
        d("save_dialog", hexed(windows_path(path)))
        wait_for(lambda: os.path.exists(path), bool, 10, "the saved file")
        self.assertNoErrorBox()
        with open(path, "rb") as f:
            saved = f.read()
        self.assertEqual(comparable(saved), comparable(self.copied()))
        self.assertEqual(os.listdir(os.path.dirname(path)), ["saved.txt"])
        # Cancel writes nothing.
        self.assertEqual(d.window_menu("main", SAVE_KEY), "closed")
        d("save_dialog", "cancel")
        self.assertEqual(d("save_dialog"), "none")
        self.assertEqual(os.listdir(os.path.dirname(path)), ["saved.txt"])
        self.assertTrue(d.running())


class InventoryTable(ProgramTest):
    """/csv FILE: one row per PC, many PCs at the same moment."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="velnor-csv-")
        self.addCleanup(shutil.rmtree, self.folder, True)
        self.table = os.path.join(self.folder, "inventory.csv")

    def rows(self):
        with open(self.table, encoding="cp932", newline="") as f:
            return list(csv.reader(f))

    def test_twenty_runs_at_once_give_one_header_and_twenty_whole_rows(self):
        d = self.driver
        codes = d("run_many", 20, hexed(windows_path(EXE)), hexed(windows_path(os.path.dirname(EXE))),
                  hexed('/csv "%s"' % windows_path(self.table))).split()
        self.assertEqual(codes, ["0"] * 20)
        rows = self.rows()
        self.assertEqual(rows[0][:3], ["format", "velnor_version", "created"])
        self.assertEqual(len(rows), 21)
        for row in rows[1:]:
            self.assertEqual(len(row), len(rows[0]), row)
            self.assertEqual(row[0], "1")
            self.assertRegex(row[rows[0].index("cpu_clock_hz")], r"^\d+$")
        with open(self.table, "rb") as f:
            raw = f.read()
        self.assertEqual(raw.count(b"\r\n"), 21)
        self.assertEqual(raw.count(b"format,"), 1)

    def test_a_table_held_past_the_wait_gives_1_and_stays_as_it_was(self):
        d = self.driver
        with open(self.table, "wb") as f:
            f.write(b"header\r\n")
        d("hold", hexed(windows_path(self.table)))
        self.addCleanup(d, "release")
        code, window, ms = d.run('/csv "%s"' % windows_path(self.table))
        self.assertEqual((code, window), (1, False))
        self.assertGreater(ms, CLOCK_MS + BUSY_TABLE_WAIT_MS)  # it waited for the table after measuring
        d("release")
        with open(self.table, "rb") as f:
            self.assertEqual(f.read(), b"header\r\n")
