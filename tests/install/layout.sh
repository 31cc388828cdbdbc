#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks that every file lands where a Linux
# desktop looks for it, and that the desktop, AppStream, MIME, manual and completion files
# are valid and describe the programs as built.
#   layout.sh BUILD_DIR WITH_UI(ON|OFF)
set -u
build=$1
with_ui=$2
source "$(dirname "$0")/../cli/lib/checks.bash"

stage=$tmp/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$tmp/install.log" 2>&1
check "cmake --install succeeds" 0 $?
root=$stage/usr
id=org.jrv.JRV

expected=(
  bin/jrv-cli
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/mime/packages/jrv.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/man/man1/jrv.1.gz
  share/man/man1/jrv-cli.1.gz
  share/bash-completion/completions/jrv-cli
  share/doc/jrv/copyright
)
for size in 16 22 24 32 48 64 128 256 512; do
  expected+=(share/icons/hicolor/${size}x${size}/apps/$id.png)
done
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
module=$libdir/jrv/modules/jrv-workbooks.so
expected+=("$module")
[ "$with_ui" = ON ] && expected+=(bin/jrv bin/jrv-pdf share/man/man1/jrv-pdf.1.gz)
for f in "${expected[@]}"; do
  check "installed $f" yes "$([ -s "$root/$f" ] && echo yes || echo no)"
done
for b in jrv-cli jrv jrv-pdf; do
  [ -e "$root/bin/$b" ] && check "$b is executable" yes "$([ -x "$root/bin/$b" ] && echo yes || echo no)"
done
# The programs find their workbook module where it was installed, and start without the
# libraries only that module needs.
from_bin=$(realpath --relative-to="$root/bin" "$root/$module")
for b in jrv-cli jrv; do
  [ -e "$root/bin/$b" ] || continue
  check "$b looks for its module at $from_bin" yes \
    "$(grep -qaF "$(dirname "$from_bin")" "$root/bin/$b" && echo yes || echo no)"
  check "$b starts without libzip" "" "$(readelf -d "$root/bin/$b" | grep -o 'libzip[^]]*')"
done
"$root/bin/jrv-cli" import --from ods "$(dirname "$0")/../golden/sheets/true_false.ods" \
  -o "$tmp/ods.jrv" >"$tmp/out" 2>&1
check "the installed jrv-cli reads a workbook through its module" \
  "0 3 examinees, 4 items, key from row 2" "$? $(cat "$tmp/out")"

# Nothing outside the prefix, nothing that was not meant to be there.
unexpected=$(cd "$stage" && find . -type f | sed 's|^\./usr/||' | sort | while read -r f; do
  case " ${expected[*]} share/doc/jrv/changelog.gz " in *" $f "*) ;; *) echo "$f" ;; esac
done)
check "no other files installed" "" "$unexpected"

# Each PNG is the size its folder says.
for size in 16 48 256; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  check "icon ${size}x${size} dimensions" "${size}x${size}" "$dims"
done

desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" >"$tmp/out" 2>&1
check "desktop-file-validate" "0 " "$? $(cat "$tmp/out")"
check "desktop entry runs jrv" "Exec=jrv %f" "$(grep '^Exec=' "$desktop")"
check "desktop entry names the icon" "Icon=$id" "$(grep '^Icon=' "$desktop")"
check "desktop entry opens .jrv files" "MimeType=application/x-jrv;" "$(grep '^MimeType=' "$desktop")"
check "desktop entry category" "Education" "$(grep '^Categories=' "$desktop" | grep -o Education)"

appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$tmp/out" 2>&1
check "appstreamcli validate" 0 $?
[ -s "$tmp/out" ] && grep -E '^[EW]:' "$tmp/out"
check "metainfo carries the version" 1 \
  "$(grep -c "<release version=\"$("$build/src/cli/jrv-cli" --version | cut -d' ' -f2)\"" \
    "$root/share/metainfo/$id.metainfo.xml")"

# The MIME database built from the package maps *.jrv to the type the desktop entry opens.
cp -r "$root/share/mime" "$tmp/mime"
update-mime-database "$tmp/mime" >/dev/null 2>&1
check "*.jrv is application/x-jrv" "50:application/x-jrv:*.jrv" \
  "$(grep -h 'application/x-jrv' "$tmp/mime/globs2")"

# The manual page renders without warnings and documents every command jrv-cli lists.
man_text=$(zcat "$root/share/man/man1/jrv-cli.1.gz" | MANWIDTH=100 groff -man -Tutf8 -ww -z 2>&1)
check "jrv-cli.1 renders without warnings" "" "$man_text"
man_text=$(zcat "$root/share/man/man1/jrv.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
check "jrv.1 renders without warnings" "" "$man_text"
if [ "$with_ui" = ON ]; then
  man_text=$(zcat "$root/share/man/man1/jrv-pdf.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
  check "jrv-pdf.1 renders without warnings" "" "$man_text"
fi
commands=$("$root/bin/jrv-cli" --help | sed -n 's/^  jrv-cli \([a-z][a-z-]*\) .*/\1/p' | grep -v '^$')
check "jrv-cli --help lists commands" yes "$([ -n "$commands" ] && echo yes || echo no)"
page=$(zcat "$root/share/man/man1/jrv-cli.1.gz")
for c in $commands; do
  check "man page has a section for $c" 1 "$(grep -c "^\.SS $c\b" <<<"$page")"
done

# Completion of the installed script, as bash would run it.
complete_line() {  # complete_line WORDS... : the candidates for the last word
  bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _jrv_cli
    printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' _ \
    "$root/share/bash-completion/completions/jrv-cli" "$@"
}
for c in $commands; do
  check "completion offers $c" "$c " "$(complete_line jrv-cli "$c")"
done
check "completion of an option" "--sort-examinees --sort-items " \
  "$(complete_line jrv-cli analyze in.jrv --sort)"
check "completion of a value" "difficulty discrimination " \
  "$(complete_line jrv-cli analyze in.jrv --sort-items di)"
check "completion of a --save list" "exm,itm,opt " "$(complete_line jrv-cli analyze --save exm,itm,o)"

# The installed programs run and name their version.
version=$("$build/src/cli/jrv-cli" --version)
check "installed jrv-cli --version" "$version" "$("$root/bin/jrv-cli" --version)"
if [ "$with_ui" = ON ]; then
  check "installed jrv --version" "${version/jrv-cli/jrv}" "$("$root/bin/jrv" --version)"
  check "jrv --help names --reset-settings" 1 "$("$root/bin/jrv" --help | grep -c -- --reset-settings)"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
