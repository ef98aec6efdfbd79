#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# Checks an installed tree: the program with exactly its nine cues in one folder, the launcher on the
# PATH (in bin/, or the LAUNCHER_DIR given), its manual page, and the desktop entry, icons and metainfo as
# they are in desktop/.
# Usage: check-layout.sh PREFIX SOURCE_DIR BUILD_DIR [LAUNCHER_DIR]
set -euo pipefail
prefix=$1
source_dir=$2
build_dir=$3
launcher_dir=$prefix/${4:-bin}
fail() { echo "FAIL: $*" >&2; exit 1; }
bytes() { od -An -v -tu1 -j "$2" -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

program_dir=$prefix/lib/pelmaroos-trivia
program="$program_dir/Pelmaroos Trivia!"
[[ -f $program && -x $program ]] || fail "no executable program at $program"
[[ $(bytes "$program" 0 4) == "127 69 76 70" ]] || fail "$program is not an ELF program"
mapfile -t cues < "$source_dir/sounds/cues.txt"
expected=$(printf '%s\n' "Pelmaroos Trivia!" "${cues[@]/%/.wav}" | LC_ALL=C sort)
found=$(find "$program_dir" -mindepth 1 -printf '%f\n' | LC_ALL=C sort)
[[ $found == "$expected" ]] || fail "$program_dir holds"$'\n'"$found"$'\n'"instead of"$'\n'"$expected"
for cue in "${cues[@]}"; do
    cmp -s "$program_dir/$cue.wav" "$source_dir/sounds/$cue.wav" || fail "$cue.wav differs from sounds/$cue.wav"
done

launcher=$launcher_dir/pelmaroos-trivia
[[ -f $launcher && -x $launcher ]] || fail "no executable launcher at $launcher"
[[ $(head -n 1 "$launcher") == "#!/bin/sh" ]] || fail "the launcher is not a shell script"
manual=("$prefix"/share/man/man6/pelmaroos-trivia.6*)
[[ -f ${manual[0]} ]] || fail "no manual page at $prefix/share/man/man6/pelmaroos-trivia.6"

shopt -s nullglob
entries=("$prefix"/share/applications/*.desktop)
(( ${#entries[@]} == 1 )) || fail "expected one desktop entry in share/applications, found ${#entries[@]}"
entry=${entries[0]}
id=$(basename "$entry" .desktop)
cmp -s "$entry" "$source_dir/desktop/$id.desktop" || fail "$entry is not desktop/$id.desktop"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
cmp -s "$metainfo" "$build_dir/desktop/$id.metainfo.xml" || fail "$metainfo is missing or not the build's $id.metainfo.xml"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[[ $launcher_dir/$command -ef $launcher ]] || fail "the desktop entry runs \"$command\", not the launcher"

icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [[ -f $png ]] || fail "no ${size}x$size icon at $png"
    [[ $(bytes "$png" 0 8) == "137 80 78 71 13 10 26 10" ]] || fail "$png is not a PNG"
    # IHDR: width and height as 32-bit big-endian numbers.
    read -r -a header <<<"$(bytes "$png" 16 8)"
    width=$(( header[0] << 24 | header[1] << 16 | header[2] << 8 | header[3] ))
    height=$(( header[4] << 24 | header[5] << 16 | header[6] << 8 | header[7] ))
    (( width == size && height == size )) || fail "$png is ${width}x$height"
done
extra=$(find "$prefix/share/icons" -type f ! -name "$icon.png")
[[ -z $extra ]] || fail "stray icons: $extra"
echo "layout under $prefix is complete"
