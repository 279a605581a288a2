#!/usr/bin/env bash
# Builds tarvel and starts it. On a fresh Debian 12 machine it first installs
# the packages the build needs (with sudo when not run as root).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tarvel -j "$(nproc)"
exec ./build/tarvel "$@"
