#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Lumpforge need,
# and only those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev libsqlite3-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing and sanitizer runs
  clang libclang-rt-dev
  # fonts the windows ask for: "Arial" maps to Liberation Sans, "MS Sans Serif" to DejaVu Sans
  fonts-liberation fonts-dejavu-core fontconfig
  # the windows under a virtual display: end-to-end tests and screenshots
  xvfb xauth xdotool x11-utils imagemagick xdg-utils
  # packaging
  dpkg-dev file desktop-file-utils
  # I/O figures: system calls, whole-process timing, peak memory
  strace hyperfine time
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: these packages are missing: ${missing[*]}" >&2
  echo "install-deps: run this script as root (or with sudo) to install them." >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
