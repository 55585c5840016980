#!/usr/bin/env bash
# The line goes away under the panel, as when a USB adapter is pulled: the
# simulator is killed, which closes the pseudo-terminal's master side and its
# own slave descriptor, so the kernel hangs the line up and every later write
# on the panel's descriptor fails with EIO. First mid-routine (the failure
# comes at the routine's next byte), then idle (at the next click).
#
# Either way the panel shows the box once, prints the same text once on
# standard error, keeps the box up until it is acknowledged, and then ends
# with status 1 within a second, without a signal or crash text.
source "$(dirname "$0")/lib.sh"
e2e_start_display

# Waits for the failure box of the panel, checks what it printed and that it
# waits for the operator, acknowledges the box and checks the end.
expect_write_failure() {
  local box
  box=$(box_of "$PANEL_PID") || fail "no failure box: $(cat "$WORK/panel.err")"
  echo "box after $(($(now_ms) - VANISHED)) ms"
  wait_for 30 grep -q "Error 1006" "$WORK/panel.err" || fail "nothing on stderr: $(cat "$WORK/panel.err")"
  grep -q -x "Kelvoria Shutter Display: Error 1006: A command could not be written to serial port 1 ($KELVORIA_PORT1: .*)" \
    "$WORK/panel.err" || fail "unexpected failure text: $(cat "$WORK/panel.err")"
  sleep 1
  kill -0 "$PANEL_PID" 2>/dev/null || fail "the panel ended before the box was acknowledged"
  [ "$(xdotool search --all --pid "$PANEL_PID" --onlyvisible --name '^Kelvoria Shutter Display$' | wc -l)" = 1 ] ||
    fail "more than one failure box"
  acknowledge_box "$box" "$PANEL_PID" 1000
  echo "ended $ENDED_MS ms after the box was acknowledged"
  expect_status "$PANEL_PID" 1
  [ "$(grep -c "Error" "$WORK/panel.err")" = 1 ] || fail "failure reported more than once: $(cat "$WORK/panel.err")"
  expect_no_crash_text "$WORK/panel.err"
  line_has_only_commands || fail "stray bytes before the line went: $(line_bytes)"
}

pull_the_line() {
  kill -KILL "$SIM_PID"
  wait "$SIM_PID" 2>/dev/null || true
  VANISHED=$(now_ms)
}

# Mid-routine: routine 1 is sending when the line goes.
e2e_start_sim
e2e_start_panel
W=$(window_of "KELVORIA 2001")
click_at "$W" 44 364   # ROUTINE 1
wait_for 50 bash -c "[ \$(stat -c %s '$WORK/line.bin') -ge 6 ]" || fail "routine 1 sent nothing"
[ "$(line_bytes | cut -d' ' -f1-2)" = "47 80" ] || fail "routine 1 began with '$(line_bytes)'"
pull_the_line
expect_write_failure

# Idle: nothing is sent until SHUTTER4 is clicked.
rm -f "$WORK/port" "$WORK/line.bin"
e2e_start_sim
e2e_start_panel
W=$(window_of "KELVORIA 2001")
click_at "$W" 444 140   # SHUTTER4
expect_bytes "90"
pull_the_line
sleep 0.5
kill -0 "$PANEL_PID" 2>/dev/null || fail "the panel ended with nothing sent"
! grep -q Error "$WORK/panel.err" || fail "a failure before any write: $(cat "$WORK/panel.err")"
click_at "$W" 444 140
expect_write_failure
echo "PASS"
