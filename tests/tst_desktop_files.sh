#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# Checks the desktop integration files: the desktop entry and the AppStream
# metainfo validate, they and the icon agree on the application id, the
# metainfo lists the project's version, and the icon is built into vellora.
#
# Usage: tst_desktop_files.sh RESOURCES_DIR APP_ID VERSION VELLORA_BINARY
#                             DESKTOP_FILE_VALIDATE APPSTREAMCLI
set -u

resources=$1 id=$2 version=$3 binary=$4 desktop_validate=$5 appstreamcli=$6
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

desktop=$resources/$id.desktop
metainfo=$resources/$id.metainfo.xml
icon=$resources/icon2.png

echo "desktop-file-validate $desktop"
"$desktop_validate" "$desktop" || fail "desktop-file-validate rejects $desktop"
echo "appstreamcli validate --no-net $metainfo"
"$appstreamcli" validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's Icon= is not $id"
grep -qx "Exec=vellora" "$desktop" || fail "the desktop entry's Exec= is not vellora"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's <id> is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo has no <release> for version $version"

# The icon goes to hicolor/128x128: it must be a 128 x 128 PNG.
header=$(od -An -tx1 -N24 "$icon" | tr -d ' \n')
[ "${header:0:16}" = 89504e470d0a1a0a ] || fail "$icon is not a PNG"
[ "${header:32:16}" = 0000008000000080 ] || fail "$icon is not 128 x 128"

# main.cpp falls back on the icon compiled into vellora as :/vellora/icon2.png.
# rcc stores an already compressed PNG as it is, so its bytes are in the binary.
if ! od -An -tx1 -v "$binary" | tr -d ' \n' |
    LC_ALL=C grep -qF "$(od -An -tx1 -v "$icon" | tr -d ' \n')"; then
    fail "the icon is not built into $binary"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
