#!/usr/bin/env bash
# Installs what building and testing クラント needs on Debian 12 (run as root).
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(cmake g++ googletest libgtest-dev g++-mingw-w64-x86-64-posix zlib1g-dev libz-mingw-w64-dev wine wine64 xvfb
          fonts-ipafont-gothic imagemagick locales clang-14 libclang-rt-14-dev python3 x11-utils
          xdotool kakasi-dic unicode-data zint
          pkg-config libcairo2-dev fonts-ipafont fonts-ipaexfont poppler-utils cups printer-driver-cups-pdf)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  fi
  locale-gen >/dev/null
fi
