#!/usr/bin/env bash
# jrv-cli with names outside ASCII: a UTF-8 and a Windows-1252 file of the same test give the
# same scores and reports; what is printed is UTF-8; files that fit Windows-1252 are written
# in it as before, others in UTF-8; binary input is refused without a crash.
# Arguments: path to jrv-cli, the golden folder.
set -u
cli=$1
source "$(dirname "$0")/lib/checks.bash"

# test_file LABEL_LENGTH DATA_LINE...: a version-6 file of four items, key ABCD, in UTF-8.
test_file() {
  local width=$1
  shift
  printf '%s\r\n' "JRV: Orvandel (version 6)" "Title         = Quiz" "Comments      = Café" \
    "# Examinees   = $#" "# Items       = 4" "Missing Data  = 9" "Not reached   = x" \
    "Label Length  = $width" "Answer Key    = ABCD" "# Options     = 4444" \
    "Item Analyzed = YYYY" "High Group D% = 27.0" "Low Group D%  = 27.0" \
    "Partial Credit= NO" "MC Points     = NO" "$@" "# Grades      = 0" "#Alternatives = 0" \
    "#Content Areas= 0" "#Cognitives   = 0"
}

test_file 4 "JoséABCD" "Ana ABDD" >"$tmp/utf8.jrv"
iconv -f UTF-8 -t WINDOWS-1252 "$tmp/utf8.jrv" >"$tmp/cp1252.jrv"
{ printf '\xEF\xBB\xBF'; cat "$tmp/utf8.jrv"; } >"$tmp/bom.jrv"

check "utf8 exit" 0 "$(status "$cli" analyze "$tmp/utf8.jrv")"
cp "$tmp/out" "$tmp/utf8.out"
check "José scores 4, printed in UTF-8" \
  "José    4  100.00%        ( 3.5-  4.0)   ( 3.0-  4.0) " "$(grep '^José' "$tmp/utf8.out")"
for other in cp1252 bom; do
  check "$other exit" 0 "$(status "$cli" analyze "$tmp/$other.jrv")"
  check "$other prints what utf8 prints" "" "$(cmp "$tmp/utf8.out" "$tmp/out" 2>&1)"
done

# Saved results: José fits Windows-1252, so the files are written in it, as always.
check "save exit" 0 "$(status "$cli" analyze "$tmp/utf8.jrv" -o "$tmp/jose.txt")"
check "exm in Windows-1252" 1 "$(grep -c $'^Jos\xE9    4' "$tmp/jose.exm")"
check "input copy in Windows-1252" "" "$(cmp "$tmp/cp1252.jrv" "$tmp/jose.jrv" 2>&1)"

# Letters outside Windows-1252 make the file UTF-8; the columns still count characters.
test_file 7 "ДмитрийABCD" "Ελένη  ABCA" "Łukasz ABAA" >"$tmp/names.jrv"
check "names save exit" 0 "$(status "$cli" analyze "$tmp/names.jrv" -o "$tmp/names.txt")"
check "exm in UTF-8" "Дмитрий    4  100.00%" "$(grep -o '^Дмитрий.*%' "$tmp/names.exm")"
check "Łukasz scores 2" "Łukasz     2" "$(grep -o '^Łukasz *[0-9]' "$tmp/names.exm")"

# A message naming an examinee prints the name in UTF-8.
test_file 3 "ДмиABC" >"$tmp/short.jrv"
check "short line refused" 1 "$(status "$cli" analyze "$tmp/short.jrv")"
check "message names the examinee" 1 "$(grep -c 'Check case #1, Дми$' "$tmp/err")"

# Binary bytes are neither UTF-8 nor text: refused, no crash.
head -c 4096 /dev/urandom >"$tmp/binary.jrv"
check "binary refused" 1 "$(status "$cli" analyze "$tmp/binary.jrv")"

echo "international_names: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
