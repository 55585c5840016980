# Sourced: start_virtual_display DIR starts Xvfb on a free display number and
# openbox on it, adds both to the caller's PIDS array and exports DISPLAY.
# Returns 1 with a message when either does not come up.
start_virtual_display() {
  local dir=$1 i
  Xvfb -displayfd 9 -screen 0 1280x800x24 -nolisten tcp 9>"$dir/display" >/dev/null 2>&1 &
  PIDS+=($!)
  for ((i = 0; i < 100; i++)); do [ -s "$dir/display" ] && break; sleep 0.1; done
  [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$dir/display")"
  openbox >/dev/null 2>&1 &
  PIDS+=($!)
  for ((i = 0; i < 50; i++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    sleep 0.1
  done
  echo "openbox did not start" >&2
  return 1
}
