#!/usr/bin/env bash
# The whole desktop program as a process, from its start to the main window drawn (it
# leaves there when given --quit-when-shown), under the offscreen platform: median, spread
# and CPU time of repeated starts. Needs hyperfine.
# Usage: bench/desktop/start_speed.sh [path/to/jrv]
set -euo pipefail
jrv=${1:-build/src/app/jrv}
if ! command -v hyperfine >/dev/null 2>&1; then
  echo "hyperfine is not installed: the start of $jrv is not timed"
  exit 0
fi
json=$(mktemp)
trap 'rm -f "$json"' EXIT
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} hyperfine -N --style basic --warmup 3 --runs 30 \
  --export-json "$json" "$jrv --quit-when-shown"
python3 - "$json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
ms = lambda s: s * 1000
print("jrv start to main window drawn: median %.1f ms (min %.1f, max %.1f, stddev %.1f), "
      "CPU user %.1f ms + sys %.1f ms (means)"
      % (ms(r["median"]), ms(r["min"]), ms(r["max"]), ms(r["stddev"]), ms(r["user"]), ms(r["system"])))
PY
