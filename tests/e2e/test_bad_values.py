"""Registry values of the wrong type, size or bytes, and keys that are gone:
the program starts, refreshes, shows what its reading rules give and closes
cleanly, with no message box. The telling cases of the long fault runs
(tests/faults), kept here so that every test run has them."""
import struct

from velnor_e2e import HKDD, HKLM, MODE, REG_BINARY, REG_DWORD, REG_MULTI_SZ, REG_SZ, VERSION_KEY, ProgramTest, hexed

REG_NONE = 0
NINE_X = MODE == "win98"
CPU_KEY = r"Hardware\Description\System\CentralProcessor\0"
CPU_CLASS_KEY = r"SYSTEM\ControlSet001\Control\Class\{50127DC3-0F36-415E-A6CC-4CB3BE910B65}\0000"
CPU_NAME = (CPU_KEY, "Identifier") if NINE_X else (CPU_CLASS_KEY, "DriverDesc")
SYSTEM_KEY = r"HARDWARE\DESCRIPTION\System"
DEVICE_KEY = r"SYSTEM\ControlSet001\Control\Class\{4D36E97D-E325-11CE-BFC1-08002BE10318}\0014"
STAT_DATA, START_STAT, STOP_STAT = r"PerfStats\StatData", r"PerfStats\StartStat", r"PerfStats\StopStat"
CPU_USAGE = "KERNEL\\CPUUsage"
# Shift-JIS text whose trail bytes are 0x5C (表, ソ), and half-width katakana.
SJIS_5C = b"\x95\\\x83\\" * 63 + b"\xb1\xb2"
# Lead bytes and bytes that lead nothing, each followed by 0x5C, no zero.
HIGH = bytes(0x80 + (i // 2) % 128 if i % 2 == 0 else 0x5C for i in range(256))


class Fixtures(ProgramTest):
    """Each test writes its values over sound ones and puts the old ones back."""

    def setUp(self):
        self.saved = []

    def tearDown(self):
        super().tearDown()
        # Keys taken away come back first, so that the old values go back
        # into them and not into keys made meanwhile.
        self.doCleanups()
        d = self.driver
        for root, key, name, old in reversed(self.saved):
            if old is None:
                d.reg_delete_value(root, key, name)
            else:
                d.reg_set(root, key, name, old[0], old[1])

    def put(self, root, key, name, kind, data):
        self.saved.append((root, key, name, self.driver.reg_get(root, key, name)))
        self.driver.reg_set(root, key, name, kind, data)

    def statistics_key(self, key, values):
        """A statistics switch key holding these values alone, gone after the test."""
        d = self.driver
        d.reg_delete_key(HKDD, key)
        self.addCleanup(d.reg_delete_key, HKDD, key)
        for name, kind, data in values:
            d.reg_set(HKDD, key, name, kind, data)

    def take_away(self, key):
        """Renames a key for the test, as if it were not there. (Not a key of
        HARDWARE: Wine 8's server fails at its end after a volatile key was
        renamed.)"""
        d = self.driver
        parent, _, name = key.rpartition("\\")
        self.assertEqual(d("reg_rename", HKLM, hexed(key), hexed(name + ".gone")), "renamed")

        def put_back():
            # Wine makes some keys again when a program starts without them
            # (Windows NT\CurrentVersion\Time Zones): that copy goes first.
            d.reg_delete_key(HKLM, key)
            d("reg_rename", HKLM, hexed(parent + "\\" + name + ".gone"), hexed(name))
        self.addCleanup(put_back)

    def start_and_refresh(self):
        d = self.driver
        d.start()
        d("tick", 3, 10000)
        self.assertNoErrorBox()

    def close_cleanly(self):
        self.assertNoErrorBox()
        self.assertTrue(self.driver.running())
        self.assertEqual(self.driver.close(), 0)


class BadValues(Fixtures):
    def test_texts_at_the_edge_of_the_255_byte_buffer(self):
        d = self.driver
        owner = b"A" * 253 + b"\x95\\"  # 255 bytes, no zero; the last character's trail byte is 0x5C
        self.put(HKLM, VERSION_KEY, "RegisteredOwner", REG_BINARY, owner)
        self.put(HKLM, VERSION_KEY, "RegisteredOrganization", REG_NONE, b"B" * 256)
        self.put(HKLM, CPU_NAME[0], CPU_NAME[1], REG_MULTI_SZ, b"Pentium\0Pro\0\0")
        self.put(HKLM, CPU_KEY, "VendorIdentifier", REG_BINARY, SJIS_5C)
        self.start_and_refresh()
        self.assertEqual(d.text("NowName"), owner)
        self.assertEqual(d.text("NewName"), owner)
        self.assertEqual(d.text("NowCompany"), b"")
        self.assertEqual(d.text("Edit3"), b"Pentium")
        self.assertEqual(d.text("Edit4"), SJIS_5C)
        self.close_cleanly()

    def test_statistics_of_every_kind_between_start_and_close(self):
        d = self.driver
        odd_name = HIGH[:255]
        for key in (START_STAT, STOP_STAT):
            self.statistics_key(key, [(CPU_USAGE, REG_SZ, b"x" * 4095 + b"\0"), ("Dword", REG_DWORD, b"\1\0\0\0"),
                                      ("Empty", REG_BINARY, b""), (odd_name, REG_BINARY, b"\0\0\0\0"),
                                      ("Long", REG_NONE, bytes(4096))])
        self.put(HKDD, STAT_DATA, CPU_USAGE, REG_BINARY, b"\x25\0\0\0\0")
        self.start_and_refresh()
        # A load that is not 4 bytes of binary data leaves the design state.
        self.assertEqual((d.text("Label21"), d.gauge("Gauge6")[0]), (b"100%", 0))
        for kind, data, label, position in (
                (REG_NONE, struct.pack("<i", -2 ** 31), b"-2147483648 %", 0),
                (REG_BINARY, b"\x25\0\0", b"-2147483648 %", 0),        # 3 bytes: as it was
                (REG_MULTI_SZ, b"ABC\0", b"4407873 %", 100),
                (REG_NONE, struct.pack("<i", 2 ** 31 - 1), b"2147483647 %", 100),
                (REG_DWORD, b"\x25\0\0\0", b"2147483647 %", 100),     # a 32-bit type: as it was
                (REG_BINARY, struct.pack("<i", 100), b"100 %", 100)):
            d.reg_set(HKDD, STAT_DATA, CPU_USAGE, kind, data)
            d("tick", 1, 10000)
            if not NINE_X:
                # The NT family keeps no such statistics; Wine opens the key
                # in every mode, but the program does not look there.
                label, position = b"100%", 0
            self.assertEqual((d.text("Label21"), d.gauge("Gauge6")[0]), (label, position), (kind, data))
        self.close_cleanly()

    def test_keys_that_are_gone(self):
        d = self.driver
        self.take_away(VERSION_KEY)
        if not NINE_X:
            # Wine has no such key of its own: one is made, then taken away.
            d.reg_set(HKLM, CPU_CLASS_KEY, "DriverDesc", REG_SZ, "Intel(R) Pentium(R) III processor")
            self.addCleanup(d.reg_delete_value, HKLM, CPU_CLASS_KEY, "DriverDesc")
            self.take_away(CPU_CLASS_KEY)
        self.start_and_refresh()
        self.assertEqual((d.text("NowName"), d.text("NowCompany")), (b"", b""))
        self.assertEqual((d.text("NewName"), d.text("NewCompany")), (b"", b""))
        if not NINE_X:
            self.assertEqual(d.text("Edit3"), b"")
        self.close_cleanly()


class BadBiosValues(Fixtures):
    """The NT family's BIOS step: it ends at the first read that fails and keeps the lines before it."""

    def setUp(self):
        super().setUp()
        if NINE_X:
            self.skipTest("the registry is the BIOS source on the NT family only")
        self.put(HKLM, SYSTEM_KEY, "SystemBIOSVersion", REG_MULTI_SZ, b"BIOS A\0BIOS B\0\0")
        self.put(HKLM, SYSTEM_KEY, "SystemBIOSDate", REG_SZ, b"12/21/04\0")
        self.put(HKLM, DEVICE_KEY, "DriverDesc", REG_SZ, b"System board\0")
        self.put(HKLM, DEVICE_KEY, "DriverVersion", REG_SZ, b"5.1.2600.0\0")

    CASES = [  # the value changed, its type and data, Memo8
        ("SystemBIOSVersion", REG_NONE, b"AB\0" + b"X" * 96,  # 99 bytes: the last run never ends
         b"\r\nAB\r\n\r\n12/21/04\r\nSystem board\r\nVer 5.1.2600.0\r\n"),
        ("SystemBIOSVersion", REG_DWORD, b"\1\0\0\0", b"\r\n"),
        ("SystemBIOSDate", REG_BINARY, b"12/21/04\0", b"\r\nBIOS A\r\nBIOS B\r\n\r\n"),
        ("DriverVersion", REG_MULTI_SZ, b"5.1\0\0", b"\r\nBIOS A\r\nBIOS B\r\n\r\n12/21/04\r\nSystem board\r\n"),
        ("DriverDesc", REG_SZ, b"\x81\\\x83\\\0", b"\r\nBIOS A\r\nBIOS B\r\n\r\n12/21/04\r\n\x81\\\x83\\\r\n"
                                                  b"Ver 5.1.2600.0\r\n"),
    ]

    def test_values_of_the_wrong_type_or_size(self):
        d = self.driver
        for name, kind, data, memo in self.CASES:
            with self.subTest(name=name, kind=kind):
                key = SYSTEM_KEY if name.startswith("System") else DEVICE_KEY
                old = d.reg_get(HKLM, key, name)
                d.reg_set(HKLM, key, name, kind, data)
                try:
                    self.start_and_refresh()
                    self.assertEqual(d.text("Memo8"), memo)
                    self.close_cleanly()
                finally:
                    d.reg_set(HKLM, key, name, old[0], old[1])
                    if d.running():
                        d("kill")

    def test_a_device_key_that_is_gone(self):
        d = self.driver
        self.take_away(DEVICE_KEY)
        self.start_and_refresh()
        # Its two reads go to the System key, which holds neither value.
        self.assertEqual(d.text("Memo8"), b"\r\nBIOS A\r\nBIOS B\r\n\r\n12/21/04\r\n\r\nVer \r\n")
        self.close_cleanly()
