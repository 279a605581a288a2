#!/usr/bin/env bash
# Builds the Debian package build/tarvel_<version>_<arch>.deb, with only the
# targets it holds. On a fresh Debian 12 machine it first installs what the
# build needs (with sudo when not run as root).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build --target package_contents -j "$(nproc)"
rm -f build/tarvel_*.deb
(cd build && cpack -G DEB)
