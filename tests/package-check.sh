#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# Builds the Debian package from a build directory with cpack, checks its
# contents and control fields, has lintian judge it, unpacks it into a scratch
# root, checks the manual pages and changelog there and runs what it installed.
#
# Usage: package-check.sh BUILD_DIR APP_ID VERSION
set -u

build=$1 id=$2 version=$3
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for tool in cpack dpkg-deb dpkg; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
# Where dpkg is, the package must pass these too (scripts/common.sh installs them).
for tool in lintian groff man zcat; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing"; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "cpack -G DEB"
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack failed"
    exit 1
fi
arch=$(dpkg --print-architecture)
deb=$scratch/out/vellora_${version}_${arch}.deb
if [ ! -f "$deb" ]; then
    ls "$scratch/out"
    echo "FAIL: no vellora_${version}_${arch}.deb"
    exit 1
fi

# Contents.
dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' >"$scratch/contents"
expect_entry() {
    grep -qxF "$1" "$scratch/contents" || fail "the package lacks $1"
}
expect_entry "./usr/bin/vellora -> ../lib/vellora/vellora"
expect_entry "./usr/bin/vellora-trace"
expect_entry "./usr/lib/vellora/vellora"
expect_entry "./usr/lib/vellora/sequences.html"
expect_entry "./usr/lib/vellora/sequences.mht"
expect_entry "./usr/lib/vellora/sequences.de.html"
expect_entry "./usr/share/applications/$id.desktop"
expect_entry "./usr/share/metainfo/$id.metainfo.xml"
expect_entry "./usr/share/icons/hicolor/128x128/apps/$id.png"
expect_entry "./usr/share/man/man1/vellora.1.gz"
expect_entry "./usr/share/man/man1/vellora-trace.1.gz"
expect_entry "./usr/share/doc/vellora/changelog.gz"
expect_entry "./usr/share/doc/vellora/copyright"
if grep -E '\.a$|/include/|/(tst|bench|fuzz)_[^/]*$' "$scratch/contents"; then
    fail "the package holds libraries, headers, tests or benchmarks"
fi

# Control fields.
dpkg-deb -I "$deb" >"$scratch/info"
field() {
    sed -n "s/^ $1: //p" "$scratch/info"
}
[ "$(field Package)" = vellora ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
for dep in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 qt6-qpa-plugins; do
    [[ ", $depends" == *", $dep"[\ ,]* || ", $depends" == *", $dep" ]] ||
        fail "Depends lacks $dep: $depends"
done

# Debian's own judgement: no error and no warning (informational tags are shown).
echo "lintian $(basename "$deb")"
lintian --fail-on error,warning --display-info "$deb" >"$scratch/lintian" 2>&1
status=$?
grep -v 'running with root privileges' "$scratch/lintian"
[ "$status" -eq 0 ] || fail "lintian finds errors or warnings (status $status)"

root=$scratch/root
dpkg -x "$deb" "$root"

# The manual pages format without a complaint, from groff with every warning
# on and from man as a reader runs it, and name this version.
for page in vellora vellora-trace; do
    gz=$root/usr/share/man/man1/$page.1.gz
    [ -f "$gz" ] || continue
    messages=$(zcat "$gz" | groff -man -ww -z 2>&1)
    [ -z "$messages" ] || fail "groff -ww warns about $page(1): $messages"
    messages=$(MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$gz" 2>&1 >/dev/null)
    [ -z "$messages" ] || fail "man warns about $page(1): $messages"
    zcat "$gz" | grep -q "^\.TH .* \"Vellora $version\"" ||
        fail "$page(1) does not name version $version in its .TH line"
done
# The changelog's newest entry is this version.
changelog=$root/usr/share/doc/vellora/changelog.gz
if [ -f "$changelog" ]; then
    top=$(zcat "$changelog" | head -n 1)
    [[ "$top" == "vellora ($version) "* ]] || fail "changelog.gz begins '$top', not with $version"
fi

# Unpacked into the scratch root, the programs run.
trace=$("$root/usr/bin/vellora-trace" 3 1 2 2>&1)
status=$?
[ "$status" -eq 0 ] || fail "vellora-trace 3 1 2 exits with $status"
grep -qx 'Sequence: 3 1 2' <<<"$trace" || fail "vellora-trace does not print the sequence"
grep -qx 'Steps: 8' <<<"$trace" || fail "vellora-trace does not print 8 steps"
grep -qx '    1 2 3' <<<"$trace" || fail "vellora-trace does not end sorted"
[ "$(readlink -f "$root/usr/bin/vellora")" = "$(readlink -f "$root/usr/lib/vellora/vellora")" ] ||
    fail "usr/bin/vellora does not resolve to usr/lib/vellora/vellora"
[ -x "$root/usr/lib/vellora/vellora" ] || fail "usr/lib/vellora/vellora is not executable"
# Started through the link, the window runs until stopped (124 from timeout).
QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/vellora" >"$scratch/vellora.log" 2>&1
status=$?
if [ "$status" -ne 124 ]; then
    cat "$scratch/vellora.log"
    fail "the unpacked vellora stopped with status $status within 2 seconds"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "$(basename "$deb"): all checks passed"
