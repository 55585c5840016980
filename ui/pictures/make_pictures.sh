#!/usr/bin/env bash
# Draws the panel's pictures with ImageMagick: the background of the main
# window (800 x 395, the bank of six shutters on an optical bench) and the
# icons. Run from anywhere; writes beside this script.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Shutter housings, centred near each shutter's circle and button (picture
# coordinates: the picture starts 8 pixels below the window's top).
housings=""
for xy in "70,212" "210,115" "330,215" "470,150" "515,258" "725,146"; do
  x=${xy%,*}; y=${xy#*,}
  housings+=" -fill '#5a6470' -stroke '#2b3038' -strokewidth 2 -draw 'roundrectangle $((x-34)),$((y-30)) $((x+34)),$((y+30)) 8,8'"
  housings+=" -fill '#1c2026' -stroke '#8c96a0' -strokewidth 3 -draw 'circle $x,$y $((x+16)),$y'"
done

eval convert -size 800x395 gradient:'#c9d3dc'-'#8e9aa6' \
  -fill "'#6d7884'" -stroke none -draw "'rectangle 0,286 800,300'" \
  -stroke "'#d84040'" -strokewidth 2 -draw "'line 0,180 800,180'" \
  $housings \
  -fill "'#3a424c'" -stroke none -draw "'rectangle 0,330 800,395'" \
  -type TrueColor "PNG24:$here/background.png"

# The icon: an open shutter, a yellow eye in a dark housing. The window uses
# the 16 x 16 one; the larger ones are installed for desktops and menus.
icon() {
  local size=$1 c=$(($1 / 2))
  convert -size ${size}x${size} xc:none -fill '#2b3038' -draw "circle $c,$c $c,0" \
    -fill '#ffff00' -draw "circle $c,$c $c,$((size / 4))" -colors 256 \
    -define png:exclude-chunks=date,time "PNG8:$2"
}
icon 16 "$here/icon.png"
icon 48 "$here/icon-48.png"
icon 256 "$here/icon-256.png"

# The splash logo: 147 x 131, 256 colours, six shutter eyes in two rows.
logo="-fill '#1a2a44' -draw 'roundrectangle 2,2 144,128 12,12'"
for xy in "34,44" "73,44" "112,44" "34,88" "73,88" "112,88"; do
  x=${xy%,*}; y=${xy#*,}
  logo+=" -fill '#ffd200' -stroke '#8c96a0' -strokewidth 2 -draw 'circle $x,$y $((x+14)),$y'"
done
eval convert -size 147x131 xc:black $logo -colors 256 "PNG8:$here/logo.png"
