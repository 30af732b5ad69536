#!/usr/bin/env bash
# Renders the sound-check cases (every program, the benchmark's settings and
# a few hundred seeded random settings with automation and MIDI) through the
# plug-in built from REV and through the one built here, and names every
# render whose samples differ. For changes that must not change the sound.
#   scripts/compare-sound.sh [REV]     REV defaults to HEAD~1
# BUILD_DIR chooses this tree's build directory (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
rev=${1:-HEAD~1}
build=${BUILD_DIR:-build}
scratch=$(mktemp -d)
trap 'git worktree remove --force "$scratch/tree" >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT

git worktree add --detach -q "$scratch/tree" "$rev"
cmake -S "$scratch/tree" -B "$scratch/build" -G Ninja -DZARVOLINE_TESTS=OFF >/dev/null
cmake --build "$scratch/build" --target zarvoline >/dev/null
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target zarvoline zarvoline-soundcheck >/dev/null
"$build/zarvoline-soundcheck" --compare "$scratch/build/zarvoline.so" "$build/zarvoline.so"
