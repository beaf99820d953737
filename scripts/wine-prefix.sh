#!/usr/bin/env bash
# Makes the Wine prefix of a platform mode once: Japanese font replacements,
# Wine's own fonts, no window manager decorations, and the Windows version.
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

velnor_locale
prefix=$(velnor_prefix "$mode")
stamp="$prefix/.velnor-ready"
recipe=$(cat "$0" "$(dirname "$0")/wine-env.sh" | sha1sum | cut -c1-12)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$recipe" ]; then
  echo "$prefix"
  exit 0
fi

template=$(velnor_prefix "template-$arch")
if [ ! -f "$template/.velnor-ready" ] || [ "$(cat "$template/.velnor-ready")" != "$recipe" ]; then
  rm -rf "$template"
  mkdir -p "$(dirname "$template")"
  tmp=$(mktemp -d)
  # UTF-16LE with a byte-order mark: Japanese names must not pass through the command line.
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ Ｐ明朝"="IPAPMincho"' \
    '"ＭＳ ゴシック"="IPAGothic"' '"ＭＳ 明朝"="IPAMincho"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '"Decorated"="Y"' '' \
    | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } > "$tmp/setup.reg"
  env "${VELNOR_WINE_ENV[@]}" WINEPREFIX="$template" WINEARCH=$arch xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
      wineboot -i >/dev/null 2>&1
      cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
      wine regedit /S "'"$tmp"'/setup.reg"
      wineserver -w'
  rm -rf "$tmp"
  echo "$recipe" > "$template/.velnor-ready"
fi

rm -rf "$prefix"
cp -a "$template" "$prefix"
env "${VELNOR_WINE_ENV[@]}" WINEPREFIX="$prefix" WINEARCH=$arch xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    wine reg add 'HKCU\\Software\\Wine' /v Version /d $version /f >/dev/null
    wineserver -w"
echo "$recipe" > "$stamp"
echo "$prefix"
