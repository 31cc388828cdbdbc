#!/usr/bin/env bash
# jrv-cli regrade: decisions on a quiz's items, the before -> after summary, the decided
# input file, the changes file, and every refusal (exit 1, nothing written).
# Arguments: path to jrv-cli, the golden data folder.
set -u
cli=$1
data=$2/regrade
source "$(dirname "$0")/lib/checks.bash"
same() { cmp -s "$1" "$2" && echo same || echo differ; }
written() { [ -e "$tmp/new.jrv" ] || [ -e "$tmp/changes.csv" ] && echo yes || echo no; }

# The quiz's item 2 is keyed B; most of the class answered C.
check "rekey" 0 "$(status "$cli" regrade "$data/quiz.jrv" --rekey 2=C -o "$tmp/new.jrv" \
  --changes "$tmp/changes.csv")"
check "summary" "KR-20: 0.250 -> 0.368|Mean: 3.000 -> 3.375|SD: 1.118 -> 1.218|SEM: 0.968 -> 0.968|Grade changes: 5 (4 up, 1 down)|Examinees changed: 7|" \
  "$(tr '\n' '|' <"$tmp/out")"
check "no messages" "" "$(cat "$tmp/err")"
check "decided file is the hand-edited one" same "$(same "$tmp/new.jrv" "$data/quiz_rekey_2C.jrv")"
check "changes file" same "$(same "$tmp/changes.csv" "$data/quiz_rekey_2C_changes.csv")"
check "analyze reads the decided file" 0 "$(status "$cli" analyze "$tmp/new.jrv")"
check "to the regraded KR-20" "KR20 (Alpha)               = 0.368" \
  "$(grep -a '^KR20 (Alpha)' "$tmp/out")"

# Options as letters or digits, both cases; several accepts of different options on one item.
check "accept two options" 0 "$(status "$cli" regrade "$data/quiz.jrv" --accept 2=3 --accept 2=d)"
# S07 answered D: 1 -> 2, F -> C, besides the four whom C lifts.
check "accept summary" "Grade changes: 5 (5 up, 0 down)" "$(sed -n 5p "$tmp/out")"
check "credit and drop" 0 "$(status "$cli" regrade "$data/quiz.jrv" --credit 2 --drop 5)"
check "letters key a lowercase rekey" 0 "$(status "$cli" regrade "$data/quiz.jrv" --rekey 2=c)"

rm -f "$tmp/new.jrv" "$tmp/changes.csv"
refused() {  # refused NAME MESSAGE ARGS...
  local name=$1 message=$2
  shift 2
  check "$name: status" 1 "$(status "$cli" regrade "$data/quiz.jrv" "$@" -o "$tmp/new.jrv" \
    --changes "$tmp/changes.csv")"
  check "$name: message" "$message" "$(cat "$tmp/err")"
  check "$name: nothing written" no "$(written)"
  check "$name: nothing printed" "" "$(cat "$tmp/out")"
}
refused "item beyond the test" "Item 6 is not on this test: its items are 1 to 5." --drop 6
refused "item 0" "Item 0 is not on this test: its items are 1 to 5." --rekey 0=A
refused "option above the item's" "Item 2 has 4 options: option E is not one of them." --accept 2=E
refused "not an option" "Item 2: 'Z' is not an option; write options as digits 1-8 or letters A-H." \
  --rekey 2=Z
refused "two decisions on an item" \
  "Item 2: \"Rekey item 2 to C\" and \"Drop item 2\" contradict each other; decide once per item." \
  --rekey 2=C --credit 3 --drop 2
refused "the same option twice" "Item 2: option C is accepted twice." --accept 2=C --accept 2=3
refused "already the key" "Item 2 is already keyed to B." --rekey 2=B

check "no decision value" 2 "$(status "$cli" regrade "$data/quiz.jrv" --rekey 2)"
check "item not a number" 2 "$(status "$cli" regrade "$data/quiz.jrv" --drop two)"
check "no input" 2 "$(status "$cli" regrade --drop 2)"
check "missing input file" 1 "$(status "$cli" regrade "$tmp/none.jrv" --drop 2)"
cp "$data/quiz.jrv" "$tmp/quiz.jrv"
check "the input is never overwritten" 2 \
  "$(status "$cli" regrade "$tmp/quiz.jrv" --rekey 2=C -o "$tmp/../$(basename "$tmp")/quiz.jrv")"
check "input unchanged" same "$(same "$tmp/quiz.jrv" "$data/quiz.jrv")"
check "changes over the new file" 2 \
  "$(status "$cli" regrade "$tmp/quiz.jrv" --drop 2 -o "$tmp/x.jrv" --changes "$tmp/x.jrv")"
check "help" 0 "$(status "$cli" regrade --help)"

# Without a grade scale the grade columns are empty.
check "generate" 0 "$(status "$cli" generate --cases 40 --items 10 --seed 11 -o "$tmp/g.jrv")"
check "drop on ungraded" 0 "$(status "$cli" regrade "$tmp/g.jrv" --drop 1 --changes "$tmp/g.csv")"
rows=$(($(wc -l <"$tmp/g.csv") - 1))
check "every examinee listed (percentages change)" 40 "$rows"
check "grade columns empty" "$rows" "$(grep -ac ',,.$' "$tmp/g.csv")"
check "no grade changes" "Grade changes: 0 (0 up, 0 down)" "$(sed -n 5p "$tmp/out")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
