#!/usr/bin/env bash
# jrv-cli import --from csv|tsv|xlsx|ods: spreadsheets of responses as tests. Each fixture's
# .jrv and roster are compared with the expected files; every bad input is refused with one
# message naming the file. Arguments: path to jrv-cli, the golden data folder.
# Set JRV_UPDATE_GOLDEN=1 to rewrite the expected files (then review the difference).
set -u
cli=$1
sheets=$2/sheets
expected=$sheets/expected
source "$(dirname "$0")/lib/checks.bash"

# A file's text as UTF-8 without CRs, whichever character set the writer chose.
text() {
  if iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1; then cat "$1"; else iconv -f CP1252 -t UTF-8 "$1"; fi | tr -d '\r'
}

# golden NAME FILE FORMAT [options]: import, compare the .jrv and the roster, analyse it.
golden() {
  local name=$1 file=$2 format=$3
  shift 3
  check "$name imports" 0 "$(status "$cli" import --from "$format" "$sheets/$file" -o "$tmp/$name.jrv" "$@")"
  cp "$tmp/out" "$tmp/$name.stdout"
  if [ -n "${JRV_UPDATE_GOLDEN:-}" ]; then
    cp "$tmp/$name.jrv" "$expected/$name.jrv"
    cp "$tmp/${name}_roster.csv" "$expected/${name}_roster.csv"
  fi
  check "$name .jrv" "$(text "$expected/$name.jrv")" "$(text "$tmp/$name.jrv")"
  check "$name roster" "$(tr -d '\r' <"$expected/${name}_roster.csv")" "$(tr -d '\r' <"$tmp/${name}_roster.csv")"
  check "$name analyses" 0 "$(status "$cli" analyze "$tmp/$name.jrv")"
}

golden scanner scanner.csv csv
check "scanner summary" "6 examinees, 8 items, key from row 2" "$(head -1 "$tmp/scanner.stdout")"
golden semicolon semicolon_bom.csv csv
golden windows_1252 windows_1252.csv csv
golden right_wrong right_wrong.tsv tsv
check "right-wrong summary" "3 examinees, 5 items, key all 1 (right-wrong)" "$(head -1 "$tmp/right_wrong.stdout")"
golden numbers numbers.xlsx xlsx
golden true_false true_false.ods ods --sheet "Class 7B"
golden text_answers text_answers.xlsx xlsx --label-columns B --title "Quiz 3"
check "text mapping shown" "column C (Capital of France?): Lyon -> 1, Marseille -> 2, Paris -> 3 (key)" "$(sed -n 2p "$tmp/text_answers.stdout")"
golden chosen scanner.csv csv --header yes --label-columns C,B --item-columns D-G --key ACBD --title "First four"
check "chosen summary" "6 examinees, 4 items, key typed" "$(head -1 "$tmp/chosen.stdout")"

# The scanner's warnings, in order.
status "$cli" import --from csv "$sheets/scanner.csv" -o "$tmp/w.jrv" >/dev/null
check "warnings" "scanner.csv: 1 labelled row has no answers (every item missing): row 7|scanner.csv: 1 cell holds several answers and counts as missing (first at row 5, column G: \"AB\")|scanner.csv: 1 cell holds something that is not an answer and counts as missing (first at row 9, column K: \"?\")" "$(paste -sd'|' "$tmp/err")"

# Labels longer than 105 columns leave are cut, with a warning naming each one.
{ printf 'Name,Q1\nKEY,A\n'; printf '%s,A\n' "$(printf 'x%.0s' {1..110})" "Short"; } >"$tmp/long.csv"
check "long label imports" 0 "$(status "$cli" import --from csv "$tmp/long.csv" -o "$tmp/long.jrv")"
check "long label summary" "2 examinees, 1 item, key from row 2, 1 label cut" "$(cat "$tmp/out")"
check "long label length" "Label Length  = 104" "$(line 8 "$tmp/long.jrv")"
check "roster keeps it whole" 111 "$(sed -n 2p "$tmp/long_roster.csv" | tr -d '\r' | wc -c)"

# refuse NAME EXPECTED-MESSAGE FILE FORMAT [options]: exit 1, the message, nothing written.
refuse() {
  local name=$1 message=$2 file=$3 format=$4
  shift 4
  rm -f "$tmp/bad.jrv" "$tmp/bad_roster.csv"
  check "$name refused" 1 "$(status "$cli" import --from "$format" "$file" -o "$tmp/bad.jrv" "$@")"
  check "$name message" "$message" "$(head -1 "$tmp/err")"
  check "$name writes nothing" "no" "$([ -e "$tmp/bad.jrv" ] || [ -e "$tmp/bad_roster.csv" ] && echo yes || echo no)"
}

refuse "not a spreadsheet" "not_a_sheet.xlsx: not a spreadsheet: the file is not an XLSX or ODS workbook" "$sheets/not_a_sheet.xlsx" xlsx
refuse "csv given a workbook" "numbers.xlsx: the file is a zipped workbook (XLSX or ODS), not comma- or tab-separated text" "$sheets/numbers.xlsx" csv
refuse "encrypted" "encrypted.xlsx: the workbook is encrypted with a password, or saved in the old binary format; save it again as .xlsx or .ods without a password" "$sheets/encrypted.xlsx" xlsx
refuse "empty sheet" "empty_sheet.xlsx: the sheet 'Sheet' is empty" "$sheets/empty_sheet.xlsx" xlsx
: >"$tmp/empty.csv"
refuse "empty csv" "empty.csv: the file holds no cells" "$tmp/empty.csv" csv
refuse "no sheet of that name" "numbers.xlsx: the workbook has no sheet named 'Grades' (its sheets: 'Scores', 'Notes')" "$sheets/numbers.xlsx" xlsx --sheet Grades
refuse "no item columns" "names_only.csv: no item columns: no column holds answers (A-H, 0-8, T/F); name the item columns" "$sheets/names_only.csv" csv
refuse "truncated zip" "truncated.xlsx: the workbook is damaged or truncated (its zip container cannot be read)" "$sheets/truncated.xlsx" xlsx
refuse "zip bomb" "zip_bomb.xlsx: the workbook expands past 200 MB; it is refused as damaged or hostile" "$sheets/zip_bomb.xlsx" xlsx
refuse "xml bomb" "xml_bomb.xlsx: no item columns: no column holds answers (A-H, 0-8, T/F); name the item columns" "$sheets/xml_bomb.xlsx" xlsx
refuse "nine texts" "nine_texts.csv: column B (Favourite colour): more than 8 different answers; a text-answer column can have at most 8 (row 11 holds the 9th)" "$sheets/nine_texts.csv" csv
refuse "key row too short" "scanner.csv: row 2, column L: the key row holds no answer for this item" "$sheets/scanner.csv" csv --item-columns D-L --key-row 2
refuse "key row missing" "scanner.csv: row 40 holds no key" "$sheets/scanner.csv" csv --key-row 40
refuse "typed key too short" "scanner.csv: the key has 7 answers for 8 item columns" "$sheets/scanner.csv" csv --key ACBDEAB
printf 'Name\tQ1\tQ2\nAnn\tA\tB\nBob\tC\tA\n' >"$tmp/abc.tsv"
refuse "no key" "abc.tsv: no key: no row has a cell reading KEY or Answer Key, and the answers are not all 0/1 right-wrong; name the key row or type the key" "$tmp/abc.tsv" tsv
{ printf 'Name,Q1\nKEY,A\n'; seq 1 10000 | awk '{print "S" $1 ",A"}'; } >"$tmp/many.csv"
refuse "10000 examinees" "many.csv: more than 9999 examinee rows (row 10002 is the 10000th); a test can have at most 9999 examinees" "$tmp/many.csv" csv
awk 'BEGIN { printf "KEY"; for (i = 0; i < 101; i++) printf ",A"; printf "\nAnn"; for (i = 0; i < 101; i++) printf ",B"; print "" }' >"$tmp/wide.csv"
refuse "101 items" "wide.csv: 101 item columns; a test can have at most 100 items" "$tmp/wide.csv" csv
{ printf 'Name,Q1\nKEY,A\n"Ann,B\n'; } >"$tmp/quote.csv"
refuse "open quote" "quote.csv: row 3, column A: a quoted field is not closed before the end of the file" "$tmp/quote.csv" csv

# 9999 examinees and 100 items pass.
awk 'BEGIN { printf "Name"; for (i = 1; i <= 100; i++) printf ",Q%d", i; printf "\nKEY"
  for (i = 0; i < 100; i++) printf ",C"; print ""
  for (r = 1; r <= 9999; r++) { printf "S%d", r; for (i = 0; i < 100; i++) printf ",%s", substr("ABCDE", (r + i) % 5 + 1, 1); print "" } }' >"$tmp/full.csv"
check "9999 x 100 imports" 0 "$(status "$cli" import --from csv "$tmp/full.csv" -o "$tmp/full.jrv")"
check "9999 x 100 summary" "9999 examinees, 100 items, key from row 2" "$(cat "$tmp/out")"

# An office suite's lock file beside the sheet: a warning, the import goes on.
cp "$sheets/scanner.csv" "$tmp/locked.csv"
: >"$tmp/.~lock.locked.csv#"
check "locked imports" 0 "$(status "$cli" import --from csv "$tmp/locked.csv" -o "$tmp/locked.jrv")"
check "lock warning" "locked.csv: the file may be open in an office program with unsaved changes (a lock file lies beside it); what was last saved is imported" "$(head -1 "$tmp/err")"

# Grades back out, with the roster's uncut columns beside the imported test.
mkdir -p "$tmp/res"
check "gradebook" 0 "$(status "$cli" analyze "$tmp/scanner.jrv" -o "$tmp/res/scanner.txt" --save gradebook,xlsx)"
check "gradebook heading" "Student ID,Last Name,First Name,Label,Raw Score,Percent,Grade" "$(line 1 "$tmp/res/scanner_gradebook.csv" | sed 's/^\xef\xbb\xbf//')"
check "gradebook row" "2003,\"Smith, Jr.\",John,\"2003 Smith, Jr. John\",5,62.5," "$(line 4 "$tmp/res/scanner_gradebook.csv")"
check "gradebook has a BOM" "efbbbf" "$(head -c 3 "$tmp/res/scanner_gradebook.csv" | od -An -tx1 | tr -d ' \n')"
check "workbook written" "yes" "$([ -s "$tmp/res/scanner.xlsx" ] && echo yes || echo no)"
rm "$tmp/scanner_roster.csv"
status "$cli" analyze "$tmp/scanner.jrv" -o "$tmp/res/scanner.txt" --save gradebook >/dev/null
check "gradebook without a roster" "Label,Raw Score,Percent,Grade" "$(line 1 "$tmp/res/scanner_gradebook.csv" | sed 's/^\xef\xbb\xbf//')"

# Usage.
check "unknown format" 2 "$(status "$cli" import --from xls "$sheets/scanner.csv" -o "$tmp/x.jrv")"
check "bad column list" 2 "$(status "$cli" import --from csv "$sheets/scanner.csv" -o "$tmp/x.jrv" --item-columns D-)"
check "key twice" 2 "$(status "$cli" import --from csv "$sheets/scanner.csv" -o "$tmp/x.jrv" --key A --key-row 2)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
