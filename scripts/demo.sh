#!/usr/bin/env bash
# Builds everything (Release) and shows the plug-in as a host sees it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
./build/zarvoline-render --info
