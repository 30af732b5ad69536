#!/usr/bin/env bash
# Installs the Debian packages that building and testing Zarvoline need,
# only those that are missing. Runs apt-get as root (or through sudo).
# With --tests it adds what only the test command needs: Ardour, the host of
# the tests in tests/hosts/.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsndfile1-dev
  libx11-dev libxext-dev libcairo2-dev libfontconfig-dev fonts-liberation fonts-urw-base35
  xvfb libxtst-dev libxres-dev
)
[ "${1:-}" = --tests ] && packages+=(ardour)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
run_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
export DEBIAN_FRONTEND=noninteractive
run_as_root apt-get update -qq
for package in "${missing[@]}"; do
  apt-cache policy "$package" | grep -q 'Candidate: [0-9]' ||
    { echo "setup.sh: the package sources offer no $package" >&2; exit 1; }
done
run_as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
