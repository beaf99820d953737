#!/usr/bin/env bash
# Benchmarks or soak (make bench, make soak) in Windows 98 mode and in the NT
# mode: runs bench/measure.py or bench/soak.py under Wine in each, then prints
# the table and keeps it in docs/performance.md. On a host that runs no 32-bit
# programs (scripts/wine-env.sh) they measure the x86-64 test build, which the
# table and the closing lines say, with the parts that need the 32-bit
# executable itself.
# Usage: scripts/bench.sh bench|soak [script arguments]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
kind=${1:?bench or soak}; shift
case "$kind" in
  bench) script=bench/measure.py ;;
  soak) script=bench/soak.py ;;
  *) echo "usage: $0 bench|soak" >&2; exit 2 ;;
esac
velnor_testbed
[ "$VELNOR_ARCH" = i386 ] || "$VELNOR_ROOT/scripts/build-exe.sh" x86-64
# The host's time-stamp-counter frequency, the yardstick for the clock.
mkdir -p "$VELNOR_BUILD/bench"
gcc -O2 -Wall -Werror -o "$VELNOR_BUILD/bench/host_tsc" "$VELNOR_ROOT/bench/host_tsc.c"
export VELNOR_HOST_TSC=$("$VELNOR_BUILD/bench/host_tsc")
skipped=$(mktemp)
trap 'rm -f "$skipped"' EXIT
export VELNOR_SKIPPED=$skipped
files=()
for mode in win98 winxp; do
  out="$VELNOR_BUILD/bench/$kind-$mode.json"
  rm -f "$out"
  "$VELNOR_ROOT/bench/run.sh" "$mode" "$VELNOR_ROOT/$script" "$out" "$@"
  files+=("$out")
done
python3 "$VELNOR_ROOT/bench/report.py" "$kind" "${files[@]}"
velnor_skipped_lines "make $kind" "$skipped" >&2
