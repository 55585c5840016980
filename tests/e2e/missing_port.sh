#!/usr/bin/env bash
# A missing port shows the box with number and description, prints the same on
# standard error, and ends with status 1; the main window is never usable.
source "$(dirname "$0")/lib.sh"
e2e_start_display
export KELVORIA_PORT1="$WORK/no-such-device"
e2e_start_panel
B=$(window_of "Kelvoria Shutter Display")
grep -q "Error 1001: Serial port 1 does not exist" "$WORK/panel.err" || fail "no error on stderr: $(cat "$WORK/panel.err")"
press_until_panel_ends "$B" Return
expect_exit 1
echo "PASS"
