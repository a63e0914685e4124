#!/usr/bin/env bash
# Builds the game in Release and makes its Debian package with CPack, then runs
# lintian over it. Installs any missing build and packaging tools first. The
# last line printed is the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev lintian
build=build/package
# Debian's hardening flags, all of them; the game goes to /usr/games as
# Debian's games do.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Only what is installed is built: the tests and benchmarks stay out.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_INSTALL_BINDIR=games -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j2 --target murokan murokan_waves murokan_icons murokan_docs
rm -f "$build"/murokan_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/murokan_*.deb)
# Lintian's errors fail the script (its default); its warnings and notes are
# printed for the reader.
if ! lintian --display-info "$deb" >&2; then
    echo "package.sh: lintian reports errors in $deb" >&2
    exit 1
fi
realpath "$deb"
