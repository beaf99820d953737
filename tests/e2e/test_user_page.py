"""The user page and the CPU page's processor boxes, from registry fixtures
written before the program starts."""
from velnor_e2e import HKLM, MODE, REG_DWORD, REG_SZ, VERSION_KEY, VIEWING, ProgramTest, unhexed

CPU_KEY = r"Hardware\Description\System\CentralProcessor\0"
CPU_CLASS_KEY = r"SYSTEM\ControlSet001\Control\Class\{50127DC3-0F36-415E-A6CC-4CB3BE910B65}\0000"
NINE_X = MODE == "win98"


class UserPage(ProgramTest):
    def setUp(self):
        d = self.driver
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOwner", REG_SZ, "山田　太郎")
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOrganization", REG_SZ, "Velnor 研究所")
        d.reg_set(HKLM, CPU_KEY, "Identifier", REG_SZ, "x86 Family 6 Model 8 Stepping 3")
        d.reg_set(HKLM, CPU_KEY, "VendorIdentifier", REG_SZ, "GenuineIntel")
        d.reg_set(HKLM, CPU_CLASS_KEY, "DriverDesc", REG_SZ, "Intel(R) Pentium(R) III processor")
        d.no_name_waits()

    def test_owner_organisation_and_computer_name(self):
        d = self.driver
        d.start()
        self.assertEqual(d.string("NowName"), "山田　太郎")
        self.assertEqual(d.string("NowCompany"), "Velnor 研究所")
        self.assertEqual(d.string("NewName"), "山田　太郎")
        self.assertEqual(d.string("NewCompany"), "Velnor 研究所")
        name = unhexed(d("computer_name")).decode("cp932")
        self.assertEqual(d.string("NowPCName"), name or "???")
        self.assertEqual(d.string("NewPCName"), name or "???")
        self.assertEqual(d.string("M1"), VIEWING)

    def test_processor_name_and_vendor_on_the_cpu_page(self):
        d = self.driver
        d.start()
        expected = "x86 Family 6 Model 8 Stepping 3" if NINE_X else "Intel(R) Pentium(R) III processor"
        self.assertEqual(d.string("Edit3"), expected)
        self.assertEqual(d.string("Edit4"), "GenuineIntel")

    def test_load_controls_only_on_windows_9x(self):
        d = self.driver
        d.start()
        d.tab(2)
        for name in ("Label9", "Label21", "Gauge6"):
            self.assertEqual(d.visible(name), NINE_X, name)

    def test_values_that_cannot_be_read_show_empty_texts(self):
        d = self.driver
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOwner", REG_SZ, "x" * 300)
        d.reg_delete_value(HKLM, VERSION_KEY, "RegisteredOrganization")
        d.reg_set(HKLM, CPU_KEY, "VendorIdentifier", REG_DWORD, b"\x41\x00\x00\x00")
        d.start()
        self.assertEqual(d.text("NowName"), b"")
        self.assertEqual(d.text("NowCompany"), b"")
        self.assertEqual(d.text("Edit4"), b"A")  # the type is not looked at
        self.assertNoErrorBox()
