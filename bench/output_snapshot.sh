#!/usr/bin/env bash
# Writes every report and file jrv-cli makes for the example sets, a large generated test
# and a few special inputs into one folder, so that two builds can be compared byte for byte:
#   bench/output_snapshot.sh OLD/jrv-cli /tmp/before
#   bench/output_snapshot.sh NEW/jrv-cli /tmp/after
#   diff -r /tmp/before /tmp/after
# Arguments: path to jrv-cli, an output folder (emptied first).
set -uo pipefail
cli=$(realpath "$1")
out=$2
golden=$(realpath "$(dirname "$0")/../tests/golden")
rm -rf "$out"
mkdir -p "$out/in"
cd "$out" || exit 1

# run NAME COMMAND...: the command's stdout, stderr and exit status, kept under NAME.
run() {
  local name=$1
  shift
  "$cli" "$@" >"$name.stdout" 2>"$name.stderr"
  echo $? >"$name.status"
}

for set in sample1 sample2 sample3 numeric right-wrong letter true-false mixture qzr1 qzl1; do
  run "in/$set" example "$set" -o "in/$set.jrv"
done
run in/big generate --cases 9999 --items 100 --seed 7 -o in/big.jrv
run in/big_letters generate --cases 2000 --items 60 --seed 3 --letters --options mix -o in/big_letters.jrv
cp "$golden"/reports/*.jrv "$golden"/input/*.jrv "$golden"/regrade/quiz.jrv in/
# Labels outside ASCII: one that fits Windows-1252, one that does not, one file in it.
sed -e 's/^0001/José/' -e 's/^0002/Zoë /' in/sample1.jrv >in/accents.jrv
sed -e 's/^0001/Дмит/' in/sample1.jrv >in/cyrillic.jrv
iconv -f UTF-8 -t WINDOWS-1252 in/accents.jrv >in/cp1252.jrv 2>/dev/null || true

all=exm,itm,opt,rpt,jrv,item-stats,01-data,alt,gradebook,xlsx
for input in in/*.jrv; do
  t=$(basename "$input" .jrv)
  mkdir -p "$t"
  run "$t/print" analyze "$input"
  run "$t/all" analyze "$input" -o "$t/all.txt" --save "$all" --json "$t/all.json"
  run "$t/four" analyze "$input" -o "$t/four.txt" --save exm,itm,opt,item-stats
  run "$t/letters" analyze "$input" -o "$t/letters.txt" --bands letters --sort-items difficulty \
    --sort-examinees score
  run "$t/percent" analyze "$input" -o "$t/percent.txt" --bands percent --hide-labels \
    --sort-items pbis --absolute-grades
  run "$t/label" analyze "$input" --sort-examinees label --sort-items adjpbis --groups 30,20 \
    --no-problems
  for f in 01 raw data; do run "$t/export_$f" export --format "$f" "$input" -o "$t/export_$f.txt"; done
  for to in right-wrong letters numbers; do run "$t/convert_$to" convert --to "$to" "$input" -o "$t/convert_$to.jrv"; done
  run "$t/grades" grade-reports "$input" -o "$t/grades.rpt"
  run "$t/sb" spearman-brown "$input" --desired 0.9
  run "$t/html" report "$input" -o "$t/report.html"
  # The same test as an older version: without the marker line it reads as version 5.
  tail -n +2 "$input" >"$t/v5.jrv"
  run "$t/import5" import --from 5 "$t/v5.jrv" -o "$t/import5.jrv"
done
for v in 3 4; do
  for f in "$golden"/exports/legacy/*.jrv; do
    run "legacy_${v}_$(basename "$f" .jrv)" import --from "$v" "$f" -o "legacy_${v}_$(basename "$f")"
  done
done
# A workbook is a zip with a time stamp: its sheets and strings are compared instead.
find . -name '*.xlsx' -exec sh -c 'unzip -p "$1" "xl/worksheets/*" xl/sharedStrings.xml >"$1.sheets"; rm "$1"' _ {} \;
echo "snapshot in $out: $(find . -type f | wc -l) files"
