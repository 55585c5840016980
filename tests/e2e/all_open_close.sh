#!/usr/bin/env bash
# ALL OPEN and ALL CLOSE put their six codes on the line in order, paint the
# six shutter circles and light their own circle red.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_sim
e2e_start_panel
W=$(window_of "KELVORIA 2001")
sleep 0.3
# Shape1..Shape6 centres, then Shape10 and Shape11.
shutters=("53 202" "195 118" "324 210" "484 156" "526 270" "744 146")
check_shutters() {
  import -window "$W" "$WORK/shot.png"
  for xy in "${shutters[@]}"; do
    set -- $xy
    got=$(convert "$WORK/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6)
    [ "$got" = "$want" ] || fail "circle at $xy is #$got, expected #$want"
  done
}
want=404040; check_shutters
click_at "$W" 256 364   # ALL OPEN
expect_bytes "80 82 84 90 92 94"
want=FFFF00; check_shutters
[ "$(colour_at "$W" 284 380)" = "#ff0000" ] || fail "Shape10 not red after ALL OPEN"
[ "$(colour_at "$W" 364 380)" = "#ffffff" ] || fail "Shape11 not white after ALL OPEN"
click_at "$W" 336 364   # ALL CLOSE
expect_bytes "80 82 84 90 92 94 81 83 85 91 93 95"
want=000000; check_shutters
[ "$(colour_at "$W" 284 380)" = "#ffffff" ] || fail "Shape10 not white after ALL CLOSE"
[ "$(colour_at "$W" 364 380)" = "#ff0000" ] || fail "Shape11 not red after ALL CLOSE"
echo "PASS"
