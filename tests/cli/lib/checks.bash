# Shared by the jrv-cli test scripts: a scratch folder, pass/fail counters and the checks.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0; passed=0

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}

# The exit status of a command, its output kept in $tmp/out and $tmp/err.
status() { "$@" >"$tmp/out" 2>"$tmp/err"; echo $?; }

# Line N of a CR LF file, without its CR.
line() { sed -n "${1}p" "$2" | tr -d '\r'; }
