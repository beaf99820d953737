#!/usr/bin/env bash
# Runs a benchmark script under Wine and Xvfb in a platform mode.
# Usage: bench/run.sh MODE SCRIPT [arguments]   e.g. bench/run.sh win98 bench/startup.py 10
set -euo pipefail
source "$(dirname "$0")/../scripts/wine-env.sh"
mode=$1; shift
script=$1; shift
prefix=$("$VELNOR_ROOT/scripts/wine-prefix.sh" "$mode")
env "${VELNOR_WINE_ENV[@]}" WINEPREFIX="$prefix" VELNOR_MODE="$mode" VELNOR_BUILD="$VELNOR_BUILD" \
  PYTHONPATH="$VELNOR_ROOT/tests/e2e:$VELNOR_ROOT/bench" PYTHONDONTWRITEBYTECODE=1 \
  xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    wineserver -p
    python3 "$@"
    rc=$?
    wineserver -k
    exit $rc' bench "$(cd "$(dirname "$script")" && pwd)/$(basename "$script")" "$@"
