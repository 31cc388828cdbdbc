#!/usr/bin/env bash
# jrv-cli grade-reports and spearman-brown: an analysed input file's grade reports file and
# the calculator's numbers.
# Arguments: path to jrv-cli, the golden data folder.
set -u
cli=$1
legacy=$2/exports/legacy
source "$(dirname "$0")/lib/checks.bash"
value() { grep -a "^$1" "$2" | sed "s/^$1//" | tr -d '\r'; }

check "grade reports" 0 "$(status "$cli" grade-reports "$legacy/v6_sample.jrv" -o "$tmp/g.rpt")"
check "first line" "For best results," "$(head -1 "$tmp/g.rpt" | tr -d '\r')"
check "one report per examinee" 3 "$(grep -ac '^Individual Grade Report for: ' "$tmp/g.rpt")"
check "partial-credit score line" "Total Points= 13.0= 4*2.0 MC + 5 PC (Grade = 86.67% = Top )" \
  "$(grep -a -A2 'for: Bob' "$tmp/g.rpt" | sed -n 3p | tr -d '\r')"
check "usage" 2 "$(status "$cli" grade-reports "$legacy/v6_sample.jrv")"

check "generate 501" 0 "$(status "$cli" generate --cases 501 --items 10 -o "$tmp/big.jrv")"
check "too many for grade reports" 1 "$(status "$cli" grade-reports "$tmp/big.jrv" -o "$tmp/big.rpt")"
check "limit message" "Number of Cases must be 500 or less to Save Grade Reports" "$(head -1 "$tmp/err")"
check "nothing written" "no" "$([ -e "$tmp/big.rpt" ] && echo yes || echo no)"

check "generate 40x30" 0 "$(status "$cli" generate --cases 40 --items 30 --seed 7 -o "$tmp/t.jrv")"
check "spearman-brown" 0 "$(status "$cli" spearman-brown "$tmp/t.jrv")"
check "default desired" "0.800" "$(value 'Desired reliability: ' "$tmp/out")"
check "current items" "30" "$(value 'Items in the test now: ' "$tmp/out")"
change=$(value 'Items to change: ' "$tmp/out")
total=$(value 'Total items needed: ' "$tmp/out")
n=${change% *}; word=${change#* }
if [ "$word" == "more" ]; then expected=$((30 + n)); else expected=$((30 - n)); fi
check "total = current +/- change" "$expected" "$total"
check "desired 1.0 refused" 1 "$(status "$cli" spearman-brown "$tmp/t.jrv" --desired 1.0)"
check "range message" \
  "Reliability must a numeric value between 0.0 and 0.99 -- note that if desired reliability is 1.0, the formula results in an undefined value." \
  "$(head -1 "$tmp/err")"
check "kr20 of zero" 1 "$(status "$cli" spearman-brown "$legacy/v6_sample.jrv")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
