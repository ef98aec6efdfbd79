#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# Rebuilds the game's sound cues from nothing but espeak-ng and sox.
# Usage: tools/make_sounds.sh [output-dir]   (default: sounds/ next to tools/)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/sounds}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for tool in sox soxi espeak-ng; do
    command -v "$tool" >/dev/null || { echo "missing $tool (apt-get install sox espeak-ng)" >&2; exit 1; }
done

# -R fixes sox's random seed (pluck uses noise) and -D turns off dither,
# so a rerun produces byte-identical files.
sx() { sox -q -R -D "$@"; }

# Work in 44.1 kHz float (sox's pluck refuses lower rates); resample at the end.
IN=(-r 44100)
OUT=(-r 44100 -c 1 -b 32 -e floating-point)
n=0
# sets $f to a fresh scratch file (no subshell, so the counter sticks)
newf() { n=$((n + 1)); f=$tmp/p$n.wav; }
mul() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", a * b }'; }

# Note name (C5, F#3, Bb4) -> semitones from A4, the form sox's synth takes as %N.
semi() {
    local s r=${1:1} acc=0
    case ${1:0:1} in
        C) s=-9 ;; D) s=-7 ;; E) s=-5 ;; F) s=-4 ;; G) s=-2 ;; A) s=0 ;; B) s=2 ;;
        *) echo "bad note $1" >&2; return 1 ;;
    esac
    case $r in \#*) acc=1; r=${r:1} ;; b*) acc=-1; r=${r:1} ;; esac
    echo $((s + acc + (r - 4) * 12))
}

# phrase OUT STEP WAVE GAIN_DB RELEASE TOKEN...
# TOKEN is NOTE:STEPS, R:STEPS for a rest, or C4+E4+G4:STEPS for a chord.
# Every note gets a tiny attack and a RELEASE-second fade so joins don't click.
phrase() {
    local o=$1 step=$2 wave=$3 gain=$4 rel=$5 t notes len d f k
    shift 5
    local parts=()
    for t in "$@"; do
        notes=${t%%:*} len=${t##*:}
        d=$(mul "$step" "$len")
        newf
        if [[ $notes == R ]]; then
            sx "${IN[@]}" -c 1 -n "${OUT[@]}" "$f" trim 0 "$d"
        else
            local voices=() ns=()
            IFS=+ read -ra ns <<<"$notes"
            for k in "${ns[@]}"; do voices+=("$wave" "%$(semi "$k")"); done
            sx "${IN[@]}" -c "${#ns[@]}" -n "${OUT[@]}" "$f" synth "$d" "${voices[@]}" \
                remix - gain "$gain" fade h 0.004 -0 "$rel"
        fi
        parts+=("$f")
    done
    sx "${parts[@]}" "$o"
}

# speak OUT VOICE PITCH SPEED TEXT  -> trimmed, peak-normalised speech
speak() {
    espeak-ng -v "$2" -p "$3" -s "$4" -w "$tmp/espeak.wav" "$5"
    sx "$tmp/espeak.wav" "${OUT[@]}" "$1" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -1
}

# at OUT SECONDS IN [effects]: delay IN so it can be mixed in later
at() { local o=$1 s=$2 i=$3; shift 3; sx "$i" "$o" pad "$s" 0 "$@"; }

# mix OUT VOL FILE [VOL FILE]...  (halved for headroom; finish() restores level)
mix() {
    local o=$1 args=()
    shift
    while (($#)); do args+=(-v "$(mul "$1" 0.5)" "$2"); shift 2; done
    sx -m "${args[@]}" "$o"
}

# finish IN NAME: trim silent edges, convert to the game's format, level, de-click
finish() {
    local f
    newf
    sx "$1" "$f" silence 1 0.005 0.1% reverse silence 1 0.005 0.1% reverse
    sx "$f" -t wav -e signed-integer -b 16 -c 1 -r 22050 "$out/$2" \
        rate -v 22050 norm -3 fade h 0.005 -0 0.04
}

# Soft brass for fanfares: sawtooth plus an octave-down triangle, rounded off.
brass() {
    local o=$1 step=$2
    shift 2
    local f a b
    newf; a=$f
    newf; b=$f
    phrase "$a" "$step" sawtooth -6 0.05 "$@"
    phrase "$b" "$step" triangle -4 0.05 "$@"
    mix "$tmp/brass_raw.wav" 0.6 "$a" 0.6 "$b"
    sx "$tmp/brass_raw.wav" "$o" gain -n -6 lowpass 2200 lowpass 3500 bass -3 300
}

# --- theme: a jaunty seaside tune in 6/8 -------------------------------------
step=0.18
mel=(C5:2 E5:1 G5:2 E5:1   F5:2 A5:1 G5:3       E5:1 F5:1 G5:1 C6:2 G5:1   A5:2 G5:1 E5:3
     F5:2 D5:1 E5:2 C5:1   D5:1 E5:1 F5:1 G5:3  A5:1 G5:1 F5:1 D5:2 B4:1   C5:2 G4:1 C5:3)
# oom-pah-pah: bass on the beat, chord on the two offbeats
bass=(C3:2 R:1 G2:2 R:1   F2:2 R:1 C3:2 R:1   C3:2 R:1 G2:2 R:1   A2:2 R:1 E2:2 R:1
      D3:2 R:1 C3:2 R:1   G2:2 R:1 D3:2 R:1   F2:2 R:1 G2:2 R:1   C3:2 R:1 C3:3)
C=C4+E4+G4 F=C4+F4+A4 Am=C4+E4+A4 Dm=D4+F4+A4 G=B3+D4+G4 G7=B3+F4+G4
chords=()
for c in $C $C $F $C $C $C $Am $Am $Dm $C $G $G7 $F $G $C; do chords+=(R:1 "$c:1" "$c:1"); done
chords+=(R:3)

phrase "$tmp/mel_pluck.wav" $step pluck -6 0.03 "${mel[@]}"
phrase "$tmp/mel_tri.wav" $step triangle -8 0.05 "${mel[@]}"
phrase "$tmp/bass.wav" $step triangle -4 0.15 "${bass[@]}"
phrase "$tmp/chords.wav" $step pluck -6 0.03 "${chords[@]}"
# closing chord that rings under the title call
phrase "$tmp/sting.wav" $step triangle -4 1.2 R:45 C3+G3+C4+E4+G4:9
speak "$tmp/title_raw.wav" en-gb 60 150 "The Pelmaroos!"
at "$tmp/title.wav" "$(mul $step 48.5)" "$tmp/title_raw.wav"
mix "$tmp/music.wav" 0.55 "$tmp/mel_pluck.wav" 0.2 "$tmp/mel_tri.wav" 0.45 "$tmp/bass.wav" \
    0.3 "$tmp/chords.wav" 0.3 "$tmp/sting.wav"
sx "$tmp/music.wav" "$tmp/music_wet.wav" gain -n -8 lowpass 6000 pad 0 0.4 reverb 25 60 40 norm -6
mix "$tmp/theme.wav" 1 "$tmp/music_wet.wav" 0.8 "$tmp/title.wav"
finish "$tmp/theme.wav" theme.wav

# --- doh: Gusset gives up ----------------------------------------------------
speak "$tmp/doh.wav" en-gb+m3 25 140 "Oh, barnacles!"
finish "$tmp/doh.wav" doh.wav

# --- good: ding-dong plus a nod ---------------------------------------------
phrase "$tmp/ding1.wav" 1 sine -3 0.6 G5+G6:0.7
phrase "$tmp/ding2.wav" 1 sine -3 0.8 E6+E7:0.9
at "$tmp/ding2d.wav" 0.16 "$tmp/ding2.wav"
speak "$tmp/good_v.wav" en-gb 55 165 "Not bad at all!"
at "$tmp/good_vd.wav" 0.55 "$tmp/good_v.wav"
mix "$tmp/good.wav" 0.5 "$tmp/ding1.wav" 0.5 "$tmp/ding2d.wav" 1 "$tmp/good_vd.wav"
finish "$tmp/good.wav" good.wav

# --- bad: sad trombone, then Gusset's advice --------------------------------
phrase "$tmp/wah_raw.wav" 0.09 sawtooth -6 0.06 G3:3 F#3:3 F3:7
sx "$tmp/wah_raw.wav" "$tmp/wah.wav" lowpass 900 tremolo 6 25
speak "$tmp/bad_v.wav" en-gb+m3 30 175 "Oh dear. Better watch some more episodes!"
at "$tmp/bad_vd.wav" 0.8 "$tmp/bad_v.wav"
mix "$tmp/bad.wav" 0.6 "$tmp/wah.wav" 1 "$tmp/bad_vd.wav"
finish "$tmp/bad.wav" bad.wav

# --- wow: rising fanfare, Wren cheers ---------------------------------------
brass "$tmp/wow_f.wav" 0.1 G4:1 C5:1 E5:1 C5+G5:5
speak "$tmp/wow_v.wav" en-gb+f4 65 165 "Wow! A perfect score!"
at "$tmp/wow_vd.wav" 0.65 "$tmp/wow_v.wav"
mix "$tmp/wow.wav" 0.6 "$tmp/wow_f.wav" 1 "$tmp/wow_vd.wav"
finish "$tmp/wow.wav" wow.wav

# --- haha: Gerald the seagull squawks and laughs ----------------------------
newf
sx "${IN[@]}" -c 1 -n "${OUT[@]}" "$f" synth 0.22 sawtooth 1400-800 \
    gain -6 tremolo 35 60 lowpass 2500 fade h 0.01 -0 0.06 pad 0 0.06
sx "$f" "$f" "$tmp/squawk.wav" gain -6
speak "$tmp/haha_v.wav" en-gb 85 180 "Ha! Ha! Ha!"
at "$tmp/haha_vd.wav" 0.5 "$tmp/haha_v.wav"
mix "$tmp/haha.wav" 0.7 "$tmp/squawk.wav" 1 "$tmp/haha_vd.wav"
finish "$tmp/haha.wav" haha.wav

# --- excellent: Marigold is impressed ---------------------------------------
speak "$tmp/excellent.wav" en-gb+f3 55 165 "Excellent! You really know your Pelmaroos!"
finish "$tmp/excellent.wav" excellent.wav

# --- stupid: Tobble's excuse, kindly meant ----------------------------------
speak "$tmp/stupid.wav" en-gb+m3 70 175 "It was the seagull! Try again."
finish "$tmp/stupid.wav" stupid.wav

# --- brilliant: full fanfare -------------------------------------------------
brass "$tmp/bri_f.wav" 0.09 C5:1 C5:1 C5:1 G5:3 E5:1 G5:1 C5+E5+C6:8
speak "$tmp/bri_v.wav" en-gb 55 160 "Brilliant! A true Pelmaroos expert!"
at "$tmp/bri_vd.wav" 1.15 "$tmp/bri_v.wav"
mix "$tmp/brilliant.wav" 0.6 "$tmp/bri_f.wav" 1 "$tmp/bri_vd.wav"
finish "$tmp/brilliant.wav" brilliant.wav

# --- checks -------------------------------------------------------------------
fail() { echo "make_sounds: $*" >&2; exit 1; }
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
u16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
total=0
# name:min-seconds:max-seconds
for limits in theme:8:12 doh:0.5:2.5 good:1:3 bad:1:3.5 wow:1:3.5 haha:1:3 \
            excellent:1:3.5 stupid:1:3.5 brilliant:1:4; do
    IFS=: read -r name lo hi <<<"$limits"
    w=$out/$name.wav
    [[ -f $w ]] || fail "$w missing"
    [[ $(soxi -r "$w") == 22050 ]] || fail "$w: rate is not 22050"
    [[ $(soxi -c "$w") == 1 ]] || fail "$w: not mono"
    [[ $(soxi -b "$w") == 16 ]] || fail "$w: not 16-bit"
    [[ $(soxi -e "$w") == "Signed Integer PCM" ]] || fail "$w: not signed PCM"
    size=$(stat -c %s "$w")
    # canonical 44-byte header: RIFF/WAVE, 16-byte PCM fmt chunk, data right after
    [[ $(head -c 4 "$w") == RIFF && $(head -c 16 "$w" | tail -c 8) == "WAVEfmt " ]] || fail "$w: not RIFF WAVE"
    [[ $(u32 "$w" 16) == 16 && $(u16 "$w" 20) == 1 ]] || fail "$w: fmt chunk is not plain PCM"
    [[ $(head -c 40 "$w" | tail -c 4) == data ]] || fail "$w: extra chunks before data"
    [[ $(u32 "$w" 40) == $((size - 44)) && $(u32 "$w" 4) == $((size - 8)) ]] || fail "$w: chunk sizes wrong"
    dur=$(soxi -D "$w")
    awk -v d="$dur" -v lo="$lo" -v hi="$hi" 'BEGIN { exit !(d >= lo && d <= hi) }' ||
        fail "$w: ${dur}s is outside ${lo}-${hi}s"
    st=$(sox "$w" -n stat 2>&1)
    peak=$(awk '/^Maximum amplitude/ { a = $3 } /^Minimum amplitude/ { b = -$3 } END { print (a > b ? a : b) }' <<<"$st")
    rms=$(awk '/^RMS +amplitude/ { print $3 }' <<<"$st")
    awk -v p="$peak" 'BEGIN { exit !(p < 0.99) }' || fail "$w: clipped (peak $peak)"
    awk -v r="$rms" 'BEGIN { exit !(r > 0.02) }' || fail "$w: nearly silent (rms $rms)"
    printf '%-14s %6.2fs %8d bytes  peak %.3f rms %.3f\n' "$name.wav" "$dur" "$size" "$peak" "$rms"
    total=$((total + size))
done
((total < 1500000)) || fail "total $total bytes is over 1.5 MB"
echo "total $total bytes in $out"
