"""Messages that another program may send or post to the program's windows:
none may crash it, hang it or start work that nobody asked for. The driver
watches the program as a debugger meanwhile and counts the access violations
it takes, since Wine swallows one raised inside a window procedure where
Windows 9x ends the program."""
from velnor_e2e import ProgramTest, hexed

WM_DRAWITEM, WM_MEASUREITEM, WM_DELETEITEM, WM_COMPAREITEM = 0x2B, 0x2C, 0x2D, 0x39
WM_NOTIFY, WM_TIMER = 0x4E, 0x113
CLOCK_TIMER = 1
IDLE_CLOCK = "CPUクロック   "
CANNOT_NAME = "コンピュータ名を変更できません。"


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
        for target, message in (("main", WM_NOTIFY), ("PageControl1", WM_NOTIFY), ("main", WM_DRAWITEM)):
            # The system may refuse to post a message that carries a record.
            self.assertIn(d("post", target, message, 0, "0x1234"), ("posted 0", "refused 0"), (target, hex(message)))
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
        d.click("Change")
        d("settext", "NewPCName", hexed("X" * 20))  # a name the system refuses
        d.click("Touroku")
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", CANNOT_NAME])
        self.assertEqual(d("post", "main", WM_TIMER, CLOCK_TIMER, "ExitProcess"), "posted 0")
        self.assertEqual(d("post", "thread", WM_TIMER, CLOCK_TIMER, "ExitProcess"), "posted 0")
        self.assertIn(d("post", "main", WM_NOTIFY, 0, "0x1234"), ("posted 0", "refused 0"))
        self.assertEqual(d("send_foreign", "main", WM_NOTIFY, 0, "unmapped"), "sent 0 0")
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", CANNOT_NAME])
        d("dismiss")
        self.assertAliveAndAnswering()
        self.assertEqual(d.close(), 0)
