"""Registering a new owner, organisation and computer name through the page."""
from velnor_e2e import (CANNOT_NAME, HKLM, MODE, REG_MULTI_SZ, REG_SZ, VERSION_KEY, VIEWING, ProgramTest, hexed, sjis,
                        wait_for)

VIEW = "64" if MODE == "win64" else ""
RESTART = " 新ＰＣ名は再起動後\r\n『有効』になります"
CANNOT_OWNER = "所有者名と組織名を変更できません。"


class Registration(ProgramTest):
    def setUp(self):
        d = self.driver
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOwner", REG_SZ, "Old Owner", view=VIEW)
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOrganization", REG_SZ, "Old Org", view=VIEW)
        # No new name waits for a restart, whatever an earlier test set, and
        # none is left waiting for the tests after.
        self.active = d.no_name_waits()
        self.addCleanup(d.no_name_waits)
        d.start()
        d.tab(6)

    def restart_with_waiting_name(self, name):
        d = self.driver
        d.close()
        d.reg_set(HKLM, d.NAME_KEY, "ComputerName", REG_SZ, name)
        d.start()
        d.tab(6)

    def waiting(self):
        return self.driver.waiting_name()

    def assertNothingWaits(self):
        """The name kept for the restart is the present one, and the page says so."""
        d = self.driver
        self.assertEqual(self.waiting(), self.active)
        self.assertEqual(d.text("NewPCName"), self.active)
        self.assertEqual(d.string("M1"), VIEWING)

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
        kind, data = d.reg_get(HKLM, d.NAME_KEY, "ComputerName")
        self.assertEqual(data.rstrip(b"\0"), b"VELNORTEST")

    def test_cancel_writes_nothing(self):
        d = self.driver
        before = [d.reg_get(HKLM, VERSION_KEY, v, VIEW) for v in ("RegisteredOwner", "RegisteredOrganization")]
        name_before = d.reg_get(HKLM, d.NAME_KEY, "ComputerName")
        self.edit()
        d("type", hexed("typed owner"))
        self.replace("NewCompany", "typed org")
        self.replace("NewPCName", "TYPEDNAME")
        d.click("Cancel")
        after = [d.reg_get(HKLM, VERSION_KEY, v, VIEW) for v in ("RegisteredOwner", "RegisteredOrganization")]
        self.assertEqual(after, before)
        self.assertEqual(d.reg_get(HKLM, d.NAME_KEY, "ComputerName"), name_before)
        self.assertEqual(d.string("NewName"), "Old Owner")
        self.assertEqual(d.string("NewPCName"), "TYPEDNAME")

    def test_a_refused_name_shows_the_message_still_writes_the_owner_and_is_not_pending(self):
        d = self.driver
        pending = d.waiting_name()
        self.edit()
        d("type", hexed("Owner After"))
        self.replace("NewPCName", "X" * 20)
        before = d.rect("Touroku")
        d("moveto", "Touroku", 0, 0)
        d("down", "left")
        d("up", "left")
        texts = d.dialog()
        self.assertEqual(texts, ["Velnor(Win9x)", CANNOT_NAME])
        # The panel stays pressed while the box is open.
        self.assertEqual(d.rect("Touroku"), tuple(v + 1 for v in before))
        d("dismiss")
        self.assertIsNone(d.dialog())
        self.assertEqual(d.rect("Touroku"), before)
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOwner", VIEW), (REG_SZ, b"Owner After\0"))
        # Nothing waited before, and nothing waits now: the field shows the
        # computer's own name again, and the status line says so.
        self.assertEqual(pending, self.active)
        self.assertEqual(d.text("NewPCName"), self.active)
        self.assertEqual(d.string("M1"), VIEWING)

    def test_values_the_page_cannot_show_survive_a_change_of_the_name_alone(self):
        d = self.driver
        owner = b"O" * 299 + b"\0"  # 300 bytes: more than the page reads
        organisation = sjis("第一") + b"\0" + b"Second\0\0"
        d.close()
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOwner", REG_SZ, owner, view=VIEW)
        d.reg_set(HKLM, VERSION_KEY, "RegisteredOrganization", REG_MULTI_SZ, organisation, view=VIEW)
        d.start()
        d.tab(6)
        self.edit()
        self.replace("NewPCName", "ONLYNAME")
        d.click("Touroku")
        self.assertNoErrorBox()
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOwner", VIEW), (REG_SZ, owner))
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOrganization", VIEW), (REG_MULTI_SZ, organisation))
        self.assertEqual(d.waiting_name(), b"ONLYNAME")
        self.assertEqual(d.string("M1"), RESTART)

    def test_a_typed_shift_jis_owner_of_200_bytes_is_written_and_shown_back_whole(self):
        d = self.driver
        owner = "山田" * 50  # 100 two-byte characters
        self.assertEqual(len(sjis(owner)), 200)
        self.edit()
        # Typed two-byte characters cannot reach a window of the system code
        # page under Wine; the text comes in as a paste would.
        d("settext", "NewName", hexed(owner))
        d.click("Touroku")
        self.assertNoErrorBox()
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOwner", VIEW), (REG_SZ, sjis(owner) + b"\0"))
        self.assertEqual(d.text("NowName"), sjis(owner))
        self.assertEqual(d.text("NewName"), sjis(owner))
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOrganization", VIEW), (REG_SZ, b"Old Org\0"))

    def test_a_refused_write_is_reported_and_the_page_shows_what_the_registry_holds(self):
        d = self.driver
        d.reg_deny_writes(HKLM, VERSION_KEY, VIEW)
        self.addCleanup(d.reg_restore_security, HKLM, VERSION_KEY, VIEW)
        self.edit()
        d("settext", "NewName", hexed("Refused Owner"))
        d.click("Touroku")
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", CANNOT_OWNER])
        d("dismiss")
        self.assertIsNone(d.dialog())
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOwner", VIEW), (REG_SZ, b"Old Owner\0"))
        self.assertEqual(d.string("NowName"), "Old Owner")
        self.assertEqual(d.string("NewName"), "Old Owner")
        self.assertEqual(d.string("M1"), VIEWING)

    def test_a_name_waiting_from_an_earlier_run_shows_and_the_present_name_typed_back_undoes_it(self):
        d = self.driver
        self.restart_with_waiting_name("WAITINGPC")
        self.assertEqual(d.text("NowPCName"), self.active)
        self.assertEqual(d.string("NewPCName"), "WAITINGPC")
        self.assertEqual(d.string("M1"), RESTART)
        self.edit()
        self.replace("NewPCName", self.active.decode("cp932"))
        d.click("Touroku")
        self.assertNoErrorBox()
        self.assertNothingWaits()

    def test_an_empty_name_is_refused_as_an_over_long_one_is(self):
        d = self.driver
        self.edit()
        d("settext", "NewPCName", "-")
        self.assertEqual(d.string("NewPCName"), "")
        d.click("Touroku")
        self.assertEqual(d.dialog(), ["Velnor(Win9x)", CANNOT_NAME])
        d("dismiss")
        self.assertNothingWaits()

    def test_a_name_the_system_alters_shows_as_the_system_keeps_it(self):
        d = self.driver
        self.edit()
        self.replace("NewPCName", "A B*C")
        d.click("Touroku")
        self.assertNoErrorBox()
        kept = self.waiting()
        self.assertNotEqual(kept, b"A B*C")
        self.assertEqual(d.text("NewPCName"), kept)
        self.assertEqual(d.string("M1"), RESTART)

    def test_the_owner_box_takes_no_more_than_the_page_can_show_again(self):
        d = self.driver
        self.edit()
        d("type", hexed("x" * 300))
        # The keystrokes take a while to arrive: the box fills up to its
        # limit, and no further.
        wait_for(lambda: d.text("NewName"), lambda text: len(text) >= 254, 20, "the typed owner")
        d("sleep", 1000)
        self.assertEqual(d.text("NewName"), b"x" * 254)
        # Pasted two-byte characters are cut before a whole character, never inside one.
        d("settext", "NewCompany", hexed("会社" * 100))  # 400 bytes
        company = d.text("NewCompany")
        self.assertEqual(company, sjis("会社" * 63 + "会"))  # 254 bytes
        d.click("Touroku")
        self.assertNoErrorBox()
        self.assertEqual(d.reg_get(HKLM, VERSION_KEY, "RegisteredOwner", VIEW), (REG_SZ, b"x" * 254 + b"\0"))
        self.assertEqual(d.text("NowName"), b"x" * 254)
        self.assertEqual(d.text("NowCompany"), company)
