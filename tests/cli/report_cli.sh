#!/usr/bin/env bash
# jrv-cli report: the shareable report as HTML (rendered by a real browser) and as PDF,
# without a display, and its refusals.
# Arguments: path to jrv-cli, the golden folder.
set -u
cli=$1
golden=$2/reports
source "$(dirname "$0")/lib/checks.bash"
unset DISPLAY WAYLAND_DISPLAY

pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }
page_size() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Page size: *\([0-9.]* x [0-9.]*\) pts.*/\1/p'; }

"$cli" report "$golden/long.jrv" -o "$tmp/long.html" --sort-items difficulty 2>"$tmp/err"
check "html exit" 0 $?
check "html stderr" "" "$(cat "$tmp/err")"
check "html has no script" 0 "$(grep -c '<script' "$tmp/long.html")"

# A real browser loads it and prints it.
mkdir "$tmp/profile"
timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$tmp/profile" --print-to-pdf="$tmp/browser.pdf" "file://$tmp/long.html" \
  >"$tmp/browser.log" 2>&1
check "browser exit" 0 $?
browser_pages=$(pages "$tmp/browser.pdf")
check "browser printed pages" "yes" "$([ "${browser_pages:-0}" -ge 2 ] && echo yes || echo "no: '$browser_pages' pages")"

# The PDF through Qt's writer, on A4 by default and on Letter when asked (a build without
# the desktop program has no PDF maker).
if [ -x "$(dirname "$cli")/jrv-pdf" ]; then
"$cli" report "$golden/long.jrv" -o "$tmp/long.pdf" 2>"$tmp/err"
check "pdf exit" 0 $?
check "pdf stderr" "" "$(cat "$tmp/err")"
check "pdf a4" "595 x 842" "$(page_size "$tmp/long.pdf")"
qt_pages=$(pages "$tmp/long.pdf")
check "pdf pages" "yes" "$([ "${qt_pages:-0}" -ge 2 ] && echo yes || echo "no: '$qt_pages' pages")"
"$cli" report "$golden/basic.jrv" -o "$tmp/basic.PDF" --paper letter 2>"$tmp/err"
check "pdf letter" "612 x 792" "$(page_size "$tmp/basic.PDF")"
check "pdf leaves no temporary files" "" "$(ls "$tmp" | grep -v -e '^long' -e '^basic' -e profile -e browser -e '^err$' -e '^out$')"
fi

# Refusals: usage (2), a bad input or a missing PDF maker (1), nothing written.
"$cli" report "$golden/basic.jrv" 2>/dev/null
check "no output" 2 $?
"$cli" report "$golden/basic.jrv" -o "$tmp/r.txt" 2>/dev/null
check "wrong extension" 2 $?
"$cli" report "$golden/basic.jrv" -o "$tmp/r.html" --json "$tmp/r.json" 2>/dev/null
check "json is analyze's" 2 $?
"$cli" report "$golden/basic.jrv" -o "$tmp/r.pdf" --paper a5 2>/dev/null
check "bad paper" 2 $?
"$cli" report "$tmp/none.jrv" -o "$tmp/r.html" 2>/dev/null
check "missing input" 1 $?
JRV_PDF="$tmp/no-such-program" "$cli" report "$golden/basic.jrv" -o "$tmp/r.pdf" 2>"$tmp/err"
check "no pdf maker" 1 $?
check "no pdf maker message" 1 "$(grep -c 'make the PDF' "$tmp/err")"
check "nothing written" "" "$(ls "$tmp" | grep '^r\.')"

echo "report: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
