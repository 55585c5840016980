#!/usr/bin/env bash
# Starts a PulseAudio server with no hardware behind it, for the tests that
# listen to the panel: a null sink whose monitor carries whatever is played.
# Prints the PULSE_SERVER value to export. Starting it again reuses it.
#   eval "$(bash scripts/sound-server.sh)"
set -euo pipefail
dir=${KELVORIA_PULSE_DIR:-/tmp/kelvoria-pulse}
server="unix:$dir/pulse/native"
if ! PULSE_SERVER=$server pactl info >/dev/null 2>&1; then
  mkdir -p "$dir" && chmod 700 "$dir"
  XDG_RUNTIME_DIR=$dir HOME=$dir pulseaudio -n --daemonize=yes --exit-idle-time=-1 \
    -L module-native-protocol-unix -L "module-null-sink sink_name=kelvoria_null" \
    --log-target=file:"$dir/log" 2>/dev/null
  for _ in $(seq 50); do PULSE_SERVER=$server pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  PULSE_SERVER=$server pactl info >/dev/null 2>&1 || { echo "sound server did not start (see $dir/log)" >&2; exit 1; }
fi
echo "export PULSE_SERVER=$server"
