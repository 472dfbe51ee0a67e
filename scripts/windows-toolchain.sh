#!/usr/bin/env bash
# Ensures a Windows (x86_64-w64-mingw32) cross toolchain: the MinGW-w64 compilers from Debian and
# a static Qt built from Debian's own qt6-base source, of the same version as the host's Qt.
#
# The Qt goes into a cache outside the repository and is reused while its stamp matches the Qt
# version and the feature options below; changing an option rebuilds it.  The first run takes
# 30-45 minutes on two cores; later runs take a second.
#
# Usage:   scripts/windows-toolchain.sh
# Prints:  progress on stderr; the Qt prefix as the last line of stdout.  A project configures with
#          -DCMAKE_TOOLCHAIN_FILE=<prefix>/lib/cmake/Qt6/qt.toolchain.cmake
# Env:     SPAWNSMITH_CACHE  cache folder (default: ${XDG_CACHE_HOME:-~/.cache}/spawnsmith)
#          JOBS              parallel compile jobs (default: the number of cores)
set -euo pipefail

# Everything but the final prefix goes to stderr, so callers can take the last stdout line.
exec 3>&1 1>&2

qt_version=6.4.2
host_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake
triple=x86_64-w64-mingw32
cache=${SPAWNSMITH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/spawnsmith}
prefix=$cache/qt-$qt_version-mingw-static
jobs=${JOBS:-$(nproc)}

script_start=$SECONDS
phase_start=$SECONDS
# Prints a phase heading with the time the previous phase took.
phase() {
    local now=$SECONDS
    if [ -n "${phase_name:-}" ]; then
        echo "-- $phase_name: done in $((now - phase_start)) s"
    fi
    phase_name=$1
    phase_start=$now
    echo "== $phase_name"
}

# The features of the static Qt.  Only Core, Gui, Widgets, Test, the Windows platform plugin with
# the windowsvista style and the offscreen platform plugin (for the test suites) are built.  This
# list is part of the stamp: editing it rebuilds Qt.
qt_features=(
    # Modules the wizard does not use.
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    # No OpenGL of any kind.  dynamicgl must go too: with it on and opengl off, the Windows
    # platform plugin of 6.4.2 does not compile (isSoftwareGl() tests only dynamicgl).
    -DFEATURE_opengl=OFF
    -DINPUT_opengl=no
    -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF
    # No Direct2D and no DirectWrite: text goes through GDI, as in classic Windows dialogs.
    # 6.4.2 compiles its DirectWrite font engines into Gui only together with Direct2D, while
    # the Windows plugin and the GDI font database call them whenever directwrite is on: with
    # direct2d off alone, linking a program fails on undefined QWindowsFontEngineDirectWrite
    # and QWindowsDirectWriteFontDatabase.
    -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite=OFF
    -DFEATURE_directwrite3=OFF
    # Input and image handling the wizard has no use for; it shows PNG pictures only.
    -DFEATURE_tabletevent=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_ico=OFF
    # Text: Windows' own font engine (GDI) draws the program's text. Qt's bundled FreeType is
    # built only because the offscreen platform plugin, which the test suites run on, needs it.
    # No Fontconfig, ICU, Markdown or ODF writing.
    -DFEATURE_freetype=ON
    -DFEATURE_system_freetype=OFF
    -DFEATURE_fontconfig=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_textodfwriter=OFF
    # Third-party code comes from Qt's own copies: MinGW has no zlib, PCRE2, PNG or HarfBuzz.
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_glib=OFF
    # Never look at the host's pkg-config: its libraries are Linux ones.
    -DFEATURE_pkg_config=OFF
    # A self-contained program: the C++ runtime and winpthread are linked in statically.
    -DFEATURE_static_runtime=ON
    # Smaller code; the wizard is not CPU-bound.
    -DFEATURE_optimize_size=ON
)
stamp_text="qt $qt_version ${qt_features[*]}"
stamp=$prefix/.spawnsmith-stamp

# Runs a command as root: directly when root, else through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Runs apt-get as root without questions.  Another apt-get (an unattended upgrade, a second
# build) may hold dpkg's lock for a while: wait for it rather than fail.
apt_get() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 "$@" </dev/null
}

# One build of the toolchain at a time: a second caller (scripts/test.sh starts the build early
# in the background, and the Windows stage asks for it later) waits for the first and then
# finds its result in the cache.
mkdir -p "$cache"
exec 9>"$cache/.toolchain-lock"
if ! flock -n 9; then
    echo "Waiting for another build of the Windows toolchain to finish"
    flock 9
fi

phase "packages"
# Cross compilers with POSIX threads (std::thread needs them), windres, the host's Qt tools
# (moc, rcc, uic serve the cross build), dpkg-source for the Qt source, and Perl for Qt's
# header generator (syncqt).
"$(dirname "$0")/deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    mingw-w64-tools cmake ninja-build dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools perl
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
case "$host_qt" in
    "$qt_version"+*) ;;
    *) echo "The host's qt6-base-dev is $host_qt; this script builds Qt $qt_version." >&2
       exit 1 ;;
esac

# A cached Qt with the same version and options is reused as it is.
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$stamp_text" ] &&
    [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    phase "cached Qt at $prefix"
    echo "-- total: $((SECONDS - script_start)) s"
    echo "$prefix" >&3
    exit 0
fi

phase "Qt source ($host_qt)"
src_root=$cache/src
src_dir=$src_root/qt6-base-${host_qt%-*}
if [ ! -f "$src_dir/.spawnsmith-unpacked" ]; then
    # apt-get source needs a deb-src entry; add Debian's archive only if none exists.
    if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        echo "Adding a deb-src entry for the Debian archive"
        as_root tee /etc/apt/sources.list.d/spawnsmith-deb-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
        apt_get update -qq
    fi
    rm -rf "$src_root"
    mkdir -p "$src_root"
    # Exactly the host's version, so the host's moc, rcc and uic match the target's Qt.
    # apt-get source runs as the calling user: it only downloads and unpacks.
    (cd "$src_root" && apt-get source -q "qt6-base=$host_qt" </dev/null)
    touch "$src_dir/.spawnsmith-unpacked"
fi

build_dir=$cache/build/qt-$qt_version-mingw-static

# Configures Qt into an empty build folder.  The folder's stamp says which options it has.
configure_qt() {
    rm -rf "$build_dir" "$prefix"
    mkdir -p "$build_dir" "$prefix"
    # The MinGW toolchain file lives inside the prefix: Qt's qt.toolchain.cmake loads it from this
    # absolute path whenever a project configures against this Qt, so it must stay as long as the
    # prefix does.
    toolchain=$prefix/mingw-w64-$triple-posix.cmake
    cat >"$toolchain" <<EOF
# Cross compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER /usr/bin/$triple-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/$triple-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/$triple-windres)
# Libraries and headers come from the MinGW sysroot only, programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/$triple)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
    cmake -S "$src_dir" -B "$build_dir" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
        -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF \
        -DQT_BUILD_TESTS=OFF \
        -DQT_BUILD_BENCHMARKS=OFF \
        -DQT_BUILD_MANUAL_TESTS=OFF \
        -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
        "${qt_features[@]}" >"$build_dir/configure.log" 2>&1 || {
        tail -n 60 "$build_dir/configure.log"
        echo "Qt's configure failed; the whole log is $build_dir/configure.log"
        exit 1
    }
    # Qt's feature summary, for the record.
    sed -n '/^-- Configure summary/,/^-- Configuring done/p' "$build_dir/configure.log" \
        >"$build_dir/summary.txt" || true
    printf '%s\n' "$stamp_text" >"$build_dir/.spawnsmith-stamp"
}

# A build that stopped half-way (interrupted, out of time) with the same options resumes where
# it stopped; any other build folder is started afresh.
if [ -f "$build_dir/.spawnsmith-stamp" ] &&
    [ "$(cat "$build_dir/.spawnsmith-stamp")" = "$stamp_text" ]; then
    phase "resume the Qt build in $build_dir"
else
    phase "configure Qt"
    configure_qt
fi

phase "build Qt ($jobs jobs)"
# The whole output goes to a log.  The console gets a progress line every 25 steps, or sooner
# when a minute has passed since the last one, so a long build is never silent but does not
# flood it, and every line that reports a failure; Qt's own warnings stay in the log.  (A shell
# loop, not awk: mawk reads a pipe in large blocks and would hold the lines back.)
export NINJA_STATUS="[%f/%t %es] "
build_log=$build_dir/build.log
thin_progress() {
    local line steps=0 shown=$SECONDS
    while IFS= read -r line; do
        case $line in
            "["[0-9]*/[0-9]*" "*)
                steps=$((steps + 1))
                if [ $((steps % 25)) -eq 1 ] || [ $((SECONDS - shown)) -ge 60 ]; then
                    echo "$line"
                    shown=$SECONDS
                fi ;;
            *FAILED:* | *error:* | ninja:*) echo "$line" ;;
        esac
    done
}
set +e
ninja -C "$build_dir" -j "$jobs" 2>&1 | tee -a "$build_log" | thin_progress
status=${PIPESTATUS[0]}
set -e
if [ "$status" -ne 0 ]; then
    grep -n -m 20 -A12 -E 'FAILED:|error:' "$build_log" | head -n 120 || true
    echo "Building Qt failed; the whole log is $build_log"
    exit 1
fi

phase "install Qt into $prefix"
cmake --install "$build_dir" >"$build_dir/install.log"
test -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
# The build folder is large and no longer needed; the source stays for a rebuild.
rm -rf "$build_dir"
printf '%s\n' "$stamp_text" >"$stamp"

phase "done"
echo "-- total: $((SECONDS - script_start)) s"
echo "$prefix" >&3
