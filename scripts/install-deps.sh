#!/usr/bin/env bash
# Installs the Debian 12 packages Orvel builds, tests and benchmarks with,
# when any is missing. Runs as root (or through sudo when it is there).
set -euo pipefail
# The fonts: the view's geometry tests draw with fonts of fractional advance
# (Nimbus Mono PS, which "Courier" resolves to, and DejaVu Sans Mono).
# The install check validates the desktop entry (desktop-file-utils), lets the
# .deb package find its library dependencies (dpkg-dev) and checks the manual
# page (groff-base). The format check runs clang-format.
packages=(g++ cmake qt6-base-dev libqt6test6 libgtest-dev libbenchmark-dev
          clang clang-format libclang-rt-14-dev bsdextrautils xxd fonts-urw-base35 fonts-dejavu-core
          desktop-file-utils dpkg-dev groff-base)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
