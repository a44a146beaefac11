#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing.
set -u
packages=(cmake make g++ qt6-base-dev qt6-qpa-plugins desktop-file-utils)
extra=("$@")
packages+=("${extra[@]}")

if ! command -v dpkg-query >/dev/null 2>&1; then
    exit 0 # not a Debian system: trust the toolchain that is there
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == *"install ok installed"* ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    runas=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    runas=(sudo -n)
else
    echo "Missing Debian packages needed to build and test Quendal: ${missing[*]} (run as root or with sudo, or install them by hand)." >&2
    exit 1
fi

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${runas[@]}" apt-get update -qq || true
"${runas[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
