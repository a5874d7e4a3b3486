#!/usr/bin/env bash
# Installs what is missing, builds the program, installs it into its own folder in your home and starts
# it from there. That folder is also where your boards are saved, so no rebuild and no fresh clone of
# the project can take them away: ${XDG_DATA_HOME:-~/.local/share}/scoreboard
set -euo pipefail
cd "$(dirname "$0")"
tools/setup-machine.sh
cmake --preset release >/dev/null
cmake --build --preset release --target scoreboard

home_folder="${XDG_DATA_HOME:-$HOME/.local/share}/scoreboard"
mkdir -p "$home_folder"
install -m 755 build/scoreboard "$home_folder/scoreboard"
# An operator may have put a start sound of their own there: keep it.
[[ -f "$home_folder/start.wav" ]] || install -m 644 build/start.wav "$home_folder/start.wav"
exec "$home_folder/scoreboard" "$@"
