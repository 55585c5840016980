#!/usr/bin/env bash
# Port 1 named as something that is not a serial line: a regular file, a
# symbolic link to one, a folder, and a character device that is not a
# terminal (/dev/null). Each is refused with the box and the same text on
# standard error, the panel ends with status 1, and the file or folder is left
# exactly as it was: content, size, times and listing.
source "$(dirname "$0")/lib.sh"
e2e_start_display

# Starts the panel on port path $1, expects error $2 and status 1.
expect_refused() {
  local path=$1 number=$2 box
  export KELVORIA_PORT1=$path
  e2e_start_panel
  box=$(box_of "$PANEL_PID") || fail "$path: no failure box: $(cat "$WORK/panel.err")"
  wait_for 30 grep -q "Error $number" "$WORK/panel.err" || fail "$path: unexpected stderr: $(cat "$WORK/panel.err")"
  grep -q -x "Kelvoria Shutter Display: Error $number: .* ($path: .*)" "$WORK/panel.err" ||
    fail "$path: unexpected failure text: $(cat "$WORK/panel.err")"
  acknowledge_box "$box" "$PANEL_PID" 1000
  expect_status "$PANEL_PID" 1
  expect_no_crash_text "$WORK/panel.err"
  echo "$path: $(cut -d: -f2- "$WORK/panel.err" | grep Error)"
}

# Everything about a path that a write, a truncation or a new file would change.
fingerprint() {
  stat -c '%F %s %a %y %z' "$1"
  if [ -d "$1" ]; then
    ls -la --time-style=full-iso "$1"
  else
    sha256sum <"$1"
  fi
}

file=$WORK/port-file
printf 'not a serial line\n\x80\x81' >"$file"
touch -d '2001-01-01 12:00:00' "$file"
before=$(fingerprint "$file")
expect_refused "$file" 1003
[ "$(fingerprint "$file")" = "$before" ] || fail "the file changed: $(fingerprint "$file")"

ln -s "$file" "$WORK/port-link"
expect_refused "$WORK/port-link" 1003
[ "$(fingerprint "$file")" = "$before" ] || fail "the file behind the link changed: $(fingerprint "$file")"

folder=$WORK/port-folder
mkdir "$folder"
echo kept >"$folder/inside"
touch -d '2001-01-01 12:00:00' "$folder/inside" "$folder"
before=$(fingerprint "$folder")
expect_refused "$folder" 1003
[ "$(fingerprint "$folder")" = "$before" ] || fail "the folder changed: $(fingerprint "$folder")"

expect_refused /dev/null 1003
echo "PASS"
