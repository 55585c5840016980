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

Xvfb -displayfd 9 -screen 0 1280x800x24 -nolisten tcp 9>"$WORK/display" >/dev/null 2>&1 &
PIDS+=($!)
for ((i = 0; i < 100; i++)); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$WORK/display")"
openbox >/dev/null 2>&1 &
PIDS+=($!)
for ((i = 0; i < 50; i++)); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
  { echo "openbox did not start" >&2; exit 1; }

mkdir -p build/bench
: >build/bench/measure.log
build/bench/measure/kelvoria-measure --json build/bench/results.json --log build/bench/measure.log "$@"
