#!/usr/bin/env bash
# Closing the main window from the window manager ends with status 0 after
# every byte handed to the port has reached the line.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_sim
e2e_start_panel
W=$(window_of "KELVORIA 2001")
click_at "$W" 256 364   # ALL OPEN
press_until_panel_ends "$W" alt+F4
expect_exit 0
expect_bytes "80 82 84 90 92 94"
echo "PASS"
