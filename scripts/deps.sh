#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, only those missing;
# "deps.sh fuzz" installs what the fuzz build needs instead (clang and its sanitizer runtime).
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
    fonts-dejavu-core)
if [ "${1:-}" = fuzz ]; then
    packages=(cmake make clang libclang-rt-dev)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
