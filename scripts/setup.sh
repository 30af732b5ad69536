#!/usr/bin/env bash
# Installs the Debian packages that building and testing Zarvoline need,
# only those that are missing. Runs apt-get as root (or through sudo).
# With --tests it adds what only the test command needs: Ardour, the host of
# the tests in tests/hosts/, LV2's own tools that read and play the LV2
# bundle (serdi, lv2info, lv2file), and Qtractor, whose scanner lists the
# CLAP plug-in.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsndfile1-dev
  libx11-dev libxext-dev libcairo2-dev libfontconfig-dev fonts-liberation fonts-urw-base35
  xvfb libxtst-dev libxres-dev
  lv2-dev liblilv-dev libsuil-dev  # the LV2 bundle; the test hosts of its DSP and user interface
  dpf-source                       # the CLAP headers
)
[ "${1:-}" = --tests ] && packages+=(ardour serdi lilv-utils lv2file qtractor)

# Each answer is read whole before it is looked at: piped into `grep -q`,
# the asking command could be cut off by SIGPIPE once grep had its match, and
# pipefail would count that as "no". One question covers every package.
installed_among() {  # PACKAGE...: those dpkg has installed
  local answer package status
  answer=$(dpkg-query -W -f='${Package}\t${Status}\n' "$@" 2>/dev/null) || true
  while IFS=$'\t' read -r package status; do
    if [ "$status" = "install ok installed" ]; then echo "$package"; fi
  done <<<"$answer"
}
offered_among() {  # PACKAGE...: those the package sources offer
  local answer line package=
  answer=$(apt-cache policy "$@" 2>/dev/null) || true
  while IFS= read -r line; do
    if [[ $line =~ ^([^[:space:]]+):$ ]]; then package=${BASH_REMATCH[1]}
    elif [[ $line =~ ^\ +Candidate:\ [0-9] ]]; then echo "$package"
    fi
  done <<<"$answer"
}
# PACKAGE... that are not among the lines of the first argument.
not_among() {
  local found=$1 package; shift
  for package; do grep -qxF -- "$package" <<<"$found" || echo "$package"; done
}

mapfile -t missing < <(not_among "$(installed_among "${packages[@]}")" "${packages[@]}")
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null; then sudo "$@"
  else echo "setup.sh: installing ${missing[*]} needs root: run it as root, or install sudo" >&2; exit 1
  fi
}
export DEBIAN_FRONTEND=noninteractive
run_as_root apt-get update -qq ||
  { echo "setup.sh: apt-get update failed (exit $?): the package lists could not be refreshed; apt's messages above name the source" >&2; exit 1; }
mapfile -t unoffered < <(not_among "$(offered_among "${missing[@]}")" "${missing[@]}")
if [ ${#unoffered[@]} -gt 0 ]; then
  echo "setup.sh: the package sources offer no ${unoffered[*]} (apt-cache policy shows no candidate; the sources must be Debian 12's main)" >&2
  exit 1
fi
run_as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
