#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# Validates the desktop entry and the AppStream metainfo, and checks that they name the game as the
# program itself does: one id throughout, and the program's name.
# Usage: validate-desktop-files.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (tools/install-deps.sh installs it)"
        exit 77
    fi
done
fail() { echo "FAIL: $*" >&2; exit 1; }

shopt -s nullglob
entries=("$source_dir"/desktop/*.desktop)
metainfos=("$build_dir"/desktop/*.metainfo.xml)
(( ${#entries[@]} == 1 )) || fail "expected one desktop entry in desktop/, found ${#entries[@]}"
(( ${#metainfos[@]} == 1 )) || fail "expected one metainfo file in the build's desktop/, found ${#metainfos[@]}"
entry=${entries[0]}
metainfo=${metainfos[0]}

report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate rejects $entry: $report"
if grep -Eq ': (error|warning): ' <<<"$report"; then
    fail "desktop-file-validate complains about $entry: $report"
fi
# AppStream before 1.0 (Debian 12's 0.16) predates the developer tag, the one finding it may report.
report=$(appstreamcli validate --no-net --strict --no-color "$metainfo" 2>&1) || {
    findings=$(grep -E '^[EWIP]: ' <<<"$report" || true)
    version=$(appstreamcli --version | sed -n 's/.*version: //p')
    [[ $version == 0.* && $findings == *": unknown-tag developer" && $(wc -l <<<"$findings") -eq 1 ]] ||
        fail "appstreamcli rejects $metainfo: $report"
}

entry_value() { sed -n "s/^$1=//p" "$entry"; }
metainfo_text() { sed -n "s|^  <$1>\(.*\)</$1>\$|\1|p" "$metainfo"; }
program_string() { sed -n "s/.*$1(QStringLiteral(\"\(.*\)\")).*/\1/p" "$source_dir/app/Program.cpp"; }
expect() { [[ $2 == "$3" ]] || fail "$1 is \"$2\", expected \"$3\""; }

id=$(basename "$entry" .desktop)
expect "the metainfo file" "$(basename "$metainfo")" "$id.metainfo.xml"
expect "the metainfo id" "$(metainfo_text id)" "$id"
expect "the metainfo launchable" "$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")" \
    "$id.desktop"
expect "the desktop entry's icon" "$(entry_value Icon)" "$id"
expect "the metainfo icon" "$(sed -n 's|.*<icon type="stock">\(.*\)</icon>.*|\1|p' "$metainfo")" "$id"
expect "the metainfo categories" "$(sed -n 's|.*<category>\(.*\)</category>.*|\1;|p' "$metainfo" | tr -d '\n')" \
    "$(entry_value Categories)"
expect "the metainfo binary" "$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo")" "$(entry_value Exec)"

name=$(program_string setApplicationName)
[[ -n $name ]] || fail "app/Program.cpp no longer sets the application name in one line"
expect "the desktop entry's name" "$(entry_value Name)" "$name"
expect "the metainfo name" "$(metainfo_text name)" "$name"
echo "desktop entry and metainfo for $id are valid and name \"$name\""
