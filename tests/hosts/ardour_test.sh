#!/usr/bin/env bash
# Zarvoline in Ardour 7: Ardour's scanner and session load the plug-in, list
# its name, parameters and programs as zarvoline-render --info does, and play
# the demo loop through program "Studder" at 120 BPM in 1024-frame blocks
# with exactly the samples of zarvoline-render.
# Usage: ardour_test.sh PLUGIN.so ZARVOLINE-RENDER MAKE-DEMO-LOOP WORK-DIR
set -euo pipefail
plugin=$1 render=$2 make_loop=$3
here=$(cd "$(dirname "$0")" && pwd)
command -v ardour7-lua >/dev/null || {
  echo "ardour7-lua is missing: install the Debian package ardour (scripts/test.sh does)" >&2
  exit 1
}

work=$(mkdir -p "$4" && realpath "$(mktemp -d "$4/ardour.XXXXXX")")
# Kept after a failure, for a look at the session, renders and listings.
trap 'if [ $? -eq 0 ]; then rm -rf "$work"; else echo "files kept in $work" >&2; fi' EXIT
# A private configuration and cache: a saved one would override LXVST_PATH.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache LXVST_PATH=$work/vst
# Ardour 7.3's AVX-512 copy routines write past buffer ends on these machines.
export ARDOUR_FPU_FLAGS=95
export ARDOUR_TEST_SESSION=$work/session
mkdir -p "$LXVST_PATH" "$XDG_CONFIG_HOME/ardour7/scripts"
cp "$here/feed_input.lua" "$here/capture_output.lua" "$XDG_CONFIG_HOME/ardour7/scripts/"

# Ardour hosts only what its scanner cached, and trusts the cache only when
# it is newer than the library, in whole seconds.
cp "$plugin" "$LXVST_PATH/zarvoline.so"
touch -d '-1 hour' "$LXVST_PATH/zarvoline.so"
LD_LIBRARY_PATH=/usr/lib/ardour7 /usr/lib/ardour7/ardour-vst-scanner -f "$LXVST_PATH/zarvoline.so"

"$make_loop" "$work/loop.wav" >/dev/null
"$render" --plugin "$plugin" --program Studder --tempo 120 --block 1024 "$work/loop.wav" "$work/reference.wav" >/dev/null
ardour7-lua "$here/ardour_session.lua" "$work/loop.wav" "$work/reference.wav" "$work/listing.txt"

# What our own host reads of the plug-in, in the listing's form.
"$render" --plugin "$plugin" --info | awk '
  /^Plug-in/ { sub(/^Plug-in +/, ""); print "effect " $0 }
  /parameters:$/ { section = "parameter" } /programs:$/ { section = "program" }
  section == "parameter" && /^ +[0-9]+  / { name = substr($0, 7, 22); sub(/ +$/, "", name); print "parameter " $1 " " name }
  section == "program" && /^ +[0-9]+/ { number = $1; sub(/\*$/, "", number); sub(/^ +[0-9]+[* ] /, ""); print "program " number " " $0 }
' >"$work/expected.txt"
diff "$work/expected.txt" "$work/listing.txt"
[ "$(grep -c '^parameter' "$work/listing.txt")" -eq 41 ] && [ "$(grep -c '^program' "$work/listing.txt")" -eq 16 ]
echo "Ardour lists Zarvoline with its 41 parameters and 16 programs"
