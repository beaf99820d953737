#!/usr/bin/env bash
# Runs a benchmark script under Wine and Xvfb in a platform mode, in a fresh
# copy of the mode's prefix (what the programs write there is dropped with it).
# Usage: bench/run.sh MODE SCRIPT [arguments]   e.g. bench/run.sh win98 bench/soak.py out.json
set -euo pipefail
source "$(dirname "$0")/../scripts/wine-env.sh"
mode=$1; shift
script=$1; shift
velnor_testbed
velnor_fresh_session "$mode" bench -- python3 "$(cd "$(dirname "$script")" && pwd)/$(basename "$script")" "$@"
