#!/usr/bin/env bash
# The start-up sound: a WAV put where C:\My Music\aamra[1].wav lands plays
# while the splash waits and stops at once on a key press; the main window then
# shows and opens port 1. With no file, the splash is silent and hands over all
# the same.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_sim

# Activates the splash and presses a key for it, noting when the key was sent.
press_key_on_splash() {
  timeout 2 xdotool windowactivate --sync "$SPLASH" >/dev/null 2>&1 || true
  KEY_AT=$(now)
  xdotool key a
}
dismiss_with_key() { dismiss_splash 5 press_key_on_splash; }

# The main window shows and holds port 1 open.
expect_main_window_with_port() {
  window_of "KELVORIA 2001" >/dev/null
  wait_for 50 bash -c "ls -l /proc/$PANEL_PID/fd | grep -q -- '-> $KELVORIA_PORT1\$'" ||
    fail "port 1 ($KELVORIA_PORT1) was not opened"
}

louder_than() { awk -v level="$1" -v floor="$2" 'BEGIN { exit !(level != "-inf" && level + 0 > floor) }'; }

# With the file: sound while waiting, silence from just after the key.
mkdir -p "$KELVORIA_DRIVE_C/My Music"
sox -n -r 44100 -c 2 -b 16 "$KELVORIA_DRIVE_C/My Music/aamra[1].wav" synth 30 sine 440 vol 0.5
e2e_start_sound
e2e_start_panel_splash
sleep 3
dismiss_with_key
expect_main_window_with_port
sleep 1.5
e2e_stop_sound
before=$(heard_level "$(heard_at "$KEY_AT" -1.5)" 1.2)
after=$(heard_level "$(heard_at "$KEY_AT" 0.3)" 1)
echo "sound while waiting: $before dB; from 0.3 s after the key: $after dB"
louder_than "$before" -30 || fail "no sound while the splash waits ($before dB)"
[ -n "$after" ] || fail "the recording ends before the key"
louder_than "$after" -90 && fail "still sounding after the key ($after dB)"
# How soon it fell silent: the last sounding sample after the key.
last=$(sox "$WORK/heard.wav" -t dat - 2>/dev/null |
  awk -v k="$(heard_at "$KEY_AT")" '!/^;/ && $1 + 0 >= k - 0.5 && ($2 > 0.01 || $2 < -0.01) { t = $1 } END { printf "%.3f", t - k }')
echo "the sound ended ${last} s after the key was sent"
kill "$PANEL_PID"; wait "$PANEL_PID" 2>/dev/null || true

# Without the file: no sound, no message, and the same hand-over.
rm -f "$KELVORIA_DRIVE_C/My Music/aamra[1].wav"
e2e_start_sound
e2e_start_panel_splash
sleep 1.5
dismiss_with_key
expect_main_window_with_port
sleep 0.5
e2e_stop_sound
level=$(heard_level 0 "$RECORD_LENGTH")
echo "with no file, over ${RECORD_LENGTH} s: $level dB"
louder_than "$level" -90 && fail "sound with no file ($level dB)"
[ ! -s "$WORK/panel.err" ] || fail "the panel complained: $(cat "$WORK/panel.err")"
echo "PASS"
