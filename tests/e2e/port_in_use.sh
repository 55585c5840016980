#!/usr/bin/env bash
# A second panel on the port the first one holds is told the port is in use
# (box, the same text on standard error, status 1) and never writes to the
# line. The first goes on undisturbed: it sends its byte on a click while the
# second panel's box is up and again after the second has ended, and its
# window stays.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_sim
e2e_start_panel
W=$(window_of "KELVORIA 2001")
FIRST_PID=$PANEL_PID

"$PANEL" >"$WORK/second.out" 2>"$WORK/second.err" &
SECOND_PID=$!
PIDS+=("$SECOND_PID")
splash=$(find_window --pid "$SECOND_PID") || fail "no splash from the second panel"
for ((try = 0; try < 10; try++)); do
  xdotool mousemove --window "$splash" 20 270 click 1 2>/dev/null || true
  box=$(box_of "$SECOND_PID") && break
done
[ -n "${box:-}" ] || fail "no box from the second panel: $(cat "$WORK/second.err")"
wait_for 30 grep -q "Error 1002" "$WORK/second.err" || fail "nothing on stderr: $(cat "$WORK/second.err")"
grep -q -x "Kelvoria Shutter Display: Error 1002: Serial port 1 is in use by another program ($KELVORIA_PORT1: .*)" \
  "$WORK/second.err" || fail "unexpected failure text: $(cat "$WORK/second.err")"
[ -z "$(xdotool search --all --pid "$SECOND_PID" --onlyvisible --name '^KELVORIA 2001$')" ] ||
  fail "the second panel shows a main window"

# The box comes up over the middle of the screen, where the first panel is.
xdotool windowmove --sync "$box" 0 0 || fail "the box could not be moved aside"
click_at "$W" 444 140   # SHUTTER4 on the first panel, the box of the second still up
expect_bytes "90"
kill -0 "$SECOND_PID" 2>/dev/null || fail "the second panel ended before its box was acknowledged"

acknowledge_box "$box" "$SECOND_PID" 1000
expect_status "$SECOND_PID" 1
expect_no_crash_text "$WORK/second.err"

sleep 0.5
kill -0 "$FIRST_PID" 2>/dev/null || fail "the first panel ended"
xwininfo -id "$W" | grep -q IsViewable || fail "the first panel's window went"
click_at "$W" 444 140
expect_bytes "90 91"
[ "$(colour_at "$W" 484 156)" = "#000000" ] || fail "Shape4 not black after closing"
! grep -q Error "$WORK/panel.err" || fail "the first panel reported: $(cat "$WORK/panel.err")"
click_at "$W" 496 364   # END PROGRAM
expect_exit 0
expect_bytes "90 91"
echo "PASS"
