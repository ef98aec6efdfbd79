#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# Cross-builds a static qtbase for 64-bit Windows from Debian's own source package, once, into a cache
# outside the checkout; later runs find it and return at once. Prints the prefix as its last line.
# With --cached it only looks: it prints the prefix if Qt is there and fails otherwise.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

# The Qt the host's moc, rcc and uic belong to is the Qt whose source is built.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//; s/-.*//')
options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_network=OFF -DFEATURE_sql=OFF
    -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_dynamicgl=OFF -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF -DFEATURE_tabletevent=OFF -DFEATURE_gif=ON
    -DFEATURE_ico=ON -DFEATURE_jpeg=OFF -DFEATURE_style_windowsvista=ON -DFEATURE_direct2d=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_sql_sqlite=OFF -DFEATURE_zstd=OFF -DFEATURE_openssl=OFF
)
key=$(printf '%s\n' "${options[@]}" | cat - "$here/mingw-w64.cmake" | sha256sum | cut -c1-12)
cache=${PELMAROOS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pelmaroos-trivia}
prefix=$cache/qtbase-$qt_version-mingw-w64-static-$key
if [[ -f "$prefix/.complete" ]]; then
    echo "$prefix"
    exit 0
fi
[[ "${1:-}" != --cached ]] || exit 1
"$here/../install-deps.sh" windows >&2

started=$(date +%s)
# An interrupted build goes on where it stopped.
work=$cache/work-$qt_version-$key
rm -rf "$prefix"
src=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d 2>/dev/null | head -1 || true)
if [[ -z "$src" ]]; then
    rm -rf "$work"
    mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/src"

    # Debian's source packages from the archive the machine already uses, through a private apt state:
    # the system's own apt configuration is read, never changed.
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -f "$f" ]] && sed -n '/^Types:/,/^$/p' "$f" | sed 's/^Types:.*/Types: deb-src/'
        echo
    done > "$work/apt/deb-src.sources"
    if [[ -f /etc/apt/sources.list ]]; then
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list > "$work/apt/deb-src.list"
    else
        : > "$work/apt/deb-src.list"
    fi
    apt_private=(-o Dir::State="$work/apt" -o Dir::State::status=/var/lib/dpkg/status
                 -o Dir::Cache="$work/apt" -o Dir::Etc::SourceList="$work/apt/deb-src.list"
                 -o Dir::Etc::SourceParts="$work/apt/parts")
    mkdir -p "$work/apt/parts"
    mv "$work/apt/deb-src.sources" "$work/apt/parts/"
    apt-get "${apt_private[@]}" update -qq >&2
    (cd "$work/src" && apt-get "${apt_private[@]}" source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >&2)
    src=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d | head -1)
fi

# The toolchain file goes into the cache beside Qt, since Qt's own toolchain file chains to it by path.
mkdir -p "$prefix"
cp "$here/mingw-w64.cmake" "$prefix/mingw-w64.cmake"
host_cmake=$(dirname "$(dirname "$(find /usr/lib -path '*cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake' | head -1)")")
cmake -G Ninja -S "$src" -B "$work/build" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ "${options[@]}" >&2
configured=$(date +%s)
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
cp "$src/LICENSES/LGPL-3.0-only.txt" "$prefix/LICENSE.LGPL-3.0"
echo "qt6-base $(dpkg-query -W -f='${Version}' qt6-base-dev) from Debian's source package" > "$prefix/SOURCE"
rm -rf "$work"
touch "$prefix/.complete"
finished=$(date +%s)
echo "Qt $qt_version for Windows: configured in $((configured - started)) s, built in $((finished - configured)) s" >&2
echo "$prefix"
