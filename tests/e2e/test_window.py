"""The main window: caption, size, position, tabs, focus, push panels, menus, TempData."""
import os
import shutil
import tempfile

from velnor_e2e import EXE, ProgramTest, sjis

CAPTION = "\u3000Velnor(Win9x)      Ver 1.2\u3000\u3000Tollen  "
TABS = ["ディスク", "メモリ", "CPU", "リソース 残量", "BIOS", "画面", "ユーザー 情報"]


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

    def test_right_click_on_a_display_box_opens_no_menu(self):
        d = self.driver
        for box in ("Memo1", "Memo9"):
            d("moveto", box, 0, 0)
            d("down", "right")
            d("up", "right")
            self.assertEqual(d("popup"), "0", box)
            self.assertEqual([w for w in d.windows() if w[0] != "VelnorForm"], [], box)

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
        self.assertEqual([w[0] for w in d.windows()], ["VelnorForm"])
        self.assertEqual(d.close(), 0)
