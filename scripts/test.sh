#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and under
# AddressSanitizer and UndefinedBehaviorSanitizer), the Windows build with its
# loadability check and its own arithmetic check, the fault-run tools' own
# tests, and the end-to-end tests under Wine in Windows 98 mode and in an NT
# mode: against velnor.exe, or on a host that runs no 32-bit programs against
# the x86-64 test build (scripts/wine-env.sh decides).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
root=$VELNOR_ROOT
build=$VELNOR_BUILD
jobs=$(nproc 2>/dev/null || echo 2)
cd "$root"

step() { printf '\n=== %s ===\n' "$*" >&2; }

step "unit tests (native)"
cmake -S . -B "$build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build/native" -j"$jobs"
"$build/native/unit_tests" --gtest_brief=1

step "unit tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B "$build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DVELNOR_SANITIZE=ON >/dev/null
cmake --build "$build/sanitize" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 "$build/sanitize/unit_tests" --gtest_brief=1

step "Windows build"
"$root/scripts/build-exe.sh"

step "fault-run tools (byte patterns, reading model, registry-file reader)"
(cd "$root/tests/faults" && PYTHONDONTWRITEBYTECODE=1 python3 -m unittest -q test_tools)

step "test bed, locales and the benchmark page's placing (scripts)"
(cd "$root/tests/scripts" && PYTHONDONTWRITEBYTECODE=1 python3 -m unittest -q test_testbed test_bench_report)

step "loadability on Windows 95 and later, on a Pentium"
(cd "$root/tools/w9x-check" && python3 -m unittest -q test_loadcheck)
python3 "$root/tools/w9x-check/loadcheck.py" "$VELNOR_WIN32_BUILD/velnor.exe" --target 95 --cpu p5 \
  --map "$VELNOR_WIN32_BUILD/velnor.map"
size=$(stat -c %s "$VELNOR_WIN32_BUILD/velnor.exe")
[ "$size" -lt 204800 ] || { echo "velnor.exe is $size bytes: over 200 KB" >&2; exit 1; }

velnor_testbed
if [ "$VELNOR_ARCH" = x86-64 ]; then
  step "x86-64 test build (for the end-to-end tests only)"
  "$root/scripts/build-exe.sh" x86-64
fi

step "end-to-end tests"
"$root/scripts/e2e.sh"
