#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a user gets: the program
# and its manual page under both names, and nothing for Debian alone.  Then
# removes what the install manifest lists, as README says, and checks that no
# file is left.
#   install_test.sh CMAKE BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
manifest="$2/install_manifest.txt"
# The build tree's install script always writes its manifest there: keep the
# one a real install left.
[[ -e $manifest ]] && cp "$manifest" "$prefix.manifest"
trap 'rm -rf "$prefix"; if [[ -e $prefix.manifest ]]; then mv "$prefix.manifest" "$manifest"; else rm -f "$manifest"; fi' EXIT
"$1" --install "$2" --prefix "$prefix" > /dev/null
"$prefix/bin/Slotwright" --version | grep -q "^Slotwright version "
test "$(readlink "$prefix/share/man/man1/Slotwright.1.gz")" = slotwright.1.gz
test ! -e "$prefix/share/lintian"
xargs rm < "$manifest"
left=$(find "$prefix" ! -type d)
test -z "$left" || { echo "left after removing what the manifest lists: $left"; exit 1; }
