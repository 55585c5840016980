#!/usr/bin/env bash
# A storm of random clicks and key presses on the main window for
# STORM_SECONDS (60 by default): shutter buttons, access keys, the three
# routine buttons (single and double clicks), ALL OPEN and ALL CLOSE, the
# exposure list (clicks, wheel, arrow keys). END PROGRAM is never clicked and
# the window never closed; Tab is never pressed, so the focus cannot reach
# END PROGRAM either. The sequence comes from bash's $RANDOM seeded with
# STORM_SEED, printed at the start, so a failing storm can be played again.
#
# Checked throughout: the panel stays alive, shows no failure, and answers the
# window manager's ping within STORM_PING_BOUND_MS (3 s by default; the answer
# comes from Qt's event dispatch, so it proves the panel reaches its yields).
# Checked afterwards: only the fourteen command values were ever sent; the
# routines are brought to a stop and that is proven; ROUTINE 3 then starts and
# stops cleanly; after ALL OPEN and a few random closes, every shutter that
# shows yellow sends its close code on one click and turns black.
source "$(dirname "$0")/lib.sh"
: "${PING:?PING must name kelvoria-wm-ping}"
STORM_SECONDS=${STORM_SECONDS:-60}
STORM_SEED=${STORM_SEED:-20011}
STORM_PING_BOUND_MS=${STORM_PING_BOUND_MS:-3000}
echo "storm: seed $STORM_SEED for $STORM_SECONDS s (again: STORM_SEED=$STORM_SEED)"
RANDOM=$STORM_SEED

fail() {
  echo "FAIL: $*" >&2
  [ -s "$WORK/actions.log" ] && { echo "last actions:" >&2; tail -n 25 "$WORK/actions.log" >&2; }
  exit 1
}

e2e_start_display
e2e_start_sim
e2e_start_panel
W=$(window_of "KELVORIA 2001")
timeout 5 xdotool windowactivate --sync "$W" >/dev/null 2>&1 || true

# Button centres in the window; shutter buttons are 25 px square, the routine
# and ALL buttons 73 by 25. END PROGRAM spans x 440-553, y 352-377: nothing
# below comes near it.
shutter_button=("" "52 244" "244 116" "324 260" "444 140" "484 268" "700 148")
routine_button=("" "44 364" "124 364" "204 364")
ALL_OPEN="284 364"
ALL_CLOSE="364 364"
# Circle centres: Shape1..Shape6, then the routine indicators Shape7..Shape9.
circle=("" "53 202" "195 118" "324 210" "484 156" "526 270" "744 146")
indicator=("" "44 380" "124 380" "204 380")
open_code=("" 80 82 84 90 92 94)
close_code=("" 81 83 85 91 93 95)

# R: a random number below $1 (in this shell, so the sequence follows the seed).
pick() { R=$((RANDOM % $1)); }
# JX, JY: a point up to $3 px across and $4 px up or down from "$1 $2".
jitter() {
  pick $((2 * $3 + 1)); JX=$(($1 + R - $3))
  pick $((2 * $4 + 1)); JY=$(($2 + R - $4))
}
log() { echo "$(now_ms) $*" >>"$WORK/actions.log"; }

storm_click() {   # "x y" half-width half-height label
  jitter $1 $2 $3; log "click $4 at $JX $JY"
  xdotool mousemove --window "$W" "$JX" "$JY" click 1
}

declare -A done_count=()
one_action() {
  local kind
  pick 100
  if ((R < 30)); then
    pick 6; kind=shutter; storm_click "${shutter_button[R + 1]}" 9 9 "SHUTTER$((R + 1))"
  elif ((R < 45)); then
    pick 3; kind=routine; storm_click "${routine_button[R + 1]}" 30 9 "ROUTINE$((R + 1))"
  elif ((R < 50)); then
    local n gap
    pick 3; n=$((R + 1)); pick 400; printf -v gap '0.%03d' $((R + 50))
    kind=routine-double; jitter ${routine_button[n]} 30 9
    log "double ROUTINE$n at $JX $JY, $gap s apart"
    xdotool mousemove --window "$W" "$JX" "$JY" click 1 sleep "$gap" click 1
  elif ((R < 58)); then
    pick 2; kind=all
    if ((R)); then storm_click "$ALL_OPEN" 30 9 "ALL OPEN"; else storm_click "$ALL_CLOSE" 30 9 "ALL CLOSE"; fi
  elif ((R < 66)); then
    kind=list; storm_click "116 326" 17 12 "exposure list"
  elif ((R < 70)); then
    local button
    pick 2; button=$((R + 4)); kind=wheel; jitter 112 326 12 10; log "wheel $button on the list at $JX $JY"
    xdotool mousemove --window "$W" "$JX" "$JY" click "$button"
  elif ((R < 90)); then
    local keys=(alt+1 alt+2 alt+3 alt+4 alt+5 alt+6 alt+o alt+c)
    pick ${#keys[@]}; kind=access-key; log "key ${keys[R]}"; xdotool key "${keys[R]}"
  else
    local keys=(Up Down Home End space)
    pick ${#keys[@]}; kind=key; log "key ${keys[R]}"; xdotool key "${keys[R]}"
  fi
  done_count[$kind]=$((${done_count[$kind]:-0} + 1))
}

# Is the panel alive, failure-free, and does it answer a ping in time?
check_alive() {
  kill -0 "$PANEL_PID" 2>/dev/null || fail "the panel ended during the storm: $(cat "$WORK/panel.err")"
  ! grep -q Error "$WORK/panel.err" || fail "the panel reported a failure: $(cat "$WORK/panel.err")"
  local took
  took=$("$PING" "$W" "$STORM_PING_BOUND_MS" 2>&1) || fail "ping: $took"
  PINGS+=("$took")
  log "ping answered in $took ms"
}

PINGS=()
started=$(now_ms)
last_ping=$started
actions=0
while (($(now_ms) - started < STORM_SECONDS * 1000)); do
  one_action
  actions=$((actions + 1))
  kill -0 "$PANEL_PID" 2>/dev/null || fail "the panel ended during the storm: $(cat "$WORK/panel.err")"
  if (($(now_ms) - last_ping >= 2000)); then
    check_alive
    last_ping=$(now_ms)
  fi
  pick 150; printf -v pause '0.%03d' "$R"; sleep "$pause"
done
check_alive
summary=""
for kind in "${!done_count[@]}"; do summary+=" $kind=${done_count[$kind]}"; done
sorted=$(printf '%s\n' "${PINGS[@]}" | sort -n)
echo "storm: $actions actions ($summary ) in $((($(now_ms) - started) / 1000)) s;" \
  "${#PINGS[@]} pings, median $(sed -n "$(((${#PINGS[@]} + 1) / 2))p" <<<"$sorted") ms," \
  "longest $(tail -n1 <<<"$sorted") ms"

# Bringing the routines to a stop. A routine's indicator is red exactly while
# its running flag is set, except routine 2's, which stays red after a pass
# that ran to its end; so routines 1 and 3 are stopped by a click when red,
# and routine 2 is left to end its pass. Every run that is active sends
# bytes: the innermost one is always working through its steps, the longest
# gap being one exposure wait (about a quarter second at "10"). So a line
# silent for 3 s means no run is active, and with no run active no running
# flag can be set. The round repeats while clicks still queued from the storm
# start routines again.
size_of_line() { stat -c %s "$WORK/line.bin"; }
# True once the line has not grown for $1 ms; false if that has not happened within $2 ms.
line_silent_for() {
  local quiet=$1 within=$2 begun last size now
  begun=$(now_ms); last=$begun; size=$(size_of_line)
  while :; do
    sleep 0.1
    now=$(now_ms)
    if [ "$(size_of_line)" != "$size" ]; then size=$(size_of_line); last=$now; fi
    ((now - last < quiet)) || return 0
    ((now - begun < within)) || return 1
  done
}
red_indicators() {
  import -window "$W" "$WORK/shot.png"
  RED=()
  local r
  for r in 1 3; do
    set -- ${indicator[r]}
    [ "$(convert "$WORK/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6)" = FF0000 ] && RED+=("$r")
  done
  return 0
}
stopped_at=$(now_ms)
for ((round = 1; ; round++)); do
  ((round <= 20)) || fail "the routines did not come to a stop in 20 rounds"
  red_indicators
  for r in "${RED[@]}"; do log "stop ROUTINE$r"; click_at "$W" ${routine_button[r]}; done
  line_silent_for 3000 15000 || continue
  red_indicators
  ((${#RED[@]} == 0)) && break
done
check_alive
echo "routines stopped after $round round(s), $((($(now_ms) - stopped_at) / 1000)) s;" \
  "$(size_of_line) bytes on the line"
# For the record only: a routine click marks all six flags closed without
# repainting, so circles left yellow here need not match their flags.
import -window "$W" "$WORK/shot.png"
echo "circles at rest: $(for s in 1 2 3 4 5 6; do set -- ${circle[s]}; convert "$WORK/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; done | tr "\n" " ")"
line_has_only_commands || fail "bytes other than the fourteen commands: $(line_bytes | tr ' ' '\n' | sort | uniq -c | tr '\n' ' ')"
echo "line: $(line_bytes | tr ' ' '\n' | sort | uniq -c | awk '{printf "%s x%s  ", $2, $1}')"

# The bytes sent since offset $1.
since() { tail -c +$(($1 + 1)) "$WORK/line.bin" | od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
expect_since() {
  local from=$1 want=$2
  wait_for 50 bash -c "[ \"\$(tail -c +$((from + 1)) '$WORK/line.bin' | od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ \$//')\" = '$want' ]" ||
    fail "after the storm the line carries '$(since "$from")', expected '$want'"
}
circle_colour() {
  set -- ${circle[$1]}
  convert "$WORK/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6
}

# With every flag down, ROUTINE 3 starts (its cycle mark, then shutter 1
# opening) and stops again: the stop sends the cycle mark and blacks all six.
from=$(size_of_line)
click_at "$W" ${routine_button[3]}
wait_for 50 bash -c "[ \"\$(tail -c +$((from + 1)) '$WORK/line.bin' | od -An -v -tx1 | tr -s ' \n' ' ' | cut -d' ' -f2-3)\" = '47 80' ]" ||
  fail "ROUTINE 3 did not start from rest: '$(since "$from" | cut -c1-60)'"
click_at "$W" ${routine_button[3]}
line_silent_for 1500 15000 || fail "ROUTINE 3 did not stop"
[ "$(since "$from" | rev | cut -d' ' -f1 | rev)" = 47 ] || fail "ROUTINE 3's stop ended '$(since "$from" | rev | cut -c1-20 | rev)'"
import -window "$W" "$WORK/shot.png"
for s in 1 2 3 4 5 6; do
  [ "$(circle_colour $s)" = 000000 ] || fail "circle $s is #$(circle_colour $s) after ROUTINE 3 stopped"
done

# ALL OPEN, then a random few closed by click or access key (SHUTTER2 has
# none), leaving at least one open.
timeout 5 xdotool windowactivate --sync "$W" >/dev/null 2>&1 || true
from=$(size_of_line)
click_at "$W" $ALL_OPEN
expect_since "$from" "80 82 84 90 92 94"
closing=()
for s in 1 2 3 4 5 6; do pick 2; ((R)) && closing+=("$s"); done
((${#closing[@]} == 6)) && closing=("${closing[@]:1}")
((${#closing[@]} == 0)) && { pick 6; closing=($((R + 1))); }
for s in "${closing[@]}"; do
  from=$(size_of_line)
  pick 2
  if ((R)) && ((s != 2)); then xdotool key "alt+$s"; else click_at "$W" ${shutter_button[s]}; fi
  expect_since "$from" "${close_code[s]}"
done
echo "closed by hand after ALL OPEN: ${closing[*]}"

import -window "$W" "$WORK/shot.png"
yellow=()
for s in 1 2 3 4 5 6; do
  got=$(circle_colour $s)
  case $got in
    FFFF00) yellow+=("$s") ;;
    000000) ;;
    *) fail "circle $s is #$got" ;;
  esac
done
[ "${#yellow[@]}" -eq $((6 - ${#closing[@]})) ] || fail "yellow: ${yellow[*]}; closed by hand: ${closing[*]}"
for s in "${yellow[@]}"; do
  from=$(size_of_line)
  click_at "$W" ${shutter_button[s]}
  expect_since "$from" "${close_code[s]}"
  import -window "$W" "$WORK/shot.png"
  [ "$(circle_colour $s)" = 000000 ] || fail "circle $s is #$(circle_colour $s) after its close code"
done
echo "yellow then closed by one click each: ${yellow[*]}"
line_has_only_commands || fail "bytes other than the fourteen commands at the end"
check_alive
click_at "$W" 496 364   # END PROGRAM, now that the storm is over
expect_exit 0
expect_no_crash_text "$WORK/panel.err"
echo "PASS"
