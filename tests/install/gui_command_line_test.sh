#!/bin/sh
# SPDX-License-Identifier: MIT
# marvane's command line, run as a desktop-less shell would run it: no
# display and no Qt platform chosen, so anything that needed a window fails.
#   gui_command_line_test.sh PROGRAM VERSION
set -u
program=$1
version=$2
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0

# expect STATUS STDOUT-PATTERN STDERR-PATTERN ARGUMENT...
# The patterns are grep -x patterns for the whole output ("" for none).
expect() {
    status=$1 out_pattern=$2 err_pattern=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$out" 2>"$err" </dev/null
    actual=$?
    problem=
    [ "$actual" -eq "$status" ] || problem="exit status $actual, not $status"
    check "$out" "$out_pattern" stdout
    check "$err" "$err_pattern" stderr
    if [ -n "$problem" ]; then
        echo "FAIL: marvane $*: $problem"
        sed 's/^/  stdout: /' "$out"
        sed 's/^/  stderr: /' "$err"
        failures=$((failures + 1))
    fi
}

# An empty pattern wants empty output; otherwise every line must match it.
check() {
    if [ -z "$2" ]; then
        [ ! -s "$1" ] || problem="$problem; $3 not empty"
    elif [ "$(grep -cvxE "$2" "$1")" -ne 0 ] || [ ! -s "$1" ]; then
        problem="$problem; $3 does not match '$2'"
    fi
}

one_line_error='marvane: [^ ].*'

expect 0 "marvane $version" "" --version
expect 0 "marvane $version" "" -v
# Qt's own options are left for Qt, in both of its spellings.
expect 0 "marvane $version" "" -style fusion -platform offscreen --version
expect 0 "marvane $version" "" -style=fusion -reverse --version
expect 0 '.*' "" --help
expect 0 '.*' "" -h
expect 2 "" "$one_line_error" --bogus
expect 2 "" "$one_line_error" -x
expect 2 "" "$one_line_error" -style
expect 2 "" "$one_line_error" unexpected

# The help names the program and both of its own options.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help >"$out" 2>&1
for wanted in '^Usage: marvane ' '-h, --help' '-v, --version'; do
    grep -qe "$wanted" "$out" || { echo "FAIL: --help lacks '$wanted'"; failures=$((failures + 1)); }
done
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --bogus 2>"$out"
grep -qx "marvane: Unknown option 'bogus'." "$out" ||
    { echo "FAIL: --bogus: $(cat "$out")"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "all command lines behave" || exit 1
