#!/usr/bin/env bash
# Builds Spawnsmith for Windows, here on Linux, and checks it under Wine:
#   1. the cross toolchain: MinGW-w64 and a static Qt (scripts/windows-toolchain.sh, cached);
#   2. spawnsmith.exe and the test suites, cross-built into build/windows;
#   3. the executable: a GUI program of at most 20 MB that needs only Windows' own DLLs and
#      carries its version information, and its console companion spawnsmith.com;
#   4. the test suites of what differs on Windows (ctest label "wine"), run under Wine; with
#      --all-suites every suite (Wine builds windows slowly: about half an hour more);
#   5. the command line typed into cmd.exe under Wine (output redirected, exit status), and the
#      program walked under Wine as a keyboard user (tests/realx/driver.sh keyboard-walk);
#   6. the .zip package: spawnsmith.exe, spawnsmith.com, the licence and a read-me.
# Usage:  scripts/windows.sh [--all-suites] [--screenshot] [--walks N]
#         --screenshot also refreshes docs/screenshots/windows/game-pick.png
#         --walks N    walks N times in a row (each on a fresh display), to show it is steady
# Prints: progress; the path of spawnsmith.exe as the last line.
# Env:    SPAWNSMITH_CACHE  where the Windows Qt and the Wine prefix are kept
#                           (default: ${XDG_CACHE_HOME:-~/.cache}/spawnsmith)
set -euo pipefail
cd "$(dirname "$0")/.."

screenshot=0
suites=(-L wine)
walks=1
while [ $# -gt 0 ]; do
    case $1 in
    --screenshot) screenshot=1 ;;
    --all-suites) suites=() ;;
    --walks) walks=$2; shift ;;
    *) echo "usage: scripts/windows.sh [--all-suites] [--screenshot] [--walks N]" >&2; exit 2 ;;
    esac
    shift
done

start=$SECONDS
lap_start=$SECONDS
# Prints how long the step since the previous call took.
lap() {
    echo "-- $1: $((SECONDS - lap_start)) s"
    lap_start=$SECONDS
}

echo "== toolchain"
qt_prefix=$(scripts/windows-toolchain.sh | tail -n 1)
scripts/deps.sh wine wine64 fonts-wine xvfb xauth openbox xdotool xclip x11-utils imagemagick unzip
lap "toolchain"

echo "== build"
build=build/windows
# Qt's own toolchain file puts its prefix on the search path and loads the MinGW one; Wine runs
# the test programs for ctest.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DSPAWNSMITH_WERROR=ON >/dev/null
cmake --build "$build"
exe=$PWD/$build/src/spawnsmith.exe
lap "build"

echo "== the executable"
fail() {
    echo "windows: $*" >&2
    exit 1
}
size=$(stat -c %s "$exe")
headers=$(x86_64-w64-mingw32-objdump -p "$exe")
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | sort -fu)
echo "spawnsmith.exe: $size bytes; imports: $(tr "\n" " " <<<"$imports")"
[ "$size" -le $((20 * 1024 * 1024)) ] || fail "spawnsmith.exe is larger than 20 MB"
grep -q 'Subsystem.*Windows GUI' <<<"$headers" || fail "spawnsmith.exe is not a GUI program"
# Its companion for the command line opens in the console it is typed into.
com=$PWD/$build/src/spawnsmith.com
# (Read whole first: grep -q leaves a pipe early, and under pipefail objdump's SIGPIPE fails it.)
com_headers=$(x86_64-w64-mingw32-objdump -p "$com")
grep -q 'Subsystem.*Windows CUI' <<<"$com_headers" || fail "spawnsmith.com is not a console program"
# Only DLLs that every Windows 10 and 11 has; none of MinGW's or Qt's.
system_dlls='advapi32|authz|comdlg32|d3d9|d3d11|dwmapi|dxgi|gdi32|imm32|kernel32|msvcrt|'
system_dlls+='netapi32|ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|'
system_dlls+='version|winmm|ws2_32|wtsapi32|api-ms-win-[a-z0-9-]+'
unexpected=$(grep -viE "^($system_dlls)\.dll$" <<<"$imports" || true)
[ -z "$unexpected" ] || fail "spawnsmith.exe needs DLLs that Windows does not ship: $unexpected"
resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc 2>/dev/null || true)
for value in '"ProductName", "Spawnsmith' '"ProductVersion", "0.1' '"FileDescription"' \
    '"LegalCopyright"'; do
    grep -qF "$value" <<<"$resources" || fail "the version resource lacks $value"
done
lap "checks"

# shellcheck source=scripts/windows-wine.sh
source scripts/windows-wine.sh
# From here on Wine runs: its server and programs end with this script, interruption included.
# (The virtual displays are xvfb-run's and the real-X driver's, which end their own.)
trap wine_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
echo "== tests under Wine"
# Wine draws into an X display even for programs that show nothing of their own.
scripts/interruptible.sh xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96 -nolisten tcp" \
    bash -c 'source scripts/windows-wine.sh && wine_prefix && status=0 &&
             ctest --test-dir "$1" --output-on-failure -j2 "${@:2}" || status=$?
             wineserver -k || true; exit "$status"' _ "$build" "${suites[@]}" || {
    # The suites write their logs to files (QtTest's output does not reach a pipe under Wine).
    for log in "$build"/tests/*.log; do
        grep -q '^FAIL!' "$log" && { echo "== $log"; grep -v '^PASS' "$log"; }
    done
    fail "a test suite failed under Wine"
}
lap "tests"

echo "== command line under Wine"
# Typed into cmd.exe as a user types it: "spawnsmith" finds spawnsmith.com, the redirection
# gets the lines (LF only, the car pair's CR LF aside) and the exit status reaches the shell.
printf '1 2 3\r\n4.1234567, 5, 6\r\n' >"$build/cli-points.txt"
printf '%s\n' '032B: $rl1 = create_weapon_pickup #ROCKETLA  15 ammo  50 at 1 2 3' \
    '032B: $rl2 = create_weapon_pickup #ROCKETLA  15 ammo  50 at 4.12346 5 6' >"$build/cli-expected.txt"
# Each check is a batch file, so cmd.exe reads the line exactly as a user types it.
cli_run() { # a cmd.exe command line, run in the folder of spawnsmith.com; prints its output
    printf '@%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$1" >"$build/cli-run.bat"
    (cd "$build/src" && xvfb-run --auto-servernum bash -c \
        'source ../../../scripts/windows-wine.sh && wine_prefix >/dev/null &&
         wine cmd /c ..\\cli-run.bat; status=$?; wineserver -k || true; exit "$status"')
}
cli_status=0
cli_run 'spawnsmith batch ..\cli-points.txt --game vc --row "Rocket Launcher" --name rl{n} --ammo 50 > ..\cli-out.txt' ||
    cli_status=$?
[ "$cli_status" = 0 ] || fail "spawnsmith batch exited with $cli_status under Wine"
cmp "$build/cli-out.txt" "$build/cli-expected.txt" || fail "spawnsmith batch wrote other lines under Wine"
cli_status=0
cli_run 'spawnsmith batch ..\no-such-file.txt --game vc --row Bat --name b{n}' 2>/dev/null ||
    cli_status=$?
[ "$cli_status" = 1 ] || fail "a batch run with an error exited with $cli_status under Wine, not 1"
cli_help=$(cli_run 'spawnsmith --help')
grep -q 'Subcommands:' <<<"$cli_help" || fail "spawnsmith --help printed nothing under Wine"
lap "command line"

echo "== keyboard walk under Wine"
mapfile -t scenarios < <(yes keyboard-walk | head -n "$walks")
tests/realx/driver.sh --artifacts "$build/walk" "${scenarios[@]}" -- wine "$exe"
if [ "$screenshot" = 1 ]; then
    tools/windows-screenshot.sh "$exe" docs/screenshots/windows/game-pick.png
fi
wine_cleanup
lap "walk"

echo "== package"
rm -f "$build"/packages/*.zip
(cd "$build" && cpack >/dev/null)
zip=$(ls "$build"/packages/*.zip)
listing=$(unzip -Z1 "$zip")
for file in spawnsmith.exe spawnsmith.com LICENSE.txt README.txt; do
    grep -q "/$file\$\|^$file\$" <<<"$listing" || fail "$(basename "$zip") lacks $file"
done
echo "$zip: $(stat -c %s "$zip") bytes"
lap "package"

echo "-- Windows stage: $((SECONDS - start)) s"
echo "$exe"
