#!/usr/bin/env bash
# Installs every Debian package Carolune needs to build, test and run, and to
# build and run the fuzz harnesses (clang with libFuzzer, and llvm for the
# symbolizer that names the lines of a finding).
# Idempotent: prints nothing and changes nothing when all are present.
set -euo pipefail

packages=(
  g++ cmake make ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
  libfluidsynth-dev timgm6mb-soundfont libasound2-dev
  fonts-dejavu-core fonts-wqy-microhei
  xvfb x11-apps x11-utils imagemagick xdotool openbox
  clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
