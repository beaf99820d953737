#!/usr/bin/env bash
# Runs a benchmark script under Wine and Xvfb in a platform mode, in a fresh
# copy of the mode's prefix (what the programs write there is dropped with it).
# Usage: bench/run.sh MODE SCRIPT [arguments]   e.g. bench/run.sh win98 bench/soak.py out.json
set -euo pipefail
source "$(dirname "$0")/../scripts/wine-env.sh"
mode=$1; shift
script=$1; shift
pristine=$("$VELNOR_ROOT/scripts/wine-prefix.sh" "$mode")
prefix="$pristine-bench"
rm -rf "$prefix"
cp -a "$pristine" "$prefix"
status=0
env "${VELNOR_WINE_ENV[@]}" WINEPREFIX="$prefix" VELNOR_MODE="$mode" VELNOR_BUILD="$VELNOR_BUILD" \
  PYTHONPATH="$VELNOR_ROOT/tests/e2e:$VELNOR_ROOT/bench" PYTHONDONTWRITEBYTECODE=1 \
  xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    wineserver -p
    python3 "$@"
    rc=$?
    wineserver -k
    exit $rc' bench "$(cd "$(dirname "$script")" && pwd)/$(basename "$script")" "$@" || status=$?
rm -rf "$prefix"
exit $status
