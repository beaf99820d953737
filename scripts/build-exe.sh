#!/usr/bin/env bash
# Cross-builds velnor.exe (and the end-to-end test driver) into build/win.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELNOR_BUILD:-$root/build}
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$build/win" -j"$(nproc 2>/dev/null || echo 2)"
echo "built $build/win/velnor.exe ($(stat -c %s "$build/win/velnor.exe") bytes)" >&2
