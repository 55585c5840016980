#!/usr/bin/env bash
# Installs what is missing, builds, starts the controller simulator on a
# pseudo-terminal and the panel with serial port 1 mapped to it. The panel
# opens with its splash; a key hands over to the main window, and the
# simulator then prints every byte the panel sends.
#   VIRTUAL_DISPLAY=1 bash scripts/demo.sh   runs it under Xvfb when there is no desktop
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

PIDS=()
trap 'for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  if [ "${VIRTUAL_DISPLAY:-0}" != 1 ]; then
    echo "No display is available. Run the demo under a virtual display with:" >&2
    echo "  VIRTUAL_DISPLAY=1 bash scripts/demo.sh" >&2
    exit 1
  fi
  source scripts/virtual-display.sh
  start_virtual_display "$(mktemp -d)"
  echo "Panel running on virtual display $DISPLAY (screenshot: DISPLAY=$DISPLAY import -window root shot.png)"
fi

portfile=$(mktemp)
build/tools/kelvoria-controller-sim --path-file "$portfile" & PIDS+=($!)
for _ in $(seq 50); do [ -s "$portfile" ] && break; sleep 0.1; done
echo "Splash shown: press any key on it (or click its black background) for the main window."
KELVORIA_PORT1=$(cat "$portfile") build/app/kelvoria-shutter-display
