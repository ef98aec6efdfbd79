#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# Runs the README's test command as a new user would, in a fresh minimal Debian RELEASE (trixie, bookworm):
# a minbase system made with debootstrap from the machine's own Debian mirror, kept once in a cache outside
# the checkout and copied anew for every run, with this checkout copied into it. Needs root.
set -euo pipefail

release=${1:?usage: tools/fresh-debian.sh RELEASE}
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${PELMAROOS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pelmaroos-trivia}

command -v debootstrap >/dev/null || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
}
# The mirror the machine itself installs from.
mirror=$(sed -n 's/^URIs:[[:space:]]*\(\S*\/debian\/\?\)$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1)
[[ -n "$mirror" ]] || mirror=$(sed -n 's/^deb[[:space:]]\+\(\S*\/debian\/\?\)[[:space:]].*/\1/p' /etc/apt/sources.list | head -1)

base=$cache/debian-$release-minbase
if [[ ! -f "$base/.complete" ]]; then
    rm -rf "$base"
    debootstrap --variant=minbase "$release" "$base" "$mirror" >&2
    touch "$base/.complete"
fi

root=$(mktemp -d "$cache/debian-$release-run.XXXXXX")
cleanup() {
    umount -R "$root/dev" "$root/proc" "$root/sys" "$root/var/cache/apt/archives" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
rm "$root/.complete"
# The packages it fetches are kept between runs; it installs them anew every time.
mkdir -p "$cache/debian-$release-archives/partial"
mount --bind "$cache/debian-$release-archives" "$root/var/cache/apt/archives"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount -t tmpfs -o mode=755 dev "$root/dev"
for node in null zero full random urandom tty; do
    touch "$root/dev/$node"
    mount --bind "/dev/$node" "$root/dev/$node"
done
ln -s /proc/self/fd "$root/dev/fd"
ln -s fd/0 "$root/dev/stdin"
ln -s fd/1 "$root/dev/stdout"
ln -s fd/2 "$root/dev/stderr"
mkdir -p "$root/dev/pts" "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
ln -s pts/ptmx "$root/dev/ptmx"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
cp /etc/resolv.conf "$root/etc/resolv.conf"

mkdir "$root/src"
git -C "$here" ls-files -z --cached --others --exclude-standard | (cd "$here" && tar --null -T - -cf -) |
    tar -xf - -C "$root/src"
# The README's test command, in the environment a fresh login gives.
command=$(sed -n 's/^\(tools\/install-deps.sh test && make test\)[[:space:]].*/\1/p' "$here/README.md")
[[ -n "$command" ]] || { echo "the README shows no test command" >&2; exit 1; }
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    TERM=dumb /bin/bash -c "cd /src && $command"
