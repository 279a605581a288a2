#!/usr/bin/env bash
# Installs the Debian packages of .ci/packages that are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=()
for package in $(cat .ci/packages); do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
