"""Registering a new owner, organisation and computer name through the page."""
from velnor_e2e import HKLM, MODE, REG_SZ, ProgramTest, hexed, sjis, unhexed

VERSION_KEY = {"win98": r"SOFTWARE\Microsoft\Windows\CurrentVersion"}.get(
    MODE, r"SOFTWARE\Microsoft\Windows NT\CurrentVersion")
NAME_KEY = r"SYSTEM\CurrentControlSet\Control\ComputerName\ComputerName"
VIEW = "64" if MODE == "win64" else ""
RESTART = " 新ＰＣ名は再起動後\r\n『有効』になります"


class Registration(ProgramTest):
    def setUp(self):
        d = self.driver
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOwner", REG_SZ, "Old Owner", view=VIEW)
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOrganization", REG_SZ, "Old Org", view=VIEW)
        d.start()
        d.tab(6)

    def edit(self):
        d = self.driver
        d.click("Change")
        self.assertTrue(d.visible("Panel20"))
        self.assertFalse(d.visible("Panel25"))
        self.assertEqual(d.focus(), "NewName")

    def replace(self, box, text):
        d = self.driver
        d.click(box)
        d("key", 0x24)  # home
        d("key", 0x10, 0x23)  # shift+end
        d("key", 0x2E)  # delete
        d("type", hexed(text))

    def test_registering_writes_the_typed_bytes_and_the_new_name_waits_for_a_restart(self):
        d = self.driver
        old_name = d.string("NowPCName")
        self.edit()
        d("type", hexed("Taro Yamada"))  # the whole text was selected when the box got the focus
        # Wine cannot pass typed two-byte characters to a window of the system
        # code page, so the Japanese organisation comes in as a paste would.
        d("settext", "NewCompany", hexed("Velnor 研究所"))
        self.replace("NewPCName", "VELNORTEST")
        self.assertEqual(d.string("M1"), "新データに変更する場合\r\n登録ボタンをクリック")
        d.click("Touroku")
        self.assertNoErrorBox()
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOwner", VIEW), (REG_SZ, b"Taro Yamada\0"))
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOrganization", VIEW),
                         (REG_SZ, sjis("Velnor 研究所") + b"\0"))
        self.assertEqual(d.string("NowName"), "Taro Yamada")
        self.assertEqual(d.string("NowCompany"), "Velnor 研究所")
        self.assertEqual(d.string("NowPCName"), old_name)
        self.assertEqual(d.string("M1"), RESTART)
        self.assertFalse(d.visible("Panel20"))
        kind, data = d.reg_get(HKLM, NAME_KEY, "ComputerName")
        self.assertEqual(data.rstrip(b"\0"), b"VELNORTEST")

    def test_cancel_writes_nothing(self):
        d = self.driver
        before = [d.reg_get(HKLM, VERSION_KEY, v, VIEW) for v in ("RegisteredOwner", "RegisteredOrganization")]
        name_before = d.reg_get(HKLM, NAME_KEY, "ComputerName")
        self.edit()
        d("type", hexed("typed owner"))
        self.replace("NewCompany", "typed org")
        self.replace("NewPCName", "TYPEDNAME")
        d.click("Cancel")
        after = [d.reg_get(HKLM, VERSION_KEY, v, VIEW) for v in ("RegisteredOwner", "RegisteredOrganization")]
        self.assertEqual(after, before)
        self.assertEqual(d.reg_get(HKLM, NAME_KEY, "ComputerName"), name_before)
        self.assertEqual(d.string("NewName"), "Old Owner")
        self.assertEqual(d.string("NewPCName"), "TYPEDNAME")

    def test_a_refused_name_shows_the_message_and_still_writes_the_owner(self):
        d = self.driver
        self.edit()
        d("type", hexed("Owner After"))
        self.replace("NewPCName", "X" * 20)
        before = d.rect("Touroku")
        d("moveto", "Touroku", 0, 0)
        d("down", "left")
        d("up", "left")
        texts = d.dialog()
        self.assertEqual(texts, ["Velnor(Win9x)", "コンピュータ名を変更できません。"])
        # The panel stays pressed while the box is open.
        self.assertEqual(d.rect("Touroku"), tuple(v + 1 for v in before))
        d("dismiss")
        self.assertIsNone(d.dialog())
        self.assertEqual(d.rect("Touroku"), before)
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOwner", VIEW), (REG_SZ, b"Owner After\0"))
        self.assertEqual(d.string("M1"), RESTART)
