"""The periodic refresh every 2000 ms: the processor load from the Windows 9x
performance statistics (HKEY_DYN_DATA fixtures written by the driver), the
memory page and the system resources page, whichever page is shown."""
import os
import struct
import subprocess
import tempfile
import unittest
from decimal import Decimal
from fractions import Fraction

from velnor_e2e import (HKDD, MODE, PREFIX, REG_BINARY, REG_SZ, WIN, WINE, ProgramTest, mask, needs_32_bit,
                        percent_candidates, wait_for)

TICK = 2.0
MARGIN = 0.8  # a tick that lands while the driver is busy, and the driver's own settling
DESIGN_MEMO4 = "メイン・メモリー"
CPU_USAGE = "KERNEL\\CPUUsage"


def le32(value):
    return struct.pack("<i", value)


def megabytes(text):
    """'24,105.5 MB' -> Decimal('24105.5')"""
    assert text.endswith(" MB"), text
    return Decimal(text[:-3].replace(",", ""))


def mb_text(byte_count):
    f = Fraction(byte_count, 1048576)
    return mask(Decimal(f.numerator) / Decimal(f.denominator), 2, " MB")


@unittest.skipUnless(MODE == "win98", "the performance statistics are Windows 9x's")
class CpuLoad(ProgramTest):
    def setUp(self):
        d = self.driver
        d.reg_set(HKDD, "PerfStats\\StartStat", CPU_USAGE, REG_BINARY, le32(0))
        d.reg_set(HKDD, "PerfStats\\StartStat", "Odd", REG_SZ, "not a statistic")
        d.reg_set(HKDD, "PerfStats\\StopStat", CPU_USAGE, REG_BINARY, le32(0))
        d.reg_set(HKDD, "PerfStats\\StopStat", "Long", REG_BINARY, bytes(8))
        d.reg_set(HKDD, "PerfStats\\StatData", CPU_USAGE, REG_BINARY, le32(37))

    def tearDown(self):
        super().tearDown()
        for key in ("StartStat", "StopStat"):
            self.driver.reg_delete_key(HKDD, "PerfStats\\" + key)
        self.driver.reg_delete_value(HKDD, "PerfStats\\StatData", CPU_USAGE)

    def load_shown(self):
        return self.driver.string("Label21"), self.driver.gauge("Gauge6")[0]

    def test_the_load_follows_the_statistics_within_one_tick(self):
        d = self.driver
        d.start()
        self.assertNoErrorBox()  # a StartStat value of the wrong type is skipped
        wait_for(self.load_shown, lambda v: v == ("37 %", 37), TICK + MARGIN, "the first tick")
        # The CPU page is not in front: the tick runs whichever page is shown.
        self.assertTrue(d.visible("DiskTab"))
        placed = {"37 %": d.placed("Label21")}
        for value, shown in ((83, ("83 %", 83)), (120, ("120 %", 100)), (-5, ("-5 %", 0))):
            d.reg_set(HKDD, "PerfStats\\StatData", CPU_USAGE, REG_BINARY, le32(value))
            wait_for(self.load_shown, lambda v, s=shown: v == s, TICK + MARGIN, "load %d" % value)
            placed[shown[0]] = d.placed("Label21")
        # The right-aligned label fits its text and keeps its right edge while
        # the figure fits its box; a wider one grows to the right, clear of
        # the caption on its left.
        box_left, box_top, box_width, _ = d.layout()["Label21"][4]
        self.assertEqual({top for _, top, _, _ in placed.values()}, {box_top})
        self.assertEqual(placed["37 %"][2], placed["83 %"][2])
        self.assertGreater(placed["83 %"][2], 0)
        self.assertGreater(placed["120 %"][2], placed["83 %"][2])
        self.assertGreater(placed["120 %"][2], box_width)  # the figure that outgrows its box
        for text, (left, _, width, _) in placed.items():
            if width <= box_width:
                self.assertEqual(left + width, box_left + box_width, text)
            else:
                self.assertEqual(left, box_left, text)
        # A value that is no statistic leaves the load as it was, and the ticks go on.
        d.reg_set(HKDD, "PerfStats\\StatData", CPU_USAGE, REG_SZ, "50")
        d("sleep", int((TICK + MARGIN) * 1000))
        self.assertEqual(self.load_shown(), ("-5 %", 0))
        self.assertNoErrorBox()
        d.reg_set(HKDD, "PerfStats\\StatData", CPU_USAGE, REG_BINARY, le32(64))
        wait_for(self.load_shown, lambda v: v == ("64 %", 64), TICK + MARGIN, "after the bad value")
        # Closing reads the StopStat values, an 8-byte one among them, without a message.
        self.assertEqual(d.close(), 0)


class MemoryPage(ProgramTest):
    def figures(self):
        d = self.driver
        return d.string("Memo4"), d.string("Memo5"), d.string("Memo6")

    def test_the_first_tick_shows_the_platform_figures_and_later_ticks_follow_them(self):
        d = self.driver
        d.start()
        self.assertTrue(d.visible("DiskTab"))
        total_text, used_text, free_text = wait_for(
            self.figures, lambda v: v[0] != DESIGN_MEMO4, TICK + MARGIN, "the first tick")
        total, _ = (int(v) for v in d("memory").split())
        # The whole of physical memory, also above 4 GiB, in megabytes only.
        self.assertEqual(total_text, mb_text(total))
        self.assertLessEqual(abs(megabytes(used_text) + megabytes(free_text) - megabytes(total_text)),
                             Decimal("0.02"))
        label = d.string("Label13")
        self.assertTrue(label.endswith(" %"), label)
        percent = int(label[:-2])
        used_bytes = int(megabytes(used_text) * 1048576)
        near = percent_candidates(used_bytes, total) | {p + s for p in percent_candidates(used_bytes, total)
                                                        for s in (-1, 1)}
        self.assertIn(percent, near)
        self.assertEqual(d.gauge("Gauge1"), (percent, 0, 100))

        # Later ticks follow the free memory while the disk page stays in
        # front: memory that the driver takes shows within a tick or two (in
        # full runs under Wine a tick now and then still showed the figure of
        # before; the cause is not known).
        for hog in (64, 160):
            before = self.figures()[2]
            d("hog", hog)
            wait_for(lambda: self.figures()[2], lambda v, b=before: v != b and v.endswith(" MB"),
                          2 * TICK + MARGIN, "the free figure with %d MB taken" % hog)
        d("hog", 0)
        self.assertTrue(d.visible("DiskTab"))
        self.assertEqual(d.tab(1), 1)
        for row in ("Label5", "Label6", "Label7", "Label13"):
            self.assertTrue(d.visible(row), row)


class ResourcesPage(ProgramTest):
    def bars(self):
        return tuple(self.driver.gauge(g)[0] for g in ("Gauge2", "Gauge3", "Gauge4"))

    @needs_32_bit("the free shares come from the 16-bit USER through the thunk", mode="win98")
    def test_showing_the_page_refreshes_it_at_once_and_ticks_keep_it(self):
        d = self.driver
        d.start()
        self.assertEqual(self.bars(), (0, 0, 0))
        self.assertEqual(d.tab(3), 3)
        shown = self.bars()
        # No tick has come yet: the memory page still shows its design text.
        self.assertEqual(d.string("Memo4"), DESIGN_MEMO4)
        if MODE == "win98":
            # The real free shares of the 16-bit heaps, not the 0 that a lost
            # thunk result would give.
            for share in shown:
                self.assertTrue(1 <= share <= 100, shown)
        else:
            self.assertEqual(shown, (0, 0, 0))
        wait_for(lambda: d.string("Memo4"), lambda v: v != DESIGN_MEMO4, TICK + MARGIN, "the first tick")
        after = self.bars()
        if MODE == "win98":
            for share in after:
                self.assertTrue(1 <= share <= 100, after)
        else:
            self.assertEqual(after, (0, 0, 0))
        for gauge in ("Gauge2", "Gauge3", "Gauge4"):
            self.assertEqual(d.gauge(gauge)[1:], (0, 100))
        self.assertNoErrorBox()


@needs_32_bit("a 64-bit program has no way into 16-bit code (QT_Thunk, the kernel's 16-bit services)")
class SixteenBitServices(unittest.TestCase):
    """The export-table walk, the QT_Thunk call and the platform's binding, as
    the Windows build does them (tests/win/thunk_check.cpp)."""

    def test_the_thunk_call_and_the_bindings_under_wine(self):
        # Into a file, not a pipe: Wine's service processes, started with the
        # first program of a session, inherit the handles and outlive it.
        with tempfile.TemporaryFile() as out:
            check = subprocess.run([WINE, os.path.join(WIN, "thunk_check.exe")], stdout=out,
                                   stderr=subprocess.DEVNULL, env=dict(os.environ, WINEPREFIX=PREFIX), timeout=120)
            out.seek(0)
            self.assertEqual(out.read().decode("ascii", "replace").split(), ["OK"])
        self.assertEqual(check.returncode, 0)
