#!/usr/bin/env bash
# jrv-cli generate: fields, messages, exit codes and the saved input file.
# Arguments: path to jrv-cli, the golden folder.
set -u
cli=$1
golden=$2
source "$(dirname "$0")/lib/checks.bash"


# Defaults: 20 cases, 30 items, seed 1804, mixed options, medium difficulty, numbers.
"$cli" generate -o "$tmp/default.jrv" 2>"$tmp/err"
check "default exit" 0 $?
check "default stderr" "" "$(cat "$tmp/err")"
check "version line" "JRV: Orvandel (version 6)" "$(line 1 "$tmp/default.jrv")"
check "title line" "Title         = Generated: Cases=20, Items=30, Seed=1804, Options=mix, Diff=medium" \
  "$(line 2 "$tmp/default.jrv")"
check "cases line" "# Examinees   = 20" "$(line 4 "$tmp/default.jrv")"
check "label length line" "Label Length  = 15" "$(line 8 "$tmp/default.jrv")"
check "first data line label" "Person_001     " "$(line 16 "$tmp/default.jrv" | cut -c1-15)"
check "CR LF endings" "$(wc -l <"$tmp/default.jrv")" "$(grep -c $'\r$' "$tmp/default.jrv")"
cmp -s "$golden/generate/default_1804.jrv" "$tmp/default.jrv"
check "the same seed gives the same file, byte for byte" 0 $?

# Every field on the command line.
"$cli" generate --cases 1200 --items 100 --seed 12345678901 --options 2 --difficulty very-hard \
  --letters -o "$tmp/big.jrv"
check "all fields exit" 0 $?
check "all fields title" \
  "Title         = Generated: Cases=1200, Items=100, Seed=1234567890, Options=2, Diff=v. hard" \
  "$(line 2 "$tmp/big.jrv")"
check "letters key" "" "$(line 9 "$tmp/big.jrv" | cut -c17- | tr -d 'AB')"
check "large label" "0001 " "$(line 16 "$tmp/big.jrv" | cut -c1-5)"
check "last data line" "1200 " "$(line 1215 "$tmp/big.jrv" | cut -c1-5)"

# Refused fields: the window's message on stderr, exit 1, nothing written.
"$cli" generate --cases 10000 -o "$tmp/no.jrv" 2>"$tmp/err"
check "too many cases exit" 1 $?
check "too many cases message" "Number of Cases must be between 1 and 9999" "$(cat "$tmp/err")"
check "nothing written" "no" "$([ -e "$tmp/no.jrv" ] && echo yes || echo no)"
"$cli" generate --items 101 -o "$tmp/no.jrv" 2>"$tmp/err"
check "too many items" "Number of Items must be between 1 and 100" "$(cat "$tmp/err")"
"$cli" generate --seed abc -o "$tmp/no.jrv" 2>"$tmp/err"
check "bad seed" "Seed must be a numeric value" "$(cat "$tmp/err")"

# Wrong usage: exit 2.
"$cli" generate 2>/dev/null
check "missing output" 2 $?
"$cli" generate --options 6 -o "$tmp/no.jrv" 2>/dev/null
check "bad options choice" 2 $?
"$cli" generate --difficulty impossible -o "$tmp/no.jrv" 2>/dev/null
check "bad difficulty" 2 $?

echo "generate: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
