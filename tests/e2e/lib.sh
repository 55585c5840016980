# Shared by the end-to-end tests: a virtual display with a window manager, the
# controller simulator on a pseudo-terminal standing in for port 1, and the
# real panel. Source it, then call e2e_start.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-display.sh"

: "${PANEL:?PANEL must name the panel executable}"
: "${SIM:?SIM must name the controller simulator}"
WORK=$(mktemp -d)
PIDS=()
PANEL_PID=""
MAIN_SHELL=$BASHPID
# The folder that stands for C:\ : empty unless a test puts the sound file there.
export KELVORIA_DRIVE_C="$WORK/drive-c"
mkdir -p "$KELVORIA_DRIVE_C"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

cleanup() {
  # Command substitutions must not tear the display down.
  [ "$BASHPID" = "$MAIN_SHELL" ] || return 0
  for pid in $PANEL_PID "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in $PANEL_PID "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ -n "${E2E_KEEP:-}" ] && echo "kept $WORK" >&2 || rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits until a command succeeds, at most $1 tenths of a second.
wait_for() {
  local tenths=$1 i; shift
  for ((i = 0; i < tenths; i++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

e2e_start_display() { start_virtual_display "$WORK" || fail "no virtual display"; }

e2e_start_sim() {
  "$SIM" --record "$WORK/line.bin" --path-file "$WORK/port" >"$WORK/sim.log" 2>&1 &
  PIDS+=($!)
  SIM_PID=$!
  wait_for 50 test -s "$WORK/port" || fail "simulator did not start"
  export KELVORIA_PORT1=$(cat "$WORK/port")
}

# Starts the panel; PANEL_PID is its process, SPLASH its first window.
e2e_start_panel_splash() {
  "$PANEL" >"$WORK/panel.out" 2>"$WORK/panel.err" &
  PANEL_PID=$!
  SPLASH=$(find_window --pid "$PANEL_PID") || fail "no splash window"
}

# Starts the panel and dismisses the splash with a click on its black
# background (below the logo, left of the web-site line).
e2e_start_panel() {
  e2e_start_panel_splash
  dismiss_splash 10 xdotool mousemove --window "$SPLASH" 20 270 click 1
}

# Runs a command that should dismiss the splash, again (up to $1 times) only
# while the splash is still there: a fresh window may miss the first one.
dismiss_splash() {
  local tries=$1 try i
  shift
  for ((try = 0; try < tries; try++)); do
    "$@" 2>/dev/null || true
    for ((i = 0; i < 20; i++)); do
      xwininfo -id "$SPLASH" 2>/dev/null | grep -q IsViewable || return 0
      sleep 0.1
    done
  done
  fail "the splash did not go"
}

# The first visible window that xdotool's search finds, retried for up to 10 s:
# a window that vanishes mid-search makes xdotool fail, so try again.
find_window() {
  local found i
  for ((i = 0; i < 100; i++)); do
    found=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1) || true
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

window_of() { find_window --name "^$1\$" || fail "no window named '$1'"; }

# Clicks at a point of a window's client area, in pixels.
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# The bytes on the line so far, as hex pairs separated by spaces.
line_bytes() { od -An -v -tx1 "$WORK/line.bin" 2>/dev/null | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

expect_bytes() {
  local want=$1
  wait_for 30 bash -c "[ \"\$(od -An -v -tx1 '$WORK/line.bin' | tr -s ' \n' ' ' | sed 's/^ //; s/ \$//')\" = '$want' ]" ||
    fail "line carries '$(line_bytes)', expected '$want'"
}

# Waits for the panel to end and checks its status.
expect_exit() {
  local want=$1 status=0 i
  for ((i = 0; i < 50; i++)); do kill -0 "$PANEL_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$PANEL_PID" 2>/dev/null && fail "panel still running"
  wait "$PANEL_PID" || status=$?
  [ "$status" -eq "$want" ] || fail "panel ended with status $status, expected $want"
}

# The colour at a point of a window, as #rrggbb.
colour_at() {
  import -window "$1" "$WORK/shot.png"
  convert "$WORK/shot.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6 | sed 's/^/#/' | tr 'A-F' 'a-f'
}

# Activates a window and presses a key on it, again until the panel has ended:
# a freshly mapped window may not take the focus at the first try.
press_until_panel_ends() {
  local window=$1 key=$2 i
  for ((i = 0; i < 20; i++)); do
    kill -0 "$PANEL_PID" 2>/dev/null || return 0
    timeout 2 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key "$key" >/dev/null 2>&1 || true
    sleep 0.3
  done
}

# A sound server of the test's own with one null sink, which is therefore the
# panel's output; its monitor is recorded to $WORK/heard.wav until
# e2e_stop_sound. The recording starts late by however long the recorder takes
# to connect, so times in it are reckoned back from its end.
e2e_start_sound() {
  if [ -z "${SOUND_SERVER_PID:-}" ]; then
    eval "$(KELVORIA_PULSE_DIR="$WORK/pulse" bash "$(dirname "${BASH_SOURCE[0]}")/../../scripts/sound-server.sh")"
    SOUND_SERVER_PID=$(cat "$WORK/pulse/pulse/pid") || fail "no sound server"
    PIDS+=("$SOUND_SERVER_PID")
  fi
  rm -f "$WORK/heard.wav"
  parecord --latency-msec=20 --device=kelvoria_null.monitor --file-format=wav --channels=1 --rate=8000 \
    "$WORK/heard.wav" &
  RECORDER_PID=$!
  # Recording once a tenth of a second of samples is on disk.
  wait_for 150 bash -c "[ \$(stat -c %s '$WORK/heard.wav') -gt 1700 ]" || fail "the recorder did not start"
}

e2e_stop_sound() {
  RECORD_END=$(now)
  kill -INT "$RECORDER_PID" 2>/dev/null || true
  wait "$RECORDER_PID" 2>/dev/null || true
  RECORD_LENGTH=$(soxi -D "$WORK/heard.wav")
}

now() { date +%s.%N; }

# Where a moment of wall time ($1, from now) plus $2 seconds falls in the recording.
heard_at() {
  awk -v t="$1" -v plus="${2:-0}" -v end="$RECORD_END" -v len="$RECORD_LENGTH" \
    'BEGIN { at = len - (end - t) + plus; printf "%.3f", at < 0 ? 0 : at }'
}

# The RMS level of the recording from $1 for $2 seconds, in dBFS ("-inf" when silent).
heard_level() {
  sox "$WORK/heard.wav" -n trim "$1" "$2" stats 2>&1 | awk '/^RMS lev dB/ {print $4}'
}

# Milliseconds since the epoch, without starting a process.
now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $((t / 1000)); }

# The message box a given panel shows on a failure.
box_of() { find_window --all --pid "$1" --name '^Kelvoria Shutter Display$'; }

# Presses Return on a message box once the window manager has given it the
# focus, then waits for process $2 to end. ENDED_MS is the time from that one
# key press to the end; fails as soon as it passes $3 milliseconds.
acknowledge_box() {
  local box=$1 pid=$2 bound=$3 try start
  for ((try = 0; try < 20; try++)); do
    timeout 2 xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$box" ] && break
    sleep 0.2
  done
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$box" ] || fail "the box never took the focus"
  start=$(now_ms)
  xdotool key Return
  while kill -0 "$pid" 2>/dev/null; do
    ENDED_MS=$(($(now_ms) - start))
    [ "$ENDED_MS" -le "$bound" ] || fail "process $pid still running $ENDED_MS ms after the box was acknowledged"
    sleep 0.01
  done
  ENDED_MS=$(($(now_ms) - start))
}

# Reaps an ended process and checks its status: a plain exit, not a signal.
expect_status() {
  local pid=$1 want=$2 status=0
  wait "$pid" || status=$?
  [ "$status" -lt 128 ] || fail "process $pid ended by signal $((status - 128))"
  [ "$status" -eq "$want" ] || fail "process $pid ended with status $status, expected $want"
}

# Fails when a standard-error file shows a crash rather than a plain end.
expect_no_crash_text() {
  ! grep -E -i -n "sanitizer|runtime error:|abort|core dump|segmentation|terminate called|assert" "$1" ||
    fail "crash text in $1"
}

# True when every byte on the line is one of the fourteen command values:
# the six open codes, the six close codes, the cycle mark and routine 2's end.
line_has_only_commands() {
  ! od -An -v -tx1 "$WORK/line.bin" | tr -s ' \n' '\n' | grep -v '^$' |
    grep -q -v -x -E '8[0-5]|9[0-5]|47|87'
}
