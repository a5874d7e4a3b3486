#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy at the root) over our own sources as the dev build compiles them: its
# compile_commands.json, without the moc and rcc files the build generates. Any finding fails.
# Usage: tools/run-clang-tidy.sh   (configures and builds the dev preset first: the tests include their
# generated .moc files)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/dev
cmake --preset dev >/dev/null
cmake --build --preset dev >/dev/null
log=$build/clang-tidy.log
if ! run-clang-tidy-14 -p "$build" -quiet -j "$(nproc)" \
    "^$(pwd)/(app|assets|bench|board|fuzz|game|platform|remote|setup|tests)/" >"$log" 2>&1; then
    sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E "(warning|error):" | sort -u
    echo "clang-tidy: the findings above (whole output: $log)"
    exit 1
fi
echo "clang-tidy: ok"
