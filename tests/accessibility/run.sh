#!/usr/bin/env bash
# Runs the accessibility test: the real program on a private X server (Xvfb) with a window
# manager (openbox), a private D-Bus session bus and the accessibility bus (at-spi2-core), Qt's
# accessibility bridge switched on, and a client (pyatspi) that reads and drives the program
# through the accessibility bus alone, as a screen reader does.
# Usage: tests/accessibility/run.sh PATH/TO/spawnsmith
# Exit status: 0 passed, 1 failed, 77 skipped (the accessibility stack cannot start here).
set -euo pipefail

skip=77
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=scripts/skipped.sh
source "$here/../../scripts/skipped.sh"
launcher=/usr/libexec/at-spi-bus-launcher
# Debian's pyatspi is installed for Debian's own interpreter, not for one earlier on PATH.
python=/usr/bin/python3

skipping() {
    skipped accessibility_test "$*"
}

if [ "${1:-}" != --inside ]; then
    program="${1:?usage: run.sh PATH/TO/spawnsmith}"
    [ -x "$program" ] || { echo "FAIL: no program at $program"; exit 1; }
    for tool in Xvfb openbox dbus-run-session dbus-send; do
        command -v "$tool" >/dev/null || skipping "$tool is not installed (xvfb, openbox, dbus)"
    done
    [ -x "$launcher" ] || skipping "$launcher is not installed (at-spi2-core)"
    [ -x "$python" ] || skipping "$python is not installed"
    "$python" -c 'import gi; gi.require_version("Atspi", "2.0"); import pyatspi' 2>/dev/null ||
        skipping "pyatspi is not importable by $python (python3-pyatspi, gir1.2-atspi-2.0)"

    # Private runtime and configuration folders, set before the session bus starts so that
    # whatever it starts (the accessibility bus keeps its socket in the runtime folder) belongs
    # to this run alone, also when several runs share the machine.
    workdir="$(mktemp -d)"
    trap 'rm -rf "$workdir"' EXIT
    export XDG_RUNTIME_DIR="$workdir/runtime" XDG_CONFIG_HOME="$workdir/config"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
    status=0
    # A private session bus: nothing of the desktop this may run on is seen or disturbed.
    dbus-run-session -- "$0" --inside "$program" "$workdir" 2>"$workdir/bus.log" || status=$?
    # On failure, what the buses and the test printed to standard error, less the daemons'
    # complaint that they may not raise their file limit.
    if [ "$status" -ne 0 ] && [ "$status" -ne "$skip" ]; then
        grep -v 'fd limit' "$workdir/bus.log" || true
    fi
    exit "$status"
fi
program="$2"
workdir="$3"

pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

# Waits up to 10 seconds for a command to succeed.
await() {
    local _
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# The X server picks a free display number itself and writes it to a file once it listens.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" \
    >"$workdir/xvfb.log" 2>&1 &
xvfb=$!
pids+=("$xvfb")
for _ in $(seq 100); do
    [ -s "$workdir/display" ] || ! kill -0 "$xvfb" 2>/dev/null && break
    sleep 0.1
done
[ -s "$workdir/display" ] || { cat "$workdir/xvfb.log"; skipping "Xvfb did not start"; }
export DISPLAY=":$(cat "$workdir/display")"

# The window manager gives the newest window the keyboard focus, as a desktop does.
openbox --sm-disable --config-file /dev/null >"$workdir/openbox.log" 2>&1 &
pids+=($!)

# The accessibility bus: the launcher starts a bus of its own with the registry on it, and
# announces it as org.a11y.Bus on the session bus. Started here rather than on demand, so that
# it is this script's to end.
"$launcher" --launch-immediately >"$workdir/launcher.log" 2>&1 &
pids+=($!)
owned() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true
}
await owned || { cat "$workdir/launcher.log"; skipping "the accessibility bus did not start"; }
address="$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress | tr -d ' ')"
# The registry answers on the accessibility bus once it is up.
await dbus-send --bus="$address" --print-reply --dest=org.a11y.atspi.Registry \
    /org/a11y/atspi/accessible/root org.freedesktop.DBus.Peer.Ping ||
    skipping "the accessibility registry (at-spi2-registryd) did not start"

# Qt's bridge joins the accessibility bus even without a screen reader running.
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
status=0
PYTHONDONTWRITEBYTECODE=1 "$python" "$here/a11y_test.py" "$program" || status=$?
exit "$status"
