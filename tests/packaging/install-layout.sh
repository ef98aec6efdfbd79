#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix with blanks in its path, checks the layout, then moves the
# tree and checks that the launcher still starts the program in it, however it is called.
# Usage: install-layout.sh CMAKE BUILD_DIR SOURCE_DIR
set -euo pipefail
cmake=$1
build_dir=$2
source_dir=$3
here=$(dirname -- "$(readlink -f -- "$0")")
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmaroos install.XXXXXX")
trap 'rm -rf -- "$work"' EXIT

prefix="$work/pre fix"
"$cmake" --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || fail "cmake --install failed: $(cat "$work/install.log")"
bash "$here/check-layout.sh" "$prefix" "$source_dir" "$build_dir"

moved="$work/moved tree"
mv -- "$prefix" "$moved"
program_dir=$(readlink -f -- "$moved/lib/pelmaroos-trivia")
# A stand-in for the program reports how it was started.
cat >"$program_dir/Pelmaroos Trivia!" <<'EOF'
#!/bin/sh
printf '%s\n' "$0" "$@"
EOF
arguments=("one word" "two  blanks" "*" "")

check_start() {
    local how=$1 output
    shift
    # The dot keeps an empty last argument from being lost with the trailing newlines.
    output=$("$@" && printf .) || fail "the launcher failed when $how"
    local -a lines
    mapfile -t lines < <(printf '%s' "${output%.}")
    [[ $(readlink -f -- "${lines[0]}") == "$program_dir/Pelmaroos Trivia!" ]] \
        || fail "when $how the launcher started \"${lines[0]}\""
    local expected actual
    expected=$(printf '[%s]' "${arguments[@]}")
    actual=$(printf '[%s]' "${lines[@]:1}")
    [[ $actual == "$expected" ]] || fail "when $how the program got $actual instead of $expected"
}

mkdir "$work/elsewhere" "$work/link folder"
ln -s "$moved/bin/pelmaroos-trivia" "$work/link folder/pelmaroos"
check_start "called by its path" "$moved/bin/pelmaroos-trivia" "${arguments[@]}"
check_start "found on the PATH" \
    env -C "$work/elsewhere" PATH="$moved/bin:$PATH" pelmaroos-trivia "${arguments[@]}"
check_start "called through a link" "$work/link folder/pelmaroos" "${arguments[@]}"
echo "the moved launcher starts the program in $program_dir"
