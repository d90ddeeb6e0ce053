#!/bin/sh
# SPDX-License-Identifier: MIT
# The AppStream metainfo and the desktop file pass their validators, as a
# software centre and a menu would check them. Warnings fail too.
#   metadata_test.sh APPSTREAMCLI DESKTOP-FILE-VALIDATE METAINFO DESKTOP-FILE
set -u
appstreamcli=$1 desktop_file_validate=$2 metainfo=$3 desktop=$4
failures=0

# --no-net: the test must not depend on the network; only errors and
# warnings make appstreamcli fail, informational hints do not.
"$appstreamcli" validate --no-net "$metainfo" || failures=$((failures + 1))

# desktop-file-validate exits 0 on warnings; any output at all is a finding.
findings=$("$desktop_file_validate" "$desktop" 2>&1)
status=$?
if [ $status -ne 0 ] || [ -n "$findings" ]; then
    echo "FAIL: desktop-file-validate $desktop:"
    echo "$findings"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "metainfo and desktop file valid" || exit 1
