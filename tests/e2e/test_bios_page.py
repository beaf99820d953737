"""The BIOS page: the registry's BIOS values on the NT family, the ROM texts on
Windows 9x, and the page hidden, tab and all, on any other platform kind."""
import unittest

from velnor_e2e import HKCU, HKLM, MODE, REG_BINARY, REG_MULTI_SZ, REG_SZ, ProgramTest, needs_32_bit, sjis, unhexed

SYSTEM_KEY = r"HARDWARE\DESCRIPTION\System"
DEVICE_KEY = r"SYSTEM\ControlSet001\Control\Class\{4D36E97D-E325-11CE-BFC1-08002BE10318}\0014"
TITLE = "           メインボード　バイオス情報"
NINE_X = MODE == "win98"
ROM_DATE = 0xFFFF5
ROM_TEXTS = (0xFE061, 0xFE091, ROM_DATE, 0xFEC71)
ROM_END = 0x100000
ROM_BOUND = 256


class BiosPageTest(ProgramTest):
    def memo_lines(self):
        """Memo8's lines as its line list counts them: a final line break ends the last line."""
        text = self.driver.text("Memo8")
        self.assertTrue(text.endswith(b"\r\n"), text)
        return text[:-2].split(b"\r\n")

    def assertTitleAndTab(self):
        d = self.driver
        self.assertEqual(d.string("Edit1"), TITLE)
        self.assertIn("BIOS", d.tabs())
        self.assertNoErrorBox()


@unittest.skipIf(NINE_X, "the registry is the source on the NT family only")
class NtBiosPage(BiosPageTest):
    def setUp(self):
        d = self.driver
        d.reg_set(HKLM, SYSTEM_KEY, "SystemBIOSVersion", REG_MULTI_SZ,
                  b"Award Modular BIOS v6.00PG\0Phoenix - AwardBIOS v6.00PG\0\0")
        d.reg_set(HKLM, SYSTEM_KEY, "SystemBIOSDate", REG_SZ, "12/21/04")
        d.reg_set(HKLM, DEVICE_KEY, "DriverDesc", REG_SZ, "システム ボード")
        d.reg_set(HKLM, DEVICE_KEY, "DriverVersion", REG_SZ, "5.1.2600.0")

    def test_version_strings_date_and_system_board_driver_line_by_line(self):
        d = self.driver
        d.start()
        self.assertEqual(self.memo_lines(), [
            b"", b"Award Modular BIOS v6.00PG", b"Phoenix - AwardBIOS v6.00PG", b"", b"12/21/04",
            sjis("システム ボード"), b"Ver 5.1.2600.0"])
        self.assertTitleAndTab()

    def test_a_date_of_a_megabyte_shows_its_first_kilobyte(self):
        # The whole value in one line kept Wine's text box laying it out for
        # many minutes, and the window did not appear.
        d = self.driver
        d.reg_set(HKLM, SYSTEM_KEY, "SystemBIOSDate", REG_SZ, b"D" * 1048576 + b"\0")
        d.start()
        self.assertEqual(self.memo_lines()[4], b"D" * 1024)
        self.assertTitleAndTab()

    def test_a_version_of_101_bytes_leaves_the_first_empty_line_only(self):
        d = self.driver
        d.reg_set(HKLM, SYSTEM_KEY, "SystemBIOSVersion", REG_BINARY, b"A" * 101)
        d.start()
        self.assertEqual(d.text("Memo8"), b"\r\n")
        self.assertTitleAndTab()


@needs_32_bit("Wine maps the first megabyte, the ROM area, into 32-bit programs only", mode="win98")
@unittest.skipUnless(NINE_X, "the ROM area is the source on Windows 9x only")
class W9xBiosPage(BiosPageTest):
    def rom_text(self, address):
        """The text at a ROM address as this machine holds it: up to its zero
        byte, at most 256 bytes and never past the first megabyte."""
        count = min(ROM_BOUND, ROM_END - address)
        data = unhexed(self.driver("low_memory", "%x" % address, count))
        return data.split(b"\0")[0]

    def test_the_four_rom_texts_in_their_order(self):
        d = self.driver
        d.start()
        # Every BIOS has its date at F000:FFF5 (Wine's reads "13/01/99"): a
        # run in which neither the program nor the driver reads the ROM fails.
        self.assertRegex(self.rom_text(ROM_DATE), rb"^\d\d/\d\d/\d\d$")
        expected = [b""]
        for address in ROM_TEXTS:
            expected += self.rom_text(address).split(b"\r\n")
        self.assertEqual(self.memo_lines(), expected)
        self.assertIn(self.rom_text(ROM_DATE), self.memo_lines())
        self.assertTitleAndTab()


class OtherPlatformKind(BiosPageTest):
    """Wine tells a program it runs on Windows 3.1 with Win32s, platform kind 0,
    when its own application settings ask for that version."""
    APP_KEY = r"Software\Wine\AppDefaults\velnor.exe"

    def setUp(self):
        self.driver.reg_set(HKCU, self.APP_KEY, "Version", REG_SZ, "win31")
        self.addCleanup(self.driver.reg_delete_key, HKCU, self.APP_KEY)

    def test_the_page_is_hidden_tab_and_all(self):
        d = self.driver
        d.start()
        self.assertNotIn("BIOS", d.tabs())
        self.assertEqual(len(d.tabs()), 6)
        self.assertFalse(d.visible("BIOSTab"))
        self.assertEqual(d.text("Memo8"), b"")
        self.assertNoErrorBox()
