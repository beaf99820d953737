"""How scripts/wine-env.sh finds the test bed: the i386 probe it writes and
runs, the binfmt_misc entries it will not trust, and the switch."""
import os
import shutil
import struct
import subprocess
import tempfile
import unittest

ENV_SH = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "wine-env.sh"))

# As Debian's qemu-user-binfmt and Wine register themselves.
QEMU_I386 = """enabled
interpreter /usr/libexec/qemu-binfmt/i386-binfmt-P
flags: POCF
offset 0
magic 7f454c4601010100000000000000000002000300
mask fffffffffffefefcfffffffffffffffffeffffff
"""
QEMU_X86_64 = """enabled
interpreter /usr/libexec/qemu-binfmt/x86_64-binfmt-P
flags: POCF
offset 0
magic 7f454c4602010100000000000000000002003e00
mask fffffffffffefefcfffffffffffffffffeffffff
"""
WINE = """enabled
interpreter /usr/bin/wine
flags: 
offset 0
magic 4d5a
"""
BY_EXTENSION = """enabled
interpreter /usr/bin/mono
flags: 
extension .exe
"""
# e_machine alone, two bytes at offset 18, no mask.
BY_MACHINE = """enabled
interpreter /usr/local/bin/i386-runner
flags: 
offset 18
magic 0300
"""


def bash(script, *args, env=None):
    return subprocess.run(["bash", "-c", 'set -euo pipefail; source "$0"; ' + script, ENV_SH, *args],
                          capture_output=True, text=True, env=env)


def probe_bytes():
    return bytes.fromhex(bash('echo "$VELNOR_I386_PROBE"').stdout.strip())


class Probe(unittest.TestCase):
    def test_is_a_static_i386_program_whose_code_lies_in_its_one_segment(self):
        data = probe_bytes()
        self.assertEqual(data[:7], b"\x7fELF\x01\x01\x01")  # 32-bit, little-endian
        e_type, e_machine, _, entry, phoff = struct.unpack_from("<HHIII", data, 16)
        self.assertEqual((e_type, e_machine), (2, 3))  # an executable for the i386
        p_type, p_offset, p_vaddr, _, p_filesz, p_memsz = struct.unpack_from("<IIIIII", data, phoff)
        self.assertEqual((p_type, p_offset, p_filesz), (1, 0, len(data)))
        self.assertTrue(p_vaddr + 84 <= entry < p_vaddr + len(data))
        self.assertGreaterEqual(p_memsz, 128 + 390)  # room for the uname record after the code
        self.assertLess(len(data), 200)

    def test_exits_3_natively_and_4_where_the_machine_is_not_x86_64(self):
        directory = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, directory)
        path = os.path.join(directory, "probe")
        with open(path, "wb") as out:
            out.write(probe_bytes())
        os.chmod(path, 0o755)
        try:
            native = subprocess.run([path]).returncode
        except OSError as error:
            self.skipTest("this host runs no 32-bit programs: %s" % error)
        self.assertEqual(native, 3)
        # A 32-bit personality makes the kernel say i686, as qemu-i386 does.
        self.assertEqual(subprocess.run(["setarch", "i686", path]).returncode, 4)


class BinfmtEntries(unittest.TestCase):
    def claimant(self, entries, status="enabled"):
        directory = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, directory)
        for name, text in dict(entries, status=status + "\n").items():
            with open(os.path.join(directory, name), "w") as out:
                out.write(text)
        with open(os.path.join(directory, "register"), "w"):
            pass
        result = bash('velnor_binfmt_claimant "$1" "$VELNOR_I386_PROBE"', directory)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.strip()

    def test_an_enabled_entry_for_i386_programs_claims_the_probe(self):
        self.assertEqual(self.claimant({"wine": WINE, "qemu-i386": QEMU_I386, "mono": BY_EXTENSION}), "qemu-i386")
        self.assertEqual(self.claimant({"i386-runner": BY_MACHINE}), "i386-runner")

    def test_entries_that_do_not_apply(self):
        cases = {
            "other formats": ({"wine": WINE, "qemu-x86_64": QEMU_X86_64, "mono": BY_EXTENSION}, "enabled"),
            "a disabled entry": ({"qemu-i386": QEMU_I386.replace("enabled", "disabled", 1)}, "enabled"),
            "binfmt_misc disabled": ({"qemu-i386": QEMU_I386}, "disabled"),
        }
        for what, (entries, status) in cases.items():
            with self.subTest(what):
                self.assertEqual(self.claimant(entries, status), "")

    def test_no_binfmt_misc_at_all(self):
        self.assertEqual(bash('velnor_binfmt_claimant /nonexistent "$VELNOR_I386_PROBE"').stdout, "")


class Switch(unittest.TestCase):
    def run_testbed(self, value):
        build = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, build)
        env = dict(os.environ, VELNOR_TESTBED=value, VELNOR_BUILD=build)
        return bash('velnor_testbed; echo "$VELNOR_ARCH $VELNOR_WIN $VELNOR_WINE"; velnor_testbed_line', env=env)

    def test_x86_64_takes_the_x86_64_test_build_under_64_bit_wine(self):
        result = self.run_testbed("x86-64")
        arch, win, wine = result.stdout.splitlines()[0].split()
        self.assertEqual(arch, "x86-64")
        self.assertTrue(win.endswith("/win64"), win)
        self.assertTrue(wine.endswith("/wine64"), wine)
        self.assertIn("VELNOR_TESTBED=x86-64", result.stdout.splitlines()[1])

    def test_any_other_value_stops_with_the_one_it_takes(self):
        result = self.run_testbed("i386")
        self.assertEqual(result.returncode, 2)
        self.assertEqual(result.stdout, "")
        self.assertIn("x86-64", result.stderr)


if __name__ == "__main__":
    unittest.main()
