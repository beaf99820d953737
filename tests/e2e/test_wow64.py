"""A 32-bit program on 64-bit Windows: the owner and organisation are those of
the 64-bit registry view, which Windows itself shows and keeps."""
import unittest

from velnor_e2e import HKLM, MODE, REG_SZ, ProgramTest, needs_32_bit

KEY = r"SOFTWARE\Microsoft\Windows NT\CurrentVersion"


@needs_32_bit("the registry view of a 32-bit program under WOW64")
@unittest.skipUnless(MODE == "win64", "needs a 64-bit prefix (scripts/e2e.sh win64)")
class Wow64Views(ProgramTest):
    def test_the_owner_comes_from_the_64_bit_view(self):
        d = self.driver
        d.reg_set(HKLM, KEY, "RegisteredOwner", REG_SZ, "Owner64", view="64")
        d.reg_set(HKLM, KEY, "RegisteredOwner", REG_SZ, "Owner32", view="32")
        d.reg_set(HKLM, KEY, "RegisteredOrganization", REG_SZ, "Org64", view="64")
        d.reg_set(HKLM, KEY, "RegisteredOrganization", REG_SZ, "Org32", view="32")
        d.start()
        self.assertEqual(d.string("NowName"), "Owner64")
        self.assertEqual(d.string("NowCompany"), "Org64")
