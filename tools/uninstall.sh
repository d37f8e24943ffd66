#!/bin/sh
# Removes what `make install` put under PREFIX: uninstall.sh BUILD PREFIX.
# The list comes from installing the same build into a scratch folder, so a
# stale or overwritten install manifest cannot mislead it.
set -eu
build=$1 prefix=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$stage$prefix" && find . ! -type d) | while read -r file; do
    rm -fv "$prefix/${file#./}"
done
