#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make package-check`: builds udjat as Debian's build servers do. A clean
# bookworm chroot (mmdebstrap --variant=buildd, cached as a tarball) gets only
# the Build-Depends of the source package; an unprivileged user builds it
# with its tests; a second build, at another path and with nocheck, must give
# byte-identical packages; then autopkgtest runs the installed program in the
# same chroot. Needs root, for the chroot and its mounts, which are always
# undone. The packages and the test log land in build/deb/chroot.
#   UDJAT_CHROOT_CACHE  where the chroot tarball lives (default ~/.cache/udjat)
set -euo pipefail
cd "$(dirname "$0")/.."
log() { echo "[package-check $(date +%H:%M:%S)] $*"; }
[ "$(id -u)" -eq 0 ] || { echo "package-check needs root (a chroot and its mounts)" >&2; exit 1; }

suite=bookworm
cache=${UDJAT_CHROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/udjat}
tarball=$cache/chroot-$suite-buildd.tar
out=$PWD/build/deb/chroot

log "source package"
dsc=$(bash tools/build-source-package.sh build/deb)
version=$(dpkg-parsechangelog -l debian/changelog -S Version)

if [ ! -f "$tarball" ]; then
  log "making the $suite buildd chroot (a few minutes, once)"
  mkdir -p "$cache"
  mmdebstrap --quiet --variant=buildd --format=tar "$suite" "$tarball.part"
  mv "$tarball.part" "$tarball"
fi

work=$(mktemp -d)
root=$work/root
mounts=()
cleanup() {
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}"
  done
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT
# A stop by signal ends the script normally, so the mounts still come undone.
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
mount_in() {  # mount arguments..., target last
  mount "$@"
  mounts+=("${!#}")
}

log "unpacking the chroot"
mkdir "$root"
tar -C "$root" -xf "$tarball"
mount_in -t proc proc "$root/proc"
mount_in --bind /dev "$root/dev"
mount_in -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount_in -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount_in -t tmpfs -o mode=1777 tmpfs "$root/tmp"
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
                DEBIAN_FRONTEND=noninteractive "$@"; }
as_builder() { chroot --userspec=builder:builder "$root" env -i HOME=/home/builder \
                   PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }

log "installing the Build-Depends"
mkdir -p "$root/build"
cp build/deb/udjat_"${version%-*}".orig.tar.xz "$dsc" build/deb/udjat_"$version".debian.tar.xz "$root/build/"
in_root useradd --create-home builder
in_root apt-get -qq update
in_root apt-get -qq -o APT::Install-Recommends=false build-dep -y "/build/$(basename "$dsc")" >/dev/null

build() {  # folder DEB_BUILD_OPTIONS
  in_root install -d -o builder -g builder "/$1"
  as_builder sh -c "cd /$1 && dpkg-source -x /build/$(basename "$dsc") udjat >/dev/null \
      && cd udjat && DEB_BUILD_OPTIONS='$2' dpkg-buildpackage -us -uc -b" >"$work/${1//\//-}.log" 2>&1 \
    || { tail -60 "$work/${1//\//-}.log"; log "the build in /$1 failed"; exit 1; }
}
log "building as an unprivileged user, tests on"
build first ""
grep -E '^(100%|[0-9]+% tests passed)' "$work/first.log" || true
log "building again at another path, nocheck"
build second/deeper nocheck

rm -rf "$out" && mkdir -p "$out"
for deb in "$root"/first/*.deb; do
  name=$(basename "$deb")
  cmp -s "$deb" "$root/second/deeper/$name" || { log "$name differs between the two builds"; exit 1; }
  cp "$deb" "$out/"
  sha256sum "$deb" | sed "s|$root/first/||"
done
cp "$work/first.log" "$out/build.log"
log "the two builds are byte-identical"

log "autopkgtest on the installed package"
autopkgtest --no-built-binaries "$out/udjat_${version}_amd64.deb" "$dsc" -- chroot "$root" \
  >"$out/autopkgtest.log" 2>&1 || { tail -60 "$out/autopkgtest.log"; log "autopkgtest failed"; exit 1; }
awk '/@@@@ summary/ { on = 1; next } on && /^autopkgtest \[/ { exit } on' "$out/autopkgtest.log"
log "passed"
