#!/usr/bin/env bash
# Builds what is needed and measures the panel against the bare Qt baseline
# under a virtual display of its own (Xvfb and openbox). Options go to
# kelvoria-measure: --runs N --clicks N --idle-seconds N --json PATH.
# The table goes to standard output, the same as JSON to build/bench/results.json.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target kelvoria-measure >&2

WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
source scripts/virtual-display.sh

start_virtual_display "$WORK" || exit 1

mkdir -p build/bench
: >build/bench/measure.log
build/bench/measure/kelvoria-measure --json build/bench/results.json --log build/bench/measure.log "$@"
