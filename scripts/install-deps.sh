#!/usr/bin/env bash
# Installs the Debian packages the panel and its tests need.
set -euo pipefail
packages=(qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libgtest-dev cmake ninja-build g++
          fonts-liberation2 xvfb openbox xdotool x11-utils imagemagick pulseaudio pulseaudio-utils sox)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
