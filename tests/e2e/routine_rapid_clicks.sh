#!/usr/bin/env bash
# Quick clicks on one routine button, 30 to 500 ms apart, each take effect:
# every click starts or stops the routine, so after an odd number of clicks
# routines 1 and 3 (which never end by themselves) are running, indicator red,
# and after an even number they are stopped, indicator white and the line
# quiet. Stops and restarts nest in the routine's yields; none is lost, double
# clicks included. The gaps come from bash's $RANDOM seeded with RAPID_SEED.
source "$(dirname "$0")/lib.sh"
RAPID_SEED=${RAPID_SEED:-7}
echo "seed $RAPID_SEED"
RANDOM=$RAPID_SEED
e2e_start_display
e2e_start_sim
e2e_start_panel
W=$(window_of "KELVORIA 2001")
routine_button=("" "44 364" "124 364" "204 364")

# Indicator of routine $1 showing colour $2 now and still a second later.
indicator_settles_on() {
  local x=${routine_button[$1]%% *}
  wait_for 50 bash -c "[ \"\$(import -window $W png:- | convert png:- -format '%[hex:p{$x,380}]' info: | cut -c1-6)\" = $2 ]" ||
    return 1
  sleep 1
  [ "$(colour_at "$W" "$x" 380)" = "#$(tr 'A-F' 'a-f' <<<"$2")" ]
}

line_quiet() {
  local size
  size=$(stat -c %s "$WORK/line.bin")
  sleep 1
  [ "$(stat -c %s "$WORK/line.bin")" = "$size" ]
}

for trial in 1 2 3 4 5 6 7 8 9 10; do
  r=$(((trial % 2) ? 1 : 3))
  clicks=$((2 + RANDOM % 8))
  chain=(xdotool mousemove --window "$W" ${routine_button[r]} click 1)
  gaps=""
  for ((c = 1; c < clicks; c++)); do
    printf -v gap '0.%03d' $((30 + RANDOM % 470))
    gaps+=" $gap"
    chain+=(sleep "$gap" click 1)
  done
  "${chain[@]}"
  echo "ROUTINE $r: $clicks clicks, gaps$gaps"
  if ((clicks % 2)); then
    indicator_settles_on "$r" FF0000 || fail "routine $r not running after $clicks clicks"
    line_quiet && fail "routine $r sends nothing after $clicks clicks"
    click_at "$W" ${routine_button[r]}
  fi
  indicator_settles_on "$r" FFFFFF || fail "routine $r still running after its last stop"
  wait_for 50 line_quiet || fail "routine $r still sending after its last stop"
done
kill -0 "$PANEL_PID" || fail "the panel ended"
line_has_only_commands || fail "bytes other than the fourteen commands: $(line_bytes)"
echo "PASS"
