#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# Packages this build folder as a .deb, checks its control fields and contents, unpacks it into a
# scratch root and starts the unpacked game through its launcher on a private X server: the title
# screen must come up with no music warning, and Quit must end the program with status 0.
# Usage: deb-title-screen.sh CPACK BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
cpack=$1
build_dir=$2
source_dir=$3
version=$4
here=$(dirname -- "$(readlink -f -- "$0")")

missing=()
for tool in dpkg dpkg-deb dpkg-shlibdeps Xvfb xdotool xprop; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if (( ${#missing[@]} )); then
    echo "SKIP: no ${missing[*]} here; tools/install-deps.sh installs what this test needs"
    exit 77
fi
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmaroos deb.XXXXXX")
started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf -- "$work"
}
trap cleanup EXIT

"$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 \
    || fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/deb/*.deb)
if (( ${#debs[@]} != 1 )) || [[ ! -f ${debs[0]} ]]; then
    fail "cpack made no single .deb: ${debs[*]}"
fi
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == pelmaroos-trivia ]] || fail "package name $(field Package)"
[[ $(field Version) == "$version" ]] || fail "package version $(field Version), expected $version"
[[ $(field Maintainer) == "Pelmaroos Trivia developers <dev@example.org>" ]] || fail "maintainer $(field Maintainer)"
depends=$(field Depends)
# fonts-liberation is declared by hand; the libraries come from dpkg-shlibdeps.
for dependency in fonts-liberation libqt6widgets6 libsdl2-2.0-0 libc6; do
    grep -Eq "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

root="$work/unpacked root"
dpkg -x "$deb" "$root"
bash "$here/check-layout.sh" "$root/usr" "$source_dir" "$build_dir"
launcher=$root/usr/bin/pelmaroos-trivia

start_x_server() {
    local attempt number server
    for (( attempt = 0; attempt < 40; attempt++ )); do
        # Displays :0-:9 belong to people; a private one is picked well above them.
        number=$(( 100 + RANDOM % 800 ))
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        : >"$work/display"
        Xvfb ":$number" -displayfd 3 -nolisten tcp -screen 0 1024x768x24 \
            3>"$work/display" >"$work/xvfb.log" 2>&1 &
        server=$!
        started+=("$server")
        # Xvfb writes the display number once it accepts clients.
        for (( tick = 0; tick < 100; tick++ )); do
            if [[ -s $work/display ]]; then
                export DISPLAY=:$number
                return
            fi
            kill -0 "$server" 2>/dev/null || break
            sleep 0.1
        done
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    done
    fail "no private X server would start: $(cat "$work/xvfb.log")"
}

start_game() {
    (cd "$1" && exec env QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$launcher") >"$work/game.log" 2>&1 &
    game=$!
    started+=("$game")
}

window_named() {
    xdotool search "${@:2}" --name "^$1\$" 2>/dev/null | head -n 1 || true
}

title_name="Ardo's Pelmaroos Trivia!!!"
warning_name=Pelmaroos

# Waits for the title screen or the music warning, whichever comes first, and sets shown and window.
await_first_window() {
    local deadline=$(( SECONDS + 30 ))
    while (( SECONDS < deadline )); do
        shown=warning
        window=$(window_named "$warning_name")
        [[ -n $window ]] && return
        shown=title
        window=$(window_named "$title_name" --onlyvisible)
        [[ -n $window ]] && return
        kill -0 "$game" 2>/dev/null || fail "the game ended before showing a window: $(cat "$work/game.log")"
        sleep 0.2
    done
    fail "neither the title screen nor the music warning came up within 30 s: $(cat "$work/game.log")"
}

start_x_server
mkdir "$work/empty folder"
start_game "$work/empty folder"
await_first_window
[[ $shown == title ]] || fail "the music warning came up: the game did not find its cues beside itself"
# A warning would come at once; give it a moment to show.
sleep 1
[[ -z $(window_named "$warning_name") ]] || fail "the music warning came up after the title screen"

class=$(xprop -id "$window" WM_CLASS)
startup_class=$(sed -n 's/^StartupWMClass=//p' "$root"/usr/share/applications/*.desktop)
[[ $class == *", \"$startup_class\"" ]] || fail "window class $class does not match StartupWMClass=$startup_class"

# The small "Quit" button at twips (10200, 0): pixel (680, 0), 49 x 17.
xdotool mousemove --window "$window" $(( 10200 / 15 + 5 )) 5 click 1
for (( tick = 0; tick < 100; tick++ )); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game" 2>/dev/null && fail "the game still runs 10 s after Quit"
status=0
wait "$game" || status=$?
(( status == 0 )) || fail "the game exited with status $status after Quit: $(cat "$work/game.log")"
echo "the unpacked game showed its title screen with music and quit with status 0"

# The same tree without its theme, started in a folder that holds all nine cues: the warning must
# come up, which shows that the check above can see it and that the working folder plays no part.
mkdir "$work/cues folder"
cp -- "$source_dir"/sounds/*.wav "$work/cues folder/"
rm -- "$root/usr/lib/pelmaroos-trivia/theme.wav"
start_game "$work/cues folder"
await_first_window
[[ $shown == warning ]] || fail "no music warning with theme.wav gone from the program's folder"
kill "$game"
wait "$game" 2>/dev/null || true
echo "without its theme the unpacked game warns, whatever the working folder holds"
