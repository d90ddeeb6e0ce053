#!/bin/sh
# SPDX-License-Identifier: MIT
# Every option the program's --help lists appears in its manual page, so the
# page cannot fall behind the program. The option list is read from --help,
# never written down here.
#   man_page_options_test.sh PROGRAM PAGE
set -u
program=$1
page=$2

# Option lines are the indented ones that start with a dash; each option name
# stands at the start or after a blank, comma or slash.
options=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help |
    grep -E '^[[:space:]]+-' |
    grep -oE '(^|[[:space:],/])--?[A-Za-z][A-Za-z0-9-]*' |
    sed 's/^[[:space:],/]*//' | sort -u)
if [ -z "$options" ]; then
    echo "FAIL: found no options in $program --help"
    exit 1
fi

# The page's text without roff's font changes and with its escaped dashes as
# plain ones.
text=$(sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' "$page") || exit 1

missing=0
for option in $options; do
    if ! printf '%s\n' "$text" | grep -qE -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|\$)"; then
        echo "FAIL: $page does not mention $option"
        missing=$((missing + 1))
    fi
done
[ "$missing" -eq 0 ] && echo "$page names all of:" $options || exit 1
