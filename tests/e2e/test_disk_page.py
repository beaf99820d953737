"""The disk page against what the platform reports for the same drives.
scripts/e2e.sh gives the prefix two drives: q: (a directory of its own, in
VELNOR_DRIVE_Q) and r: (whose directory is missing)."""
import math
import os

from velnor_e2e import ProgramTest, hexed, percent_candidates, size_text

DRIVE_Q = os.environ.get("VELNOR_DRIVE_Q")
# How far the host's disk may move between the program's reading and the test's.
SLACK = 64 << 20


def bytes_of(text):
    """A figure of the page ('1,234.5 MB', '2 GB') in bytes, as near as its decimals give it."""
    number, unit = text.rsplit(" ", 1)
    return float(number.replace(",", "")) * {"MB": 1 << 20, "GB": 1 << 30}[unit]


class DiskPage(ProgramTest):
    def reading(self, root):
        return tuple(int(v) for v in self.driver("disk", hexed(root)).split())

    def assertShowsDrive(self, root, earlier=()):
        d = self.driver
        # The drive lies on the host's disk, which other processes may fill or
        # empty meanwhile: the figures are those of a reading taken just
        # before the program read the drive (earlier), or just before or just
        # after the program's texts are read. Where the disk moved between
        # those readings and the program's own, the total must still be
        # exact and the used and free space within SLACK of the readings.
        readings = list(earlier) + [self.reading(root)]
        shown = [d.string(name) for name in ("Memo1", "Memo2", "Memo3", "Label20")]
        readings.append(self.reading(root))
        label = shown[3]
        self.assertTrue(label.endswith(" %"), label)
        percent = int(label[:-2])
        expected = [[size_text(total), size_text(total - free), size_text(free)] for total, free in readings]
        if shown[:3] in expected:
            total, free = readings[expected.index(shown[:3])]
            self.assertIn(percent, percent_candidates(total - free, total))
        else:
            total = readings[-1][0]
            self.assertTrue(all(t == total for t, _ in readings), readings)
            self.assertEqual(shown[0], size_text(total))
            frees = [f for _, f in readings]
            free = bytes_of(shown[2])
            self.assertTrue(min(frees) - SLACK <= free <= max(frees) + SLACK, (shown, readings))
            self.assertLessEqual(abs(bytes_of(shown[1]) - (total - free)), SLACK, (shown, readings))
            near = percent_candidates(total - max(frees), total) | percent_candidates(total - min(frees), total)
            self.assertTrue(any(abs(percent - p) <= 1 for p in near), (label, readings))
        self.assertEqual(d.gauge("Gauge5"), (percent, 0, 100))
        self.assertShowsVolume(root)
        for row in ("Label2", "Label3", "Label4", "Label12"):
            self.assertTrue(d.visible(row), row)

    def assertShowsVolume(self, root):
        d = self.driver
        volume = d("volume", hexed(root))
        if volume == "fail":
            self.assertEqual(d.text("Memo9"), b"")
            self.assertEqual(d.text("Memo10"), b"")
        else:
            serial, file_system = volume.split()
            self.assertEqual(d.string("Memo9"), "%08X" % int(serial))
            self.assertEqual(d.text("Memo10"), bytes.fromhex(file_system) if file_system != "-" else b"")

    def test_shows_the_current_directory_drive_at_start(self):
        d = self.driver
        d.start()
        cwd = bytes.fromhex(d("cwd")).decode("cp932")
        letter = cwd[0].lower()
        selected, entries = d.combo_items("DriveComboBox1")
        self.assertTrue(entries[selected].startswith(letter + ":"), entries)
        self.assertTrue(all(e[0].islower() and e[1] == ":" for e in entries), entries)
        self.assertShowsDrive(letter + ":\\")

    def test_a_second_drive_chosen_in_the_box(self):
        d = self.driver
        d.start()
        earlier = self.reading("q:\\")
        d("combo_select", "DriveComboBox1", hexed("q:"))
        self.assertTrue(d.string("DriveComboBox1").startswith("q:"))
        self.assertShowsDrive("q:\\", [earlier])
        # Choosing the same drive again refreshes it: the figures follow a new file.
        before = d.string("Memo3")
        filler = os.path.join(DRIVE_Q, "filler")
        self.addCleanup(os.remove, filler)
        with open(filler, "wb") as f:
            f.write(b"\0" * (256 << 20))
        earlier = self.reading("q:\\")
        d("combo_select", "DriveComboBox1", hexed("q:"))
        self.assertShowsDrive("q:\\", [earlier])
        self.assertNotEqual(d.string("Memo3"), before)

    def test_a_drive_that_is_not_ready_shows_zero(self):
        d = self.driver
        d.start()
        d("combo_select", "DriveComboBox1", hexed("r:"))
        self.assertEqual(d("disk", hexed("r:\\")), "-1 -1")
        for memo in ("Memo1", "Memo2", "Memo3"):
            self.assertEqual(d.string(memo), "0 MB", memo)
        self.assertEqual(d.string("Label20"), "0 %")
        self.assertEqual(d.gauge("Gauge5"), (0, 0, 100))
        self.assertShowsVolume("r:\\")
        self.assertNoErrorBox()

    def test_the_pie_shows_the_used_share_clockwise_from_twelve(self):
        d = self.driver
        d.start()
        percent = int(d.string("Label20")[:-2])
        left, top, right, bottom = d.rect("Gauge5")
        cx, cy = (left + right) / 2, (top + bottom) / 2

        def at(share, radius=30):
            angle = 2 * math.pi * share / 100
            return d("pixel", round(cx + radius * math.sin(angle)), round(cy - radius * math.cos(angle)))

        if 2 < percent:
            self.assertEqual(at(percent / 2), "ff0000")  # used: red
        if percent < 98:
            self.assertEqual(at((percent + 100) / 2), "00ff00")  # free: lime
        self.assertEqual(d("pixel", left + 2, top + 2), "000000")  # the ground around the pie
