#!/usr/bin/env bash
# Nothing on the line at start; SHUTTER4 twice sends 0x90 then 0x91 and paints
# its circle yellow then black; END PROGRAM ends with status 0, every byte delivered.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_sim
e2e_start_panel
W=$(window_of "KELVORIA 2001")
sleep 0.5
[ -z "$(line_bytes)" ] || fail "bytes at start: $(line_bytes)"
[ "$(colour_at "$W" 484 156)" = "#404040" ] || fail "Shape4 not dark grey at start"
click_at "$W" 444 140
expect_bytes "90"
[ "$(colour_at "$W" 484 156)" = "#ffff00" ] || fail "Shape4 not yellow after opening"
click_at "$W" 444 140
expect_bytes "90 91"
[ "$(colour_at "$W" 484 156)" = "#000000" ] || fail "Shape4 not black after closing"
click_at "$W" 496 364
expect_exit 0
expect_bytes "90 91"
echo "PASS"
