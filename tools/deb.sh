#!/bin/sh
# Builds the Debian package and checks it with lintian, leaving
# spiravel_VERSION_ARCH.deb at the top of the tree. It is built from a copy of
# the tracked and new files only, so no build folder or other ignored
# leftover reaches it, always at the same path and with the same file times,
# so that two builds give the same package.
set -eu
cd "$(dirname "$0")/.."
work=build-deb
deb=spiravel_$(dpkg-parsechangelog -S Version)_$(dpkg-architecture -qDEB_HOST_ARCH).deb
epoch=$(dpkg-parsechangelog -S Timestamp)

rm -rf "$work"
mkdir -p "$work/spiravel"
git ls-files --cached --others --exclude-standard | while read -r file; do
    [ -e "$file" ] && echo "$file"
done | tar -cf - -T - | tar -xf - -C "$work/spiravel"
# Files keep the time of the release, not of the checkout.
find "$work/spiravel" -exec touch -h -d "@$epoch" {} +

echo "Building $deb (log in $work/build.log)"
if ! (cd "$work/spiravel" && dpkg-buildpackage -b -us -uc -jauto) >"$work/build.log" 2>&1; then
    tail -n 40 "$work/build.log" >&2
    exit 1
fi
lintian --fail-on error,warning "$work/$deb"
cp "$work/$deb" .
echo "Wrote $deb"
