#!/usr/bin/env bash
# Installs the Debian 12 packages the three programs and their tests need,
# only those that are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev
    libjpeg62-turbo-dev fonts-dejavu-core fonts-dejavu-extra
    clang libclang-rt-14-dev libbenchmark-dev
    libxcb1-dev xvfb openbox x11-utils xdotool
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: every needed package is already installed."
    exit 0
fi

echo "setup: installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
    echo "setup: not root, using sudo (it may ask for your password)."
else
    echo "setup: not root and sudo is missing; install as root: apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
echo "setup: done."
