"""What the program writes, seen in the Wine prefix's registry files and file
tree, compared before and after whole Wine sessions (each ended with
`wineserver -w`, so that the files on disk are current):

  (a) a run without registering (start, ticks, every page, a real tick, a
      clock measurement, editing cancelled, close) changes nothing in the
      registry and creates nothing but TempData beside the executable;
  (b) a run that registers changes exactly the two owner values (the owner
      in Shift-JIS) and the computer name;
  (c) a run whose registration is refused (the owner key denies writing, as
      HKLM does to a user who is no administrator) shows the program's
      message and changes nothing;
  (d) runs from the command line: `/report FILE` writes FILE and nothing
      else (no TempData, no registry), `/report FOLDER\` writes the file
      named after the computer in FOLDER, `/csv FILE` twice makes FILE (one
      header, two rows), and `/report` alone, `/report` and `/csv` into a
      missing folder and `/csv` onto a read-only file write nothing at all.

Wine changes some keys by itself in every session (its device enumeration,
a key's time): sessions of the driver alone learn exactly which entries,
and only those are set aside. Run it through scripts/faults.sh (a fresh
prefix copy, Xvfb). Usage: writes_check.py OUT.json"""
import datetime
import json
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
from velnor_e2e import ARCH, EXE, HKLM, MODE, PREFIX, Driver, hexed, wait_for  # noqa: E402

import snapshot  # noqa: E402

NINE_X = MODE == "win98"
VERSION_KEY = ("Software\\\\Microsoft\\\\Windows\\\\CurrentVersion" if NINE_X
               else "Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion")  # as system.reg spells it
NAME_KEY = "System\\\\CurrentControlSet\\\\Control\\\\ComputerName\\\\ComputerName"
OWNER, ORGANISATION, COMPUTER = "所有者　書込み", "Organisation Written", "VELNORWRITES"
REFUSED_OWNER = "Owner Refused"
REPORT_NAME = "レポート 1.txt"
TABLE_NAME = "inventory.csv"
READ_ONLY_NAME = "kept.txt"
VERSION_PATH = (r"SOFTWARE\Microsoft\Windows\CurrentVersion" if NINE_X
                else r"SOFTWARE\Microsoft\Windows NT\CurrentVersion")
CANNOT_OWNER = "所有者名と組織名を変更できません。"
# The program's own copy, inside the prefix, so that what it makes beside
# itself shows in the prefix's file tree.
EXE_DIR = os.path.join(PREFIX, "drive_c", "Velnor")
PROGRAM = os.path.join(EXE_DIR, "velnor.exe")


def session(steps=None):
    """One Wine session of the driver (and, with steps, the program), then the
    prefix as the ended server left it."""
    d = Driver()
    try:
        outcome = steps(d) if steps else None
    finally:
        d.quit()
    subprocess.run(["wineserver", "-w"], check=True)
    return outcome, (snapshot.registry(PREFIX), snapshot.files(PREFIX))


def viewing_run(d):
    """Everything but registering; returns the problems seen."""
    problems = []
    d.start(PROGRAM, EXE_DIR)
    d("tick", 3)
    for index in (1, 2, 3, 4, 5, 6, 0):
        if d.tab(index) != index:
            problems.append("page %d did not come to the front" % index)
    # One tick of the real timer: memory taken meanwhile moves the free figure.
    free = d.string("Memo6")
    d("hog", 64)
    wait_for(lambda: d.string("Memo6"), lambda text: text != free, 5, "a real tick")
    d("hog", 0)
    d.tab(2)
    d.click("Keisoku")  # the clock is measured for about four seconds
    wait_for(lambda: d.string("Memo7"), lambda text: text.endswith("Hz"), 15, "the clock")
    d.tab(6)
    d.click("Change")
    d("settext", "NewName", hexed("typed, then cancelled"))
    d.click("Cancel")
    if d.dialog() is not None:
        problems.append("a message box: %r" % d.dialog())
    code = d.close()
    if code != 0:
        problems.append("exit code %d" % code)
    return problems


def registering_run(d):
    problems = []
    d.start(PROGRAM, EXE_DIR)
    d.tab(6)
    d.click("Change")
    d("settext", "NewName", hexed(OWNER))
    d("settext", "NewCompany", hexed(ORGANISATION))
    d("settext", "NewPCName", hexed(COMPUTER))
    d.click("Touroku")
    if d.dialog() is not None:
        problems.append("a message box: %r" % d.dialog())
    code = d.close()
    if code != 0:
        problems.append("exit code %d" % code)
    return problems


def refused_run(d):
    """A registration the registry refuses: the message, then nothing written."""
    problems = []
    d.reg_deny_writes(HKLM, VERSION_PATH)
    try:
        d.start(PROGRAM, EXE_DIR)
        d.tab(6)
        d.click("Change")
        d("settext", "NewName", hexed(REFUSED_OWNER))
        d.click("Touroku")
        texts = d.dialog()
        if texts != ["Velnor(Win9x)", CANNOT_OWNER]:
            problems.append("the message box showed %r" % texts)
        if texts is not None:
            d("dismiss")
        if d.string("NowName") != OWNER:
            problems.append("the page shows the owner %r after the refusal" % d.string("NowName"))
        code = d.close()
        if code != 0:
            problems.append("exit code %d" % code)
    finally:
        d.reg_restore_security(HKLM, VERSION_PATH)
    return problems


def reporting_run(d):
    """The report and the inventory row from the command line, and runs that
    must not write."""
    problems = []
    report = "C:\\Velnor\\" + REPORT_NAME
    with open(os.path.join(EXE_DIR, READ_ONLY_NAME), "wb") as f:
        f.write(b"kept")
    os.chmod(os.path.join(EXE_DIR, READ_ONLY_NAME), 0o444)
    for arguments, wanted in (("/report", 2), ('/report "C:\\Velnor\\missing\\r.txt"', 1),
                              ('/csv "C:\\Velnor\\missing\\t.csv"', 1), ('/csv "C:\\Velnor\\%s"' % READ_ONLY_NAME, 1),
                              ('/report "%s"' % report, 0), ("/report C:\\Velnor\\", 0),
                              ('/csv "C:\\Velnor\\%s"' % TABLE_NAME, 0), ('/csv "C:\\Velnor\\%s"' % TABLE_NAME, 0)):
        code, window, _ = d.run(arguments, exe=PROGRAM, directory=EXE_DIR)
        if (code, window) != (wanted, False):
            problems.append("%s: exit code %d%s" % (arguments, code, ", a window" if window else ""))
    with open(os.path.join(EXE_DIR, TABLE_NAME), "rb") as f:
        table = f.read()
    if table.count(b"\r\n") != 3 or not table.startswith(b"format,"):
        problems.append("the table is not one header and two rows: %r" % table[:200])
    with open(os.path.join(EXE_DIR, READ_ONLY_NAME), "rb") as f:
        if f.read() != b"kept":
            problems.append("the read-only file was changed")
    # The file a folder target gets is named after the computer.
    named = bytes.fromhex(d("computer_name")).decode("cp932") + ".txt"
    return problems, named


def wine_string(spelled):
    """The text of a string value as Wine's registry file spells it: in
    quotes, with \\xN... (up to four hex digits) for a character beyond
    ASCII and a backslash before a backslash or a quote. None for any other
    kind of value."""
    if spelled is None or len(spelled) < 2 or spelled[0] != '"' or spelled[-1] != '"':
        return None
    body, out, i = spelled[1:-1], [], 0
    while i < len(body):
        if body[i] == "\\" and i + 1 < len(body):
            if body[i + 1] == "x":
                j = i + 2
                while j < len(body) and j < i + 6 and body[j] in "0123456789abcdefABCDEF":
                    j += 1
                out.append(chr(int(body[i + 2:j], 16)))
                i = j
                continue
            out.append({"n": "\n", "r": "\r", "t": "\t", "0": "\0"}.get(body[i + 1], body[i + 1]))
            i += 2
            continue
        out.append(body[i])
        i += 1
    return "".join(out)


def listed(changes):
    return sorted(" ".join(str(part) for part in change if part is not None) for change in changes)


def main():
    out_path = sys.argv[1]
    started = datetime.datetime.now().astimezone()
    os.makedirs(EXE_DIR, exist_ok=True)
    shutil.copy2(EXE, PROGRAM)

    # Wine's first session in a copied prefix may do more than later ones.
    session()
    _, base0 = session()
    _, base1 = session()
    _, base2 = session()
    noise_registry = (snapshot.registry_changes(base0[0], base1[0]) |
                      snapshot.registry_changes(base1[0], base2[0]))
    noise_files = snapshot.file_changes(base0[1], base1[1]) | snapshot.file_changes(base1[1], base2[1])

    viewing_problems, viewed = session(viewing_run)
    registry_a = snapshot.registry_changes(base2[0], viewed[0]) - noise_registry
    files_a = snapshot.file_changes(base2[1], viewed[1]) - noise_files
    allowed_files_a = {(os.path.join(EXE_DIR, "TempData"), "created")}
    ok_a = not viewing_problems and not registry_a and files_a == allowed_files_a
    tempdata = viewed[1].get(os.path.join(EXE_DIR, "TempData"))

    (reporting_problems, named), reported = session(reporting_run)
    registry_d = snapshot.registry_changes(viewed[0], reported[0]) - noise_registry
    files_d = snapshot.file_changes(viewed[1], reported[1]) - noise_files
    allowed_files_d = {(os.path.join(EXE_DIR, name), "created")
                       for name in (REPORT_NAME, TABLE_NAME, named, READ_ONLY_NAME)}
    ok_d = not reporting_problems and not registry_d and files_d == allowed_files_d

    registering_problems, registered = session(registering_run)
    registry_b = snapshot.registry_changes(reported[0], registered[0]) - noise_registry
    files_b = snapshot.file_changes(reported[1], registered[1]) - noise_files
    wanted_values = {("system.reg", VERSION_KEY, "value changed", "RegisteredOwner"),
                     ("system.reg", VERSION_KEY, "value changed", "RegisteredOrganization"),
                     ("system.reg", NAME_KEY, "value changed", "ComputerName")}
    # A key's time follows its values; Wine moves the NT version key's time
    # in every session anyway.
    key_times = {("system.reg", VERSION_KEY, "key time", None), ("system.reg", NAME_KEY, "key time", None)}
    new = registered[0]["system.reg"]
    written = {
        "RegisteredOwner": new[VERSION_KEY][1].get("RegisteredOwner"),
        "RegisteredOrganization": new[VERSION_KEY][1].get("RegisteredOrganization"),
        "ComputerName": new[NAME_KEY][1].get("ComputerName"),
    }
    ok_b = (not registering_problems and wanted_values <= registry_b and registry_b - key_times <= wanted_values
            and not files_b and {name: wine_string(text) for name, text in written.items()} == {
                "RegisteredOwner": OWNER, "RegisteredOrganization": ORGANISATION, "ComputerName": COMPUTER})

    # Wine puts its own computer name back at the start of the next session:
    # a session of the driver alone takes that step before the compared one.
    _, settled = session()
    refused_problems, refused = session(refused_run)
    registry_c = snapshot.registry_changes(settled[0], refused[0]) - noise_registry
    files_c = snapshot.file_changes(settled[1], refused[1]) - noise_files
    # A denied write leaves the owner key as it was; its time may move with
    # Wine's own sessions (set aside above) or with the security change.
    ok_c = not refused_problems and registry_c - key_times == set() and not files_c

    result = {
        "mode": MODE,
        "bed": ARCH,
        "started": started.isoformat(timespec="seconds"),
        "noise_registry": listed(noise_registry),
        "noise_files": sorted("%s %s" % (os.path.relpath(p, PREFIX), w) for p, w in noise_files),
        "viewing": {"ok": ok_a, "problems": viewing_problems, "registry": listed(registry_a),
                    "files": sorted("%s %s" % (os.path.relpath(p, PREFIX), w) for p, w in files_a),
                    "tempdata": tempdata[0] if tempdata else None},
        "registering": {"ok": ok_b, "problems": registering_problems, "registry": listed(registry_b),
                        "files": sorted("%s %s" % (os.path.relpath(p, PREFIX), w) for p, w in files_b),
                        "written": {name: wine_string(text) for name, text in written.items()}},
        "refused": {"ok": ok_c, "problems": refused_problems, "registry": listed(registry_c),
                    "files": sorted("%s %s" % (os.path.relpath(p, PREFIX), w) for p, w in files_c)},
        "reporting": {"ok": ok_d, "problems": reporting_problems, "registry": listed(registry_d),
                      "files": sorted("%s %s" % (os.path.relpath(p, PREFIX), w) for p, w in files_d)},
    }
    with open(out_path, "w") as f:
        json.dump(result, f, indent=1)
    for name in ("viewing", "reporting", "registering", "refused"):
        part = result[name]
        print("%s, %s: %s" % (MODE, name, "ok" if part["ok"] else "FAIL"), flush=True)
        for line in part["problems"] + part["registry"] + part["files"]:
            print("   ", line, flush=True)
    print("Wine's own changes set aside: %d registry entries, %d files" %
          (len(noise_registry), len(noise_files)), flush=True)
    return 0 if ok_a and ok_b and ok_c and ok_d else 1


if __name__ == "__main__":
    sys.exit(main())
