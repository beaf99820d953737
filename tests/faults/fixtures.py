"""The registry locations the program reads, the bad values written there,
and what the program must show for each: a model of its reading rules,
worked out here independently of the program's code. No Wine is needed for
this module; run_faults.py drives the program with it."""
import struct

HKLM, HKDD = "HKLM", "HKDD"
REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ = 0, 1, 2, 3, 4, 7
TYPE_NAMES = {REG_NONE: "REG_NONE", REG_SZ: "REG_SZ", REG_EXPAND_SZ: "REG_EXPAND_SZ", REG_BINARY: "REG_BINARY",
              REG_DWORD: "REG_DWORD", REG_MULTI_SZ: "REG_MULTI_SZ"}
# The order of the table in the report.
TYPES = (REG_SZ, REG_DWORD, REG_BINARY, REG_MULTI_SZ, REG_NONE)
# Values of 64 KB and 1 MB come in one pattern, the one with no zero byte.
LARGE_SIZES = (65536, 1048576)
SIZES = (0, 1, 4, 5, 99, 100, 101, 254, 255, 256, 4096) + LARGE_SIZES
PATTERNS = ("text", "bytes", "high", "zeros")
LARGE_PATTERNS = ("high",)
# Lengths of the odd value names written into the statistics switch keys.
NAME_LENGTHS = (1, 100, 255, 256)

# The user page reads each value into a buffer of this many bytes.
TEXT_BUFFER = 255
# A BIOS string from the registry is shown up to this many bytes, never half
# of a Shift-JIS character.
REGISTRY_TEXT_BOUND = 1024
# SystemBIOSVersion is read into a buffer of 100 bytes, of which 99 are cut into lines.
VERSION_BUFFER = 100
VERSION_SCANNED = 99
STATISTIC_SIZE = 4

VERSION_9X = r"SOFTWARE\Microsoft\Windows\CurrentVersion"
VERSION_NT = r"SOFTWARE\Microsoft\Windows NT\CurrentVersion"
CPU = r"Hardware\Description\System\CentralProcessor\0"
CPU_CLASS = r"SYSTEM\ControlSet001\Control\Class\{50127DC3-0F36-415E-A6CC-4CB3BE910B65}\0000"
SYSTEM = r"HARDWARE\DESCRIPTION\System"
DEVICE = r"SYSTEM\ControlSet001\Control\Class\{4D36E97D-E325-11CE-BFC1-08002BE10318}\0014"
START = r"PerfStats\StartStat"
STAT = r"PerfStats\StatData"
STOP = r"PerfStats\StopStat"
CPU_USAGE = "KERNEL\\CPUUsage"

MODES = ("win98", "winxp")
DESIGN_LABEL21 = b"100%"


class Location:
    """One value the program reads. `reads` names the modes that read it;
    `any_value`: the program reads every value of the key, whatever its name."""

    def __init__(self, ident, title, root, key, value, reads, any_value=False):
        self.ident, self.title, self.root, self.key, self.value = ident, title, root, key, value
        self.reads, self.any_value = reads, any_value

    def __repr__(self):
        return self.ident


LOCATIONS = (
    Location("owner9x", r"RegisteredOwner (Windows\CurrentVersion)", HKLM, VERSION_9X, "RegisteredOwner",
             ("win98",)),
    Location("org9x", r"RegisteredOrganization (Windows\CurrentVersion)", HKLM, VERSION_9X,
             "RegisteredOrganization", ("win98",)),
    Location("ownerNt", r"RegisteredOwner (Windows NT\CurrentVersion)", HKLM, VERSION_NT, "RegisteredOwner",
             ("winxp",)),
    Location("orgNt", r"RegisteredOrganization (Windows NT\CurrentVersion)", HKLM, VERSION_NT,
             "RegisteredOrganization", ("winxp",)),
    Location("identifier", r"CentralProcessor\0 Identifier", HKLM, CPU, "Identifier", ("win98",)),
    Location("vendor", r"CentralProcessor\0 VendorIdentifier", HKLM, CPU, "VendorIdentifier", MODES),
    Location("cpuDesc", r"processor class 0000 DriverDesc", HKLM, CPU_CLASS, "DriverDesc", ("winxp",)),
    Location("biosVersion", "SystemBIOSVersion", HKLM, SYSTEM, "SystemBIOSVersion", ("winxp",)),
    Location("biosDate", "SystemBIOSDate", HKLM, SYSTEM, "SystemBIOSDate", ("winxp",)),
    Location("deviceDesc", "system device 0014 DriverDesc", HKLM, DEVICE, "DriverDesc", ("winxp",)),
    Location("deviceVersion", "system device 0014 DriverVersion", HKLM, DEVICE, "DriverVersion", ("winxp",)),
    # Only Windows 9x keeps these statistics. Wine opens HKEY_DYN_DATA in both
    # modes, but on the NT family the program does not look there.
    Location("startStat", r"PerfStats\StartStat (any value)", HKDD, START, CPU_USAGE, ("win98",),
             any_value=True),
    Location("cpuUsage", r"PerfStats\StatData KERNEL\CPUUsage", HKDD, STAT, CPU_USAGE, ("win98",)),
    Location("stopStat", r"PerfStats\StopStat (any value)", HKDD, STOP, CPU_USAGE, ("win98",),
             any_value=True),
)
BY_ID = {location.ident: location for location in LOCATIONS}
# The BIOS step reads its four values in this order and stops at the first
# read that fails: a fixture in one of them hides the later ones, so these
# get one location at a time; every other read stands alone.
BIOS_CHAIN = ("biosVersion", "biosDate", "deviceDesc", "deviceVersion")

# Sound values that a location holds while another one is under test.
BASELINE = {
    "owner9x": (REG_SZ, b"Owner 9x\0"),
    "org9x": (REG_SZ, b"Organisation 9x\0"),
    "ownerNt": (REG_SZ, b"Owner NT\0"),
    "orgNt": (REG_SZ, b"Organisation NT\0"),
    "identifier": (REG_SZ, b"x86 Family 6 Model 8 Stepping 3\0"),
    "vendor": (REG_SZ, b"GenuineIntel\0"),
    "cpuDesc": (REG_SZ, b"Intel(R) Pentium(R) III processor\0"),
    "biosVersion": (REG_MULTI_SZ, b"Award Modular BIOS v6.00PG\0Phoenix - AwardBIOS v6.00PG\0\0"),
    "biosDate": (REG_SZ, b"12/21/04\0"),
    "deviceDesc": (REG_SZ, b"System board\0"),
    "deviceVersion": (REG_SZ, b"5.1.2600.0\0"),
    "startStat": (REG_BINARY, b"\0\0\0\0"),
    "cpuUsage": (REG_BINARY, struct.pack("<i", 37)),
    "stopStat": (REG_BINARY, b"\0\0\0\0"),
}


def pattern(name, size):
    """Bytes of one kind, size long. Together the kinds hold every byte value:
    text: printable ASCII (the backslash among it), ending in a zero byte;
    bytes: 01, 02, ... FF, 00, 01, ... (every value, the zero at index 255);
    high: 80 5C 81 5C ... FF 5C: Shift-JIS lead bytes with a backslash as the
          trail byte, and bytes that lead nothing, with no zero anywhere;
    zeros: nothing but zero bytes."""
    if name == "text":
        printable = bytes(range(0x41, 0x7F)) + bytes(range(0x20, 0x41))
        body = (printable * (size // len(printable) + 1))[:max(size - 1, 0)]
        return body + b"\0" if size else b""
    if name == "bytes":
        return bytes((i + 1) % 256 for i in range(size))
    if name == "high":
        return bytes(0x80 + (i // 2) % 128 if i % 2 == 0 else 0x5C for i in range(size))
    if name == "zeros":
        return bytes(size)
    raise ValueError(name)


class Fixture:
    """What one location holds during a run: a value of a type and size made
    of a pattern, no value, no key, or (statistics switches) a value whose
    name is odd."""

    def __init__(self, kind, type_=None, size=None, pattern_=None):
        self.kind, self.type, self.size, self.pattern = kind, type_, size, pattern_

    @property
    def data(self):
        return pattern(self.pattern, self.size)

    @property
    def name_bytes(self):
        """The odd value name of a "name" fixture: high bytes and backslashes."""
        return pattern("high", self.size)

    def label(self):
        if self.kind == "value":
            return "%s %d bytes %s" % (TYPE_NAMES[self.type], self.size, self.pattern)
        if self.kind == "name":
            return "value name of %d bytes" % self.size
        return self.kind

    def key(self):
        return (self.kind, self.type, self.size, self.pattern)

    def to_json(self):
        return {"kind": self.kind, "type": self.type, "size": self.size, "pattern": self.pattern}

    @staticmethod
    def from_json(data):
        return Fixture(data["kind"], data["type"], data["size"], data["pattern"])


def patterns_at(size):
    """The patterns written at a size: one at size 0, where they are one and
    the same; the one without a zero byte at the large sizes; else all."""
    if size == 0:
        return PATTERNS[:1]
    return LARGE_PATTERNS if size in LARGE_SIZES else PATTERNS


def value_fixtures():
    """Every type at every size in its patterns, and a missing value."""
    out = []
    for type_ in TYPES:
        for size in SIZES:
            for name in patterns_at(size):
                out.append(Fixture("value", type_, size, name))
    out.append(Fixture("no value"))
    return out


def fixtures_for(location):
    out = value_fixtures()
    if location.any_value:
        out += [Fixture("name", REG_BINARY, length) for length in NAME_LENGTHS]
    return out


# ----- what the program shows -----

def text_of(data):
    """The bytes up to the first zero byte."""
    return data.split(b"\0", 1)[0]


def user_text(stored):
    """A user page or CPU page box: one read into a 255-byte buffer, whatever
    the type. stored: (type, data) as the ANSI read returns it, or None."""
    if stored is None:
        return b"", "empty: no value"
    type_, data = stored
    if len(data) > TEXT_BUFFER:
        return b"", "empty: over 255 bytes"
    text = text_of(data)
    if not text:
        return b"", "empty: nothing before the first zero byte"
    return text, "the bytes before the first zero byte"


def version_lines(stored):
    """SystemBIOSVersion: (the lines' text, outcome) or (None, outcome) when
    the read fails and ends the BIOS step."""
    if stored is None:
        return b"", "no lines: no value"
    type_, data = stored
    if type_ in (REG_SZ, REG_EXPAND_SZ, REG_DWORD):
        return None, "the read fails (a string or 32-bit type): no lines after the first empty one"
    if len(data) > VERSION_BUFFER:
        return None, "the read fails (over 100 bytes): no lines after the first empty one"
    buffer = data + bytes(VERSION_BUFFER - len(data))
    runs, line = [], b""
    for byte in buffer[:VERSION_SCANNED]:
        if byte >= 32:
            line += bytes([byte])
        elif line:
            runs.append(line)
            line = b""
    if not runs:
        return b"", "no lines: no printable run ended by a control byte in the first 99 bytes"
    return b"".join(run + b"\r\n" for run in runs), "its printable runs, one line each"


def bios_string(stored):
    """SystemBIOSDate, DriverDesc, DriverVersion: (text, outcome) or (None,
    outcome) when the read fails."""
    if stored is None:
        return b"", "empty line: no value"
    type_, data = stored
    if not data:
        return b"", "empty line: no data"
    if type_ not in (REG_SZ, REG_EXPAND_SZ):
        return None, "the read fails (no string type): the lines before it stay"
    text = text_of(data)
    if not text:
        return b"", "empty line: nothing before the first zero byte"
    if len(text) > REGISTRY_TEXT_BOUND:
        return cut_text(text), "the first %d bytes before the first zero byte" % REGISTRY_TEXT_BOUND
    return text, "the bytes before the first zero byte"


def cut_text(text):
    """The text cut at the bound, a Shift-JIS lead byte never without its trail."""
    end = 0
    while end < REGISTRY_TEXT_BOUND:
        width = 2 if 0x81 <= text[end] <= 0x9F or 0xE0 <= text[end] <= 0xFC else 1
        if end + width > REGISTRY_TEXT_BOUND:
            break
        end += width
    return text[:end]


def statistic(stored):
    """The processor load: (Label21 text, Gauge6 position, outcome); None
    for the text and position where the tick leaves them as they were."""
    if stored is None:
        return None, None, "unchanged: no value"
    type_, data = stored
    if type_ in (REG_SZ, REG_EXPAND_SZ, REG_DWORD):
        return None, None, "unchanged: a string or 32-bit type"
    if len(data) != STATISTIC_SIZE:
        return None, None, "unchanged: not 4 bytes"
    load = struct.unpack("<i", data)[0]
    return ("%d %%" % load).encode("ascii"), min(max(load, 0), 100), "the load: 'N %', the gauge at N within 0-100"


def predict(mode, stored, open_keys):
    """What the program shows after start-up and its ticks.
    stored: {location id: (type, data) or None}, as the ANSI read returns it;
    open_keys: the set of keys (by path) that exist.
    Returns ({control: expected bytes (before the text box's own handling)
    or a position}, {location id: outcome}); a control left out keeps
    whatever it showed before (the ROM texts of Windows 9x)."""
    shown, outcome = {}, {}
    nine_x = mode == "win98"
    owner, org, name = ("owner9x", "org9x", "identifier") if nine_x else ("ownerNt", "orgNt", "cpuDesc")
    for ident, controls in ((owner, ("NowName", "NewName")), (org, ("NowCompany", "NewCompany")),
                            (name, ("Edit3",)), ("vendor", ("Edit4",))):
        text, why = user_text(stored[ident])
        if stored[ident] is None and BY_ID[ident].key not in open_keys:
            why = "empty: no key"
        for control in controls:
            shown[control] = text
        outcome[ident] = why

    if not nine_x:
        shown["Memo8"], chain = bios_memo(stored, open_keys)
        outcome.update(chain)

    if nine_x:
        label, position, why = statistic(stored["cpuUsage"])
        if stored["cpuUsage"] is None and STAT not in open_keys:
            why = "unchanged: no key"
    else:
        label, position, why = None, None, "not read in this mode"
    shown["Label21"] = DESIGN_LABEL21 if label is None else label
    shown["Gauge6"] = 0 if position is None else position
    outcome["cpuUsage"] = why
    for ident in ("startStat", "stopStat"):
        outcome[ident] = "nothing shown (no key)" if BY_ID[ident].key not in open_keys else "nothing shown"
    for location in LOCATIONS:
        if mode not in location.reads:
            outcome[location.ident] = "not read in this mode"
    return shown, outcome


def bios_memo(stored, open_keys):
    """Memo8 of the NT family: an empty line, the version's lines and an
    empty line, the date, the driver description, 'Ver ' and the driver
    version; the step ends at the first read that fails. A key that does not
    open leaves the reads to the key opened before, which here holds none of
    the values."""
    outcome = {}
    memo = b"\r\n"
    if SYSTEM in open_keys:
        lines, why = version_lines(stored["biosVersion"])
    else:
        lines, why = b"", "no lines: no key"
    outcome["biosVersion"] = why
    later = ("biosDate", "deviceDesc", "deviceVersion")
    if lines is None:
        for ident in later:
            outcome[ident] = "not reached: an earlier read failed"
        return memo, outcome
    memo += lines + b"\r\n"
    for ident, prefix in (("biosDate", b""), ("deviceDesc", b""), ("deviceVersion", b"Ver ")):
        if BY_ID[ident].key in open_keys:
            value, why = bios_string(stored[ident])
        else:
            # The device's reads then go to the System key (or none), which
            # holds no such value.
            value, why = b"", "empty line: no key"
        outcome[ident] = why
        if value is None:
            for rest in later[later.index(ident) + 1:]:
                outcome[rest] = "not reached: an earlier read failed"
            return memo, outcome
        memo += prefix + value + b"\r\n"
    return memo, outcome
