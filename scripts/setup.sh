#!/usr/bin/env bash
# Installs what a step needs on Debian 12, only where something is missing,
# and for run and test says in one line which test bed this host gives
# (scripts/wine-env.sh finds out).
# Usage: scripts/setup.sh build|run|test
#   build: the cross compilers (32-bit for the product, x86-64 for the test
#          build of hosts that run no 32-bit programs) and the native toolchain
#   run:   build + Wine (32- and 64-bit), Xvfb, fonts (Japanese, and the
#          metrics of the English faces), locale data, ImageMagick
#   test:  run + GoogleTest
# As root it installs directly; otherwise it prints the exact command and fails.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

what=${1:-test}
build_pkgs="cmake make g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64-win32 python3"
run_pkgs="$build_pkgs wine wine32:i386 wine64 xvfb xauth fonts-wine fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation locales imagemagick"
test_pkgs="$run_pkgs libgtest-dev"

case "$what" in
  build) pkgs=$build_pkgs ;;
  run) pkgs=$run_pkgs ;;
  test) pkgs=$test_pkgs ;;
  *) echo "usage: $0 build|run|test" >&2; exit 2 ;;
esac

need_i386=no
missing=()
for p in $pkgs; do
  case "$p" in *:i386) need_i386=yes ;; esac
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ "$need_i386" = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  arch_missing=yes
else
  arch_missing=no
fi

if [ ${#missing[@]} -gt 0 ] || [ "$arch_missing" = yes ]; then
  cmd=""
  [ "$arch_missing" = yes ] && cmd="dpkg --add-architecture i386 && "
  cmd="${cmd}apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run as root first:" >&2
    echo "  sudo sh -c '$cmd'" >&2
    exit 1
  fi
  echo "setup: installing ${missing[*]}" >&2
  sh -c "$cmd" >&2
fi

if [ "$what" != build ]; then
  velnor_testbed
  velnor_testbed_line >&2
fi
