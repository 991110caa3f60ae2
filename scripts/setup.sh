#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on Debian 12, and makes
# the Wine prefix. Safe to run again: it installs only what is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/wine-env.sh"

packages=(cmake g++ make pkg-config googletest libgtest-dev libgmock-dev libcpp-httplib-dev
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
          binutils-mingw-w64-x86-64 wine wine64 xvfb x11-utils xdotool imagemagick fonts-nanum)
# 32-bit Wine only helps where the kernel runs 32-bit programs.
if ! dpkg --print-foreign-architectures | grep -q i386; then
  dpkg --add-architecture i386
  need_update=1
fi
packages+=(wine32:i386)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
elif [[ ${need_update:-0} == 1 ]]; then
  apt-get update -qq
fi

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  echo "setup: creating the Wine prefix $WINEPREFIX ($WINEARCH)"
  mkdir -p "$(dirname "$WINEPREFIX")"
  velmar_wine wineboot -i >/dev/null 2>&1 || true
  "$VELMAR_WINE_SERVER" -w
fi
