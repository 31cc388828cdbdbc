#!/usr/bin/env bash
# jrv-cli analyze --json: the machine-readable results beside the usual outputs.
# Arguments: path to jrv-cli, the golden folder.
set -u
cli=$1
golden=$2/reports
source "$(dirname "$0")/lib/checks.bash"

# The quick reports stay as they were; the document holds the three parts.
"$cli" analyze "$golden/basic.jrv" --json "$tmp/basic.json" >"$tmp/quick" 2>"$tmp/err"
check "json exit" 0 $?
check "json leaves the quick reports" "" "$(cmp "$golden/basic.stdout" "$tmp/quick" 2>&1)"
check "json parts" "test items examinees" \
  "$(python3 -c 'import json,sys; print(" ".join(json.load(open(sys.argv[1]))))' "$tmp/basic.json")"
check "json item count" "10 9" \
  "$(python3 -c 'import json,sys; t=json.load(open(sys.argv[1]))["test"]; print(t["items"], t["included_items"])' "$tmp/basic.json")"

# Beside -o, the results files are the same as without it.
mkdir "$tmp/a" "$tmp/b"
"$cli" analyze "$golden/basic.jrv" -o "$tmp/a/basic.txt" --json "$tmp/a.json" 2>"$tmp/err"
check "json with -o exit" 0 $?
"$cli" analyze "$golden/basic.jrv" -o "$tmp/b/basic.txt" 2>"$tmp/err"
check "json with -o files" "" "$(diff -r "$tmp/a" "$tmp/b")"

# A folder that does not exist: refused with a message, status 1.
"$cli" analyze "$golden/basic.jrv" --json "$tmp/none/x.json" >/dev/null 2>"$tmp/err"
check "json bad folder" 1 $?
check "json bad folder message" "1" "$(grep -c . "$tmp/err")"
"$cli" analyze "$golden/basic.jrv" --json 2>/dev/null
check "json needs a name" 2 $?

echo "diagnostics: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
