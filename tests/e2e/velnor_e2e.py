"""End-to-end test bed: drives the real velnor.exe under Wine through the test
driver (vdriver.exe), which runs in the same Wine prefix and answers one line
per command. The platform mode comes from VELNOR_MODE (win98, winxp, win64);
run the tests through scripts/e2e.sh, which prepares the prefix and Xvfb and
tells which Windows build to drive: the 32-bit product, or on a host that
runs no 32-bit programs the x86-64 test build (VELNOR_ARCH, VELNOR_WIN)."""
import os
import subprocess
import time
import unittest
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP, getcontext
from fractions import Fraction

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.environ.get("VELNOR_BUILD", os.path.join(ROOT, "build"))
ARCH = os.environ.get("VELNOR_ARCH", "i386")
WIN = os.environ.get("VELNOR_WIN", os.path.join(BUILD, "win"))
WINE = os.environ.get("VELNOR_WINE", "wine")
EXE = os.path.join(WIN, "velnor.exe")
DRIVER = os.path.join(WIN, "vdriver.exe")
MODE = os.environ.get("VELNOR_MODE", "win98")
PREFIX = os.environ.get("WINEPREFIX", os.path.join(BUILD, "wine", MODE))

NEEDS_32_BIT = "needs the 32-bit executable: "


def needs_32_bit(reason, mode=None):
    """Skips a test (in one mode, or in all) where the x86-64 test build
    stands in for velnor.exe; scripts/e2e.sh names such tests at the end."""
    return unittest.skipIf(ARCH == "x86-64" and mode in (None, MODE), NEEDS_32_BIT + reason)


def note_skipped(parts):
    """Where the x86-64 test build stands in for velnor.exe, names the parts
    of a fault run, benchmark or soak that it cannot stand in for (they need
    the 32-bit executable itself), (part, why) each, for the closing lines of
    the run's script (VELNOR_SKIPPED, one line as run_tests.py writes for a
    test); gives them back, the list that run's figures keep."""
    if ARCH != "x86-64":
        return []
    log = os.environ.get("VELNOR_SKIPPED")
    if log:
        with open(log, "a") as out:
            for part, why in parts:
                out.write("%s\t%s\t%s\n" % (MODE, part, why))
    return [list(part) for part in parts]

HKLM, HKCU, HKDD = "HKLM", "HKCU", "HKDD"
REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ = 1, 2, 3, 4, 7
# Where the registered owner and organisation are kept: Windows 9x's key, or the NT family's.
VERSION_KEY = (r"SOFTWARE\Microsoft\Windows\CurrentVersion" if MODE == "win98"
               else r"SOFTWARE\Microsoft\Windows NT\CurrentVersion")

# Texts of the user page that several tests look for.
VIEWING = "登録情報を表示中です\r\n変更は登録変更ボタン"
CANNOT_NAME = "コンピュータ名を変更できません。"


def sjis(text):
    return text.encode("cp932")


def hexed(data):
    if isinstance(data, str):
        data = sjis(data)
    return data.hex() if data else "-"


def unhexed(text):
    return b"" if text == "-" else bytes.fromhex(text)


def windows_path(path):
    """A host path as Wine's Z: drive shows it."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class LayoutKind:
    PAGE_CONTROL, TAB_PAGE, PANEL, LABEL, TEXT_BOX, GAUGE, DRIVE_BOX, BUTTON = range(8)


class LayoutAlign:
    LEFT, RIGHT, CENTER = range(3)


class DriverError(Exception):
    pass


class TimedOut(AssertionError):
    pass


def wait_for(read, accept, within, what):
    """Polls read() until accept(value) holds and returns that value; a test
    waits for what it needs to see rather than for a fixed time."""
    began = time.monotonic()
    while True:
        value = read()
        if accept(value):
            return value
        if time.monotonic() - began > within:
            raise TimedOut("%s: still %r after %.1f s" % (what, value, within))
        time.sleep(0.05)


# A locale whose ANSI code page is not 932 (Wine takes 1252 from it): the
# program then shows and writes everything in English.
ENGLISH_LOCALE = "en_US.UTF-8"


class Driver:
    """One vdriver.exe process, kept for a whole test class. The program it
    starts runs in the driver's locale: Japanese, or another one given."""

    def __init__(self, locale=None):
        env = dict(os.environ, WINEPREFIX=PREFIX)
        if locale:
            env.update(LC_ALL=locale, LANG=locale)
        self.process = subprocess.Popen([WINE, DRIVER], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, env=env, bufsize=0)

    def __call__(self, *parts):
        line = " ".join(str(p) for p in parts) + "\n"
        self.process.stdin.write(line.encode("ascii"))
        self.process.stdin.flush()
        reply = self.process.stdout.readline().decode("ascii").rstrip("\r\n")
        if reply.startswith("ok"):
            return reply[3:]
        raise DriverError("%s -> %s" % (line.strip(), reply or "no answer"))

    def quit(self):
        try:
            self.process.stdin.write(b"quit\n")
            self.process.stdin.flush()
            self.process.wait(timeout=20)
        except Exception:
            self.process.kill()

    # --- the program ---
    def start(self, exe=EXE, directory=None):
        return int(self("start", hexed(windows_path(exe)), hexed(windows_path(directory or os.path.dirname(exe)))))

    def close(self):
        return int(self("close"))

    def run(self, arguments, exe=EXE, directory=None, within_ms=60000):
        """Runs the program with arguments (a text, Shift-JIS on the way) and
        waits for its end: (exit code, whether it showed a window, ms it ran)."""
        code, shown, ms = self("run", hexed(windows_path(exe)),
                               hexed(windows_path(directory or os.path.dirname(exe))), hexed(arguments),
                               within_ms).split()
        return int(code), shown == "1", float(ms)

    def running(self):
        return self("running") == "1"

    # --- controls ---
    def text(self, name):
        """A control's text as the bytes the program holds (Shift-JIS)."""
        return unhexed(self("text", name))

    def string(self, name, code_page="cp932"):
        return self.text(name).decode(code_page)

    def visible(self, name):
        """The control's own visibility, also on a page that is not in front."""
        return self("visible", name) == "1"

    def showing(self, name):
        """Visible on the screen: the control and everything it lies on."""
        return self("showing", name) == "1"

    def rect(self, name):
        return tuple(int(v) for v in self("rect", name).split())

    def placed(self, name):
        """Left, top, width and height in the parent's client area."""
        return tuple(int(v) for v in self("placed", name).split())

    def layout(self):
        """The layout tables the program is built from, in their order: name ->
        (parent or None, kind, alignment, hidden, (left, top, width, height),
        design text), kind and alignment as the numbers of LayoutKind and
        LayoutAlign, the text as bytes."""
        rows = {}
        for record in self("layout").split():
            name, parent, kind, align, hidden, *bounds, text = record.split(",")
            rows[name] = (None if parent == "-" else parent, int(kind), int(align), hidden == "1",
                          tuple(int(v) for v in bounds), unhexed(text))
        return rows

    def client(self, name):
        return tuple(int(v) for v in self("client", name).split())

    def extent(self, name, faces):
        """Whether the system has the face that stands for the control's font
        in faces (a face name for each of "PGothic", "PMincho" and "Gothic",
        the layout's proportional Gothic and Mincho and its fixed-pitch
        Gothic), (width, height) the control's text needs in that face at the
        font's height and style, and (width, height) of its client area."""
        w, h, cw, ch, found = (int(v) for v in self("extent", name, hexed(faces["PGothic"]), hexed(faces["PMincho"]),
                                                    hexed(faces["Gothic"])).split())
        return found == 1, (w, h), (cw, ch)

    def gauge(self, name):
        pos, low, high = (int(v) for v in self("gauge", name).split())
        return pos, low, high

    def tabs(self):
        parts = self("tabs").split()
        return [unhexed(p).decode("cp932") for p in parts[1:]]

    def tab(self, index):
        return int(self("tab", index))

    def focus(self):
        return self("focus")

    def click(self, name, button="left"):
        self("click", name, button)

    def refuse_a_computer_name(self):
        """On the user page in front: opens the editing mode and registers a
        computer name too long to be taken, so that the program's refusal box
        comes up and stays open."""
        self.click("Change")
        self("settext", "NewPCName", hexed("X" * 20))
        self.click("Touroku")

    def combo_items(self, name):
        """(selected index, entries) of a combo box."""
        parts = self("combo_items", name).split()
        return int(parts[1]), [bytes.fromhex(p).decode("cp932") if p != "-" else "" for p in parts[2:]]

    def windows(self):
        """The program's visible top-level windows as (class, title): the main
        window, its taskbar entry and any box it shows."""
        out = []
        for item in self("windows").split():
            cls, _, title = item.partition(":")
            out.append((cls, unhexed(title).decode("cp932", "replace")))
        return out

    def taskbar(self):
        """The program's taskbar entries: (count, class, title, whether it owns
        the main window) of the first one, or (0, None, None, False)."""
        parts = self("taskbar").split()
        if parts[0] == "0":
            return 0, None, None, False
        return int(parts[0]), parts[1], unhexed(parts[2]).decode("cp932"), parts[3] == "1"

    def window_state(self, name):
        """(visible, minimised, in the foreground) of "main" or "entry"."""
        return tuple(v == "1" for v in self("window_state", name).split())

    def dialog(self):
        reply = self("dialog")
        if reply == "none":
            return None
        return [unhexed(p).decode("cp932", "replace") for p in reply.split()]

    # --- clipboard and window menus ---
    def clipboard(self):
        """(the clipboard's CF_TEXT bytes, its CF_LOCALE), each None where it has none."""
        text, locale = self("clipboard").split()
        return (None if text == "-" else unhexed(text)), (None if locale == "-" else int(locale, 16))

    def clipboard_set(self, text):
        self("clipboard_set", hexed(text))

    def window_menu(self, window, *keys):
        """Opens the window menu of "main" or "entry" with Alt+Space and
        presses the keys (virtual key codes); "closed" once it has gone."""
        return self("window_menu", window, *keys)

    # --- registry ---
    def reg_set(self, root, path, name, kind, data, view=""):
        if isinstance(data, str):
            data = sjis(data) + b"\0"
        return self("reg_set", root, hexed(path), hexed(name), kind, hexed(data), view or "-")

    def reg_get(self, root, path, name, view=""):
        reply = self("reg_get", root, hexed(path), hexed(name), view or "-")
        if reply == "missing":
            return None
        kind, data = reply.split()
        return int(kind), unhexed(data)

    def reg_delete_value(self, root, path, name, view=""):
        self("reg_delete_value", root, hexed(path), hexed(name), view or "-")

    def reg_deny_writes(self, root, path, view=""):
        """The key refuses new values to everyone until reg_restore_security."""
        self("reg_deny_writes", root, hexed(path), view or "-")

    def reg_restore_security(self, root, path, view=""):
        self("reg_restore_security", root, hexed(path), view or "-")

    def reg_delete_key(self, root, path):
        self("reg_delete_key", root, hexed(path))

    # --- the computer name ---
    NAME_KEY = r"SYSTEM\CurrentControlSet\Control\ComputerName\ComputerName"

    def no_name_waits(self):
        """Makes the name kept for the next start the computer's present one,
        whatever an earlier test set; returns that name's bytes."""
        active = unhexed(self("computer_name"))
        self.reg_set(HKLM, self.NAME_KEY, "ComputerName", REG_SZ, active + b"\0")
        return active

    def waiting_name(self):
        """The name kept for the next start, as the system keeps it."""
        return self.reg_get(HKLM, self.NAME_KEY, "ComputerName")[1].rstrip(b"\0")


class ProgramTest(unittest.TestCase):
    """A test class with one driver; each test starts the program itself and
    the program is killed after the test if it still runs."""

    driver = None
    locale = None  # the driver's and the program's, where not the Japanese one

    @classmethod
    def setUpClass(cls):
        cls.driver = Driver(cls.locale)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def tearDown(self):
        if self.driver.running():
            self.driver("kill")

    def assertNoErrorBox(self):
        self.assertIsNone(self.driver.dialog(), "a message box is open")


# ----- the figures, computed independently of the program -----

getcontext().prec = 1000


def mask(value, decimals, unit):
    """The runtime's float mask on an exact value: 18 significant digits (ties to
    even), then the mask's decimals (ties away from zero), grouped thousands."""
    value = Decimal(value)
    negative = value < 0
    value = abs(value)
    if value != 0:
        exponent = value.adjusted() - 17
        value = value.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_HALF_EVEN)
    value = value.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    if value == 0:
        negative = False
    whole, _, fraction = format(value, "f").partition(".")
    fraction = fraction.rstrip("0")
    text = "{:,}".format(int(whole)) + ("." + fraction if fraction else "")
    return ("-" if negative else "") + text + unit


def size_text(byte_count):
    """A disk figure: MB below 1024 MB, GB from there."""
    mb = Fraction(byte_count, 1048576)
    if mb >= 1024:
        return mask(Decimal(mb.numerator) / Decimal(mb.denominator) / 1024, 2, " GB")
    return mask(Decimal(mb.numerator) / Decimal(mb.denominator), 2, " MB")


def percent_candidates(part, whole):
    """The truncated share; near a whole number the extended-precision rule may
    land on either side, so both neighbours are accepted there."""
    if whole == 0:
        return {0}
    exact = Fraction(part) / Fraction(whole) * 100
    low = int(exact)  # truncates toward zero
    near = abs(exact - round(exact)) < Fraction(1, 10 ** 12)
    return {low, int(round(exact)) - 1, int(round(exact))} if near else {low}
