#!/usr/bin/env bash
# The fault and bad-input runs and the check of what the program writes,
# under Wine in Windows 98 mode and in an NT mode, each in a fresh copy of the
# mode's prefix; then docs/robustness.md is written from the results. On a
# host that runs no 32-bit programs (scripts/wine-env.sh) they run against
# the x86-64 test build, which the report and the closing lines say, with
# the parts that need the 32-bit executable itself.
# Slow (about twenty minutes): not part of `make test`.
# Usage: scripts/faults.sh [mode...] [--limit N]   (--limit: a quick look, no report)
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
velnor_testbed
[ "$VELNOR_ARCH" = i386 ] || "$VELNOR_ROOT/scripts/build-exe.sh" x86-64

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
skipped=$(mktemp)
trap 'rm -f "$skipped"' EXIT
status=0
for mode in "${modes[@]}"; do
  echo "=== fault runs, $mode ($VELNOR_WIN) ===" >&2
  # One X server and one persistent Wine server for the whole mode: the
  # HARDWARE and HKEY_DYN_DATA fixtures live as long as the server.
  if ! velnor_fresh_session "$mode" faults VELNOR_SKIPPED="$skipped" -- \
      python3 "$VELNOR_ROOT/tests/faults/run_faults.py" "$out/$mode.json" "${limit[@]}"; then
    status=1
  fi

  echo "=== what the program writes, $mode ($VELNOR_WIN) ===" >&2
  # Sessions of its own: the registry files are read after each server ends.
  if ! velnor_fresh_session --sessions "$mode" writes VELNOR_SKIPPED="$skipped" -- \
      python3 "$VELNOR_ROOT/tests/faults/writes_check.py" "$out/writes-$mode.json"; then
    status=1
  fi
done

if [ ${#limit[@]} -eq 0 ]; then
  python3 "$VELNOR_ROOT/tests/faults/report.py" "$VELNOR_ROOT/docs/robustness.md" "$out"/*.json
fi
velnor_skipped_lines "The fault runs" "$skipped" >&2
exit $status
