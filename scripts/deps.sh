#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "test", testing, with "bench",
# benchmarking) tavrin needs.
# Idempotent: asks dpkg first and calls apt-get only for what is missing.
set -euo pipefail

build_pkgs=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev qt6-qpa-plugins
  libgl-dev libxcb1-dev libwayland-dev fonts-arphic-uming python3)
test_pkgs=(libgtest-dev xvfb xauth xdotool x11-utils imagemagick procps util-linux
  desktop-file-utils appstream dpkg-dev file python3 dbus at-spi2-core python3-pyatspi lintian
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
  binutils-mingw-w64-i686 nsis 7zip wine64 fonts-wine
  man-db groff-base xclip strace clang libclang-rt-14-dev)
bench_pkgs=(libxcb1-dev libxcb-xtest0-dev libxcb-damage0-dev xvfb xauth xdotool imagemagick python3)

want=("${build_pkgs[@]}")
case "${1:-}" in
  test) want+=("${test_pkgs[@]}") ;;
  bench) want+=("${bench_pkgs[@]}") ;;
esac

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
