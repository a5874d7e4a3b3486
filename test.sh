#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: in the dev build, then in the build with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup-machine.sh
export QT_QPA_PLATFORM=offscreen
echo "== package"
tools/check-package.sh
for preset in dev asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
