#!/usr/bin/env bash
# Zarvoline's LV2 bundle in Ardour 7: Ardour finds it through lilv, lists its
# 41 parameters as the VST 2 version names them and its 13 presets by their
# whole names, and plays the demo loop through the preset "Studder" at
# 120 BPM, with Ardour's transport and tempo, in 1024-frame blocks with exactly
# the samples zarvoline-render gives with the VST 2 library.
# Usage: ardour_lv2_test.sh BUNDLE-DIR ZARVOLINE-RENDER MAKE-DEMO-LOOP WORK-DIR
set -euo pipefail
bundle=$1 render=$2 make_loop=$3
here=$(cd "$(dirname "$0")" && pwd)
command -v ardour7-lua >/dev/null || {
  echo "ardour7-lua is missing: install the Debian package ardour (scripts/test.sh does)" >&2
  exit 1
}

work=$(mkdir -p "$4" && realpath "$(mktemp -d "$4/ardour-lv2.XXXXXX")")
trap 'if [ $? -eq 0 ]; then rm -rf "$work"; else echo "files kept in $work" >&2; fi' EXIT
# A private configuration and cache, and only our bundle beside the system's.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache LXVST_PATH=$work/vst
export LV2_PATH=$work/lv2:/usr/lib/lv2
# Ardour 7.3's AVX-512 copy routines write past buffer ends on these machines.
export ARDOUR_FPU_FLAGS=95
export ARDOUR_TEST_SESSION=$work/session
mkdir -p "$LXVST_PATH" "$work/lv2" "$XDG_CONFIG_HOME/ardour7/scripts"
cp -r "$bundle" "$work/lv2/zarvoline.lv2"
cp "$here/feed_input.lua" "$here/capture_output.lua" "$XDG_CONFIG_HOME/ardour7/scripts/"

"$make_loop" "$work/loop.wav" >/dev/null
"$render" --program Studder --tempo 120 --block 1024 "$work/loop.wav" "$work/reference.wav" >/dev/null
ardour7-lua "$here/ardour_session.lua" "$work/loop.wav" "$work/reference.wav" "$work/listing.txt" LV2

# The parameters as our own host reads the VST 2 version; the presets as the bundle names them.
{
  echo "effect Zarvoline"
  "$render" --info | awk '
    /parameters:$/ { on = 1 } /programs:$/ { on = 0 }
    on && /^ +[0-9]+  / { name = substr($0, 7, 22); sub(/ +$/, "", name); print "parameter " $1 " " name }'
  sed -n 's/^    rdfs:label "\(.*\)" ;$/preset \1/p' "$bundle/presets.ttl" | sort
} >"$work/expected.txt"
{ grep -v '^preset ' "$work/listing.txt"; grep '^preset ' "$work/listing.txt" | sort; } >"$work/listed.txt"
diff "$work/expected.txt" "$work/listed.txt"
[ "$(grep -c '^parameter' "$work/listed.txt")" -eq 41 ] && [ "$(grep -c '^preset' "$work/listed.txt")" -eq 13 ]
echo "Ardour lists the LV2 Zarvoline with its 41 parameters and 13 presets"
