#!/usr/bin/env bash
# Cross-builds velnor.exe (and the end-to-end test driver) into build/win.
# With x86-64: the x86-64 test build of the program, the driver, the checks
# the end-to-end tests run and the benchmark's and soak's own programs, into
# build/win64, for hosts that run no 32-bit programs. It is never the product.
# Usage: scripts/build-exe.sh [x86-64]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
case "${1:-}" in
  "") dir=$VELNOR_WIN32_BUILD toolchain=mingw-i686 targets=() ;;
  x86-64) dir=$VELNOR_WIN64_BUILD toolchain=mingw-x86_64 targets=(--target velnor vdriver present_check runtime_check
    tick_bench first_show_bench startup_floor startup_floor_comctl paint_counter) ;;
  *) echo "usage: $0 [x86-64]" >&2; exit 2 ;;
esac
cmake -S "$VELNOR_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$VELNOR_ROOT/cmake/$toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$dir" -j"$(nproc 2>/dev/null || echo 2)" "${targets[@]}"
echo "built $dir/velnor.exe ($(stat -c %s "$dir/velnor.exe") bytes)" >&2
