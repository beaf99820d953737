"""The display page against the modes EnumDisplaySettingsA reports."""
from velnor_e2e import ProgramTest, sjis

LABELS = ("   モード番号  ", "   画面サイズ  ", "   色数　　　  ", "   色ビット数  ")


def mode_block(number, width, height, bits):
    colours = 2 ** min(max(bits, 1), 24)
    return [b"", sjis(LABELS[0] + str(number)), sjis(LABELS[1] + "%d x %d" % (width, height)),
            sjis(LABELS[2] + "%d 色" % colours), sjis(LABELS[3] + "%d Bit" % bits), b"", b""]


class DisplayPage(ProgramTest):
    def test_lists_exactly_the_reported_modes_seven_lines_each(self):
        d = self.driver
        count, *modes = d("display_modes").split()
        self.assertGreater(int(count), 0, "the display reports no mode")
        d.start()
        expected = []
        for number, mode in enumerate(modes):
            width, height, bits = (int(v) for v in mode.split("x"))
            expected += mode_block(number, width, height, bits)
        text = d.text("Disp1")
        self.assertTrue(text.endswith(b"\r\n"), text[-20:])
        lines = text[:-2].split(b"\r\n")
        self.assertEqual(len(lines), 7 * int(count))
        self.assertEqual(lines, expected)
        # Every value starts in the sixteenth column of the fixed-pitch font.
        labels = [sjis(label) for label in LABELS]
        self.assertEqual({len(label) for label in labels}, {15})
        for line in lines:
            if line:
                self.assertIn(line[:15], labels)
                self.assertTrue(line[15:16].isdigit(), line)
        self.assertNoErrorBox()
