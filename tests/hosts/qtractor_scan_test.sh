#!/usr/bin/env bash
# Qtractor's own plug-in scanner, the helper program Qtractor runs on every
# plug-in file it finds, reads zarvoline.clap: one CLAP plug-in named
# Zarvoline with stereo audio in and out, one MIDI input, 41 parameters and
# an editor.
# Qtractor's audio engine itself needs a running JACK server and its main
# window, so only the scan runs here.
# Usage: qtractor_scan_test.sh PLUGIN.clap
set -euo pipefail
plugin=$(realpath "$1")
scanner=$(ls /usr/lib/*/qtractor/qtractor_plugin_scan 2>/dev/null | head -n 1) || true
[ -n "$scanner" ] || {
  echo "qtractor_plugin_scan is missing: install the Debian package qtractor (scripts/test.sh does)" >&2
  exit 1
}
# The scanner reads "TYPE:FILE" lines and answers a line per plug-in:
# TYPE|NAME|AUDIO-IN:OUT|MIDI-IN:OUT|PARAMS-IN:OUT|FLAGS|FILE|INDEX|ID
listing=$(echo "CLAP:$plugin" | QT_QPA_PLATFORM=offscreen timeout 60 "$scanner" 2>&1)
echo "$listing"
expected="CLAP|Zarvoline|2:2|1:0|41:0|"
lines=$(grep -c '^CLAP|' <<<"$listing" || true)
[ "$lines" -eq 1 ] || { echo "the scanner listed $lines CLAP plug-ins, expected 1" >&2; exit 1; }
line=$(grep '^CLAP|' <<<"$listing")
[[ $line == "$expected"* ]] || { echo "the scanner listed [$line], expected it to start [$expected]" >&2; exit 1; }
IFS='|' read -r _ _ _ _ _ flags file index _ <<<"$line"
[ "$file" = "$plugin" ] && [ "$index" = 0 ] || { echo "the scanner listed $file index $index" >&2; exit 1; }
[[ ,$flags, == *,GUI,* ]] || { echo "the scanner found no editor (flags $flags)" >&2; exit 1; }
echo "Qtractor's scanner lists the CLAP Zarvoline with 41 parameters and its editor"
