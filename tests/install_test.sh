#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a user gets: the program
# under both of its names, the description table, the manual page under both
# names, and the licence.
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR
set -euo pipefail
cmake=$1 build=$2 source=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() { echo "$*"; failed=1; }

"$cmake" --install "$build" --prefix "$prefix" > /dev/null

for name in slotwright Slotwright; do
  "$prefix/bin/$name" --version | grep -q "^Slotwright version " || fail "bin/$name doesn't run"
done
test "$(readlink "$prefix/bin/Slotwright")" = slotwright || fail "bin/Slotwright is no link to slotwright"
cmp -s "$source/examples/addescription.txt" "$prefix/share/slotwright/addescription.txt" ||
  fail "share/slotwright/addescription.txt is not the shipped table"
cmp -s "$source/doc/copyright" "$prefix/share/doc/slotwright/copyright" || fail "no copyright file"

man1="$prefix/share/man/man1"
test "$(readlink "$man1/Slotwright.1.gz")" = slotwright.1.gz || fail "no Slotwright.1.gz link"
if command -v groff > /dev/null; then
  # groff only warns: any output is a fault.
  warnings=$(gzip -dc "$man1/slotwright.1.gz" | groff -man -ww -z 2>&1)
  test -z "$warnings" || fail "manual page warnings: $warnings"
fi
exit "$failed"
