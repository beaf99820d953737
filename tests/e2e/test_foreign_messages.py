"""Messages that another program may send or post to the program's windows:
none may crash it, hang it or start work that nobody asked for. The driver
watches the program as a debugger meanwhile and counts the access violations
it takes, since Wine swallows one raised inside a window procedure where
Windows 9x ends the program."""
from velnor_e2e import CANNOT_NAME, HKLM, REG_SZ, VERSION_KEY, ProgramTest, hexed

WM_DRAWITEM, WM_MEASUREITEM, WM_DELETEITEM, WM_COMPAREITEM = 0x2B, 0x2C, 0x2D, 0x39
WM_NOTIFY, WM_TIMER = 0x4E, 0x113
WM_DESTROY, WM_SETTEXT, WM_GETTEXT, WM_CLOSE, WM_GETMINMAXINFO = 0x02, 0x0C, 0x0D, 0x10, 0x24
WM_WINDOWPOSCHANGING, WM_NCCREATE, WM_NCDESTROY, WM_NCCALCSIZE = 0x46, 0x81, 0x82, 0x83
WM_KEYDOWN, WM_CHAR, WM_COMMAND = 0x100, 0x102, 0x111
WM_LBUTTONDOWN, WM_LBUTTONUP, BM_CLICK = 0x201, 0x202, 0xF5
EM_GETSEL, EM_GETLINE, CB_GETLBTEXT, CB_ADDSTRING = 0xB0, 0xC4, 0x148, 0x143
PBM_GETRANGE = 0x407
TCM_GETITEMA, TCM_GETITEMRECT, TCM_DELETEALLITEMS, TCM_GETITEMCOUNT = 0x1305, 0x130A, 0x1309, 0x1304
TCM_GETCURSEL, TCM_SETCURSEL, TCM_SETCURFOCUS = 0x130B, 0x130C, 0x1330
SC_CLOSE = 0xF060
VK_RETURN = 0x0D
BAD_POINTER = "0x1234"  # no memory of anyone's
CLOCK_TIMER = 1
IDLE_CLOCK = "CPUクロック   "


class ForeignMessages(ProgramTest):
    def setUp(self):
        self.driver.start()

    def assertAliveAndAnswering(self):
        d = self.driver
        self.assertTrue(d.running())
        d("tick", 1, 3000)  # a refresh tick, handled within 3 s
        self.assertNoErrorBox()

    def test_records_sent_from_elsewhere_are_not_read(self):
        # lParam is an address that is no memory of the program's, as a
        # pointer from another process is; a combo box would even write there.
        d = self.driver
        cases = [("main", WM_NOTIFY), ("main", WM_DRAWITEM), ("PageControl1", WM_NOTIFY),
                 ("DriveComboBox1", WM_DRAWITEM), ("DriveComboBox1", WM_MEASUREITEM),
                 ("DriveComboBox1", WM_DELETEITEM), ("DriveComboBox1", WM_COMPAREITEM)]
        for target, message in cases:
            self.assertEqual(d("send_foreign", target, message, 0, "unmapped"), "sent 0 0", (target, hex(message)))
        self.assertAliveAndAnswering()

    def test_records_posted_from_elsewhere_are_dropped(self):
        d = self.driver
        for target, message in (("main", WM_NOTIFY), ("PageControl1", WM_NOTIFY)):
            self.assertEqual(d("post", target, message, 0, BAD_POINTER), "posted 0", (target, hex(message)))
        # Wine refuses to post it, so the rows above are the ones that test the program's guard.
        self.assertEqual(d("post", "main", WM_DRAWITEM, 0, BAD_POINTER), "refused 0")
        self.assertAliveAndAnswering()

    def test_the_clock_timers_message_starts_no_measurement_while_none_was_asked_for(self):
        d = self.driver
        d.tab(2)
        for _ in range(5):
            self.assertEqual(d("post", "main", WM_TIMER, CLOCK_TIMER, 0), "posted 0")
        self.assertAliveAndAnswering()
        self.assertEqual(d.string("Memo7"), IDLE_CLOCK)
        self.assertFalse(d.visible("Label16"))

    def test_a_timer_message_that_names_a_procedure_is_not_dispatched(self):
        # DispatchMessage would call lParam; here it is the program's own
        # ExitProcess, so a call would end the program.
        d = self.driver
        for target in ("main", "PageControl1", "thread"):
            self.assertEqual(d("post", target, WM_TIMER, CLOCK_TIMER, "ExitProcess"), "posted 0", target)
        self.assertAliveAndAnswering()
        self.assertEqual(d.close(), 0)

    def test_nor_while_a_message_box_runs_its_own_message_loop(self):
        d = self.driver
        d.tab(6)
        d.refuse_a_computer_name()
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", CANNOT_NAME])
        self.assertEqual(d("post", "main", WM_TIMER, CLOCK_TIMER, "ExitProcess"), "posted 0")
        self.assertEqual(d("post", "thread", WM_TIMER, CLOCK_TIMER, "ExitProcess"), "posted 0")
        self.assertEqual(d("post", "main", WM_NOTIFY, 0, BAD_POINTER), "posted 0")
        self.assertEqual(d("send_foreign", "main", WM_NOTIFY, 0, "unmapped"), "sent 0 0")
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", CANNOT_NAME])
        d("dismiss")
        self.assertAliveAndAnswering()
        self.assertEqual(d.close(), 0)

    def test_posted_messages_that_carry_a_pointer_are_dropped_whatever_window_they_go_to(self):
        # The gauge would write 8 bytes at the address, the tab control and
        # the combo box a record or a text, the edit controls two numbers.
        d = self.driver
        d.tab(6)
        d.click("Change")  # the editing panel's boxes get their windows
        d.tab(0)
        cases = [("Gauge5", PBM_GETRANGE, 1, BAD_POINTER), ("Gauge5", PBM_GETRANGE, 0, BAD_POINTER),
                 ("PageControl1", TCM_GETITEMRECT, 0, BAD_POINTER), ("PageControl1", TCM_GETITEMA, 0, BAD_POINTER)]
        for target, message, w, l in cases:
            self.assertEqual(d("post", target, message, w, l), "posted 0", (target, hex(message)))
        # Wine refuses to post these, so the rows above are the ones that test the program's guard.
        refused = [("DriveComboBox1", CB_GETLBTEXT, 0, BAD_POINTER), ("NewName", EM_GETSEL, BAD_POINTER, BAD_POINTER),
                   ("Memo1", EM_GETLINE, 0, BAD_POINTER), ("main", WM_GETMINMAXINFO, 0, BAD_POINTER),
                   ("main", WM_WINDOWPOSCHANGING, 0, BAD_POINTER), ("main", WM_NCCALCSIZE, 1, BAD_POINTER),
                   ("main", WM_GETTEXT, 100, BAD_POINTER), ("main", WM_SETTEXT, 0, BAD_POINTER),
                   ("entry", WM_GETTEXT, 100, BAD_POINTER), ("Panel2", WM_SETTEXT, 0, BAD_POINTER)]
        for target, message, w, l in refused:
            self.assertEqual(d("post", target, message, w, l), "refused 0", (target, hex(message)))
        self.assertAliveAndAnswering()
        self.assertEqual(d.gauge("Gauge5")[1:], (0, 100))
        self.assertEqual(d.tabs()[0], "ディスク")

    def test_pointers_sent_from_elsewhere_are_answered_only_into_memory_of_the_programs(self):
        d = self.driver
        for target, message, w in (("Gauge5", PBM_GETRANGE, 0), ("PageControl1", TCM_GETITEMRECT, 0),
                                   ("PageControl1", TCM_GETITEMA, 0)):
            reply = d("send_foreign", target, message, w, "unmapped")
            self.assertTrue(reply.startswith("sent ") and reply.endswith(" 0"), (target, hex(message), reply))
        # A buffer a tool places in the program is filled in: the driver's
        # own queries of the gauge's range and the tabs' places and texts.
        self.assertEqual(d.gauge("Gauge5")[1:], (0, 100))
        self.assertEqual(d.tabs()[2], "CPU")
        self.assertAliveAndAnswering()

    def test_another_program_neither_changes_the_tabs_nor_the_drive_list(self):
        d = self.driver
        tabs, drives = d.tabs(), d.combo_items("DriveComboBox1")
        d("send", "PageControl1", TCM_DELETEALLITEMS, 0, 0)
        self.assertEqual(d("send", "DriveComboBox1", CB_ADDSTRING, 0, "text:" + hexed("x: [FOREIGN]")), "0")
        self.assertEqual(d.tabs(), tabs)
        self.assertEqual(d.combo_items("DriveComboBox1"), drives)
        self.assertEqual(int(d("send", "PageControl1", TCM_GETITEMCOUNT, 0, 0)), len(tabs))

    def test_creation_and_destruction_messages_from_elsewhere_change_nothing(self):
        d = self.driver
        cases = [("send_foreign", WM_NCDESTROY, 0), ("post", WM_NCDESTROY, 0), ("send_foreign", WM_DESTROY, 0),
                 ("post", WM_DESTROY, 0), ("send_foreign", WM_NCCREATE, "unmapped"),
                 ("send_foreign", WM_CLOSE, 0)]
        for how, message, l in cases:
            for target in ("main", "PageControl1", "Panel2"):
                if how == "send_foreign" and message == WM_CLOSE and target == "main":
                    continue  # the one message that really closes the window
                reply = d(how, target, message, 0, l)
                self.assertTrue(reply.endswith(" 0"), (how, target, hex(message), reply))
        self.assertAliveAndAnswering()
        self.assertTrue(d.showing("Panel2"))
        # The window still closes as the user closes it, and the program ends.
        d("syscommand", "main", SC_CLOSE)
        self.assertEqual(int(d("wait_end")), 0)


class HiddenControls(ProgramTest):
    """A control that is hidden, on a page behind, or under a message box of
    the program's does nothing on input, from anyone."""

    def setUp(self):
        d = self.driver
        self.active = d.no_name_waits()
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOwner", REG_SZ, "Old Owner")
        d.start()
        d.tab(6)

    def click(self, name):
        d = self.driver
        d("post", name, WM_LBUTTONDOWN, 1, 0x000A000A)
        d("post", name, WM_LBUTTONUP, 0, 0x000A000A)

    def test_a_closed_editing_panel_registers_nothing(self):
        d = self.driver
        d.click("Change")
        d("settext", "NewPCName", hexed("CANCELLED"))
        d.click("Cancel")
        self.assertFalse(d.showing("Touroku"))
        self.click("Touroku")
        d("post", "Touroku", BM_CLICK, 0, 0)
        d("post", "NewName", WM_KEYDOWN, VK_RETURN, 0)
        d("post", "NewName", WM_CHAR, ord("x"), 0)
        d("send", "NewName", WM_SETTEXT, 0, "text:" + hexed("Pasted"))
        self.assertEqual(d.waiting_name(), self.active)
        self.assertEqual(d.string("NewName"), "Old Owner")
        self.assertNoErrorBox()
        # A page behind takes no input either.
        d.tab(0)
        self.click("Change")
        self.assertFalse(d.visible("Panel20"))

    def test_a_command_naming_a_hidden_button_does_not_refresh_over_what_is_typed(self):
        d = self.driver
        d.click("Change")
        d("settext", "NewName", hexed("Being typed"))
        for target in ("UserTab", "Panel1", "main"):
            d("send", target, WM_COMMAND, "id:Button8", 0)
            d("post", target, WM_COMMAND, "id:Button8", 0)
        self.assertEqual(d.string("NewName"), "Being typed")
        self.assertTrue(d.visible("Panel20"))

    def test_clicks_posted_while_the_refusal_box_is_open_start_no_registration(self):
        d = self.driver
        d.refuse_a_computer_name()
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", CANNOT_NAME])
        for _ in range(10):
            self.click("Touroku")
        d("post", "Touroku", BM_CLICK, 0, 0)
        boxes = [w for w in d.windows() if w[0] == "#32770"]
        self.assertEqual(len(boxes), 1, boxes)
        d("dismiss")
        self.assertIsNone(d.dialog())
        self.assertTrue(d.running())
        self.assertNoErrorBox()

    def test_no_page_is_chosen_while_the_refusal_box_is_open(self):
        d = self.driver
        d.refuse_a_computer_name()
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", CANNOT_NAME])
        chosen = d("send", "PageControl1", TCM_GETCURSEL, 0, 0)
        d("send", "PageControl1", TCM_SETCURSEL, 0, 0)
        d("send", "PageControl1", TCM_SETCURFOCUS, 1, 0)
        self.assertEqual(d("send", "PageControl1", TCM_GETCURSEL, 0, 0), chosen)
        self.assertTrue(d.showing("UserTab"))
        self.assertFalse(d.showing("DiskTab"))
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", CANNOT_NAME])
        d("dismiss")
        # Once the box is gone, the same message chooses the page.
        d("send", "PageControl1", TCM_SETCURSEL, 0, 0)
        self.assertTrue(d.showing("DiskTab"))
