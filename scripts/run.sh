#!/usr/bin/env bash
# Starts the built velnor.exe under Wine in a platform mode (win98 by default).
# With a display it opens the window there. Without one it runs the program
# under Xvfb, saves a screenshot of each of the seven pages and closes it.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
mode=${1:-win98}
exe="$VELNOR_BUILD/win/velnor.exe"
prefix=$("$VELNOR_ROOT/scripts/wine-prefix.sh" "$mode")

if [ -n "${DISPLAY:-}" ]; then
  cd "$(dirname "$exe")"
  exec env "${VELNOR_WINE_ENV[@]}" WINEPREFIX="$prefix" wine "$exe"
fi

shots="$VELNOR_BUILD/screenshots"
mkdir -p "$shots"
env "${VELNOR_WINE_ENV[@]}" WINEPREFIX="$prefix" VELNOR_MODE="$mode" VELNOR_BUILD="$VELNOR_BUILD" \
  PYTHONPATH="$VELNOR_ROOT/tests/e2e" PYTHONDONTWRITEBYTECODE=1 \
  xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    python3 "$0/tests/e2e/screenshots.py" "$1" "$2"
    rc=$?
    wineserver -w
    exit $rc' "$VELNOR_ROOT" "$shots" "$mode"
