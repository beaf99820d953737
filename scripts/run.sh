#!/usr/bin/env bash
# Starts the built velnor.exe under Wine in a platform mode (win98 by default)
# and a locale (Japanese by default; another, as language_TERRITORY.CHARMAP
# such as en_US.UTF-8 or de_DE.UTF-8, shows the program as on a Windows of
# that language, in English). With a display it opens the window there.
# Without one it runs the program under Xvfb, saves a screenshot of each of
# its pages and closes it.
# On a host that runs no 32-bit programs it shows the x86-64 test build.
# Usage: scripts/run.sh [MODE] [LOCALE]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
mode=${1:-win98}
locale=${2:-}
if [ -n "$locale" ]; then
  # Made here, before the test bed is looked at, so that a name glibc cannot
  # make stops the run rather than showing the program in the C locale.
  velnor_locale "$locale" || exit
  VELNOR_WINE_ENV+=(LC_ALL="$locale" LANG="$locale")
fi
velnor_testbed
if [ "$VELNOR_ARCH" = x86-64 ]; then
  "$VELNOR_ROOT/scripts/build-exe.sh" x86-64
  echo "Showing the x86-64 test build ($VELNOR_WIN/velnor.exe), not the product: $VELNOR_ARCH_WHY." >&2
fi
exe="$VELNOR_WIN/velnor.exe"
prefix=$("$VELNOR_ROOT/scripts/wine-prefix.sh" "$mode")

if [ -n "${DISPLAY:-}" ]; then
  cd "$(dirname "$exe")"
  exec env "${VELNOR_WINE_ENV[@]}" WINEPREFIX="$prefix" "$VELNOR_WINE" "$exe"
fi

shots="$VELNOR_BUILD/screenshots"
mkdir -p "$shots"
velnor_session "$prefix" "$mode" -- python3 "$VELNOR_ROOT/tests/e2e/screenshots.py" "$shots" "$mode" "$locale"
