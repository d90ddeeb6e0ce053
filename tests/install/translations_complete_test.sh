#!/bin/sh
# SPDX-License-Identifier: MIT
# Every text of the dialog has its German and French translation: lupdate
# reads the sources into copies of the .ts files, and any text it has to add
# (new, or changed in English) or any translation left unfinished fails.
#   translations_complete_test.sh LUPDATE APP-SOURCE-DIR TS-FILE...
set -u
lupdate=$1 sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    # Includes name their folder ("app/helpwindow.h"), so lupdate looks from
    # the folder above; without the headers it cannot tell marvane::HelpWindow
    # from a class of the global namespace.
    "$lupdate" -silent -no-obsolete -locations none -I "$sources/.." \
        "$sources"/*.cpp "$sources"/*.h -ts "$copy" ||
        failures=$((failures + 1))
    untranslated=$(grep -c 'type="unfinished"' "$copy")
    if [ "$untranslated" -ne 0 ]; then
        echo "FAIL: $(basename "$ts"): $untranslated texts without a translation:"
        grep -B2 'type="unfinished"' "$copy" | grep '<source>'
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "every text translated" || exit 1
