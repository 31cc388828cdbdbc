#!/usr/bin/env bash
# jrv-cli example: every built-in example is saved as an input file that reads back.
# Arguments: path to jrv-cli, the golden folder.
set -u
cli=$1
source "$(dirname "$0")/lib/checks.bash"


for name in sample1 sample2 sample3 numeric right-wrong letter true-false mixture qzr1 qzl1; do
  "$cli" example "$name" -o "$tmp/$name.jrv" 2>"$tmp/err"
  check "$name exit" 0 $?
  check "$name stderr" "" "$(cat "$tmp/err")"
  check "$name version line" "JRV: Orvandel (version 6)" "$(line 1 "$tmp/$name.jrv")"
  "$cli" analyze "$tmp/$name.jrv" >"$tmp/out" 2>"$tmp/err"
  check "$name analyses" 0 $?
  check "$name analysis messages" "" "$(cat "$tmp/err")"
done

check "sample1 grades" "# Grades      = 5" "$(grep -a '^# Grades' "$tmp/sample1.jrv" | tr -d '\r')"
check "sample1 alternatives" "#Alternatives = 2" \
  "$(grep -a '^#Alternatives' "$tmp/sample1.jrv" | tr -d '\r')"
check "mixture key" "Answer Key    = 1111210000ABbbBTtfTF" "$(line 9 "$tmp/mixture.jrv")"
check "hidden set title" "Title         = Data for Biserial Example" "$(line 2 "$tmp/qzl1.jrv")"

"$cli" example sample9 -o "$tmp/x.jrv" 2>/dev/null
check "unknown name" 2 $?
"$cli" example sample1 2>/dev/null
check "missing output" 2 $?

echo "example: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
