#!/usr/bin/env bash
# Runs the end-to-end tests under Wine and Xvfb, once per platform mode
# (win98, winxp, and win64 for the 64-bit registry view), each in a fresh copy
# of the mode's prefix (what a run writes is dropped with it). On the x86-64
# test bed (scripts/wine-env.sh) they run against the x86-64 test build in
# 64-bit prefixes, win98 and winxp; the closing lines name the tests that
# need the 32-bit executable itself and were skipped.
# Usage: scripts/e2e.sh [mode...] [-- unittest arguments]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
velnor_testbed

modes=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do modes+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift
# A 64-bit prefix runs the tests about the 64-bit registry view only: the
# view a 32-bit program gets under WOW64, which the x86-64 build never does.
if [ ${#modes[@]} -eq 0 ]; then
  if [ "$VELNOR_ARCH" = i386 ]; then modes=(win98 winxp win64); else modes=(win98 winxp); fi
fi
chosen=("$@")
skipped=$(mktemp)
drive_dir=""
# The temporary drive goes with the run, also when a step fails or the run is stopped.
trap 'rm -f "$skipped"; [ -z "$drive_dir" ] || rm -rf "$drive_dir"' EXIT

# Called as velnor_fresh_session's --prepare, in a || list where set -e does
# not hold: the links are chained so that either failing fails the run.
add_drives() {
  ln -sfn "$drive_dir" "$1/dosdevices/q:" &&
    ln -sfn /nonexistent/velnor-drive-r "$1/dosdevices/r:"
}

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
  # Two more drives, made before Wine's mount manager first lists the drives:
  # q: a small directory of our own, r: a drive whose directory is missing.
  drive_dir=$(mktemp -d "${TMPDIR:-/tmp}/velnor-drive-q.XXXXXX")
  echo "=== end-to-end tests, $mode ($VELNOR_WIN) ===" >&2
  # One X server and one persistent Wine server per mode.
  if ! velnor_fresh_session --prepare add_drives "$mode" test VELNOR_DRIVE_Q="$drive_dir" \
      VELNOR_SKIPPED="$skipped" -- python3 "$VELNOR_ROOT/tests/e2e/run_tests.py" "${tests[@]}"; then
    status=1
  fi
  rm -rf "$drive_dir"
  drive_dir=""
done

velnor_skipped_lines "The end-to-end tests" "$skipped" >&2
exit $status
