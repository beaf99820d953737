"""Velnor on a Windows of another language (an English locale: code page
1252): every text of the window English and plain ASCII, each fitting its
box in the English face that stands for its font, a face the system has,
and values shown and reported in the system's code page byte for byte. The
Japanese suite is the rest of the tests, unchanged."""
import os
import shutil
import tempfile

from velnor_e2e import ENGLISH_LOCALE, HKLM, REG_SZ, VERSION_KEY, LayoutKind, ProgramTest, hexed, windows_path

OWNER = "Ren\xe9 Dupont".encode("cp1252")
ORGANISATION = "Soci\xe9t\xe9 G\xe9n\xe9rale".encode("cp1252")
TABS = ["Disk", "Memory", "CPU", "Resources", "BIOS", "Display", "User"]
PAGES = ["DiskTab", "MemTab", "CPUTab", "ResTab", "BIOSTab", "DisplayTab", "UserTab"]
# The figures that grow with their values (a share beside its pie), and the
# boxes that take typed text or a value of the system's: no text of the program's.
GROWING = {"Label20", "Label13", "Label21"}
VALUES = {"NowName", "NowCompany", "NowPCName", "NewName", "NewCompany", "NewPCName", "Edit3", "Edit4", "Memo8",
          "Memo9", "Memo10"}
# The faces every Windows from 95 on has, in place of the layout's Japanese
# ones: its proportional Gothic and Mincho, and its fixed-pitch Gothic.
FACES = {"PGothic": "Arial", "PMincho": "Times New Roman", "Gothic": "Courier New"}
# The display modes' list is longer than its box in any language: its lines
# must fit its width.
LISTS = {"Disp1"}


class English(ProgramTest):
    locale = ENGLISH_LOCALE

    def setUp(self):
        d = self.driver
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOwner", REG_SZ, OWNER + b"\0")
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOrganization", REG_SZ, ORGANISATION + b"\0")
        d.no_name_waits()
        d.start()

    def test_every_text_is_english_ascii_and_fits_its_box(self):
        d = self.driver
        self.assertEqual(d.tabs(), TABS)
        layout = d.layout()
        self.assertEqual(d("text", "main"), hexed(" Velnor(Win9x)      Ver 1.2  Tollen  "))
        checked = 0
        for index, caption in enumerate(d.tabs()):
            page = PAGES[TABS.index(caption)]
            self.assertEqual(d.tab(index), index)
            for name, (parent, kind, align, hidden, bounds, design) in layout.items():
                if not d.showing(name) or kind in (LayoutKind.PAGE_CONTROL, LayoutKind.TAB_PAGE, LayoutKind.GAUGE):
                    continue
                if name in VALUES:
                    continue  # the machine's own values, in its code page
                text = d.text(name)
                self.assertTrue(all(b < 0x80 for b in text), (page, name, text))
                if name in GROWING or not text.strip():
                    continue
                found, (width, height), (room_width, room_height) = d.extent(name, FACES)
                self.assertTrue(found, (name, "its face is missing"))
                if kind == LayoutKind.LABEL:
                    # A label takes its text's size: it must stay inside its
                    # parent and clear of every control beside it.
                    self.assertLabelClear(layout, name, parent)
                else:
                    self.assertLessEqual(width, room_width, (name, text))
                    if name not in LISTS:
                        self.assertLessEqual(height, room_height, (name, text))
                checked += 1
        self.assertGreater(checked, 25)
        # The tabs in one row within the window.
        self.assertEqual(int(d("send", "PageControl1", 0x132C, 0, 0)), 1)  # TCM_GETROWCOUNT

    def assertLabelClear(self, layout, name, parent):
        d = self.driver
        left, top, width, height = d.placed(name)
        parent_width, parent_height = d.client(parent)
        self.assertLessEqual(left + width, parent_width, name)
        self.assertLessEqual(top + height, parent_height, name)
        for other, row in layout.items():
            if other == name or row[0] != parent or not d.showing(other):
                continue
            o_left, o_top, o_width, o_height = d.placed(other)
            apart = (left + width <= o_left or o_left + o_width <= left or top + height <= o_top or
                     o_top + o_height <= top)
            self.assertTrue(apart, "%s %r runs into %s %r" % (name, (left, top, width, height), other,
                                                             (o_left, o_top, o_width, o_height)))

    def test_the_editing_mode_and_the_registration_in_english(self):
        d = self.driver
        d.tab(len(d.tabs()) - 1)
        self.assertEqual(d.string("M1", "cp1252"), "Registration shown\r\nTo change: Change")
        d.click("Change")
        d("settext", "NewPCName", hexed("X" * 20))  # a name refused
        self.assertEqual(d.string("M1", "cp1252"), "To use the new data\r\nclick Register")
        for name in ("Touroku", "Cancel", "Label10", "Label11", "Label25"):
            found, (width, _), (room, _) = d.extent(name, FACES)
            self.assertTrue(found, (name, "its face is missing"))
            self.assertLessEqual(width, room, name)
        d.click("Touroku")
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", "The computer name cannot be changed."])
        d("dismiss")

    def test_values_keep_their_bytes_in_the_window_and_the_report(self):
        d = self.driver
        self.assertEqual(d.text("NowName"), OWNER)
        self.assertEqual(d.text("NowCompany"), ORGANISATION)
        folder = tempfile.mkdtemp(prefix="velnor-en-")
        self.addCleanup(shutil.rmtree, folder, True)
        path = os.path.join(folder, "report.txt")
        d.close()
        code, window, _ = d.run('/report "%s"' % windows_path(path))
        self.assertEqual((code, window), (0, False))
        with open(path, "rb") as f:
            report = f.read()
        self.assertIn(b"\r\n[User]\r\n  Owner             " + OWNER + b"\r\n  Org.              " + ORGANISATION + b"\r\n",
                      report)
        self.assertTrue(all(b < 0x80 for b in report.replace(OWNER, b"").replace(ORGANISATION, b"")))
