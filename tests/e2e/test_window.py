"""The main window: caption, size, position, taskbar entry, tabs, focus, push
panels, caret, menus, TempData."""
import os
import shutil
import tempfile

from velnor_e2e import CANNOT_NAME, EXE, MODE, LayoutAlign, LayoutKind, ProgramTest, hexed, sjis, wait_for, windows_path

CAPTION = "\u3000Velnor(Win9x)      Ver 1.2\u3000\u3000Tollen  "
TITLE = "Velnor(Win9x)"
TABS = ["ディスク", "メモリ", "CPU", "リソース 残量", "BIOS", "画面", "ユーザー 情報"]
# The classes of the main window and of the window behind its taskbar entry.
OWN_WINDOWS = ("VelnorForm", "VelnorApp")
SC_MINIMIZE, SC_RESTORE, SC_CLOSE = 0xF020, 0xF120, 0xF060
IDLE_CLOCK = "CPUクロック   "
PAGES = ["DiskTab", "MemTab", "CPUTab", "ResTab", "BIOSTab", "DisplayTab", "UserTab"]
# What the refresh tick (and the resources page's show event) may change
# between two reads: the memory figures, the processor load, the free resources.
LIVE = {"Memo4", "Memo5", "Memo6", "Label13", "Gauge1", "Label21", "Gauge6", "Gauge2", "Gauge3", "Gauge4"}
# Labels whose design text gives way to a percentage at the start.
PERCENTAGES = {"Label20", "Label13"}
# The disk and memory pages' captions, hidden until their figures show.
FIGURE_CAPTIONS = {"Label2", "Label3", "Label4", "Label12", "Label5", "Label6", "Label7"}
# The processor load's controls, shown on Windows 9x only.
LOAD = {"Label9", "Gauge6", "Label21"}


class MainWindow(ProgramTest):
    def setUp(self):
        self.driver.start()

    def test_caption_size_and_centred_position(self):
        d = self.driver
        self.assertEqual(d.text("main"), sjis(CAPTION))
        self.assertEqual(d.client("main"), (472, 242))
        left, top, right, bottom = d.rect("main")
        width, height = (int(v) for v in d("screen").split())
        self.assertEqual(left, (width - (right - left)) // 2)
        self.assertEqual(top, (height - (bottom - top)) // 2)

    def test_the_taskbar_entry_shows_the_application_title_and_owns_the_main_window(self):
        d = self.driver
        count, _, title, owns_main = d.taskbar()
        self.assertEqual((count, title, owns_main), (1, TITLE, True))
        self.assertEqual(d.text("main"), sjis(CAPTION))

    def test_minimising_hides_the_main_window_behind_its_entry_and_restoring_brings_it_back(self):
        d = self.driver
        # The title bar's button (or the system menu) of the main window, and
        # the entry's own menu on the taskbar.
        for minimised_by in ("main", "entry"):
            d("syscommand", minimised_by, SC_MINIMIZE)
            self.assertFalse(d.window_state("main")[0], minimised_by)
            self.assertTrue(d.window_state("entry")[1], minimised_by)
            self.assertEqual(d.taskbar()[0], 1, minimised_by)
            d("syscommand", "entry", SC_RESTORE)
            self.assertEqual(d.window_state("main"), (True, False, True), minimised_by)
            self.assertFalse(d.window_state("entry")[1], minimised_by)
        self.assertEqual(d.text("main"), sjis(CAPTION))
        self.assertEqual(d.client("main"), (472, 242))
        self.assertEqual(d.tab(1), 1)

    def test_a_message_box_goes_and_comes_back_with_the_main_window(self):
        d = self.driver
        d.tab(6)
        d.refuse_a_computer_name()
        self.assertEqual(d.dialog(), [TITLE, CANNOT_NAME])
        d("syscommand", "entry", SC_MINIMIZE)
        self.assertFalse(d.window_state("main")[0])
        self.assertIsNone(d.dialog())
        d("syscommand", "entry", SC_RESTORE)
        self.assertTrue(d.window_state("main")[0])
        self.assertEqual(d.dialog(), [TITLE, CANNOT_NAME])
        d("dismiss")
        self.assertIsNone(d.dialog())
        self.assertEqual(d.close(), 0)

    def test_switching_to_the_entry_activates_the_main_window_with_its_focus(self):
        d = self.driver
        d("activate", "other")
        self.assertFalse(d.window_state("main")[2])
        d("activate", "entry")  # what a click on the taskbar entry or Alt+Tab does
        self.assertTrue(d.window_state("main")[2])
        self.assertEqual(d.focus(), "PageControl1")

    def test_started_minimised_only_the_entry_shows_until_it_is_restored(self):
        d = self.driver
        d.close()
        d("start_minimised", hexed(windows_path(EXE)), hexed(windows_path(os.path.dirname(EXE))))
        self.assertTrue(d.window_state("entry")[1])
        self.assertFalse(d.window_state("main")[0])
        d("syscommand", "entry", SC_RESTORE)
        self.assertEqual(d.window_state("main"), (True, False, True))
        self.assertEqual(d.client("main"), (472, 242))
        self.assertTrue(d.running())

    def test_closing_through_the_entry_ends_the_program(self):
        d = self.driver
        d("syscommand", "entry", SC_CLOSE)
        self.assertEqual(int(d("wait_end")), 0)

    def test_seven_tabs_with_the_disk_page_in_front(self):
        d = self.driver
        self.assertEqual(d.tabs(), TABS)
        self.assertTrue(d.visible("DiskTab"))
        for page in ("MemTab", "CPUTab", "ResTab", "BIOSTab", "DisplayTab", "UserTab"):
            self.assertFalse(d.visible(page), page)

    def test_each_page_show_moves_the_focus(self):
        d = self.driver
        expected = {1: "Panel8", 2: "Panel11", 4: "Panel26", 5: "Panel29", 6: "Panel16"}
        for index, panel in expected.items():
            self.assertEqual(d.tab(index), index)
            self.assertEqual(d.focus(), panel, "page %d" % index)
        # The resources page has no focus move of its own: the clicked tab keeps it.
        self.assertEqual(d.tab(3), 3)
        self.assertEqual(d.focus(), "PageControl1")
        self.assertTrue(d.visible("ResTab"))

    def test_keyboard_switches_pages_too(self):
        d = self.driver
        self.assertEqual(d.focus(), "PageControl1")
        d("key", 0x27)  # right arrow on the tabs
        self.assertTrue(d.visible("MemTab"))
        self.assertEqual(d.focus(), "Panel8")

    def test_ctrl_tab_switches_pages_both_ways_and_tab_moves_the_focus(self):
        d = self.driver
        tab, shift, control = 0x09, 0x10, 0x11
        self.assertEqual(d.focus(), "PageControl1")
        d("key", tab)  # the first tab stop of the disk page
        self.assertEqual(d.focus(), "DriveComboBox1")
        d("key", shift, tab)
        self.assertEqual(d.focus(), "PageControl1")
        d("key", control, tab)
        self.assertTrue(d.showing("Panel7"))
        self.assertEqual(d.focus(), "Panel8")
        d("key", control, shift, tab)
        self.assertTrue(d.showing("Panel2"))
        d("key", control, shift, tab)  # from the first page round to the last
        self.assertTrue(d.showing("Panel1"))
        self.assertEqual(d.focus(), "Panel16")

    def test_the_focus_comes_back_when_the_window_is_activated_again(self):
        d = self.driver
        d.tab(6)
        d.click("Change")
        self.assertEqual(d.focus(), "NewName")
        d("activate", "other")
        d("activate", "main")
        self.assertEqual(d.focus(), "NewName")

    def test_left_press_moves_a_push_panel_and_release_outside_moves_it_back(self):
        d = self.driver
        d.tab(2)
        before = d.rect("Keisoku")
        d("moveto", "Keisoku", 0, 0)
        d("down", "right")
        self.assertEqual(d.rect("Keisoku"), before, "a right press does nothing")
        d("up", "right")
        d("down", "left")
        pressed = d.rect("Keisoku")
        self.assertEqual(pressed, tuple(v + 1 for v in before))
        d("moveto", "abs", before[0] - 40, before[1] - 40)
        d("up", "left")
        self.assertEqual(d.rect("Keisoku"), before)

    def test_a_press_is_undone_when_another_window_takes_the_mouse(self):
        d = self.driver
        d.tab(2)
        before = d.rect("Keisoku")
        d("moveto", "Keisoku", 0, 0)
        d("down", "left")
        self.assertEqual(d.rect("Keisoku"), tuple(v + 1 for v in before))
        d("activate", "other")
        self.assertEqual(d.rect("Keisoku"), before)
        # The release that follows moves nothing, and the press armed no click.
        d("up", "left")
        self.assertEqual(d.rect("Keisoku"), before)
        self.assertEqual(d.string("Memo7"), IDLE_CLOCK)
        # The next press is a whole one again.
        d("moveto", "Keisoku", 0, 0)
        d("down", "left")
        self.assertEqual(d.rect("Keisoku"), tuple(v + 1 for v in before))
        d("moveto", "abs", before[0] - 40, before[1] - 40)
        d("up", "left")
        self.assertEqual(d.rect("Keisoku"), before)
        self.assertEqual(d.string("Memo7"), IDLE_CLOCK)

    def test_right_click_on_a_display_box_opens_no_menu(self):
        d = self.driver
        for box in ("Memo1", "Memo9"):
            d("moveto", box, 0, 0)
            d("down", "right")
            d("up", "right")
            self.assertEqual(d("popup"), "0", box)
            self.assertEqual([w for w in d.windows() if w[0] not in OWN_WINDOWS], [], box)

    def test_a_click_into_a_display_box_leaves_no_caret(self):
        d = self.driver
        d.click("Memo1")
        self.assertEqual(d.focus(), "Memo1")
        self.assertEqual(d("blink", "Memo1", 1500), "0")
        # Given the focus again by the keyboard, the box shows its caret.
        d("key", 0x10, 0x09)  # shift+tab: back to the drive box
        self.assertEqual(d.focus(), "DriveComboBox1")
        d("key", 0x09)
        self.assertEqual(d.focus(), "Memo1")
        self.assertEqual(d("blink", "Memo1", 1500), "1")

    def test_a_quick_second_press_of_the_right_button_hides_the_caret_too(self):
        d = self.driver
        # The first click gives the box the focus and its caret on the way to
        # the empty context menu; the second press, which the system reports
        # as a double click, hides the caret again.
        d("double_click", "Memo9", "right")
        self.assertEqual(d.focus(), "Memo9")
        self.assertEqual(d("blink", "Memo9", 1500), "0")

    def test_every_page_shows_its_controls_as_laid_out_when_shown_first(self):
        # The pages not in front get their windows after the start; each is
        # read before it was ever shown and again once shown the first time:
        # texts, visibility and gauges are the same, as the layout has them
        # where the start-up leaves them alone, and every window lies where
        # the layout puts it (a label sized to its text from its left edge,
        # or from its right edge when right-aligned and the text fits).
        d = self.driver
        layout = d.layout()
        # After the first refresh tick, which shows the memory page's captions.
        wait_for(lambda: d.visible("Label5"), bool, 5, "the first refresh tick")

        def page_of(name):
            while name is not None and layout[name][1] != LayoutKind.TAB_PAGE:
                name = layout[name][0]
            return name

        def read(name):
            kind = layout[name][1]
            return {"text": d.text(name), "visible": d.visible(name),
                    "gauge": d.gauge(name) if kind == LayoutKind.GAUGE else None}

        checked = 0
        for index, page in enumerate(PAGES):
            names = [n for n in layout if n != page and page_of(n) == page]
            before = {n: read(n) for n in names}
            self.assertEqual(d.tab(index), index)
            self.assertTrue(d.showing(page))
            for name in names:
                parent, kind, align, hidden, (left, top, width, height), design = layout[name]
                now = read(name)
                if name in PERCENTAGES:
                    self.assertTrue(now["text"].endswith(b" %"), name)
                elif design and kind != LayoutKind.TEXT_BOX and name not in LIVE:
                    self.assertEqual(now["text"], design, name)
                if name in LOAD:
                    self.assertEqual(now["visible"], MODE == "win98", name)
                else:
                    self.assertEqual(now["visible"], name in FIGURE_CAPTIONS or not hidden, name)
                if name not in LIVE:
                    self.assertEqual(now, before[name], name)
                if now["gauge"] is not None:
                    position, low, high = now["gauge"]
                    self.assertTrue(low <= position <= high, name)
                placed = d.placed(name)
                if kind == LayoutKind.LABEL:
                    self.assertEqual(placed[1], top, name)
                    if align == LayoutAlign.RIGHT and placed[2] <= width:
                        self.assertEqual(placed[0] + placed[2], left + width, name)
                    else:
                        self.assertEqual(placed[0], left, name)
                elif kind == LayoutKind.DRIVE_BOX:
                    self.assertEqual(placed[:3], (left, top, width), name)
                else:
                    self.assertEqual(placed, (left, top, width, height), name)
                checked += 1
        self.assertGreater(checked, 100)

    def test_later_controls_lie_above_earlier_ones(self):
        # Control IDs follow the layout's rows, so among siblings the topmost
        # window has the highest ID, and so on down.
        d = self.driver
        containers, seen = ["main"], 0
        while containers:
            name = containers.pop()
            children = [item.split("=") for item in d("zorder", name).split()]
            ids = [int(i) for _, i in children]
            self.assertEqual(ids, sorted(ids, reverse=True), name)
            containers += [child for child, _ in children]
            seen += len(children)
        self.assertGreater(seen, 100)

    def test_close_ends_the_program(self):
        self.assertEqual(self.driver.close(), 0)


class WorkingDirectory(ProgramTest):
    def setUp(self):
        self.directory = tempfile.mkdtemp(prefix="velnor-e2e-")
        self.exe = os.path.join(self.directory, "velnor.exe")
        shutil.copy(EXE, self.exe)

    def tearDown(self):
        super().tearDown()
        shutil.rmtree(self.directory, ignore_errors=True)

    def test_tempdata_is_created_and_a_second_start_does_not_fail(self):
        d = self.driver
        tempdata = os.path.join(self.directory, "TempData")
        d.start(self.exe)
        self.assertTrue(os.path.isdir(tempdata))
        self.assertEqual(d.close(), 0)
        d.start(self.exe)
        self.assertNoErrorBox()
        self.assertEqual(d.close(), 0)
        self.assertEqual(sorted(os.listdir(self.directory)), ["TempData", "velnor.exe"])

    def test_a_directory_that_cannot_be_made_shows_no_message(self):
        d = self.driver
        with open(os.path.join(self.directory, "TempData"), "w") as f:
            f.write("in the way")
        d.start(self.exe)
        self.assertNoErrorBox()
        self.assertEqual(sorted(w[0] for w in d.windows()), sorted(OWN_WINDOWS))
        self.assertEqual(d.close(), 0)
