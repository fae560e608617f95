#!/usr/bin/env bash
# Installs into a temporary prefix where a dangling link stands at
# bin/Slotwright, and checks what a user gets: the program and its manual
# page under both names where the name is free, the link left alone, and
# nothing for Debian alone.  Then removes what the install listed, as README
# says, and checks that the prefix is as it was.
#   install_test.sh CMAKE BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
mkdir "$prefix/bin"
ln -s /opt/old-tools/Slotwright "$prefix/bin/Slotwright"
"$1" --install "$2" --prefix "$prefix" > /dev/null
"$prefix/bin/slotwright" --version | grep -q "^Slotwright version "
test "$(readlink "$prefix/share/man/man1/Slotwright.1.gz")" = slotwright.1.gz
test "$(readlink "$prefix/bin/Slotwright")" = /opt/old-tools/Slotwright
test ! -e "$prefix/share/lintian"
while IFS= read -r path; do
  case $path in */) rmdir "$path" 2> /dev/null || true ;; *) rm -f "$path" ;; esac
done < "$prefix/share/slotwright/install_manifest.txt"
(cd "$prefix" && find . | sort) | diff <(printf '.\n./bin\n./bin/Slotwright\n') -
