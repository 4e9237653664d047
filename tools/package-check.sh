#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make package-check`: builds udjat as Debian's build servers do. A clean
# chroot of the suite (mmdebstrap --variant=buildd, cached as a tarball) gets
# only the Build-Depends of the source package; an unprivileged user builds
# it with its tests; a second build, at another path and with nocheck, must
# give byte-identical packages; the suite's own lintian reads the .dsc and
# the .deb; then autopkgtest runs the installed program in the same chroot.
# On trixie, the package built on bookworm (by an earlier bookworm check)
# is also installed in a fresh chroot and passes its autopkgtest there, as
# on a school's machine upgraded to Debian 13. Needs root, for the chroot
# and its mounts, which are always undone. The packages and the logs land
# in build/deb/chroot-SUITE.
#   SUITE               bookworm (default), trixie or sid
#   UDJAT_CHROOT_CACHE  where the chroot tarballs live (default ~/.cache/udjat)
set -euo pipefail
cd "$(dirname "$0")/.."
suite=${SUITE:-bookworm}
log() { echo "[package-check $suite $(date +%H:%M:%S)] $*"; }
[ "$(id -u)" -eq 0 ] || { echo "package-check needs root (a chroot and its mounts)" >&2; exit 1; }
case $suite in
  bookworm | trixie | sid) ;;
  *) echo "SUITE is bookworm, trixie or sid, not $suite" >&2; exit 1 ;;
esac

cache=${UDJAT_CHROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/udjat}
tarball=$cache/chroot-$suite-buildd.tar
out=$PWD/build/deb/chroot-$suite
upgraded_from=$PWD/build/deb/chroot-bookworm
if [ "$suite" = trixie ]; then
  ls "$upgraded_from"/udjat_*_amd64.deb >/dev/null 2>&1 \
    || { echo "the trixie check installs the package built on bookworm: run it first" >&2; exit 1; }
fi

log "source package"
dsc=$(bash tools/build-source-package.sh build/deb)
version=$(dpkg-parsechangelog -l debian/changelog -S Version)

# Unstable changes daily: its chroot is made anew each day.
[ "$suite" != sid ] || find "$tarball" -mmin +1440 -delete 2>/dev/null || true
if [ ! -f "$tarball" ]; then
  log "making the $suite buildd chroot (a few minutes, once)"
  mkdir -p "$cache"
  # A mirror that is a dated copy of unstable has an expired Release file;
  # a throw-away build chroot takes it, signatures still checked.
  options=()
  [ "$suite" != sid ] || options=(--aptopt='Acquire::Check-Valid-Until "false"')
  mmdebstrap --quiet --variant=buildd --format=tar "${options[@]}" "$suite" "$tarball.part"
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

# A chroot of the suite, with the archive's index read.
unpack() {  # folder
  mkdir "$1"
  tar -C "$1" -xf "$tarball"
  mount_in -t proc proc "$1/proc"
  mount_in --bind /dev "$1/dev"
  mount_in -t tmpfs -o mode=1777 tmpfs "$1/dev/shm"
  mount_in -t devpts -o newinstance,ptmxmode=0666 devpts "$1/dev/pts"
  mount_in -t tmpfs -o mode=1777 tmpfs "$1/tmp"
  cp /etc/resolv.conf "$1/etc/resolv.conf"
  chroot "$1" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin apt-get -qq update
}
log "unpacking the chroot"
unpack "$root"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
                DEBIAN_FRONTEND=noninteractive "$@"; }
as_builder() { chroot --userspec=builder:builder "$root" env -i HOME=/home/builder \
                   PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }

log "installing the Build-Depends"
mkdir -p "$root/build"
cp build/deb/udjat_"${version%-*}".orig.tar.xz "$dsc" build/deb/udjat_"$version".debian.tar.xz "$root/build/"
in_root useradd --create-home builder
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

log "$suite's lintian on the .dsc and the .deb"
in_root apt-get -qq -o APT::Install-Recommends=false install -y lintian >/dev/null
cp "$out"/*.deb "$root/build/"
as_builder sh -c "cd /build && lintian --pedantic --tag-display-limit 0 *.dsc *.deb" >"$out/lintian.log" 2>&1 || true
# Unstable's lintian also asks for what the same source cannot give Debian 12
# (debhelper compat 14; no Priority or Rules-Requires-Root, whose defaults
# changed after it) and for upstream metadata, which would name a public
# repository and bug tracker the project does not have.
allowed=initial-upload-closes-no-bugs
[ "$suite" != sid ] || allowed+='|package-uses-old-debhelper-compat-version|redundant-priority-optional-field'
[ "$suite" != sid ] || allowed+='|redundant-rules-requires-root-no-field|upstream-metadata-file-is-missing'
report=$(grep -v -E ": ($allowed)( |$)" "$out/lintian.log" || true)
[ -z "$report" ] || { echo "$report"; log "lintian has more to say than $allowed"; exit 1; }
log "lintian --pedantic: $(grep -c . "$out/lintian.log") line(s), all of $allowed"

autopkgtest_in() {  # chroot deb log
  autopkgtest --no-built-binaries "$2" "$dsc" -- chroot "$1" >"$3" 2>&1 \
    || { tail -60 "$3"; log "autopkgtest failed ($3)"; exit 1; }
  awk '/@@@@ summary/ { on = 1; next } on && /^autopkgtest \[/ { exit } on' "$3"
}
log "autopkgtest on the installed package"
autopkgtest_in "$root" "$out/udjat_${version}_amd64.deb" "$out/autopkgtest.log"

if [ "$suite" = trixie ]; then
  log "the package built on bookworm, in a fresh trixie chroot"
  unpack "$work/upgraded"
  autopkgtest_in "$work/upgraded" "$(ls "$upgraded_from"/udjat_*_amd64.deb)" "$out/autopkgtest-bookworm-deb.log"
fi
log "passed"
