#!/usr/bin/env bash
# Runs the end-to-end tests under Wine and Xvfb, once per platform mode
# (win98, winxp, and win64 for the 64-bit registry view), each in a fresh copy
# of the mode's prefix (what a run writes is dropped with it).
# Usage: scripts/e2e.sh [mode...] [-- unittest arguments]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

modes=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do modes+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift
# A 64-bit prefix runs the tests about the 64-bit registry view only.
[ ${#modes[@]} -eq 0 ] && modes=(win98 winxp win64)
chosen=("$@")

status=0
for mode in "${modes[@]}"; do
  tests=("${chosen[@]}")
  if [ ${#tests[@]} -eq 0 ]; then
    if [ "$mode" = win64 ]; then
      tests=(test_wow64 test_registration)
    else
      tests=(discover -s "$VELNOR_ROOT/tests/e2e" -p 'test_*.py')
    fi
  fi
  pristine=$("$VELNOR_ROOT/scripts/wine-prefix.sh" "$mode")
  prefix="$pristine-test"
  rm -rf "$prefix"
  cp -a "$pristine" "$prefix"
  # Two more drives, made before Wine's mount manager first lists the drives:
  # q: a small directory of our own, r: a drive whose directory is missing.
  drive_dir=$(mktemp -d "${TMPDIR:-/tmp}/velnor-drive-q.XXXXXX")
  ln -sfn "$drive_dir" "$prefix/dosdevices/q:"
  ln -sfn /nonexistent/velnor-drive-r "$prefix/dosdevices/r:"
  echo "=== end-to-end tests, $mode ===" >&2
  # One X server and one persistent Wine server per mode: volatile registry
  # fixtures live as long as the server, and no window waits for a manager.
  if ! env "${VELNOR_WINE_ENV[@]}" WINEPREFIX="$prefix" VELNOR_MODE="$mode" VELNOR_BUILD="$VELNOR_BUILD" \
      VELNOR_DRIVE_Q="$drive_dir" \
      PYTHONPATH="$VELNOR_ROOT/tests/e2e" PYTHONDONTWRITEBYTECODE=1 \
      xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
        wineserver -p
        python3 -m unittest "$@"
        rc=$?
        wineserver -k
        exit $rc' e2e "${tests[@]}"; then
    status=1
  fi
  rm -rf "$drive_dir"
done
exit $status
