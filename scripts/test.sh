#!/usr/bin/env bash
# Builds and runs every test: the Release build, then the same tests under
# AddressSanitizer with UndefinedBehaviorSanitizer, then under ThreadSanitizer
# (where the stress test of the audio and user-interface threads must report
# nothing). The Release build also plays the plug-in in Ardour 7, which
# setup.sh --tests installs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --tests

run_suite() {
  local dir=$1; shift
  echo "== $dir"
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
  ctest --test-dir "$dir" --output-on-failure --no-tests=error -j2
}

run_suite build
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVOLINE_SANITIZE=address,undefined
TSAN_OPTIONS=halt_on_error=1 \
  run_suite build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVOLINE_SANITIZE=thread
