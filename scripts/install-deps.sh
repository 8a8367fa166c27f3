#!/usr/bin/env bash
# Installs the Debian packages the game, the tool and the tests need, only
# when one of them is missing (Debian 12, run as root).
set -euo pipefail
packages=(build-essential cmake pkg-config libgtest-dev libbenchmark-dev
          qt6-base-dev libgl-dev fonts-liberation2 xvfb xauth
          desktop-file-utils appstream libxml2-utils groff-base)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
fi
