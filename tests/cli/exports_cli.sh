#!/usr/bin/env bash
# jrv-cli import, convert and export: older input files, data codings and data exports.
# Arguments: path to jrv-cli, the golden data folder.
set -u
cli=$1
legacy=$2/exports/legacy
source "$(dirname "$0")/lib/checks.bash"

# import
check "import v3" 0 "$(status "$cli" import --from 3 "$legacy/v3_five_grades.jrv" -o "$tmp/v3.jrv")"
check "import v3 marker" "JRV: Orvandel (version 6)" "$(line 1 "$tmp/v3.jrv")"
check "import v3 cut-off 1" "A             = 88" "$(grep -a '^A  ' "$tmp/v3.jrv" | tr -d '\r')"
check "imported file analyses" 0 "$(status "$cli" analyze "$tmp/v3.jrv")"
check "import v5" 0 "$(status "$cli" import --from 5 "$legacy/v5_sample.jrv" -o "$tmp/v5.jrv")"
check "v5 import equals the v6 file" "$(tr -d '\r' <"$legacy/v6_sample.jrv")" "$(tr -d '\r' <"$tmp/v5.jrv")"
check "import bad version" 2 "$(status "$cli" import --from 7 "$legacy/v3_five_grades.jrv" -o "$tmp/x.jrv")"
check "import of a file with 1979929312 items" 1 \
  "$(status timeout 20 "$cli" import --from 3 "$legacy/v3_huge_item_count.jrv" -o "$tmp/huge.jrv")"
check "the count is named" 1 "$(grep -c "1979929312' is not a valid number of items" "$tmp/err")"
check "nothing written" no "$([ -e "$tmp/huge.jrv" ] && echo yes || echo no)"
check "import missing -o" 2 "$(status "$cli" import --from 3 "$legacy/v3_five_grades.jrv")"
check "import wrong layout" 1 "$(status "$cli" import --from 4 "$legacy/v6_sample.jrv" -o "$tmp/x.jrv")"
check "nothing written on failure" "no" "$([ -e "$tmp/x.jrv" ] && echo yes || echo no)"

# convert
check "to right-wrong" 0 "$(status "$cli" convert --to right-wrong "$legacy/v6_sample.jrv" -o "$tmp/rw.jrv")"
check "right-wrong key" "Answer Key    = 11111" "$(line 9 "$tmp/rw.jrv")"
check "right-wrong options keep the PC digits" "# Options     = 2222205" "$(line 10 "$tmp/rw.jrv")"
check "right-wrong line" "Bob 0111105" "$(line 17 "$tmp/rw.jrv")"
check "to letters" 0 "$(status "$cli" convert --to letters "$legacy/v6_sample.jrv" -o "$tmp/abc.jrv")"
check "letters line" "Cy  A.CDD0" "$(line 18 "$tmp/abc.jrv")"
check "bad coding" 2 "$(status "$cli" convert --to roman "$legacy/v6_sample.jrv" -o "$tmp/x.jrv")"

# export
check "export 01" 0 "$(status "$cli" export --format 01 "$legacy/v6_sample.jrv" -o "$tmp/01.txt")"
check "01 header" "Examinee,Item01,Item02,Item03,Item04,Item05" "$(line 1 "$tmp/01.txt")"
check "01 key" "Answer Key          ,1,1,1,1,1" "$(line 2 "$tmp/01.txt")"
check "01 missing is wrong" "Cy  ,1,0,1,1,0" "$(line 5 "$tmp/01.txt")"
check "export raw" 0 "$(status "$cli" export --format raw "$legacy/v6_sample.jrv" -o "$tmp/raw.txt")"
check "raw missing is 9" "Cy  ,1,9,3,4,4" "$(line 5 "$tmp/raw.txt")"
check "export data" 0 "$(status "$cli" export --format data "$legacy/v6_sample.jrv" -o "$tmp/data.txt")"
check "data lines as typed" "Ann 1234103|Bob 2244105|Cy  1.34400" "$(tr -d '\r' <"$tmp/data.txt" | paste -sd'|')"
sed 's/= 4444405/= 4494405/' "$legacy/v6_sample.jrv" >"$tmp/short.jrv"
check "refused check" 1 "$(status "$cli" export --format 01 "$tmp/short.jrv" -o "$tmp/y.txt")"
check "refusal message" "Check Item #3. All # OPTIONS values should be single digit integers between 1 and 8 (you may want to change the Maximum Number of Options in the Options Menu)" "$(head -1 "$tmp/err")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
