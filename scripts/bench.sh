#!/usr/bin/env bash
# Benchmarks or soak (make bench, make soak) in Windows 98 mode and in the NT
# mode: runs bench/measure.py or bench/soak.py under Wine in each, then prints
# the table and keeps it in docs/performance.md.
# Usage: scripts/bench.sh bench|soak [script arguments]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
kind=${1:?bench or soak}; shift
case "$kind" in
  bench) script=bench/measure.py ;;
  soak) script=bench/soak.py ;;
  *) echo "usage: $0 bench|soak" >&2; exit 2 ;;
esac
# The figures are the product's: the x86-64 test build would tell nothing.
velnor_testbed
velnor_needs_i386 "make $kind"
# The host's time-stamp-counter frequency, the yardstick for the clock.
mkdir -p "$VELNOR_BUILD/bench"
gcc -O2 -Wall -Werror -o "$VELNOR_BUILD/bench/host_tsc" "$VELNOR_ROOT/bench/host_tsc.c"
export VELNOR_HOST_TSC=$("$VELNOR_BUILD/bench/host_tsc")
files=()
for mode in win98 winxp; do
  out="$VELNOR_BUILD/bench/$kind-$mode.json"
  rm -f "$out"
  "$VELNOR_ROOT/bench/run.sh" "$mode" "$VELNOR_ROOT/$script" "$out" "$@"
  files+=("$out")
done
python3 "$VELNOR_ROOT/bench/report.py" "$kind" "${files[@]}"
