#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tobrelin need, and only those
# that are missing. Says nothing when everything is already there.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config          # the build
    qt6-base-dev libjpeg-dev libxcb1-dev      # the libraries
    fonts-dejavu-core fonts-wine              # faces with Cyrillic; one with the reference metrics
    xvfb openbox xdotool x11-utils xclip imagemagick  # end-to-end tests and screenshots
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $EUID -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq >/dev/null
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
