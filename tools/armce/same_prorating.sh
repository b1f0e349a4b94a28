#!/bin/sh
# The prorating exports of one ARM CE image against the same build for the
# desktop: prorate_table.exe runs the cases on the desktop DLL under Wine,
# emulate.py on the ARM image (with the stack aligned to 8 and to 4 bytes);
# every result line must be the same.
#
#   same_prorating.sh TABLE.exe DESKTOP.dll IMAGE.dll ELF CPU CASES OUT_DIR
set -eu
table=$1 desktop=$2 image=$3 elf=$4 cpu=$5 cases=$6 out=$7
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
mkdir -p "$out"
name=$(basename "$image" .dll)
"$root/scripts/wine-run" "$table" "$desktop" "$cases" | tr -d '\r' >"$out/$name.desktop.txt"
[ -s "$out/$name.desktop.txt" ] || { echo "no results from $desktop" >&2; exit 1; }
for stack in aligned misaligned; do
    flag=""
    [ $stack = misaligned ] && flag=--misaligned
    /usr/bin/python3 "$here/emulate.py" prorate "$image" "$cases" --cpu "$cpu" --elf "$elf" $flag >"$out/$name.$stack.txt"
    diff -u "$out/$name.desktop.txt" "$out/$name.$stack.txt"
done
echo "$name on $cpu: $(wc -l <"$out/$name.desktop.txt") cases as the desktop build gives them"
