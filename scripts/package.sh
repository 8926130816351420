#!/usr/bin/env bash
# Builds the Debian package in build-package/ with Debian's compiler flags, checks it with lintian
# and prints its path. Installs what is missing first (needs sudo or root the first time).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test package
build=build-package

# Debian's own flags: optimised, with debugging symbols (stripped in the package) and hardening.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The package needs the program, its pictures, texts and icon, not the tests: cpack builds nothing more.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target brevandel
rm -f "$build"/brevandel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/brevandel_*.deb)

echo "== lintian $deb"
status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v "running with root privileges" <<<"$report" || true
[ "$status" -eq 0 ] || { echo "lintian found errors" >&2; exit 1; }
echo "package: $deb"
