#!/usr/bin/env bash
# Every description file of the bundle is Turtle that serdi (Debian serdi)
# reads strictly, without an error or a warning.
# Usage: ttl_parse_test.sh BUNDLE-DIR
set -euo pipefail
bundle=$1
command -v serdi >/dev/null || { echo "serdi is missing: install the Debian package serdi (scripts/setup.sh --tests does)" >&2; exit 1; }
files=("$bundle"/*.ttl)
[ "${#files[@]}" -ge 3 ] || { echo "expected manifest.ttl, zarvoline.ttl and presets.ttl in $bundle, found: ${files[*]}" >&2; exit 1; }
for file in "${files[@]}"; do
  complaints=$(serdi -i turtle -o ntriples "$file" 2>&1 >/dev/null) || { echo "$file: $complaints" >&2; exit 1; }
  [ -z "$complaints" ] || { echo "$file: $complaints" >&2; exit 1; }
done
echo "serdi reads ${#files[@]} description files: ${files[*]##*/}"
