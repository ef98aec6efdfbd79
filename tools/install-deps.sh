#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building and playing the game need, make among them; with `test`, also
# those its tests need; with `windows`, those that cross-building it for Windows and playing it under Wine
# need; with `format`, clang-format; with `fuzz`, clang and its libFuzzer. Does nothing when every one is
# already there.
set -euo pipefail

packages=(cmake ninja-build g++ make python3 python3-pil qt6-base-dev libxcb1-dev libfontconfig-dev libpulse-dev libasound2-dev)
case "${1:-}" in
test)
    packages+=(
        xvfb xauth xdotool x11-utils imagemagick wmctrl openbox strace fonts-dejavu-core
        desktop-file-utils appstream dpkg-dev file lintian dbus-x11 dbus-daemon
        pulseaudio pulseaudio-utils python3-numpy dbus at-spi2-core python3-pyatspi
        kwin-x11 kwin-style-breeze fluxbox pipewire pipewire-pulse wireplumber
    )
    ;;
windows)
    packages+=(
        g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 qt6-base-dev-tools xz-utils
        wine64 python3-pefile
    )
    ;;
format) packages+=(clang-format) ;;
# The distribution's own clang, and the sanitizer and libFuzzer runtimes of that version.
fuzz) packages+=(clang libclang-rt-dev) ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
