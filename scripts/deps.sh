#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the named package sets is missing.
#   scripts/deps.sh run     what building and running the program needs
#   scripts/deps.sh test    that, plus what the tests and benchmarks need
set -euo pipefail

run_packages=(
  cmake g++ make
  qt6-base-dev libgl-dev libxcb1-dev qt6-qpa-plugins libqt6printsupport6 libqt6svg6
  fonts-wine fonts-dejavu-core xdg-utils
  librsvg2-bin
)
test_packages=(
  xvfb x11-utils xdotool
  cups-daemon cups-client cups-filters
  poppler-utils
  clang libclang-rt-14-dev
  libbenchmark-dev
  desktop-file-utils appstream shared-mime-info dpkg-dev python3
)

wanted=("${run_packages[@]}")
if [ "${1:-run}" = test ]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
