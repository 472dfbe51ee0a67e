#!/usr/bin/env bash
# Builds the release packages, runs lintian on the .deb (any error or warning fails), checks that
# the version from project() is the one in every place that states it, installs the .deb with
# apt, checks that every file is where a Linux desktop and Debian look for it (program, desktop
# entry, AppStream metadata, icons, manual page, copyright file, changelog) and passes the
# desktop-entry and AppStream validators, starts the installed program headless, then removes
# the package and checks that nothing is left behind.
# Then does the same in a bare Debian 12 made with debootstrap, without recommended packages,
# which proves that the package's dependencies alone are enough to run it.
# Needs root (or sudo) for apt-get; CI runs it as root on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/../.."

# file lets CPack find the executables whose libraries dpkg-shlibdeps (dpkg-dev) turns into
# dependencies.
scripts/deps.sh dpkg-dev file lintian desktop-file-utils appstream debootstrap
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

app_id=app.spawnsmith.Spawnsmith
build=build/package
root=$build/debian12
source scripts/skipped.sh

# Whatever happens, interruption included, the package leaves this system again and the bare
# Debian goes: its mounts first (debootstrap mounts /proc and /sys while it works), then its
# files, on this file system only.
installed=0
cleanup() {
    local status=$?
    if [ "$installed" = 1 ]; then
        quietly $sudo apt-get remove -y spawnsmith || true
    fi
    if [ -d "$root" ]; then
        findmnt -Rrn -o TARGET --target "$PWD/$root" 2>/dev/null | grep "^$PWD/$root/" |
            sort -r | xargs -r $sudo umount -l 2>/dev/null || true
        $sudo rm -rf --one-file-system "$root"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

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
# The listing is kept whole: "tar | grep -q" can fail under pipefail when grep stops reading early.
listing=$(tar -tzf "$tarball")
grep -q '/bin/spawnsmith$' <<<"$listing" || fail "the tarball has no bin/spawnsmith"
grep -q '/share/doc/spawnsmith/LICENSE$' <<<"$listing" ||
    fail "the tarball has no share/doc/spawnsmith/LICENSE"
cmp -s LICENSE /usr/share/common-licenses/GPL-3 || fail "LICENSE is not the GPL version 3 text"
dpkg-deb --field "$deb" Recommends | grep -qw 'xdg-utils' ||
    fail "the .deb does not recommend xdg-utils (the mail and web entries run xdg-open)"

echo "-- lintian (at ${SECONDS}s)"
# The same command as in packaging/README.md. As root lintian adds a notice that it would rather
# not run as root; that line is not a finding.
status=0
findings=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
findings=$(grep -v '^running with root privileges is not recommended!$' <<<"$findings" || true)
[ -z "$findings" ] || echo "$findings"
if [ "$status" -ne 0 ] || grep -q '^[EW]: ' <<<"$findings"; then
    fail "lintian reports errors or warnings on $(basename "$deb") (status $status)"
fi

# The version is written once, in project(); the package, the tarball's name, the AppStream
# release, the changelog and the manual page must all carry that one.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
made=$build/packaging
stated=(
    "package:$(dpkg-deb --field "$deb" Version)"
    "tarball:$(basename "$tarball" | sed -n 's/^spawnsmith-\([^-]*\)-.*/\1/p')"
    "AppStream release:$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
        "$made/$app_id.metainfo.xml" | head -n 1)"
    "changelog:$(dpkg-parsechangelog -l "$made/changelog" -S Version)"
    "manual page:$(sed -n 's/^\.TH .* "[^ ]* \([^ "]*\)" "[^"]*"$/\1/p' "$made/spawnsmith.1")"
)
for entry in "${stated[@]}"; do
    [ "${entry#*:}" = "$version" ] ||
        fail "the ${entry%%:*} says version '${entry#*:}' where project() says $version"
done

echo "-- installing $(basename "$deb") (at ${SECONDS}s)"
installed=1
quietly $sudo apt-get install -y "./$deb"
mapfile -t owned < <(dpkg-query -L spawnsmith)

expected=(
    /usr/bin/spawnsmith
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    /usr/share/man/man1/spawnsmith.1.gz
    /usr/share/doc/spawnsmith/copyright
    /usr/share/doc/spawnsmith/changelog.gz
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
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "/usr/share/metainfo/$app_id.metainfo.xml" || fail "AppStream does not say GPL-3.0-or-later"

# lintian has checked the copyright file's syntax and the manual page's groff warnings; here:
# the copyright file is the machine-readable kind and licenses the program GPL-3+, and man finds
# the manual page where it was installed.
copyright=/usr/share/doc/spawnsmith/copyright
format=https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
[ "$(head -n 1 "$copyright")" = "Format: $format" ] ||
    fail "$copyright is not in the machine-readable format"
grep -qx 'License: GPL-3+' "$copyright" || fail "$copyright does not license the program GPL-3+"
[ "$(man -w spawnsmith)" = /usr/share/man/man1/spawnsmith.1.gz ] ||
    fail "man does not find spawnsmith(1)"

# The package's section and the desktop entry's main category say the same thing.
section=$(dpkg-deb --field "$deb" Section)
categories=$(sed -n 's/^Categories=//p' "/usr/share/applications/$app_id.desktop")
case "$section:$categories" in
devel:Development\;* | games:Game\;*) ;;
*) fail "section $section does not match the desktop categories $categories" ;;
esac

echo "-- starting the installed program headless (at ${SECONDS}s)"
status=0
(cd / && QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/spawnsmith </dev/null) || status=$?
[ "$status" -eq 124 ] || fail "the installed program ended with status $status before the timeout"

echo "-- removing the package (at ${SECONDS}s)"
quietly $sudo apt-get remove -y spawnsmith
installed=0
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
mirror=http://deb.debian.org/debian
$sudo rm -rf --one-file-system "$root"
if ! quietly $sudo debootstrap --variant=minbase bookworm "$root" "$mirror"; then
    # Only an unreachable mirror excuses the check; any other failure of debootstrap is one.
    host=${mirror#http://}
    host=${host%%/*}
    if timeout 20 bash -c "exec 3<>/dev/tcp/$host/80" 2>/dev/null; then
        fail "debootstrap could not make a bare Debian 12 although $host answers"
    fi
    skip "bare Debian 12 package check" "package mirror unreachable ($host)"
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
fi
echo "package: built, validated, installed, started and removed cleanly"
