#!/usr/bin/env bash
# The whole `jrv-cli import` process on a class of 9999 examinees and 100 items of letters,
# as XLSX written by python3-openpyxl and as CSV, against openpyxl reading the same cells
# (load_workbook(read_only=True) and a pass over every cell). Needs hyperfine.
# Usage: bench/sheet_import_speed.sh [path/to/jrv-cli]
set -euo pipefail
cli=${1:-build/src/cli/jrv-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 - "$work" <<'PY'
import sys, openpyxl
work = sys.argv[1]
wb = openpyxl.Workbook(write_only=True)
ws = wb.create_sheet("Class")
ws.append(["Name"] + [f"Q{i}" for i in range(1, 101)])
ws.append(["KEY"] + ["A"] * 100)
rows = [[f"Student {r + 1}"] + ["ABCDE"[(r * 7 + i * 3) % 5] for i in range(100)] for r in range(9999)]
for row in rows:
    ws.append(row)
wb.save(f"{work}/class.xlsx")
with open(f"{work}/class.csv", "w") as f:
    f.write("Name," + ",".join(f"Q{i}" for i in range(1, 101)) + "\nKEY," + ",".join(["A"] * 100) + "\n")
    for row in rows:
        f.write(",".join(row) + "\n")
PY
cat >"$work/read.py" <<'PY'
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1], read_only=True)
n = 0
for row in wb.active.iter_rows(values_only=True):
    for v in row:
        n += v is not None
PY
unzip -l "$work/class.xlsx" | grep -i sheet
hyperfine --warmup 1 --runs 11 --export-markdown "$work/times.md" \
  "$cli import --from xlsx $work/class.xlsx -o $work/x.jrv" \
  "$cli import --from csv $work/class.csv -o $work/c.jrv"
hyperfine --runs 3 "/usr/bin/python3 $work/read.py $work/class.xlsx"
