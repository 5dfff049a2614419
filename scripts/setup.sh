#!/bin/sh
# Installs the Debian packages the build and the tests need. Idempotent: when
# everything is present it only runs dpkg-query and returns. python3 runs the
# Hub clients of the tests; file, dpkg-dev (dpkg-shlibdeps) and lintian build
# and check the Debian package.
set -eu

PACKAGES="cmake ninja-build g++ make pkg-config ccache
libgtest-dev libgmock-dev libbenchmark-dev
qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libxkbcommon-dev libgl-dev
xvfb xauth xdotool imagemagick appstream desktop-file-utils
clang libclang-rt-14-dev python3
file dpkg-dev lintian"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
