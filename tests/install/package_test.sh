#!/bin/sh
# Builds the Debian package from a build and checks it as a user would meet
# it: its file list (programs in /usr/games, data, help, desktop entry,
# icons, AppStream description, manual pages, nothing outside /usr), its
# dependencies, lintian's verdict when lintian is installed, the programs
# unpacked into a scratch folder finding their data there, and, as root, an
# installation with dpkg into a scratch root that `dpkg -r` removes
# entirely.
#
# Usage: package_test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package_test: $*" >&2; exit 1; }

(cd "$scratch" && cpack -G DEB -B "$scratch/out" --config "$build/CPackConfig.cmake" >cpack.txt 2>&1) ||
    fail "cpack: $(cat "$scratch/cpack.txt")"
set -- "$scratch"/out/selvako_*.deb
deb=$1
test -s "$deb" || fail "no package in $scratch/out"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|; s|/$||' | grep -v '^$' >"$scratch/files.txt"
for f in /usr/games/selvako /usr/games/selvako-cli \
         /usr/share/selvako/hashkey33.dat /usr/share/selvako/defaut.par \
         /usr/share/selvako/dod.bib /usr/share/selvako/Images1/1pba.BMP \
         /usr/share/selvako/damier1.bmp /usr/share/selvako/son.wav \
         /usr/share/selvako/help/rules_fr.html /usr/share/selvako/help/guide_en.html \
         /usr/share/applications/org.selvako.Selvako.desktop \
         /usr/share/metainfo/org.selvako.Selvako.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/org.selvako.Selvako.svg \
         /usr/share/icons/hicolor/48x48/apps/org.selvako.Selvako.png \
         /usr/share/man/man6/selvako.6.gz /usr/share/man/man6/selvako-cli.6.gz \
         /usr/share/doc/selvako/changelog.gz /usr/share/doc/selvako/copyright; do
    grep -qx "$f" "$scratch/files.txt" || fail "$f is not in the package"
done
outside=$(grep -v '^/usr\(/\|$\)' "$scratch/files.txt" || true)
test -z "$outside" || fail "files outside /usr: $outside"
! grep -q '^/usr/bin' "$scratch/files.txt" || fail "programs in /usr/bin"
! grep -q '/\.written$' "$scratch/files.txt" || fail "build stamps in the package"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6multimedia6; do
    echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" >"$scratch/lintian.txt" 2>&1 ||
        fail "lintian: $(cat "$scratch/lintian.txt")"
fi

# Unpacked anywhere, the programs find the data beside them under share/.
mkdir -p "$scratch/x" "$scratch/user" "$scratch/xdg"
chmod 700 "$scratch/xdg"
dpkg-deb -x "$deb" "$scratch/x"
"$scratch/x/usr/games/selvako-cli" --version | grep -qx "selvako-cli $(dpkg-deb -f "$deb" Version)" ||
    fail "selvako-cli --version"
"$scratch/x/usr/games/selvako-cli" eval --fen "W:W1-12:B21-32" --terms 2>"$scratch/err.txt" |
    grep -q total || fail "the unpacked selvako-cli: $(cat "$scratch/err.txt")"
test ! -s "$scratch/err.txt" || fail "the unpacked selvako-cli said: $(cat "$scratch/err.txt")"
(cd "$scratch" && env -u SELVAKO_DATA_DIR XDG_RUNTIME_DIR="$scratch/xdg" SELVAKO_USER_DIR="$scratch/user" \
    QT_QPA_PLATFORM=offscreen "$scratch/x/usr/games/selvako" --theme 3 --snapshot shot.png \
    2>"$scratch/err.txt") || fail "the unpacked program: $(cat "$scratch/err.txt")"
test -s "$scratch/shot.png" || fail "no picture from the unpacked program"

# Installed and removed by dpkg in a root of its own: nothing stays.
if [ "$(id -u)" -eq 0 ]; then
    root="$scratch/root"
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
    touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
    dpkg --root="$root" --force-depends -i "$deb" >"$scratch/dpkg.txt" 2>&1 ||
        fail "dpkg -i: $(cat "$scratch/dpkg.txt")"
    test -x "$root/usr/games/selvako-cli" || fail "dpkg -i installed no program"
    listed=$(dpkg --root="$root" -L selvako | wc -l)
    test "$listed" -ge "$(wc -l <"$scratch/files.txt")" || fail "dpkg -L lists $listed paths"
    dpkg --root="$root" -r selvako >"$scratch/dpkg.txt" 2>&1 || fail "dpkg -r: $(cat "$scratch/dpkg.txt")"
    left=$(cd "$root" && find . -path ./var -prune -o -print | grep -v '^\.$' || true)
    test -z "$left" || fail "left after dpkg -r: $left"
fi
echo "package $(basename "$deb") checked"
