#!/usr/bin/env bash
# lv2info (Debian lilv-utils) reads the bundle as LV2 hosts do, through lilv:
# the 41 parameters as control inputs named and ordered as the VST 2 version
# names them to its hosts (zarvoline-render --info), the three status values
# as control outputs, two audio inputs and outputs, the event inputs (events, time), the
# editor as an X11 UI, and the 13 factory programs as presets under their full names.
# Usage: lv2info_test.sh BUNDLE-DIR ZARVOLINE-RENDER WORK-DIR
set -euo pipefail
bundle=$1 render=$2
command -v lv2info >/dev/null || { echo "lv2info is missing: install the Debian package lilv-utils (scripts/setup.sh --tests does)" >&2; exit 1; }
work=$(mkdir -p "$3" && realpath "$(mktemp -d "$3/lv2info.XXXXXX")")
trap 'if [ $? -eq 0 ]; then rm -rf "$work"; else echo "files kept in $work" >&2; fi' EXIT

# Only our bundle, beside the system's LV2 definitions (which name the classes).
mkdir "$work/lv2"
ln -s "$(realpath "$bundle")" "$work/lv2/zarvoline.lv2"
LV2_PATH=$work/lv2:/usr/lib/lv2 lv2info urn:zarvoline:stutter >"$work/lv2info.txt" 2>"$work/lv2info.err"
[ ! -s "$work/lv2info.err" ] || { echo "lv2info complains:" >&2; cat "$work/lv2info.err" >&2; exit 1; }

# One line per port: index, kind (Control, Audio, Atom), direction, name.
awk '
  function flush() { if (index_ != "") print index_ "\t" kind "\t" direction "\t" name; index_ = "" }
  /^\tPort [0-9]+:/ { flush(); index_ = $2; sub(/:/, "", index_); kind = direction = name = ""; types = 1; next }
  index_ != "" && /^\t\t[A-Z]/ { types = ($1 == "Type:") }
  index_ != "" && types && /#ControlPort/ { kind = "Control" }
  index_ != "" && types && /#AudioPort/ { kind = "Audio" }
  index_ != "" && types && /#AtomPort/ { kind = "Atom" }
  index_ != "" && types && /#InputPort/ { direction = "in" }
  index_ != "" && types && /#OutputPort/ { direction = "out" }
  index_ != "" && /^\t\tName:/ { name = $0; sub(/^\t\tName: +/, "", name) }
  END { flush() }
' "$work/lv2info.txt" | sort -n >"$work/ports.txt"
# The presets: the lines under "Presets:" up to the first port.
awk '/^\tPresets:/ { on = 1; next } /^\tPort / { on = 0 } on && NF { sub(/^[ \t]+/, ""); print }' \
  "$work/lv2info.txt" | sort >"$work/presets.txt"

"$render" --info >"$work/info.txt"
awk '/parameters:$/ { on = 1 } /programs:$/ { on = 0 }
     on && /^ +[0-9]+  / { name = substr($0, 7, 22); sub(/ +$/, "", name); print name }' "$work/info.txt" \
  >"$work/vst-parameters.txt"
awk '/programs:$/ { on = 1; next } on && /^ +[0-9]+/ { sub(/^ +[0-9]+[* ] /, ""); print }' "$work/info.txt" \
  >"$work/vst-programs.txt"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
count() { awk -F'\t' -v k="$1" -v d="$2" '$2 == k && $3 == d' "$work/ports.txt" | wc -l; }

awk -F'\t' '$2 == "Control" && $3 == "in" { print $4 }' "$work/ports.txt" >"$work/lv2-parameters.txt"
[ "$(wc -l <"$work/lv2-parameters.txt")" -eq 41 ] || fail "$(wc -l <"$work/lv2-parameters.txt") control inputs, expected 41"
diff "$work/vst-parameters.txt" "$work/lv2-parameters.txt" >&2 ||
  fail "the control inputs are not the VST 2 parameters, named and ordered alike (diff above: < VST 2, > LV2)"
[ "$(count Control out)" -eq 3 ] || fail "$(count Control out) control outputs, expected 3 (the status values)"
[ "$(count Audio in)" -eq 2 ] || fail "$(count Audio in) audio inputs, expected 2"
[ "$(count Audio out)" -eq 2 ] || fail "$(count Audio out) audio outputs, expected 2"
[ "$(count Atom in)" -eq 2 ] || fail "$(count Atom in) event inputs, expected 2 (events, time)"
[ "$(count Atom out)" -eq 1 ] || fail "$(count Atom out) event outputs, expected 1 (for the editor)"
grep -q 'http://lv2plug.in/ns/ext/state#interface' "$work/lv2info.txt" || fail "no state interface"
# The editor: an X11 UI in its own binary of the bundle.
awk '/^\tUIs:/ { on = 1; next } on && /^\t[A-Z]/ { on = 0 } on' "$work/lv2info.txt" >"$work/uis.txt"
grep -qx $'\t\turn:zarvoline:stutter:ui' "$work/uis.txt" &&
  grep -q 'Class: *http://lv2plug.in/ns/extensions/ui#X11UI' "$work/uis.txt" &&
  grep -q 'Binary: *file://.*/zarvoline_ui.so$' "$work/uis.txt" || fail "no X11 UI in zarvoline_ui.so: $(cat "$work/uis.txt")"
[ -f "$bundle/zarvoline_ui.so" ] && [ -f "$bundle/zarvoline_dsp.so" ] || fail "the bundle lacks a binary"

[ "$(wc -l <"$work/presets.txt")" -eq 13 ] || fail "$(wc -l <"$work/presets.txt") presets, expected 13"
# Each of the 13 factory programs is a preset, under its whole name: the VST 2
# version's names are the same, cut to 23 characters.
head -n 13 "$work/vst-programs.txt" | while IFS= read -r program; do
  grep -qF -- "$program" "$work/presets.txt" || { echo "FAIL: no preset named like the program \"$program\"" >&2; exit 1; }
done || failures=$((failures + 1))

[ "$failures" -eq 0 ] || exit 1
echo "lv2info reads 41 named control inputs, 3 control outputs, 2 + 2 audio ports, the event and time inputs, the X11 UI and 13 presets"
