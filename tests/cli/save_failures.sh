#!/usr/bin/env bash
# Saves that fail: into a folder that cannot be written, onto a path that is a folder, past a
# file-size limit and onto a full disk each name the cause, exit 1, leave the files saved
# before byte for byte and no temporary file behind. A save killed in the middle of writing a
# 9999 x 100 results set leaves every earlier file whole, and the next save succeeds.
# Arguments: path to jrv-cli, the golden data folder.
set -u
cli=$1
source "$(dirname "$0")/lib/checks.bash"
trap 'umount "$tmp/full" 2>/dev/null; rm -rf "$tmp"' EXIT
shopt -s nullglob dotglob
save=exm,itm,opt,jrv,item-stats,01-data

# Every file of a folder (temporary files too) with its checksum, one a line.
listing() {
  local f
  for f in "$1"/*; do
    if [ -d "$f" ]; then echo "folder ${f##*/}"; else echo "$(md5sum <"$f" | cut -c1-32) ${f##*/}"; fi
  done
}
temporaries() {
  local t=("$1"/.*.tmp*)
  echo "${#t[@]}"
}
# The message of a failed save names its cause, and nothing else changed in the folder.
expect_refused() {  # NAME STATUS CAUSE FOLDER LISTING_BEFORE
  check "$1: exit status" 1 "$2"
  check "$1: cause named" 1 "$(grep -c "$3" "$tmp/err")"
  [ "$(grep -c "$3" "$tmp/err")" == 1 ] || cat "$tmp/err"
  check "$1: earlier files byte for byte, no temporary file" "$5" "$(listing "$4")"
}

"$cli" example sample1 -o "$tmp/s1.jrv"
"$cli" generate --cases 9999 --items 100 --seed 5 -o "$tmp/big.jrv"
mkdir "$tmp/earlier"
check "first save" 0 "$(status "$cli" analyze "$tmp/s1.jrv" -o "$tmp/earlier/r.txt" --save $save)"
before=$(listing "$tmp/earlier")
check "first save wrote seven files" 7 "$(listing "$tmp/earlier" | wc -l)"

# A folder that cannot be written. Root may write anywhere, so the save runs as nobody.
chmod 755 "$tmp"
cp "$cli" "$tmp/jrv-cli"
chmod 555 "$tmp/earlier"
runas=()
[ "$(id -u)" == 0 ] && runas=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if "${runas[@]}" true 2>/dev/null; then
  expect_refused "read-only folder" \
    "$(status "${runas[@]}" "$tmp/jrv-cli" analyze "$tmp/s1.jrv" -o "$tmp/earlier/r.txt" \
      --save $save --sort-examinees score)" "Permission denied" "$tmp/earlier" "$before"
else
  echo "skipped: the read-only case needs setpriv to drop root's privileges"
fi
chmod 755 "$tmp/earlier"

# A path that is a folder (with a file in it that must stay).
mkdir "$tmp/earlier/d.rpt"
echo keep >"$tmp/earlier/d.rpt/inside"
before=$(listing "$tmp/earlier")
expect_refused "grade reports onto a folder" \
  "$(status "$cli" grade-reports "$tmp/s1.jrv" -o "$tmp/earlier/d.rpt")" \
  "Cannot write file \"$tmp/earlier/d.rpt\": Is a directory" "$tmp/earlier" "$before"
check "the folder keeps its file" keep "$(cat "$tmp/earlier/d.rpt/inside")"
mkdir "$tmp/earlier/x.txt"
before=$(listing "$tmp/earlier")
expect_refused "results onto a folder" \
  "$(status "$cli" analyze "$tmp/s1.jrv" -o "$tmp/earlier/x.txt")" "Is a directory" \
  "$tmp/earlier" "$before"

# Past the file-size limit: with SIGXFSZ ignored the write fails with EFBIG.
before=$(listing "$tmp/earlier")
expect_refused "file-size limit" \
  "$(status bash -c 'ulimit -f 16; trap "" XFSZ; exec "$@"' - "$cli" analyze "$tmp/big.jrv" \
    -o "$tmp/earlier/r.txt" --save $save)" "File too large" "$tmp/earlier" "$before"

# A full disk, where a small file system can be mounted (root only).
mkdir "$tmp/full"
if mount -t tmpfs -o size=256k tmpfs "$tmp/full" 2>/dev/null; then
  check "small save on the small disk" 0 "$(status "$cli" analyze "$tmp/s1.jrv" -o "$tmp/full/r.txt" --save $save)"
  before=$(listing "$tmp/full")
  expect_refused "full disk" \
    "$(status "$cli" analyze "$tmp/big.jrv" -o "$tmp/full/r.txt" --save $save)" \
    "No space left on device" "$tmp/full" "$before"
  umount "$tmp/full"
else
  echo "skipped: the full-disk case needs a tmpfs mount"
fi

# Killed in the middle: every file is either the earlier one or the new one, whole.
mkdir "$tmp/new" "$tmp/killed"
check "new save" 0 "$(status "$cli" analyze "$tmp/big.jrv" -o "$tmp/new/r.txt" --save $save --sort-examinees score)"
check "earlier save" 0 "$(status "$cli" analyze "$tmp/big.jrv" -o "$tmp/killed/r.txt" --save $save)"
declare -A earlier new
while read -r sum name; do earlier[$name]=$sum; done < <(listing "$tmp/killed")
while read -r sum name; do new[$name]=$sum; done < <(listing "$tmp/new")
killed_mid_write=no
# The kill races the writer, so try until one lands in the middle of a file; the polling uses
# builtins only, and a finished writer (a zombie until waited for) ends it.
running() {
  local state=Z
  [ -r "/proc/$1/stat" ] && read -r _ _ state _ <"/proc/$1/stat" 2>/dev/null
  [ "$state" != Z ]
}
for attempt in $(seq 1 40); do
  "$cli" analyze "$tmp/big.jrv" -o "$tmp/killed/r.txt" --save $save --sort-examinees score \
    2>/dev/null &
  pid=$!
  while running "$pid"; do
    writing=("$tmp"/killed/.*.tmp*)
    if [ ${#writing[@]} != 0 ]; then
      kill -KILL "$pid" 2>/dev/null
      break
    fi
  done
  { wait "$pid"; } 2>/dev/null  # no "Killed" notice from the shell
  # A temporary file left behind shows that the kill came in the middle of a file.
  if [ $? == 137 ] && [ "$(temporaries "$tmp/killed")" != 0 ]; then
    killed_mid_write=yes
    break
  fi
  rm -f "$tmp"/killed/.*.tmp*
done
if [ "$killed_mid_write" = yes ]; then
  check "a save was killed while a file was being written" yes "$killed_mid_write"
else
  echo "note: no kill landed in the middle of a file in 40 tries; the files are still checked"
fi
for t in "$tmp"/killed/.*.tmp*; do echo "killed while writing ${t##*/}: $(wc -c <"$t") bytes"; done
whole=yes
for f in "${!earlier[@]}"; do
  sum=$(md5sum <"$tmp/killed/$f" | cut -c1-32)
  if [ "$sum" != "${earlier[$f]}" ] && [ "$sum" != "${new[$f]}" ]; then
    whole=no
    echo "$f is neither the earlier nor the new file ($(wc -c <"$tmp/killed/$f") bytes)"
  fi
done
check "every earlier file is whole after the kill" yes "$whole"
check "the next save succeeds" 0 "$(status "$cli" analyze "$tmp/big.jrv" -o "$tmp/killed/r.txt" --save $save --sort-examinees score)"
rm -f "$tmp"/killed/.*.tmp*  # what the killed process could not remove
check "and writes the new files" "$(listing "$tmp/new")" "$(listing "$tmp/killed")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
