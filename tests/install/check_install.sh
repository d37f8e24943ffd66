#!/bin/sh
# Checks what `cmake --install` puts on a system: check_install.sh CASE BUILD_DIR
#   files     an install into a scratch DESTDIR writes exactly the expected files
#   desktop   the desktop entry passes desktop-file-validate without a warning or hint
#   hinted    that check fails on an entry for which the validator only hints
#   metainfo  the AppStream metadata passes appstreamcli validate
#   manual    the manual page renders with groff without a warning
#   icons     every PNG is as large as its folder says
#   refused   an install into a prefix the user may not write fails, says why
#             and leaves nothing there
#   removed   tools/uninstall.sh takes away every file an install put there
set -eu
check=$1 build=$2
id=org.example.spiravel
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
root=$scratch/root

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

install_root() {
    DESTDIR=$root cmake --install "$build" --prefix /usr >"$scratch/log" 2>&1 || fail "install: $(cat "$scratch/log")"
}

# Width x height from a PNG's header chunk, or nothing when it is no PNG.
png_size() {
    [ "$(od -An -c -j1 -N3 "$1" | tr -d ' ')" = PNG ] || return 0
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", (($1 * 256 + $2) * 256 + $3) * 256 + $4, (($5 * 256 + $6) * 256 + $7) * 256 + $8 }'
}

# desktop-file-validate exits 0 on warnings and hints: they fail here too.
validate_entry() {
    out=$(desktop-file-validate "$1" 2>&1) || fail "$out"
    ! echo "$out" | grep -E 'error:|warning:|hint:' || fail "desktop entry has warnings or hints"
}

case $check in
files)
    install_root
    expected=$(LC_ALL=C sort <<LIST
usr/bin/spiravel
usr/share/applications/$id.desktop
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/spiravel.1
usr/share/metainfo/$id.metainfo.xml
LIST
)
    actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
    [ "$actual" = "$expected" ] || fail "installed files differ:
$(echo "$expected" >"$scratch/expected"; echo "$actual" | diff "$scratch/expected" - || true)"
    [ -x "$root/usr/bin/spiravel" ] || fail "the program is not executable"
    ;;
desktop)
    install_root
    validate_entry "$root/usr/share/applications/$id.desktop"
    ;;
hinted)
    install_root
    # A second main category draws only a hint.
    entry=$root/usr/share/applications/$id.desktop
    sed -i 's/^Categories=/Categories=Graphics;/' "$entry"
    if (validate_entry "$entry") >/dev/null 2>&1; then
        fail "an entry with a hint passed"
    fi
    ;;
metainfo)
    install_root
    out=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) || fail "$out"
    ;;
manual)
    install_root
    out=$(groff -man -ww -z "$root/usr/share/man/man1/spiravel.1" 2>&1) || fail "$out"
    [ -z "$out" ] || fail "groff warns: $out"
    ;;
icons)
    install_root
    count=0
    for png in "$root"/usr/share/icons/hicolor/*/apps/*.png; do
        folder=$(basename "$(dirname "$(dirname "$png")")")
        size=$(png_size "$png")
        [ "$size" = "$folder" ] || fail "${png#"$root"} is ${size:-no PNG}"
        count=$((count + 1))
    done
    [ "$count" -eq 6 ] || fail "$count PNG icons, not 6"
    ;;
refused)
    # Laid out like /usr/local, and as closed to a user.
    prefix=$scratch/prefix
    mkdir -p "$prefix/bin" "$prefix/share/man"
    chmod -R 555 "$prefix"
    # Root may write anywhere: without its capabilities it is held to the modes like anyone.
    unprivileged=""
    [ "$(id -u)" -ne 0 ] || unprivileged="setpriv --inh-caps=-all --bounding-set=-all"
    if $unprivileged cmake --install "$build" --prefix "$prefix" >"$scratch/log" 2>&1; then
        fail "installed into a prefix it may not write"
    fi
    grep -q "$prefix/bin/spiravel\": Permission denied" "$scratch/log" || fail "no clear message: $(cat "$scratch/log")"
    left=$(cd "$prefix" && find . ! -type d)
    [ -z "$left" ] || fail "left behind: $left"
    ;;
removed)
    prefix=$scratch/prefix
    cmake --install "$build" --prefix "$prefix" >"$scratch/log" 2>&1 || fail "install: $(cat "$scratch/log")"
    sh "$(dirname "$0")/../../tools/uninstall.sh" "$build" "$prefix" >"$scratch/log"
    left=$(cd "$prefix" && find . ! -type d)
    [ -z "$left" ] || fail "left behind: $left"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
