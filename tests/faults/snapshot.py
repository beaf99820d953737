"""What a Wine prefix holds, to compare before and after a run: the keys and
values of its registry files (system.reg, user.reg, userdef.reg) with each
key's modification time, and its file tree (path, kind, size, modification
time). Read them only after `wineserver -w`: while the server runs, the
files on disk are stale."""
import os

REGISTRY_FILES = ("system.reg", "user.reg", "userdef.reg")


def parse_registry(text):
    """{key path: (modification time, {value name: value text})} of one Wine
    registry file. Names and data stay as the file spells them (escapes
    included): two spellings differ exactly when the stored data differs."""
    keys = {}
    values = None
    pending = None  # a value line continued with a trailing backslash
    for raw in text.split("\n"):
        line = raw.rstrip("\r")
        if pending is not None:
            pending += line.lstrip()
            if line.endswith("\\"):
                pending = pending[:-1]
                continue
            _store(values, pending)
            pending = None
            continue
        if line.startswith("["):
            close = _key_end(line)
            path = line[1:close]
            stamp = line[close + 1:].strip()
            values = {}
            keys[path] = [stamp, values]
        elif line.startswith("#time=") and values is not None:
            keys[path][0] = line[len("#time="):]
        elif line.startswith("#") or line.startswith(";;") or not line.strip() or values is None:
            continue
        else:
            if _continued(line):
                pending = line[:-1]
                continue
            _store(values, line)
    return {path: (stamp, values) for path, (stamp, values) in keys.items()}


def _key_end(line):
    """The index of the ']' that closes a key line's path (backslashes in the
    path are doubled, so a ']' inside a name is never confused with it)."""
    i = 1
    while i < len(line):
        if line[i] == "\\":
            i += 2
            continue
        if line[i] == "]":
            return i
        i += 1
    return len(line)


def _continued(line):
    """Whether a value goes on in the next line: long hex lists end their
    lines with a backslash; a quoted string always ends with its quote."""
    return line.endswith("\\")


def _store(values, line):
    if line.startswith("@="):
        values["@"] = line[2:]
        return
    if line.startswith('"'):
        i = 1
        while i < len(line):
            if line[i] == "\\":
                i += 2
                continue
            if line[i] == '"':
                break
            i += 1
        values[line[1:i]] = line[i + 2:]


def registry(prefix):
    """{file name: parsed registry} of a prefix."""
    out = {}
    for name in REGISTRY_FILES:
        path = os.path.join(prefix, name)
        if os.path.exists(path):
            with open(path, encoding="utf-8", errors="surrogateescape") as f:
                out[name] = parse_registry(f.read())
    return out


def files(*roots):
    """{path: (kind, size, mtime)} of every entry below the roots; symbolic
    links are listed, never followed (a prefix's z: leads to the host's /)."""
    out = {}
    for root in roots:
        for directory, dirs, names in os.walk(root, followlinks=False):
            for name in dirs + names:
                path = os.path.join(directory, name)
                st = os.lstat(path)
                if os.path.islink(path):
                    out[path] = ("link", os.readlink(path), 0)
                elif name in dirs:
                    out[path] = ("dir", 0, 0)
                else:
                    out[path] = ("file", st.st_size, st.st_mtime_ns)
    return out


def registry_changes(before, after):
    """The differences of two registry snapshots, as (file, key, what, value
    name or None) tuples: what is 'key added', 'key removed', 'key time',
    'value added', 'value removed' or 'value changed'."""
    changes = set()
    for name in set(before) | set(after):
        old, new = before.get(name, {}), after.get(name, {})
        for key in set(old) | set(new):
            if key not in old:
                changes.add((name, key, "key added", None))
                for value in new[key][1]:
                    changes.add((name, key, "value added", value))
                continue
            if key not in new:
                changes.add((name, key, "key removed", None))
                continue
            (old_time, old_values), (new_time, new_values) = old[key], new[key]
            if old_time != new_time:
                changes.add((name, key, "key time", None))
            for value in set(old_values) | set(new_values):
                if value not in old_values:
                    changes.add((name, key, "value added", value))
                elif value not in new_values:
                    changes.add((name, key, "value removed", value))
                elif old_values[value] != new_values[value]:
                    changes.add((name, key, "value changed", value))
    return changes


def file_changes(before, after):
    """(path, what) for each entry created, removed or modified."""
    changes = set()
    for path in set(before) | set(after):
        if path not in before:
            changes.add((path, "created"))
        elif path not in after:
            changes.add((path, "removed"))
        elif before[path] != after[path]:
            changes.add((path, "modified"))
    return changes
