#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that everything a desktop needs
# is where a desktop looks for it. Usage: tools/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
cmake --preset release >/dev/null
cmake --build "$build" --target scoreboard
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/scoreboard_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

failures=0
check() { if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi; }

check "program in its own folder" '[[ -x $root/usr/lib/scoreboard/scoreboard ]]'
check "command on the PATH" '[[ -L $root/usr/bin/scoreboard && $(readlink -f $root/usr/bin/scoreboard) == $root/usr/lib/scoreboard/scoreboard ]]'
check "start sound in the data folder" '[[ $(file -b $root/usr/share/scoreboard/start.wav) == RIFF*WAVE* ]]'
desktop=$root/usr/share/applications/scoreboard.desktop
check "desktop entry" '[[ -f $desktop ]] && grep -q "^Exec=scoreboard$" $desktop && grep -q "^Icon=scoreboard$" $desktop'
check "desktop entry in Korean and English" 'grep -q "^Name=NUV Scoreboard$" $desktop && grep -q "^Name\[ko\]=NUV 점수판$" $desktop'
if command -v desktop-file-validate >/dev/null; then
    check "desktop entry validates" 'desktop-file-validate $desktop'
fi
for size in 16 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/scoreboard.png
    check "icon ${size}x${size}" '[[ $(file -b $icon) == "PNG image data, $size x $size,"* ]]'
done
check "package depends on the fonts" 'dpkg-deb -f "$deb" Depends | grep -q fonts-nanum'
check "package depends on Qt" 'dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6'
# The installed program starts and keeps running (it would wait for the operator).
check "installed program starts" '(cd / && QT_QPA_PLATFORM=offscreen HOME=$root/home timeout 3 $root/usr/bin/scoreboard >/dev/null 2>&1; [[ $? -eq 124 ]])'

echo "package: $deb"
[[ $failures -eq 0 ]] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; exit 1; }
