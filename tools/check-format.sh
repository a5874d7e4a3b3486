#!/usr/bin/env bash
# Fails, naming the places, when a tracked C++ file is not as clang-format-14 would write it (.clang-format).
# Mend with: clang-format-14 -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
echo "format: ok"
