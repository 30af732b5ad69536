#!/usr/bin/env bash
# Headless processing with lv2file (Debian lv2file), a host none of us wrote:
# the demo loop through a factory preset gives the samples zarvoline-render
# gives with the VST 2 library and the same program, in blocks of the same size.
#
# lv2file tells the plug-in no time at all, zarvoline-render a rolling
# transport at 120 BPM (and its tempo while the instance is made). So the
# presets whose sound takes the host's tempo are played but not compared:
# "One Bar sync", "Studder" and "Locked Offseting - Use offset" set their loop
# to one bar at the host's tempo (BPM Sync); "Broken Speaker" plays Alter,
# which glides from the loop length program 0 had when the instance was made
# (a bar at the host's tempo through VST 2, none through LV2). The test host
# of lv2_dsp_test compares all 13, with the transport told alike.
# Usage: lv2file_test.sh BUNDLE-DIR ZARVOLINE-RENDER MAKE-DEMO-LOOP SAME-SAMPLES WORK-DIR
set -euo pipefail
bundle=$1 render=$2 make_loop=$3 same=$4
command -v lv2file >/dev/null || { echo "lv2file is missing: install the Debian package lv2file (scripts/setup.sh --tests does)" >&2; exit 1; }
work=$(mkdir -p "$5" && realpath "$(mktemp -d "$5/lv2file.XXXXXX")")
trap 'if [ $? -eq 0 ]; then rm -rf "$work"; else echo "files kept in $work" >&2; fi' EXIT
mkdir "$work/lv2"
ln -s "$(realpath "$bundle")" "$work/lv2/zarvoline.lv2"
export LV2_PATH=$work/lv2:/usr/lib/lv2
"$make_loop" "$work/loop.wav" >/dev/null

tempo_bound=("One Bar sync" "Studder" "Locked Offseting - Use offset" "Broken Speaker")
takes_tempo() { local bound; for bound in "${tempo_bound[@]}"; do [ "$1" = "$bound" ] && return 0; done; return 1; }
failures=0 compared=0
program=0
while IFS= read -r name; do
  LV2_PATH=$LV2_PATH lv2file -b 512 -P "$name" -i "$work/loop.wav" -o "$work/lv2-$program.wav" urn:zarvoline:stutter \
    >"$work/lv2file-$program.txt" 2>&1 || { echo "FAIL: lv2file cannot play preset \"$name\": $(cat "$work/lv2file-$program.txt")" >&2; failures=$((failures + 1)); }
  if ! takes_tempo "$name"; then
    "$render" --program "$program" --block 512 "$work/loop.wav" "$work/vst-$program.wav" >/dev/null
    "$same" "$work/vst-$program.wav" "$work/lv2-$program.wav" ||
      { echo "FAIL: preset \"$name\" (program $program) plays otherwise than through VST 2" >&2; failures=$((failures + 1)); }
    compared=$((compared + 1))
  fi
  program=$((program + 1))
done < <(sed -n 's/^    rdfs:label "\(.*\)" ;$/\1/p' "$bundle/presets.ttl")
[ "$program" -eq 13 ] || { echo "FAIL: $program presets in presets.ttl, expected 13" >&2; exit 1; }
[ "$failures" -eq 0 ] || exit 1
[ "$compared" -eq 9 ] || { echo "FAIL: $compared presets compared, expected 9" >&2; exit 1; }
echo "lv2file plays the 13 presets; the 9 that take no tempo from the host with the VST 2 version's samples"
