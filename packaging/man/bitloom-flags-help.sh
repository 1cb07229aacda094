#!/bin/sh
# Stands in for bitloom-flags (the program named by $BITLOOM_FLAGS) when
# help2man reads its help: a paragraph that opens with a short title, as in
# "Valeurs : chiffres...", gets that title on a line of its own between
# asterisks, which help2man turns into a section of the manual page. The
# first line, "Utilisation : ...", stays as help2man expects it.
set -eu
"$BITLOOM_FLAGS" "$@" | sed -E '/^$/{n;s/^([[:upper:]][[:alpha:]]*( [[:alpha:]]+){0,2}) : (.)/*\1*\n\u\3/}'
