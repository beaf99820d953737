#!/usr/bin/env bash
# Makes the Wine prefix of a platform mode once: font replacements (the
# Japanese faces, and the English ones by fonts of the same metrics),
# Wine's own fonts, no window manager decorations, and the Windows version.
# On the x86-64 test bed the prefixes of both modes are 64-bit.
# Usage: scripts/wine-prefix.sh win98|winxp|win64   (prints the prefix path)
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

mode=${1:?mode: win98, winxp or win64}
case "$mode" in
  win98) version=win98; arch=win32 ;;
  winxp) version=winxp; arch=win32 ;;
  win64) version=win7; arch=win64 ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
velnor_testbed
if [ "$VELNOR_ARCH" = x86-64 ]; then
  [ "$mode" != win64 ] || { echo "win64 runs the 32-bit velnor.exe under WOW64: not on this test bed" >&2; exit 2; }
  arch=win64
fi

velnor_locale
prefix=$(velnor_prefix "$mode")
stamp="$prefix/.velnor-ready"
recipe=$(cat "$0" "$(dirname "$0")/wine-env.sh" | sha1sum | cut -c1-12)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$recipe" ]; then
  echo "$prefix"
  exit 0
fi

# Runs a shell script of Wine commands in a prefix under its own X server,
# with no persistent Wine server: the script waits for its server's end
# (wineserver -w), when the registry files are written. When it fails, says
# what failed with everything Wine printed, and stops.
in_prefix() {
  local what=$1 where=$2 script=$3 log
  log=$(mktemp)
  if ! velnor_session --sessions "$where" "$mode" WINEARCH=$arch -- sh -c "$script" >"$log" 2>&1; then
    echo "wine-prefix.sh: $what failed in $where; Wine said:" >&2
    cat "$log" >&2
    rm -f "$log"
    exit 1
  fi
  rm -f "$log"
}

template="$VELNOR_BUILD/wine/template-$arch"
if [ ! -f "$template/.velnor-ready" ] || [ "$(cat "$template/.velnor-ready")" != "$recipe" ]; then
  rm -rf "$template"
  mkdir -p "$(dirname "$template")"
  tmp=$(mktemp -d)
  # in_prefix exits on a failure, and set -e on any other: neither may leave
  # the registry file behind. Nothing else here sets an EXIT trap.
  trap 'rm -rf "$tmp"' EXIT
  # UTF-16LE with a byte-order mark: Japanese names must not pass through the command line.
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ Ｐ明朝"="IPAPMincho"' \
    '"ＭＳ ゴシック"="IPAGothic"' '"ＭＳ 明朝"="IPAMincho"' \
    '"Arial"="Liberation Sans"' '"Times New Roman"="Liberation Serif"' '"Courier New"="Liberation Mono"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '"Decorated"="Y"' '' \
    | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } > "$tmp/setup.reg"
  # wineboot can fail and still leave a prefix behind: the registry must be there too.
  in_prefix "making the $arch prefix (wineboot -i)" "$template" '
      "$VELNOR_WINE" wineboot -i && wineserver -w && [ -f "$WINEPREFIX/system.reg" ] || exit 1
      cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
      "$VELNOR_WINE" regedit /S "'"$tmp"'/setup.reg" && wineserver -w'
  rm -rf "$tmp"
  trap - EXIT
  echo "$recipe" > "$template/.velnor-ready"
fi

rm -rf "$prefix"
velnor_copy_prefix "$template" "$prefix"
in_prefix "setting the Windows version $version" "$prefix" "
    \"\$VELNOR_WINE\" reg add 'HKCU\\Software\\Wine' /v Version /d $version /f && wineserver -w"
echo "$recipe" > "$stamp"
echo "$prefix"
