"""The clock measurement through the real push panel, timer and counter."""
import re

from velnor_e2e import ProgramTest, wait_for

WAITING = " 只今・・・計測中！"


class CpuClock(ProgramTest):
    def wait_for_result(self, timeout=20):
        return wait_for(lambda: self.driver.string("Memo7"), lambda text: text != WAITING, timeout, "the clock")

    def test_a_click_measures_the_clock(self):
        d = self.driver
        d.start()
        d.tab(2)
        self.assertEqual(d.string("Memo7"), "CPUクロック   ")
        self.assertFalse(d.visible("Label16"))
        d.click("Keisoku")
        self.assertEqual(d.string("Memo7"), WAITING)
        self.assertEqual(d.focus(), "Panel11")
        result = self.wait_for_result()
        match = re.fullmatch(r"([\d,]+(?:\.\d+)?) (GHz|MHz)", result)
        self.assertIsNotNone(match, result)
        hertz = float(match.group(1).replace(",", "")) * (1e9 if match.group(2) == "GHz" else 1e6)
        self.assertTrue(1e7 < hertz < 2e10, result)
        self.assertTrue(d.visible("Label16"))
        self.assertEqual(d.focus(), "Panel11")

    def test_a_result_arriving_on_another_page_is_still_shown(self):
        d = self.driver
        d.start()
        d.tab(2)
        d.click("Keisoku")
        d.tab(1)
        result = self.wait_for_result()
        self.assertRegex(result, r" (GHz|MHz)$")
        self.assertTrue(d.visible("Label16"))
        self.assertEqual(d.focus(), "Panel8")
        self.assertNoErrorBox()
