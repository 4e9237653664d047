#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The one list of packages (tools/install-deps.sh) against what names them
# elsewhere: the README's table, row by row; the Build-Depends, which must
# be packages for running (for the tests, where the build's tests use
# them); the autopkgtests' Depends, packages for the tests.
# usage: check_deps.sh source-dir
set -euo pipefail
tree=$1
status=0
list() { bash "$tree/tools/install-deps.sh" --list "$1" | sort; }
for kind in run test package windows windows-test web web-test; do
  row=$(grep "^| $kind |" "$tree/README.md" | cut -d'|' -f4 | grep -o '`[^`]*`' | tr -d '`' | sort || true)
  if [ "$row" != "$(list "$kind")" ]; then
    echo "README's row '$kind' is not the list's:"; diff <(list "$kind") <(echo "$row") || true; status=1
  fi
done
# Names only: versions, architectures and build profiles dropped.
depends() { sed -n "/^$2:/,/^[^ ]/p" "$1" | sed "s/^$2://" | tr ',' '\n' \
              | sed 's/([^)]*)//; s/<[^>]*>//; s/\[[^]]*\]//; s/^ *//; s/ *$//' \
              | grep -v -e '^$' -e '^udjat$' -e '^debhelper-compat' -e ':' ; }
for p in $(depends "$tree/debian/control" Build-Depends); do
  list run | grep -qx "$p" || list test | grep -qx "$p" \
    || { echo "Build-Depends names $p, which the list has not for running or the tests"; status=1; }
done
for p in $(depends "$tree/debian/tests/control" Depends | sort -u); do
  list test | grep -qx "$p" || { echo "the autopkgtests depend on $p, which the list has not for the tests"; status=1; }
done
[ $status -eq 0 ] && echo "README, Build-Depends and autopkgtests agree with the package list"
exit $status
