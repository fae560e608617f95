#!/bin/bash
# Runs the Windows build under Wine in a pseudo-terminal, where it has a
# console of its own, in a copy of CASE_DIR, whose names hold an accent, a
# typographic apostrophe and a no-break space: the terminal must receive them
# as written, in UTF-8, and the code page that chcp reports in the same
# console must be the same after the run as before.  Wine's console draws
# each character with escapes of its own, which go before the output is read.
#   console_text_under_wine.sh WINE PROGRAM CASE_DIR
set -euo pipefail
wine=$1 program=$2 case_dir=$3
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$case_dir"/* "$folder"/
cp "$program" "$folder"/slotwright.exe
# Wine writes the console to the terminal in the locale's encoding.
export LC_ALL=C.UTF-8
output=$(cd "$folder" && script -qec "$wine cmd /c \"chcp & slotwright.exe & chcp\"" /dev/null < /dev/null |
  sed 's/\x1b[[][0-9;?]*[A-Za-z]//g' | tr -d '\r')
printf '%s\n' "$output"
# Each row begins a line, so no wrap of the console cuts these.
for name in $'Caf\xc3\xa9-Sports' $'O\xe2\x80\x99Brien-Sports' $'No\xc2\xa0break-Sports'; do
  grep -q "^$name" <<< "$output" || { echo "not shown as written: $name"; exit 1; }
done
pages=$(grep '^Active code page' <<< "$output" | uniq -c | wc -l)
[[ $(grep -c '^Active code page' <<< "$output") == 2 && $pages == 1 ]] ||
  { echo "the code page changed"; exit 1; }
