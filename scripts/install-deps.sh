#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Murokan need,
# and any further packages named as arguments (the packaging tools, say).
# Only packages that dpkg reports missing are installed, after one apt-get update,
# so a machine that already has everything passes through in well under a second.
set -euo pipefail

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libsdl2-mixer-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-mincho
    xvfb xauth
    libx11-dev  # the Xvfb smoke test talks to the X server directly
    desktop-file-utils appstream  # the installed desktop entry and AppStream data are validated
    "$@"
)

# One query for the whole list (what dpkg -s reports, package by package). A
# package removed with its configuration left behind is still known to dpkg, so
# only the status "install ok installed" counts as present.
# dpkg-query fails when it has never heard of a package, as on a fresh machine.
installed=" $({ dpkg-query -W -f='${Package}=${Status}\n' "${PACKAGES[@]}" 2>/dev/null || true; } |
    sed -n 's/=install ok installed$//p' | tr '\n' ' ') "
missing=()
for p in "${PACKAGES[@]}"; do
    [[ "$installed" == *" $p "* ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    SUDO="sudo"
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
