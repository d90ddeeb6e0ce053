#!/bin/sh
# SPDX-License-Identifier: MIT
# Every text of the dialog and of the web page has its German and French
# translation: lupdate reads the sources, in every folder under app/ and the
# web page's TypeScript under web/src/ (read as C++: its translate("Context",
# "text") calls are lupdate's own form), into copies of the .ts files;
# any text it has to add (new, or changed in English), any translation left
# unfinished and any text it drops (no longer found under its context, as
# when a text moves to another class) fails.
#   translations_complete_test.sh LUPDATE APP-SOURCE-DIR TS-FILE...
set -u
lupdate=$1 sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
# lupdate tells a source's language by its suffix, and .ts is its own.
web_sources=
for page_source in "$sources"/../web/src/*.ts; do
    [ -f "$page_source" ] || continue
    copy=$work/web-$(basename "$page_source" .ts).cpp
    cp "$page_source" "$copy"
    web_sources="$web_sources $copy"
done
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    # The root on the include path: includes name their folder ("app/charts/chart_window.h"),
    # and lupdate reads the headers to find each class's namespace.
    "$lupdate" -silent -no-obsolete -locations none -I "$sources/.." $(find "$sources" -name "*.cpp" -o -name "*.h") $web_sources -ts "$copy" ||
        failures=$((failures + 1))
    if [ "$(grep -c '<message' "$copy")" -ne "$(grep -c '<message' "$ts")" ]; then
        echo "FAIL: $(basename "$ts"): texts no longer found in the sources:"
        diff "$ts" "$copy" | grep '^< *<source>'
        failures=$((failures + 1))
    fi
    untranslated=$(grep -c 'type="unfinished"' "$copy")
    if [ "$untranslated" -ne 0 ]; then
        echo "FAIL: $(basename "$ts"): $untranslated texts without a translation:"
        grep -B2 'type="unfinished"' "$copy" | grep '<source>'
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "every text translated" || exit 1
