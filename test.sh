#!/usr/bin/env bash
# Installs what is missing, checks the formatting and runs clang-tidy, then builds and runs every test: in
# the dev build, then in the build with AddressSanitizer and UndefinedBehaviorSanitizer, after the Debian
# package check and the replay of the fuzzing corpus (so the last summary printed is the whole suite's).
set -euo pipefail
cd "$(dirname "$0")"
tools/setup-machine.sh
# Formatting first: it takes a second and names the files to run clang-format-14 -i on.
echo "== format"
tools/check-format.sh
# The static checks of .clang-tidy over the dev build's sources (about five minutes of two idle cores).
echo "== clang-tidy"
tools/run-clang-tidy.sh
echo "== package"
tools/check-package.sh
# The board-file reader replays the fuzzing seed corpus under libFuzzer and the sanitizers.
echo "== fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
for preset in dev asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
