#!/usr/bin/env bash
# scripts/setup.sh on a machine that has none of its packages: a stand-in
# dpkg-query reports every package missing and records the question, a
# stand-in apt-get records what it is asked to do; apt-cache is the real one,
# so the packages must be offered by this machine's sources.
# Usage: setup_test.sh WORK-DIR
set -euo pipefail
setup=$(cd "$(dirname "$0")/../.." && pwd)/scripts/setup.sh
work=$(mkdir -p "$1" && mktemp -d "$1/setup.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
stand_in() { printf '#!/bin/sh\n%s\n' "$2" >"$work/bin/$1"; chmod +x "$work/bin/$1"; }
stand_in dpkg-query 'shift 2; for p; do echo "$p" >>"$SETUP_TEST_DIR/asked"; echo "dpkg-query: no packages found matching $p" >&2; done; exit 1'
stand_in apt-get 'echo "$*" >>"$SETUP_TEST_DIR/apt-get"; [ "$1" != update ] || exit "${SETUP_TEST_UPDATE_STATUS:-0}"'
stand_in sudo 'exec "$@"'

failures=0
fail() { echo "FAIL $case: $*" >&2; failures=$((failures + 1)); }

# CASE ARGUMENT (- for none) UPDATE-STATUS EXPECTED-STATUS
while read -r case argument update_status expected_status; do
  rm -f "$work/asked" "$work/apt-get"
  arguments=(); [ "$argument" = - ] || arguments=("$argument")
  status=0
  SETUP_TEST_DIR=$work SETUP_TEST_UPDATE_STATUS=$update_status PATH="$work/bin:$PATH" \
    bash "$setup" "${arguments[@]}" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq "$expected_status" ] || fail "exit $status, expected $expected_status: $(cat "$work/err")"
  asked=$(sort "$work/asked" | tr '\n' ' ')
  if [ "$expected_status" -eq 0 ]; then
    # Everything it asked about is installed, in one apt-get call after the update.
    installed=$(sed -n 's/^install -y -qq --no-install-recommends //p' "$work/apt-get" | tr ' ' '\n' | sort | tr '\n' ' ')
    [ "$(head -n 1 "$work/apt-get")" = "update -qq" ] || fail "no apt-get update first: $(cat "$work/apt-get")"
    [ "$installed" = "$asked" ] || fail "installed [$installed], asked about [$asked]"
    [ "$argument" != --tests ] || [[ " $asked" == *" ardour "* ]] || fail "--tests does not install ardour"
    [ "$argument" != --tests ] || [[ " $asked" == *" qtractor "* ]] || fail "--tests does not install qtractor"
    [[ " $asked" == *" dpf-source "* ]] || fail "the build's CLAP headers (dpf-source) are not installed"
  else
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^setup.sh: apt-get update failed' "$work/err" ||
      fail "expected one line naming apt-get update: $(cat "$work/err")"
    ! grep -q '^install' "$work/apt-get" || fail "installed after a failed update"
  fi
done <<'CASES'
build-packages - 0 0
test-packages --tests 0 0
update-fails --tests 100 1
CASES
[ "$failures" -eq 0 ] && echo "setup.sh installs every missing package, or says in one line why not"
