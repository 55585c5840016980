#!/usr/bin/env bash
# Builds the Debian package from build/, installs it with dpkg, checks its
# files, runs the installed panel against the installed simulator under Xvfb
# (splash, SHUTTER1 once, END PROGRAM), then removes the package and checks
# that its files are gone. Needs root or sudo; a package left installed by an
# earlier run is simply replaced.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
pkg=kelvoria-shutter-display
sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
files=(/usr/bin/kelvoria-shutter-display /usr/bin/kelvoria-controller-sim
       /usr/share/applications/$pkg.desktop
       /usr/share/icons/hicolor/16x16/apps/$pkg.png
       /usr/share/icons/hicolor/48x48/apps/$pkg.png
       /usr/share/icons/hicolor/256x256/apps/$pkg.png)

fail() { echo "package check FAILED: $*" >&2; exit 1; }
installed() { dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; }

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=\([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' build/CMakeCache.txt)
arch=$(dpkg --print-architecture)
deb=$root/build/${pkg}_${version}_${arch}.deb
rm -f "$deb"
(cd build && cpack -G DEB)
[ -f "$deb" ] || fail "cpack made no $deb"
echo "== $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Architecture Maintainer Section Depends

if installed; then
  echo "== $pkg is installed from an earlier run; removing it first"
  $sudo dpkg -r "$pkg" >/dev/null
fi
if ! $sudo dpkg -i "$deb"; then
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -f -y -q
fi
installed || fail "$pkg is not installed after dpkg -i"

for f in "${files[@]}"; do [ -f "$f" ] || fail "$f is missing"; done
for f in /usr/bin/kelvoria-routine-bench /usr/bin/routines_tests; do
  [ ! -e "$f" ] || fail "$f must not be installed"
done
if dpkg -L "$pkg" | grep -E -i 'bench|test|gtest|/include/'; then fail "the package holds more than the panel"; fi
if ldd /usr/bin/kelvoria-shutter-display | grep "not found"; then fail "libraries missing"; fi
grep -qx "Exec=kelvoria-shutter-display" "${files[2]}" || fail "desktop entry does not start the panel"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "${files[2]}" || fail "desktop entry is not valid"
else
  echo "== desktop-file-validate is not installed; desktop entry not validated"
fi
for size in 16 48 256; do
  got=$(identify -format '%wx%h' "/usr/share/icons/hicolor/${size}x${size}/apps/$pkg.png")
  [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done

# The installed programs, driven as the end-to-end tests drive the built ones.
echo "== running the installed panel"
(
  PANEL=$(command -v kelvoria-shutter-display) SIM=$(command -v kelvoria-controller-sim)
  [ "$PANEL" = /usr/bin/kelvoria-shutter-display ] || fail "kelvoria-shutter-display resolves to $PANEL"
  source "$root/tests/e2e/lib.sh"
  e2e_start_display
  e2e_start_sim
  e2e_start_panel
  W=$(window_of "KELVORIA 2001")
  click_at "$W" 52 244    # SHUTTER1
  expect_bytes "80"
  click_at "$W" 496 364   # END PROGRAM
  expect_exit 0
  expect_bytes "80"
)

$sudo dpkg -r "$pkg"
installed && fail "$pkg is still installed after dpkg -r"
for f in "${files[@]}"; do [ ! -e "$f" ] || fail "$f is left after dpkg -r"; done
echo "== package check passed: built, installed, ran, removed"
