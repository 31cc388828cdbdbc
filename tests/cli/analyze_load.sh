#!/usr/bin/env bash
# jrv-cli analyze: loading an input file as the data editor does.
# Arguments: path to jrv-cli, the golden data folder.
set -u
cli=$1
golden=$2/input
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# expect NAME STATUS STREAM TEXT -- COMMAND...: the exit status and one exact line of output.
expect() {
  local name=$1 status=$2 stream=$3 text=$4
  shift 5
  "$@" >"$tmp/out" 2>"$tmp/err"
  local got=$?
  if [ "$got" -ne "$status" ]; then
    echo "FAIL $name: exit status $got, expected $status"; cat "$tmp/err"; failures=$((failures + 1)); return
  fi
  if [ -n "$text" ] && ! grep -qxF -- "$text" "$tmp/$stream"; then
    echo "FAIL $name: expected on $stream the line"; echo "  '$text'"; echo "got:"; sed 's/^/  /' "$tmp/$stream"
    failures=$((failures + 1))
  fi
}

expect "no input" 2 err "usage: jrv-cli analyze INPUT.jrv [-o RESULTS.txt] [--save LIST] [options]" -- "$cli" analyze
expect "two inputs" 2 err "" -- "$cli" analyze a.jrv b.jrv

expect "loads the fixture" 0 out "Number of Examinees = 5" -- "$cli" analyze "$golden/full_test.jrv"
if [ -s "$tmp/err" ]; then echo "FAIL loads the fixture: unexpected messages"; cat "$tmp/err"; failures=$((failures + 1)); fi

expect "refused check" 1 err \
  "Check Item #3. All ANSWER KEY values should be single digit integers between 1 and 8 (or the letter equivalents: A-E or A-H).  You can change the Maximum # Options to either 5 (default) or 8 in the Options Menu." \
  -- "$cli" analyze "$golden/short_key.jrv"

printf 'JRV: Orvandel (version 5)\r\n' >"$tmp/old.jrv"
expect "wrong version" 1 err \
  "Sorry, your input file was not created by JRV Version 6.x.x (or was created before this feature was added)." \
  -- "$cli" analyze "$tmp/old.jrv"
[ "$(wc -l <"$tmp/err")" -eq 5 ] || { echo "FAIL wrong version: expected 5 lines (3 paragraphs)"; cat "$tmp/err"; failures=$((failures + 1)); }

expect "missing file" 1 err "" -- "$cli" analyze "$tmp/none.jrv"
grep -q "none.jrv" "$tmp/err" || { echo "FAIL missing file: the message does not name the file"; failures=$((failures + 1)); }

head -c 300 /dev/urandom >"$tmp/noise.jrv"
expect "noise" 1 err "" -- "$cli" analyze "$tmp/noise.jrv"

[ "$failures" -eq 0 ] && echo "all passed"
exit "$failures"
