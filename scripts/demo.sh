#!/usr/bin/env bash
# Builds the plug-in and its tools (Release), synthesises a drum-and-bass
# loop (4 bars at 120 BPM) and renders it through Zarvoline: with three
# factory programs, and once played by a melody of MIDI notes that re-pitch
# the repeats; then draws the plug-in's window as a host shows it, with
# "Studder" playing the loop.
# ZARVOLINE_BUILD_DIR chooses the build directory (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ZARVOLINE_BUILD_DIR:-build}
bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja >/dev/null
# Only what the demo runs: scripts/test.sh builds the tests.
cmake --build "$build" --target zarvoline zarvoline-render zarvoline-panel make-demo-loop

demo=$build/demo
render=$build/zarvoline-render
mkdir -p "$demo"
"$build/make-demo-loop" "$demo/loop.wav"

for program in "Studder" "One Bar sync" "Broken Speaker"; do
  name=$(echo "$program" | tr 'A-Z ' 'a-z-')
  "$render" --program "$program" --tail 1 --plot "$demo/$name.png" "$demo/loop.wav" "$demo/$name.wav"
done

# Each note switches recording on and replays at its pitch (C5, note 60, is
# the loop's own pitch); each release switches the effect off again.
melody=(C5@0-0.9 Eb5@1-1.4 F5@1.5-1.9 G5@2-2.9 Bb5@3-3.4 G5@3.5-3.9
        F5@4-4.9 Eb5@5-5.4 C5@5.5-5.9 G4@6-6.9 C5@7-7.9)
notes=()
for note in "${melody[@]}"; do notes+=(--note "$note"); done
"$render" --program 0 "${notes[@]}" --plot "$demo/melody.png" "$demo/loop.wav" "$demo/melody.wav"

# The editor window, drawn off screen: no X server needed.
"$build/zarvoline-panel" --program "Studder" --input "$demo/loop.wav" "$demo/editor.png"

echo
echo "The demo loop, its renders (WAV, with PNG pictures of the waveforms) and the editor window:"
ls -1 "$demo"/*.wav "$demo"/*.png | sed 's/^/  /'
