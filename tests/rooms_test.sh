#!/usr/bin/env bash
# Taking each .cc of src/ with its .h as one room, the rooms' includes form
# no loop: higher rooms call lower ones, and each can be read and tested with
# only those below it.  tsort says "input contains a loop" where they do.
set -euo pipefail
cd "$1"
pairs=$(for file in *.cc *.h; do
  room=${file%.*}
  echo "$room $room"
  sed -n 's/^#include "\([a-z_]*\)\.h"$/\1/p' "$file" | while read -r below; do
    [[ $below == "$room" ]] || echo "$room $below"
  done
done)
if ! loops=$(tsort <<< "$pairs" 2>&1 > /dev/null); then
  echo "$loops" >&2
  exit 1
fi
