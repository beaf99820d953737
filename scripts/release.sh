#!/usr/bin/env bash
# Builds build/velnor-<version>.zip: the stripped executable and the read-me,
# in Shift-JIS with CRLF line ends so that Notepad on Japanese Windows 9x shows it.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
root=$VELNOR_ROOT
build=$VELNOR_BUILD
"$root/scripts/build-exe.sh"
version=$(sed -n 's/.*VALUE "FileVersion", "\([0-9.]*\)\\0".*/\1/p' "$root/src/app/win32/resources.rc")
[ -n "$version" ] || { echo "no file version in resources.rc" >&2; exit 1; }
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$VELNOR_WIN32_BUILD/velnor.exe" "$stage/velnor.exe"
sed 's/$/\r/' "$root/packaging/readme.txt" | iconv -f UTF-8 -t CP932 > "$stage/readme.txt"
archive="$build/velnor-$version.zip"
rm -f "$archive"
python3 - "$archive" "$stage" <<'PY'
import os, sys, zipfile
archive, stage = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
    for name in ("velnor.exe", "readme.txt"):
        z.write(os.path.join(stage, name), name)
PY
echo "$archive"
