#!/bin/sh
# Runs the Windows build under Wine in a pseudo-terminal, where it has a
# console of its own but no Explorer started it, and checks that it ends
# without asking for Enter.  Wine's console draws each character with escapes
# of its own, which go before the output is read.
#   console_under_wine.sh WINE PROGRAM
set -eu
output=$(script -qec "$1 $2 --version" /dev/null < /dev/null | sed 's/\x1b[[][0-9;?]*[A-Za-z]//g')
printf '%s\n' "$output"
case $output in *DISCLAIMER*) ;; *) echo "no banner"; exit 1 ;; esac
case $output in *Press*) echo "it waited"; exit 1 ;; esac
