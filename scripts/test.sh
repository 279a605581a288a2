#!/usr/bin/env bash
# Builds tarvel and runs every test. On a fresh Debian 12 machine run as
# root (or with sudo available) it first installs what the build needs.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
