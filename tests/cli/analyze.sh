#!/usr/bin/env bash
# jrv-cli analyze: the quick reports on stdout, the results file and its companions with -o,
# the option flags, and the exit statuses.
# Arguments: path to jrv-cli, the golden data folder.
set -u
cli=$1
golden=$2/reports
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# same NAME EXPECTED ACTUAL: byte for byte, or the first differing line with both texts.
same() {
  if ! cmp -s "$2" "$3"; then
    fail "$1: $3 differs from $2"
    diff <(tr -d '\r' <"$2") <(tr -d '\r' <"$3") | head -6 | sed 's/^/    /'
  fi
}

# status NAME EXPECTED COMMAND...: the exit status; stderr is kept in $tmp/err.
status() {
  local name=$1 want=$2
  shift 2
  "$@" >"$tmp/out" 2>"$tmp/err"
  local got=$?
  [ "$got" -eq "$want" ] || { fail "$name: exit status $got, expected $want"; sed 's/^/    /' "$tmp/err"; }
}

has_line() { grep -qxF -- "$2" "$tmp/err" || { fail "$1: stderr lacks '$2'"; sed 's/^/    /' "$tmp/err"; }; }

# Without -o: the two quick reports separated by a blank line.
status "quick reports" 0 "$cli" analyze "$golden/basic.jrv"
same "quick reports" "$golden/basic.stdout" "$tmp/out"

# With -o and the default companions: .txt .exm .itm .opt and the .jrv copy, nothing else.
mkdir "$tmp/default"
status "default save" 0 "$cli" analyze "$golden/basic.jrv" -o "$tmp/default/basic.txt"
for ext in txt exm itm opt; do same "default save" "$golden/basic.$ext" "$tmp/default/basic.$ext"; done
[ "$(ls "$tmp/default" | sort | tr '\n' ' ')" = "basic.exm basic.itm basic.jrv basic.opt basic.txt " ] ||
  fail "default save wrote: $(ls "$tmp/default" | tr '\n' ' ')"
# The copy reads back to the same analysis.
status "copy reads back" 0 "$cli" analyze "$tmp/default/basic.jrv"
same "copy reads back" "$golden/basic.stdout" "$tmp/out"

mkdir "$tmp/none"
status "empty save list" 0 "$cli" analyze "$golden/basic.jrv" -o "$tmp/none/R.txt" --save ""
[ "$(ls "$tmp/none")" = "R.txt" ] || fail "empty save list wrote: $(ls "$tmp/none" | tr '\n' ' ')"

# The option flags reach the reports as the menus and windows set them.
mkdir "$tmp/flags"
status "partial flags" 0 "$cli" analyze "$golden/partial.jrv" -o "$tmp/flags/partial.txt" \
  --save exm,itm,opt --bands letters --sort-items difficulty --sort-examinees score
status "long flags" 0 "$cli" analyze "$golden/long.jrv" -o "$tmp/flags/long.txt" \
  --save exm,itm,opt --hide-labels --sort-items pbis --bands percent
for name in partial long; do
  for ext in txt exm itm opt; do same "$name flags" "$golden/$name.$ext" "$tmp/flags/$name.$ext"; done
done

# The exports named after the results file.
mkdir "$tmp/exports"
status "exports" 0 "$cli" analyze "$golden/basic.jrv" -o "$tmp/exports/Exam1.txt" \
  --save rpt,item-stats,01-data,alt
for f in Exam1.txt Exam1.rpt Exam1_item_stats.txt Exam1_01_data.txt Exam1_alt.dat Exam1_alt.exp; do
  [ -s "$tmp/exports/$f" ] || fail "exports: $f missing"
done
[ -e "$tmp/exports/Exam1.jrv" ] && fail "exports: the .jrv copy was not asked for"
head -1 "$tmp/exports/Exam1_item_stats.txt" | tr -d '\r' |
  grep -qx "item,correct,diff,pbis,biserial,pbis_del,discrim,high,low,kr20_del,mean_del,sd_del,sem_del" ||
  fail "exports: item statistics header"
[ "$(wc -l <"$tmp/exports/Exam1_item_stats.txt")" -eq 10 ] || fail "exports: one line per included item"

# Settings refused by their windows' checks stop with the windows' messages.
status "groups too large" 1 "$cli" analyze "$golden/basic.jrv" --groups 60,50
has_line "groups too large" "Percentages cannot total more than 100"
status "middle group warning" 0 "$cli" analyze "$golden/basic.jrv" --groups 45,40
has_line "middle group warning" "Percentages provided do not provide a very large middle group"
status "criteria" 1 "$cli" analyze "$golden/basic.jrv" --criteria 0.2,0.9,2,0.2,0.2
has_line "criteria" "Item Discrimination criterion must be a numeric value between -1 and 1"
printf 'USER=NO\r\n5\r\nA   =\r\n90\r\nB   =\r\n90\r\nC   =\r\n70\r\nD   =\r\n60\r\nF   \r\n' >"$tmp/bad.ini"
status "grades" 1 "$cli" analyze "$golden/basic.jrv" --grades "$tmp/bad.ini"
has_line "grades" "Grades are not in numerical order (check Category 1 or 2"
printf 'USER=NO\r\n2\r\nPass =\r\n50\r\nFail  \r\n' >"$tmp/pass.ini"
status "grades file" 0 "$cli" analyze "$golden/basic.jrv" --grades "$tmp/pass.ini" --no-problems --absolute-grades
grep -qxF "Grading Scale:  Pass= 50" "$tmp/out" || fail "grades file: scale line"
grep -q "# marks" "$tmp/out" && fail "--no-problems still marks items"

# A refused input file and wrong usage.
sed 's/^# Items       = 10/# Items       = 0/' "$golden/basic.jrv" >"$tmp/zero.jrv"
status "refused input" 1 "$cli" analyze "$tmp/zero.jrv"
has_line "refused input" "Number of Items must be between 1 and 100"
status "missing input" 1 "$cli" analyze "$tmp/nothing.jrv"
status "no input" 2 "$cli" analyze
status "unknown option" 2 "$cli" analyze "$golden/basic.jrv" --colour
status "bad sort" 2 "$cli" analyze "$golden/basic.jrv" --sort-items alphabet
status "bad save entry" 2 "$cli" analyze "$golden/basic.jrv" -o "$tmp/x.txt" --save exm,pdf
status "save without -o" 2 "$cli" analyze "$golden/basic.jrv" --save exm
status "bad max options" 2 "$cli" analyze "$golden/basic.jrv" --max-options 6

[ "$failures" -eq 0 ] && echo "all passed"
exit "$failures"
