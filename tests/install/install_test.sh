#!/bin/sh
# Installs the build into a fresh prefix and checks what a desktop needs:
# both programs, the data and the help under share/selvako (found from
# bin/ with no "data" beside it), the desktop entry, the icons, the AppStream
# description, the manual pages; then starts the installed program and the
# installed CLI.
#
# Usage: install_test.sh BUILD_DIR
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install_test: $*" >&2; exit 1; }
for f in bin/selvako bin/selvako-cli; do test -x "$prefix/$f" || fail "$f missing"; done
test ! -e "$prefix/bin/data" || fail "data installed beside the programs"
for f in share/selvako/hashkey33.dat share/selvako/defaut.par share/selvako/Images1/1pba.BMP \
         share/selvako/help/rules_fr.html share/selvako/help/guide_en.html \
         share/selvako/help/diagrams/majorite.png \
         share/applications/org.selvako.Selvako.desktop \
         share/metainfo/org.selvako.Selvako.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.selvako.Selvako.svg \
         share/icons/hicolor/48x48/apps/org.selvako.Selvako.png \
         share/icons/hicolor/256x256/apps/org.selvako.Selvako.png \
         share/man/man6/selvako.6.gz share/man/man6/selvako-cli.6.gz; do
    test -s "$prefix/$f" || fail "$f missing"
done

if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$prefix/share/applications/org.selvako.Selvako.desktop" 2>&1) ||
        fail "desktop-file-validate: $out"
    test -z "$out" || fail "desktop-file-validate: $out"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic \
        "$prefix/share/metainfo/org.selvako.Selvako.metainfo.xml" >"$prefix/appstream.txt" 2>&1 ||
        fail "appstreamcli: $(cat "$prefix/appstream.txt")"
fi

# Started from another folder, with no data beside it: the installed data.
mkdir -p "$prefix/run" "$prefix/user" "$prefix/xdg"
chmod 700 "$prefix/xdg"
cd "$prefix/run"
XDG_RUNTIME_DIR="$prefix/xdg" SELVAKO_USER_DIR="$prefix/user" QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/selvako" --lang en --snapshot shot.png 2>"$prefix/err.txt" ||
    fail "the installed program failed: $(cat "$prefix/err.txt")"
! grep -q "^Error" "$prefix/err.txt" || fail "the installed program said: $(cat "$prefix/err.txt")"
test -s shot.png || fail "no picture"
"$prefix/bin/selvako-cli" eval --fen "W:W1-12:B21-32" --terms | grep -q "total" ||
    fail "the installed selvako-cli did not find its parameters"
echo "installed and started from $prefix"
