#!/usr/bin/env bash
# Each routine started and stopped on the real window: its first bytes on the
# line, its stop bytes, the six circles black afterwards, and the window still
# answering clicks at the routine's yields.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_sim
e2e_start_panel
W=$(window_of "KELVORIA 2001")
shutters=("53 202" "195 118" "324 210" "484 156" "526 270" "744 146")

# Button centres: ROUTINE1, ROUTINE2, ROUTINE3.
buttons=("44 364" "124 364" "204 364")
stop_tail=("47" "87 47" "47")

# The bytes sent since a given offset of the line.
since() { tail -c +$(($1 + 1)) "$WORK/line.bin" | od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

# Routine 2 with the longest exposure, so that it is still running when stopped:
# select "1" in the list, then End selects "10".
click_at "$W" 110 318
xdotool key End

for r in 0 1 2; do
  start=$(stat -c %s "$WORK/line.bin")
  click_at "$W" ${buttons[$r]}
  wait_for 30 bash -c "[ \$(stat -c %s '$WORK/line.bin') -ge $((start + 3)) ]" || fail "routine $((r + 1)) sent nothing"
  sleep 0.8
  first=$(since "$start" | cut -d' ' -f1-2)
  [ "$first" = "47 80" ] || fail "routine $((r + 1)) began with '$first'"
  stop_at=$(stat -c %s "$WORK/line.bin")
  click_at "$W" ${buttons[$r]}
  # The stop is taken at the routine's next yield; the line then falls silent.
  # A stop that lands in SHUTTER3's own yield lets that toggle finish first, and
  # one taken at routine 1's last step ends it at the cycle head without a mark.
  quiet=0
  for ((t = 0; t < 200 && quiet < 20; t++)); do
    size=$(stat -c %s "$WORK/line.bin")
    sleep 0.1
    if [ "$(stat -c %s "$WORK/line.bin")" = "$size" ] && [ "$size" -gt "$stop_at" -o "$r" = 0 ]; then
      quiet=$((quiet + 1))
    else
      quiet=0
    fi
  done
  [ "$quiet" -ge 20 ] || fail "routine $((r + 1)) did not stop: line ends '$(since "$start" | rev | cut -d' ' -f1-4 | rev)'"
  stopped=$(since "$stop_at")
  case "$r:$stopped" in
    0:*) ;;
    1:*87*47) ;;
    2:*47) ;;
    *) fail "routine $((r + 1)) stopped with '$stopped', expected it to end '${stop_tail[$r]}'" ;;
  esac
  import -window "$W" "$WORK/shot.png"
  for xy in "${shutters[@]}"; do
    set -- $xy
    got=$(convert "$WORK/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6)
    [ "$got" = "000000" ] || fail "after routine $((r + 1)) the circle at $xy is #$got"
  done
done
click_at "$W" 496 364
expect_exit 0
echo "PASS"
