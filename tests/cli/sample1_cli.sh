#!/usr/bin/env bash
# jrv-cli on the first example set: its "Surname, Given" labels in the comma-delimited
# exports, its conversion to right-wrong data, and the commands on a file the desktop
# program saved after an analysis.
# Arguments: path to jrv-cli, the golden data folder.
set -u
cli=$1
source "$(dirname "$0")/lib/checks.bash"
# The distinct field counts of a comma-delimited file, as a spreadsheet reads them.
field_counts() {
  python3 -c 'import csv, sys; print(*sorted({len(r) for r in csv.reader(open(sys.argv[1], newline=""))}))' "$1"
}

check "sample1" 0 "$(status "$cli" example sample1 -o "$tmp/s1.jrv")"
items=$(grep -a '^# Items' "$tmp/s1.jrv" | tr -dc '0-9')
for format in 01 raw; do
  check "export $format" 0 "$(status "$cli" export --format $format "$tmp/s1.jrv" -o "$tmp/$format.txt")"
  check "$format: every row as wide as the header" "$((items + 1))" "$(field_counts "$tmp/$format.txt")"
  check "$format: a label with a comma is one quoted field" '"' "$(line 3 "$tmp/$format.txt" | cut -c1)"
done
check "01-data file" 0 "$(status "$cli" analyze "$tmp/s1.jrv" -o "$tmp/r.txt" --save 01-data)"
check "01-data: every row as wide as the header" "$((items + 1))" "$(field_counts "$tmp/r_01_data.txt")"

# Right-wrong data carry no alternative answers: they are already applied.
check "to right-wrong" 0 "$(status "$cli" convert --to right-wrong "$tmp/s1.jrv" -o "$tmp/rw.jrv")"
check "right-wrong: no alternatives" "#Alternatives = 0" "$(grep -a '^#Alternatives' "$tmp/rw.jrv" | tr -d '\r')"
check "right-wrong analyses" 0 "$(status "$cli" analyze "$tmp/rw.jrv")"
check "right-wrong: no messages" "" "$(cat "$tmp/err")"

# A desired reliability that is not a number: the message, then the result of 0.80.
check "desired abc" 0 "$(status "$cli" spearman-brown "$tmp/s1.jrv" --desired abc)"
check "desired abc message" "Reliability must a numeric value between 0.0 and 1.0" "$(cat "$tmp/err")"
check "desired abc goes on with 0.800" "Desired reliability: 0.800" "$(grep '^Desired' "$tmp/out")"
check "desired abc result" "1" "$(grep -c '^Length factor L: ' "$tmp/out")"

# An "A" without alternatives, as saved after "Close && Analyze" was pressed twice.
sed -E 's/^(Item Analyzed = .)./\1A/; s/^#Alternatives = .*/#Alternatives = 0\r/' "$tmp/rw.jrv" >"$tmp/a.jrv"
check "include A in the file" "Item Analyzed = YA" "$(grep -a '^Item Analyzed' "$tmp/a.jrv" | cut -c1-18)"
check "analyze accepts it" 0 "$(status "$cli" analyze "$tmp/a.jrv")"
check "grade-reports accepts it" 0 "$(status "$cli" grade-reports "$tmp/a.jrv" -o "$tmp/a.rpt")"
check "spearman-brown accepts it" 0 "$(status "$cli" spearman-brown "$tmp/a.jrv")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
