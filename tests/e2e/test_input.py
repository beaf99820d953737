"""Every way of giving input works as a click does: clicks, keys and selection
messages that another program sends to the tabs, the keyboard alone on the
push panels and the editing panel, the focus that never stays on a hidden
page, the window's fixed size whoever asks, and a full figure that stands
clear of its caption."""
import struct
import unittest

from velnor_e2e import HKDD, HKLM, MODE, REG_BINARY, REG_SZ, VERSION_KEY, VIEWING, ProgramTest, hexed, wait_for

NINE_X = MODE == "win98"
PAGE_OF_CAPTION = {"ディスク": "DiskTab", "メモリ": "MemTab", "CPU": "CPUTab", "リソース 残量": "ResTab",
                   "BIOS": "BIOSTab", "画面": "DisplayTab", "ユーザー 情報": "UserTab"}
PAGES = ["DiskTab", "MemTab", "CPUTab", "ResTab", "BIOSTab", "DisplayTab", "UserTab"]
WM_KEYDOWN, WM_KEYUP = 0x100, 0x101
TCM_GETCURSEL, TCM_SETCURSEL, TCM_SETCURFOCUS = 0x130B, 0x130C, 0x1330
SC_SIZE, SC_MAXIMIZE = 0xF000, 0xF030
VK_TAB, VK_RETURN, VK_SHIFT, VK_CONTROL, VK_ESCAPE, VK_SPACE, VK_RIGHT = (
    0x09, 0x0D, 0x10, 0x11, 0x1B, 0x20, 0x27)
MEASURING = " 只今・・・計測中！"
WHITE = "ffffff"


class ForeignInput(ProgramTest):
    """What automation tools and screen readers send from their own process."""

    def setUp(self):
        self.driver.start()

    def assertPageInFront(self, page):
        """The page whose tab the tab control has selected is the one shown, and only it."""
        d = self.driver
        selected = int(d("send", "PageControl1", TCM_GETCURSEL, 0, 0))
        self.assertEqual(PAGE_OF_CAPTION[d.tabs()[selected]], page)
        for other in PAGES:
            self.assertEqual(d.showing(other), other == page, other)

    def index_of(self, page):
        return [PAGE_OF_CAPTION[caption] for caption in self.driver.tabs()].index(page)

    def test_a_click_sent_on_a_tab_brings_its_page_to_the_front(self):
        d = self.driver
        for page, focus in (("CPUTab", "Panel11"), ("UserTab", "Panel16"), ("DiskTab", "PageControl1")):
            index = self.index_of(page)
            self.assertEqual(int(d("send_tab", index)), index, page)
            self.assertPageInFront(page)
            # The page's show event ran as for a click of the mouse.
            self.assertEqual(d.focus(), focus, page)

    def test_keys_and_selection_messages_sent_to_the_tabs_move_the_page_too(self):
        d = self.driver
        d("send", "PageControl1", WM_KEYDOWN, VK_RIGHT, 0)
        d("send", "PageControl1", WM_KEYUP, VK_RIGHT, 0xC0000000)
        self.assertPageInFront("MemTab")
        for message, page in ((TCM_SETCURFOCUS, "BIOSTab"), (TCM_SETCURSEL, "DisplayTab"),
                              (TCM_SETCURSEL, "DiskTab")):
            d("send", "PageControl1", message, self.index_of(page), 0)
            self.assertPageInFront(page)
        # A selection past the last tab is refused by the tab control, and nothing moves.
        d("send", "PageControl1", TCM_SETCURSEL, 40, 0)
        self.assertPageInFront("DiskTab")
        self.assertTrue(d.running())

    def test_a_maximise_or_size_command_from_anyone_leaves_the_window_as_it_is(self):
        d = self.driver
        before = d.rect("main")
        for window in ("main", "entry"):
            for command in (SC_MAXIMIZE, SC_SIZE, SC_MAXIMIZE | 2):
                # Sent, the command must be answered within the driver's 30 s:
                # a sizing loop would wait for the mouse instead.
                d("timed_syscommand", window, command)
                d("syscommand", window, command)
                self.assertEqual(d.rect("main"), before, (window, hex(command)))
        self.assertEqual(d.window_state("main"), (True, False, True))
        self.assertNoErrorBox()


class Keyboard(ProgramTest):
    """A person without a mouse."""

    def focus_by_tab(self, name, limit=20):
        d = self.driver
        for _ in range(limit):
            if d.focus() == name:
                return
            d("key", VK_TAB)
        self.fail("Tab never reached %s (the focus is on %s)" % (name, d.focus()))

    def test_a_push_panel_is_a_tab_stop_that_shows_its_focus_and_space_presses_it(self):
        d = self.driver
        d.start()
        d.tab(2)
        self.assertEqual(d.focus(), "Panel11")
        unfocused = int(d("count_colour", "Keisoku", WHITE))
        self.focus_by_tab("Keisoku")
        # A dotted ring in the caption's colour, inside the ellipse.
        self.assertGreater(int(d("count_colour", "Keisoku", WHITE)), unfocused + 20)
        at = d.placed("Keisoku")
        d("key_down", VK_SPACE)
        self.assertEqual(d.placed("Keisoku"), (at[0] + 1, at[1] + 1, at[2], at[3]))
        self.assertEqual(d.string("Memo7"), "CPUクロック   ", "the press alone starts nothing")
        d("key_up", VK_SPACE)
        self.assertEqual(d.placed("Keisoku"), at)
        self.assertEqual(d.string("Memo7"), MEASURING)
        # Tab on: the ring goes with the focus.
        d("key", VK_TAB)
        self.assertNotEqual(d.focus(), "Keisoku")
        wait_for(lambda: int(d("count_colour", "Keisoku", WHITE)), lambda n: n == unfocused, 10, "the ring gone")

    def test_the_registration_by_keyboard_alone(self):
        d = self.driver
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOrganization", REG_SZ, "Old Org")
        d.start()
        d.tab(6)
        self.focus_by_tab("Change")
        d("key", VK_RETURN)  # Enter presses a push panel as Space does
        self.assertTrue(d.visible("Panel20"))
        self.assertEqual(d.focus(), "NewName")
        # Round the editing panel only, in its tab order, both ways.
        round_trip = ["NewCompany", "Touroku", "Cancel", "NewPCName", "NewName"]
        for name in round_trip:
            d("key", VK_TAB)
            self.assertEqual(d.focus(), name)
        for name in reversed(round_trip[:-1]):
            d("key", VK_SHIFT, VK_TAB)
            self.assertEqual(d.focus(), name)
        # Esc cancels from a box: nothing written, the focus back on Change.
        self.assertEqual(d.focus(), "NewCompany")
        d("type", hexed("Typed Org"))
        d("key", VK_ESCAPE)
        self.assertFalse(d.visible("Panel20"))
        self.assertEqual(d.focus(), "Change")
        self.assertEqual(d.string("M1"), VIEWING)
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOrganization"), (REG_SZ, b"Old Org\0"))
        # Space opens it again; Enter in a box registers.
        d("key", VK_SPACE)
        self.assertEqual(d.focus(), "NewName")
        d("key", VK_TAB)
        d("type", hexed("New Org"))
        d("key", VK_RETURN)
        self.assertNoErrorBox()
        self.assertFalse(d.visible("Panel20"))
        self.assertEqual(d.focus(), "Change")
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOrganization"), (REG_SZ, b"New Org\0"))
        self.assertEqual(d.string("NowCompany"), "New Org")
        self.assertEqual(d.string("M1"), VIEWING)

    def test_ctrl_tab_never_leaves_the_focus_on_a_hidden_page(self):
        d = self.driver
        d.start()
        d("key", VK_TAB)
        self.assertEqual(d.focus(), "DriveComboBox1")
        count = len(d.tabs())
        for step in range(count + 1):
            d("key", VK_CONTROL, VK_TAB)
            focused = d.focus()
            self.assertTrue(d.showing(focused), "step %d: the focus is on %s, which is hidden" % (step, focused))
        for step in range(count):
            d("key", VK_CONTROL, VK_SHIFT, VK_TAB)
            focused = d.focus()
            self.assertTrue(d.showing(focused), "back %d: the focus is on %s, which is hidden" % (step, focused))
        # The pages without a focus move of their own leave it on the tabs.
        for _ in range(count):
            if d.showing("DiskTab"):
                break
            d("key", VK_CONTROL, VK_TAB)
        else:
            self.fail("Ctrl+Tab did not come round to the disk page in %d presses" % count)
        self.assertEqual(d.focus(), "PageControl1")


@unittest.skipUnless(NINE_X, "the processor load shows on Windows 9x only")
class FullFigure(ProgramTest):
    CPU_USAGE = "KERNEL\\CPUUsage"

    def tearDown(self):
        super().tearDown()
        self.driver.reg_delete_value(HKDD, "PerfStats\\StatData", self.CPU_USAGE)

    def test_a_full_load_stands_right_of_its_caption(self):
        d = self.driver
        d.reg_set(HKDD, "PerfStats\\StatData", self.CPU_USAGE, REG_BINARY, struct.pack("<i", 7))
        d.start()
        d.tab(2)
        wait_for(lambda: d.string("Label21"), lambda text: text == "7 %", 5, "the first load")
        one_digit = d.rect("Label21")
        d.reg_set(HKDD, "PerfStats\\StatData", self.CPU_USAGE, REG_BINARY, struct.pack("<i", 100))
        wait_for(lambda: d.string("Label21"), lambda text: text == "100 %", 5, "a full load")
        full = d.rect("Label21")
        caption = d.rect("Label9")
        self.assertGreaterEqual(full[0], caption[2], "'100 %%' %r paints over its caption %r" % (full, caption))
        self.assertGreater(full[2], one_digit[2], "a figure wider than its box grows to the right")
