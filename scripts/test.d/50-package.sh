#!/usr/bin/env bash
# Builds the release packages, installs the .deb with apt, checks that every file is where a
# Linux desktop looks for it and passes the desktop-entry and AppStream validators, starts the
# installed program headless, then removes the package and checks that nothing is left behind.
# Then does the same in a bare Debian 12 made with debootstrap, without recommended packages,
# which proves that the package's dependencies alone are enough to run it.
# Needs root (or sudo) for apt-get; CI runs it as root on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/deps.sh dpkg-dev desktop-file-utils appstream debootstrap
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

app_id=app.spawnsmith.Spawnsmith
build=build/package
fail() {
    echo "package: $*" >&2
    exit 1
}
# Runs a command silently, showing its output only if it fails.
quietly() {
    local log status=0
    log=$(mktemp)
    "$@" >"$log" 2>&1 </dev/null || status=$?
    [ "$status" -eq 0 ] || cat "$log" >&2
    rm -f "$log"
    return "$status"
}

echo "-- building the packages (at ${SECONDS}s)"
rm -rf "$build/packages"
quietly cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
quietly cmake --build "$build" --target spawnsmith
(cd "$build" && quietly cpack)
deb=$(ls "$build"/packages/spawnsmith_*.deb)
tarball=$(ls "$build"/packages/spawnsmith-*.tar.gz)
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' ||
    fail "the .deb does not depend on the Qt libraries"
tar -tzf "$tarball" | grep -q '/bin/spawnsmith$' || fail "the tarball has no bin/spawnsmith"

echo "-- installing $(basename "$deb") (at ${SECONDS}s)"
quietly $sudo apt-get install -y "./$deb"
mapfile -t owned < <(dpkg-query -L spawnsmith)

expected=(
    /usr/bin/spawnsmith
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -f "$file" ] || fail "not installed: $file"
done
[ -x /usr/bin/spawnsmith ] || fail "/usr/bin/spawnsmith is not executable"

desktop-file-validate "/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml"

echo "-- starting the installed program headless (at ${SECONDS}s)"
status=0
(cd / && QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/spawnsmith </dev/null) || status=$?
[ "$status" -eq 124 ] || fail "the installed program ended with status $status before the timeout"

echo "-- removing the package (at ${SECONDS}s)"
quietly $sudo apt-get remove -y spawnsmith
state=$(dpkg-query -W -f='${db:Status-Status}' spawnsmith 2>/dev/null || true)
case "$state" in
"" | not-installed) ;;
*) fail "spawnsmith is still known to dpkg as $state" ;;
esac
for path in "${owned[@]}"; do
    [ -d "$path" ] && continue # shared folders such as /usr/share/icons stay
    [ ! -e "$path" ] || fail "left behind: $path"
done
left=$(find /usr -iname '*spawnsmith*' 2>/dev/null)
[ -z "$left" ] || fail "left behind: $left"

echo "-- the same in a bare Debian 12 (at ${SECONDS}s)"
root=$build/debian12
$sudo rm -rf "$root"
if ! quietly $sudo debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian; then
    echo "package: SKIPPED the bare Debian 12 check: debootstrap could not fetch the base system"
else
    $sudo cp "$deb" "$root/tmp/"
    in_root() { $sudo chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive "$@" </dev/null; }
    quietly in_root apt-get update
    quietly in_root apt-get install -y --no-install-recommends "/tmp/$(basename "$deb")"
    status=0
    in_root sh -c 'cd / && QT_QPA_PLATFORM=offscreen timeout 5 spawnsmith' >/dev/null 2>&1 ||
        status=$?
    [ "$status" -eq 124 ] || fail "in a bare Debian 12 the program ended with status $status"
    quietly in_root apt-get remove -y spawnsmith
    left=$(in_root find /usr -iname '*spawnsmith*')
    [ -z "$left" ] || fail "left behind in a bare Debian 12: $left"
    $sudo rm -rf "$root"
fi
echo "package: built, validated, installed, started and removed cleanly"
