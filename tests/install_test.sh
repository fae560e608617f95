#!/usr/bin/env bash
# Installs into a temporary prefix and runs the installed program, under both
# of its names, on the examples with the installed description table; its
# output, exit status and listing must equal the build-tree program's.
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR BUILD_TREE_PROGRAM
set -euo pipefail
cmake=$1 build=$2 source=$3 program=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$cmake" --install "$build" --prefix "$scratch/prefix" > /dev/null

# Runs $1 in a fresh directory $2 holding the example lists and the table $3.
run() {
  mkdir "$2"
  cp "$source"/examples/{sites,sections,adsizes}.txt "$3" "$2"
  (cd "$2" && "$1" > stdout; echo "$?" > status)
}

run "$program" "$scratch/build-tree" "$source/examples/addescription.txt"
failed=0
for name in slotwright Slotwright; do
  run "$scratch/prefix/bin/$name" "$scratch/$name" "$scratch/prefix/share/slotwright/addescription.txt"
  for file in stdout status ad_units.csv; do
    if ! cmp "$scratch/build-tree/$file" "$scratch/$name/$file"; then
      echo "installed $name: $file differs from the build tree's"
      failed=1
    fi
  done
done
test -s "$scratch/build-tree/ad_units.csv" || { echo "the example wrote no listing"; failed=1; }

page="$scratch/prefix/share/man/man1/slotwright.1"
test -f "$page" || { echo "no manual page installed"; failed=1; }
if command -v groff > /dev/null; then
  warnings=$(groff -man -ww -z "$page" 2>&1)
  test -z "$warnings" || { echo "manual page warnings: $warnings"; failed=1; }
fi
exit "$failed"
