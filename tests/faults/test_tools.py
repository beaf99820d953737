"""The fault runs' own tools, without Wine: the byte patterns, the model of
what the program shows, and the reader of Wine's registry files."""
import struct
import unittest

import fixtures as fx
import snapshot


class Patterns(unittest.TestCase):
    def test_every_pattern_has_the_size_asked_for(self):
        for name in fx.PATTERNS:
            for size in fx.SIZES:
                self.assertEqual(len(fx.pattern(name, size)), size, (name, size))

    def test_the_patterns_hold_every_byte_value(self):
        seen = set()
        for name in fx.PATTERNS:
            for size in fx.SIZES:
                seen |= set(fx.pattern(name, size))
        self.assertEqual(seen, set(range(256)))

    def test_text_ends_in_its_zero_and_high_has_none(self):
        self.assertEqual(fx.pattern("text", 5), b"ABCD\0")
        self.assertEqual(fx.pattern("high", 6), b"\x80\x5c\x81\x5c\x82\x5c")
        self.assertNotIn(0, fx.pattern("high", 4096))
        self.assertEqual(fx.pattern("bytes", 4096)[255], 0)

    def test_every_location_gets_every_type_size_and_pattern(self):
        fixtures = fx.fixtures_for(fx.BY_ID["vendor"])
        keys = {f.key() for f in fixtures}
        self.assertEqual(len(keys), len(fixtures))
        self.assertEqual(len(fixtures), len(fx.TYPES) * sum(len(fx.patterns_at(size)) for size in fx.SIZES) + 1)
        self.assertIn(("value", fx.REG_SZ, 1048576, "high"), keys)
        self.assertEqual(len(fx.fixtures_for(fx.BY_ID["startStat"])), len(fixtures) + len(fx.NAME_LENGTHS))


class ReadingRules(unittest.TestCase):
    CASES = [  # stored value, shown text, outcome
        (None, b"", "empty: no value"),
        ((fx.REG_SZ, b"Owner\0"), b"Owner", "the bytes before the first zero byte"),
        ((fx.REG_BINARY, b"A" * 255), b"A" * 255, "the bytes before the first zero byte"),
        ((fx.REG_BINARY, b"A" * 256), b"", "empty: over 255 bytes"),
        ((fx.REG_DWORD, b"\0AB"), b"", "empty: nothing before the first zero byte"),
    ]

    def test_user_page_texts(self):
        for stored, text, outcome in self.CASES:
            self.assertEqual(fx.user_text(stored), (text, outcome), stored)

    def test_bios_version_lines(self):
        self.assertEqual(fx.version_lines((fx.REG_MULTI_SZ, b"AB\0DE\0\0"))[0], b"AB\r\nDE\r\n")
        # The 99th byte ends no run: a printable run reaching it is dropped.
        self.assertEqual(fx.version_lines((fx.REG_BINARY, b"\x01" * 97 + b"XY"))[0], b"")
        self.assertEqual(fx.version_lines((fx.REG_BINARY, b"\x01\x02CD\x1f"))[0], b"CD\r\n")
        for stored in ((fx.REG_BINARY, b"A" * 101), (fx.REG_SZ, b"A\0"), (fx.REG_DWORD, b"\0\0\0\0")):
            self.assertIsNone(fx.version_lines(stored)[0], stored)
        self.assertEqual(fx.version_lines(None)[0], b"")

    def test_bios_memo_ends_at_the_first_failed_read(self):
        stored = {ident: fx.BASELINE[ident] for ident in fx.BASELINE}
        keys = {location.key for location in fx.LOCATIONS}
        memo, _ = fx.bios_memo(stored, keys)
        self.assertEqual(memo, b"\r\nAward Modular BIOS v6.00PG\r\nPhoenix - AwardBIOS v6.00PG\r\n\r\n"
                               b"12/21/04\r\nSystem board\r\nVer 5.1.2600.0\r\n")
        stored["biosDate"] = (fx.REG_BINARY, b"12/21/04\0")
        memo, outcome = fx.bios_memo(stored, keys)
        self.assertEqual(memo, b"\r\nAward Modular BIOS v6.00PG\r\nPhoenix - AwardBIOS v6.00PG\r\n\r\n")
        self.assertEqual(outcome["deviceVersion"], "not reached: an earlier read failed")
        memo, _ = fx.bios_memo(dict(stored, biosDate=fx.BASELINE["biosDate"]), keys - {fx.DEVICE})
        self.assertTrue(memo.endswith(b"12/21/04\r\n\r\nVer \r\n"), memo)

    def test_values_of_64_kb_and_1_mb(self):
        for size in fx.LARGE_SIZES:
            for type_ in fx.TYPES:
                stored = (type_, fx.pattern("text", size))
                self.assertEqual(fx.user_text(stored), (b"", "empty: over 255 bytes"), (type_, size))
                self.assertIsNone(fx.version_lines(stored)[0], (type_, size))
                self.assertEqual(fx.statistic(stored)[:2], (None, None), (type_, size))
            # A string of the BIOS is shown up to the bound, a two-byte
            # character across it left out whole (high: 80 5C, then 81 5C ...).
            self.assertEqual(fx.bios_string((fx.REG_SZ, fx.pattern("text", size)))[0],
                             fx.pattern("text", size)[:fx.REGISTRY_TEXT_BOUND])
            cut = fx.bios_string((fx.REG_SZ, fx.pattern("high", size)))[0]
            self.assertEqual(cut, fx.pattern("high", size)[:fx.REGISTRY_TEXT_BOUND])
        # 表 is 95 5C in Shift-JIS.
        self.assertEqual(fx.cut_text(b"A" * 1023 + b"\x95\x5c" + b"B"), b"A" * 1023)
        self.assertEqual(fx.cut_text(b"A" * 1022 + b"\x95\x5c" + b"B"), b"A" * 1022 + b"\x95\x5c")

    def test_the_load(self):
        self.assertEqual(fx.statistic((fx.REG_BINARY, struct.pack("<i", -5)))[:2], (b"-5 %", 0))
        self.assertEqual(fx.statistic((fx.REG_NONE, struct.pack("<i", 120)))[:2], (b"120 %", 100))
        for stored in (None, (fx.REG_DWORD, b"\x25\0\0\0"), (fx.REG_BINARY, b"\x25\0\0"),
                       (fx.REG_BINARY, b"\x25\0\0\0\0")):
            self.assertEqual(fx.statistic(stored)[:2], (None, None), stored)


SAMPLE = r'''WINE REGISTRY Version 2
;; All keys relative to REGISTRY\\Machine

#arch=win32

[Software\\Microsoft\\Windows\\CurrentVersion] 1796885889
#time=1dd8873d06b753c
"ProgramFilesDir"="C:\\Program Files"
"RegisteredOwner"="Taro \"T\" Yamada"
@="default"

[Software\\Velnor\\Long] 1796885890
#time=1dd8873d06b7600
"Data"=hex:01,02,03,\
  04,05
"Odd]Name"=dword:00000001
'''


class RegistryFiles(unittest.TestCase):
    def test_keys_values_times_and_continued_lines(self):
        keys = snapshot.parse_registry(SAMPLE)
        time_, values = keys["Software\\\\Microsoft\\\\Windows\\\\CurrentVersion"]
        self.assertEqual(time_, "1dd8873d06b753c")
        self.assertEqual(values["RegisteredOwner"], r'"Taro \"T\" Yamada"')
        self.assertEqual(values["ProgramFilesDir"], r'"C:\\Program Files"')
        self.assertEqual(values["@"], '"default"')
        _, long_values = keys["Software\\\\Velnor\\\\Long"]
        self.assertEqual(long_values["Data"], "hex:01,02,03,04,05")
        self.assertEqual(long_values["Odd]Name"], "dword:00000001")

    def test_changes_name_the_key_and_value(self):
        before = {"system.reg": snapshot.parse_registry(SAMPLE)}
        after_text = SAMPLE.replace("Taro", "Hanako").replace("1dd8873d06b7600", "1dd8873d06b7700")
        after_text += '\n[Software\\\\New] 1\n#time=1\n"X"="y"\n'
        after = {"system.reg": snapshot.parse_registry(after_text)}
        self.assertEqual(snapshot.registry_changes(before, after), {
            ("system.reg", "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion", "value changed", "RegisteredOwner"),
            ("system.reg", "Software\\\\Velnor\\\\Long", "key time", None),
            ("system.reg", "Software\\\\New", "key added", None),
            ("system.reg", "Software\\\\New", "value added", "X"),
        })
        self.assertEqual(snapshot.registry_changes(before, before), set())


if __name__ == "__main__":
    unittest.main()
