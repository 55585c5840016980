#!/usr/bin/env bash
# With no display to show on (DISPLAY naming a display nobody serves, then
# DISPLAY unset) the panel says so plainly on standard error and ends with
# status 1: no abort, no core file, and nothing on the line.
source "$(dirname "$0")/lib.sh"
e2e_start_sim
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# A display number with neither a socket nor a lock file.
unused=700
while [ -e "/tmp/.X11-unix/X$unused" ] || [ -e "/tmp/.X$unused-lock" ]; do unused=$((unused + 1)); done

# Runs the panel in a folder of its own with the environment given, expects
# the plain message and status 1.
expect_no_display() {
  local label=$1 status=0 started
  shift
  mkdir -p "$WORK/run-$label"
  started=$(now_ms)
  (cd "$WORK/run-$label" && ulimit -c unlimited && exec env "$@" timeout -s KILL 60 "$PANEL") \
    >"$WORK/$label.out" 2>"$WORK/$label.err" || status=$?
  echo "$label: status $status after $(($(now_ms) - started)) ms: $(grep -v '^$' "$WORK/$label.err" | tr '\n' ' ')"
  [ "$status" -eq 1 ] || fail "$label: status $status, expected 1"
  grep -q "Kelvoria Shutter Display: no display is available" "$WORK/$label.err" ||
    fail "$label: no plain message: $(cat "$WORK/$label.err")"
  expect_no_crash_text "$WORK/$label.err"
  [ -z "$(ls -A "$WORK/run-$label")" ] || fail "$label: left files behind: $(ls -A "$WORK/run-$label")"
}

expect_no_display missing-display DISPLAY=":$unused"
expect_no_display unset-display -u DISPLAY
[ ! -s "$WORK/line.bin" ] || fail "bytes on the line: $(line_bytes)"
echo "PASS"
