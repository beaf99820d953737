"""How scripts/wine-env.sh finds the test bed: the i386 probe it writes and
runs, the binfmt_misc entries it will not trust, and the switch; and what
the scripts share around it: the locales compiled for Wine, a session in a
fresh prefix copy, and the closing lines that name what the x86-64 test bed
skipped."""
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


class FreshSession(unittest.TestCase):
    """velnor_fresh_session with the prefix and the session stubbed: a prefix
    made by a stand-in wine-prefix.sh, and a session that writes into the
    copy it is given and answers a chosen status."""

    def setUp(self):
        self.root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.root)
        self.pristine = os.path.join(self.root, "wine", "win98")
        os.makedirs(os.path.join(self.pristine, "drive_c", "windows", "system32"))
        for name, text in (("system.reg", "pristine\n"), ("drive_c/windows/system32/kernel32.dll", "code")):
            with open(os.path.join(self.pristine, name), "w") as out:
                out.write(text)
        os.makedirs(os.path.join(self.root, "scripts"))
        stub = os.path.join(self.root, "scripts", "wine-prefix.sh")
        with open(stub, "w") as out:
            out.write('#!/bin/sh\n[ "$1" = win98 ] || exit 2\necho "%s"\n' % self.pristine)
        os.chmod(stub, 0o755)

    def session(self, options, status):
        """Runs velnor_fresh_session; its status, the stubbed session's
        arguments (the copy's path as ?) and what it saw in the copy."""
        script = """
            seen="$VELNOR_ROOT/seen"
            mark() { echo prepared >"$1/prepared"; }
            velnor_session() {
              local args=("$@") prefix
              [ "$1" != --sessions ] || shift
              prefix=$1
              echo "${args[*]}" >"$seen"
              cat "$prefix/system.reg" "$prefix/prepared" 2>/dev/null >>"$seen"
              echo written >>"$prefix/system.reg"
              return %d
            }
            status=0
            velnor_fresh_session %s win98 run A=1 -- cmd arg || status=$?
            echo "$status"
            """ % (status, options)
        result = bash(script, env=dict(os.environ, VELNOR_ROOT=self.root))
        self.assertEqual(result.stderr, "")
        with open(os.path.join(self.root, "seen")) as f:
            seen = f.read().replace(self.pristine + "-run", "?").splitlines()
        return int(result.stdout.strip()), seen

    def test_the_copy_runs_the_session_and_goes_whatever_its_status(self):
        cases = [  # options, the session's status, its arguments, what it found in the copy
            ("", 0, "? win98 A=1 -- cmd arg", ["pristine"]),
            ("", 3, "? win98 A=1 -- cmd arg", ["pristine"]),
            ("--sessions", 0, "--sessions ? win98 A=1 -- cmd arg", ["pristine"]),
            ("--prepare mark", 0, "? win98 A=1 -- cmd arg", ["pristine", "prepared"]),
            ("--sessions --prepare mark", 5, "--sessions ? win98 A=1 -- cmd arg", ["pristine", "prepared"]),
        ]
        for options, status, arguments, found in cases:
            with self.subTest(options=options, status=status):
                self.assertEqual(self.session(options, status), (status, [arguments] + found))
                self.assertFalse(os.path.exists(self.pristine + "-run"))
                # What the session wrote went with the copy.
                with open(os.path.join(self.pristine, "system.reg")) as f:
                    self.assertEqual(f.read(), "pristine\n")
                self.assertFalse(os.path.exists(os.path.join(self.pristine, "prepared")))

    def test_a_prefix_that_cannot_be_made_runs_no_session(self):
        result = bash('velnor_session() { echo ran; }; velnor_fresh_session winxp run -- cmd || echo "status $?"',
                      env=dict(os.environ, VELNOR_ROOT=self.root))
        self.assertEqual(result.stdout, "status 2\n")


class Locales(unittest.TestCase):
    """velnor_locale: a locale given to make run is compiled into LOCPATH as
    the two the tests use are, or refused; never left for glibc to fall back
    to C."""

    def setUp(self):
        self.build = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.build)
        # The two made every time, already there, so that nothing here waits
        # for localedef to compile them.
        for name in ("ja_JP.UTF-8", "en_US.UTF-8"):
            os.makedirs(os.path.join(self.build, "locale", name))
            open(os.path.join(self.build, "locale", name, "LC_CTYPE"), "w").close()

    def make(self, name):
        return bash('velnor_locale "$1"', name, env=dict(os.environ, VELNOR_BUILD=self.build))

    def test_the_parts_of_a_name(self):
        cases = [("de_DE.UTF-8", "de_DE UTF-8"), ("sr_RS.UTF-8@latin", "sr_RS@latin UTF-8"),
                 ("ast_ES.ISO-8859-15", "ast_ES ISO-8859-15")]
        for name, parts in cases:
            with self.subTest(name=name):
                self.assertEqual(bash('velnor_locale_parts "$1"', name).stdout, parts + "\n")
        for name in ("de_DE", "C.UTF-8", "POSIX", "de_DE.UTF-8@../x", "../x_Y.UTF-8", ""):
            with self.subTest(name=name):
                self.assertEqual(bash('velnor_locale_parts "$1"', name).returncode, 1)

    def test_a_name_without_its_charmap_is_refused(self):
        for name in ("de_DE", "C", "../de_DE.UTF-8"):
            with self.subTest(name=name):
                result = self.make(name)
                self.assertEqual(result.returncode, 2)
                self.assertIn("language_TERRITORY.CHARMAP", result.stderr)
                self.assertEqual(sorted(os.listdir(os.path.join(self.build, "locale"))),
                                 ["en_US.UTF-8", "ja_JP.UTF-8"])

    @unittest.skipUnless(shutil.which("localedef"), "no localedef here")
    def test_a_locale_glibc_cannot_make_is_refused_and_leaves_nothing(self):
        for name in ("xx_YY.UTF-8", "de_DE.NO-SUCH-CHARMAP"):
            with self.subTest(name=name):
                result = self.make(name)
                self.assertEqual(result.returncode, 2)
                self.assertIn("cannot be made", result.stderr)
                self.assertFalse(os.path.exists(os.path.join(self.build, "locale", name)))


class SkippedLines(unittest.TestCase):
    def lines(self, arch, text):
        directory = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, directory)
        path = os.path.join(directory, "skipped")
        with open(path, "w") as out:
            out.write(text)
        result = bash('VELNOR_ARCH=$1 VELNOR_ARCH_WHY="no 32-bit here"; velnor_skipped_lines "The runs" "$2"',
                      arch, path)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.splitlines()

    def test_one_line_per_part_with_its_modes_in_their_order(self):
        text = "win98\tthe size\tno product\nwinxp\tthe size\tno product\nwin98\tthe ROM\tnot mapped\n"
        self.assertEqual(self.lines("x86-64", text), [
            "", "The runs ran against the x86-64 test build, not velnor.exe: no 32-bit here.",
            "Skipped there, since they need the 32-bit executable itself:",
            "  the size (win98, winxp): no product", "  the ROM (win98): not mapped"])

    def test_nothing_skipped_and_the_product_itself(self):
        self.assertEqual(self.lines("x86-64", ""),
                         ["", "The runs ran against the x86-64 test build, not velnor.exe: no 32-bit here."])
        self.assertEqual(self.lines("i386", "win98\tthe size\tno product\n"), [])


if __name__ == "__main__":
    unittest.main()
