#!/usr/bin/env bash
# The fault and bad-input runs and the check of what the program writes,
# under Wine in Windows 98 mode and in an NT mode, each in a fresh copy of the
# mode's prefix; then docs/robustness.md is written from the results.
# Slow (about twenty minutes): not part of `make test`.
# Usage: scripts/faults.sh [mode...] [--limit N]   (--limit: a quick look, no report)
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
# The runs judge the product itself: the x86-64 test build would tell nothing.
velnor_testbed
velnor_needs_i386 "make faults"

modes=()
limit=()
while [ $# -gt 0 ]; do
  case "$1" in
    --limit) limit=(--limit "$2"); shift 2 ;;
    *) modes+=("$1"); shift ;;
  esac
done
[ ${#modes[@]} -eq 0 ] && modes=(win98 winxp)

out="$VELNOR_BUILD/faults"
mkdir -p "$out"
status=0
for mode in "${modes[@]}"; do
  pristine=$("$VELNOR_ROOT/scripts/wine-prefix.sh" "$mode")

  prefix="$pristine-faults"
  rm -rf "$prefix"
  velnor_copy_prefix "$pristine" "$prefix"
  echo "=== fault runs, $mode ===" >&2
  # One X server and one persistent Wine server for the whole mode: the
  # HARDWARE and HKEY_DYN_DATA fixtures live as long as the server.
  if ! velnor_session "$prefix" "$mode" -- \
      python3 "$VELNOR_ROOT/tests/faults/run_faults.py" "$out/$mode.json" "${limit[@]}"; then
    status=1
  fi
  rm -rf "$prefix"

  prefix="$pristine-writes"
  rm -rf "$prefix"
  velnor_copy_prefix "$pristine" "$prefix"
  echo "=== what the program writes, $mode ===" >&2
  # Sessions of its own: the registry files are read after each server ends.
  if ! velnor_session --sessions "$prefix" "$mode" -- \
      python3 "$VELNOR_ROOT/tests/faults/writes_check.py" "$out/writes-$mode.json"; then
    status=1
  fi
  rm -rf "$prefix"
done

if [ ${#limit[@]} -eq 0 ]; then
  python3 "$VELNOR_ROOT/tests/faults/report.py" "$VELNOR_ROOT/docs/robustness.md" "$out"/*.json
fi
exit $status
