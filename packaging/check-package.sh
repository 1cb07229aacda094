#!/bin/sh
# Builds the Debian package of a built release and checks it the way a
# distribution would: lintian with no error or warning, the AppStream metadata
# and the desktop entry as the package installs them, and the manual pages as
# man finds them in a C locale.
# Usage: check-package.sh CPACK BUILD_DIR APPSTREAM_ID
set -eu
cpack=$1
build=$2
id=$3
failed=0
fail() {
    echo "check-package: $*" >&2
    failed=1
}

out=$build/package
rm -rf "$out"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out"
set -- "$out"/bitloom_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "check-package: expected one package in $out" >&2; exit 1; }
deb=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== lintian $deb"
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || fail "lintian failed"
cat "$work/lintian"
grep -q '^[EW]: ' "$work/lintian" && fail "lintian reports errors or warnings"

dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share

echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net --strict --pedantic --explain "$share/metainfo/$id.metainfo.xml" \
    || fail "the AppStream metadata is not valid"
appstreamcli validate-tree --no-net --strict --pedantic --explain "$work/root" \
    || fail "the installed tree does not hold what the AppStream metadata needs"

echo "== desktop-file-validate"
desktop-file-validate "$share/applications/$id.desktop" >"$work/desktop" 2>&1 \
    || fail "desktop-file-validate failed"
cat "$work/desktop"
grep -q ': \(error\|warning\|hint\): ' "$work/desktop" && fail "the desktop entry has problems"

echo "== manual pages"
for program in "$work"/root/usr/bin/*; do
    name=$(basename "$program")
    page=$(LC_ALL=C man -M "$share/man" -w "$name" 2>/dev/null) \
        || { fail "man finds no page for $name in a C locale"; continue; }
    echo "$name: ${page#"$work"/root}"
    # help2man wrote French sections only if it ran under a French locale.
    zcat "$page" | grep -q '^\.SH NOM$' || fail "$name's page has no NOM section"
    zcat "$page" | grep -q '^\.SH SYNOPSIS$' || fail "$name's page has no SYNOPSIS section"
done

exit $failed
