#!/usr/bin/env bash
# Builds the Debian package and judges it with Debian's own tools: lintian, the AppStream validator and
# the desktop-entry validator must report no error and no warning. Then unpacks it into a scratch root,
# checks that everything is where a desktop, a software centre and man look for it, and starts the
# unpacked program on the offscreen platform to see it start and end cleanly.
# Usage: tools/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
cmake --preset release >/dev/null
cmake --build "$build" --target scoreboard scoreboard_package_files
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/scoreboard_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

passed=0
failed=0
check() {
    if eval "$2"; then
        echo "ok   $1"
        passed=$((passed + 1))
    else
        echo "FAIL $1"
        failed=$((failed + 1))
    fi
}

# Runs a judging tool and shows what it said; fails when it exits non-zero or says anything at the level
# of a warning or an error. $1 is the pattern of such lines in the tool's output.
judged_clean() {
    local pattern=$1 output status=0
    shift
    output=$("$@" 2>&1) || status=$?
    # lintian's notice about running as root is about lintian, not about the package.
    output=$(grep -v '^running with root privileges' <<<"$output" || true)
    [[ -z $output ]] || sed 's/^/     /' <<<"$output"
    [[ $status -eq 0 ]] && ! grep -qE "$pattern" <<<"$output"
}

metainfo=$root/usr/share/metainfo/org.example.scoreboard.metainfo.xml
desktop=$root/usr/share/applications/scoreboard.desktop
# Informational tags are shown too, so that nothing new goes unseen; only errors and warnings fail.
check "lintian: no error, no warning" 'judged_clean "^[EW]: " lintian --display-info --fail-on error,warning "$deb"'
check "AppStream metadata validates" 'judged_clean "^ *[EW]: " appstreamcli validate --no-net "$metainfo"'
# The installed tree as a software centre sees it: the metadata's launchable is the desktop entry there.
check "AppStream validates the installed tree" 'judged_clean "^ *[EW]: " appstreamcli validate-tree --no-net "$root"'
check "desktop entry validates" 'judged_clean ": (error|warning): " desktop-file-validate "$desktop"'

check "program in its own folder" '[[ -x $root/usr/lib/scoreboard/scoreboard ]]'
check "command on the PATH" '[[ -L $root/usr/bin/scoreboard && $(readlink -f $root/usr/bin/scoreboard) == $root/usr/lib/scoreboard/scoreboard ]]'
check "start sound in the data folder" '[[ $(file -b $root/usr/share/scoreboard/start.wav) == RIFF*WAVE* ]]'
check "desktop entry" '[[ -f $desktop ]] && grep -q "^Exec=scoreboard$" $desktop && grep -q "^Icon=scoreboard$" $desktop'
check "desktop entry in Korean and English" 'grep -q "^Name=NUV Scoreboard$" $desktop && grep -q "^Name\[ko\]=NUV 점수판$" $desktop'
for size in 16 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/scoreboard.png
    check "icon ${size}x${size}" '[[ $(file -b $icon) == "PNG image data, $size x $size,"* ]]'
done
check "AppStream metadata in Korean and English" 'grep -q "<name>NUV Scoreboard</name>" $metainfo && grep -q "<name xml:lang=\"ko\">NUV 점수판</name>" $metainfo'
check "AppStream release is the package version" 'grep -q "<release version=\"$(dpkg-deb -f "$deb" Version)\"" $metainfo'
for page in man/man1 man/ko/man1; do
    check "manual page $page/scoreboard.1.gz" '[[ $(zcat $root/usr/share/$page/scoreboard.1.gz | head -n 1) == ".TH SCOREBOARD 1 "* ]]'
done
check "Korean manual page is Korean" 'zcat $root/usr/share/man/ko/man1/scoreboard.1.gz | grep -q "^\.SH 이름$"'
check "changelog's latest entry is the package version" '[[ $(zcat $root/usr/share/doc/scoreboard/changelog.gz | dpkg-parsechangelog -l - -S Version) == $(dpkg-deb -f "$deb" Version) ]]'
check "package depends on the fonts" 'dpkg-deb -f "$deb" Depends | grep -q fonts-nanum'
check "package depends on Qt" 'dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6'

# The state letter of a process (R, S, Z...), or "gone".
state_of() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo gone; return; }
    stat=${stat##*) }
    echo "${stat%% *}"
}
# Whether the process runs the unpacked program (not the shell that starts it) and has a handler for
# SIGTERM (signal 15, bit 14 of the SigCgt mask).
program_catches_sigterm() {
    local mask
    [[ $(readlink "/proc/$1/exe" 2>/dev/null) == "$(readlink -f "$root/usr/lib/scoreboard/scoreboard")" ]] || return 1
    mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null)
    [[ -n $mask ]] && (((16#$mask >> 14) & 1))
}
# Waits for a condition, checking every 50 ms for at most $1 seconds.
within() {
    local tries=$(($1 * 20))
    shift
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.05
    done
}
ended() { [[ $(state_of "$1") == [Zx]* || $(state_of "$1") == gone ]]; }
up_or_ended() { program_catches_sigterm "$1" || ended "$1"; }

# The program has no command line, so its start and end are watched from outside. It takes over SIGTERM
# as the last step before its event loop, once the setup screen is shown: the handler being in place
# means it started. SIGTERM then asks it to end; only its event loop can turn that into exit status 0,
# after tearing its windows down. A crash, a hang or an error at either step fails, each bounded in time.
starts_and_ends_cleanly() {
    local log=$root/program.log pid status=0 fault=
    mkdir -p "$root/home"
    (cd / && exec env -u XDG_DATA_HOME -u XDG_CONFIG_HOME QT_QPA_PLATFORM=offscreen HOME="$root/home" \
        "$root/usr/bin/scoreboard") >"$log" 2>&1 &
    pid=$!
    if ! within 60 up_or_ended "$pid"; then
        fault="not started within 60 s"
    elif ended "$pid"; then
        fault="ended by itself before it was asked to"
    else
        kill -TERM "$pid"
        within 60 ended "$pid" || fault="still running 60 s after SIGTERM"
    fi
    [[ -z $fault ]] || kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" || status=$?
    [[ -n $fault || $status -ne 0 ]] || return 0
    echo "     ${fault:-ended with exit status $status}; it printed:"
    sed 's/^/     /' "$log"
    return 1
}
check "unpacked program starts and ends cleanly on SIGTERM" starts_and_ends_cleanly

echo "package: $deb"
echo "package: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
