#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a user gets: the program
# under both its names, the description table, the licence, and the manual
# page under both names, rendered without a warning.
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" > /dev/null
"$prefix/bin/Slotwright" --version | grep -q "^Slotwright version "
test "$(readlink "$prefix/bin/Slotwright")" = slotwright
cmp "$3/examples/addescription.txt" "$prefix/share/slotwright/addescription.txt"
cmp "$3/doc/copyright" "$prefix/share/doc/slotwright/copyright"
test "$(readlink "$prefix/share/man/man1/Slotwright.1.gz")" = slotwright.1.gz
warnings=$(gzip -dc "$prefix/share/man/man1/slotwright.1.gz" | groff -man -ww -z 2>&1)
test -z "$warnings" || { echo "manual page warnings: $warnings"; exit 1; }
