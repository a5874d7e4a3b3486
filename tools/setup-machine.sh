#!/usr/bin/env bash
# Installs what building, running and testing the scoreboard needs on Debian 12, and nothing when it is
# all there already. Used by run.sh and test.sh.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config         # the build
    qt6-base-dev qt6-multimedia-dev          # Qt 6 Widgets and QSoundEffect
    qt6-base-dev-tools libgl-dev             # moc/rcc, and the GL headers Qt's CMake files look for
    libqt6multimedia6 gstreamer1.0-plugins-base
    fonts-nanum fonts-nanum-extra            # stand-ins for 굴림 and HY견고딕
    clang-14 libclang-rt-14-dev              # the fuzzer (libFuzzer) and its sanitizer runtime
    clang-format-14 clang-tidy-14            # the format check and the static checks of test.sh
    dpkg-dev file desktop-file-utils         # building and checking the Debian package
    lintian appstream                        # judging it as Debian and software centres do
    qt6-websockets-dev libqrencode-dev       # the phone remote: its push channel and its QR code
    chromium chromium-driver python3-selenium # the remote's test in a real browser
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=
[[ $(id -u) -eq 0 ]] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
