#!/bin/sh
# SPDX-License-Identifier: MIT
# Raising the version in CMake without writing its release notes is caught:
# the newest release in the AppStream metainfo and in the Debian changelog
# must both be the project's version.
#   release_notes_test.sh VERSION METAINFO CHANGELOG
set -u
version=$1 metainfo=$2 changelog=$3
failures=0

newest_release=$(grep -oE '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
if [ "$newest_release" != "$version" ]; then
    echo "FAIL: newest release in $metainfo is '$newest_release', the project's version is $version"
    failures=$((failures + 1))
fi

newest_entry=$(head -n 1 "$changelog" | sed -n 's/^marvane (\([^)]*\)).*/\1/p')
if [ "$newest_entry" != "$version" ]; then
    echo "FAIL: newest entry in $changelog is '$newest_entry', the project's version is $version"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "release notes for $version present" || exit 1
