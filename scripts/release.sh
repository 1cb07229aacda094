#!/bin/sh
# make release: every download of the version, built afresh into build/dist
# with their SHA256SUMS (sha256sum -c SHA256SUMS checks them):
#
#   bitloom_<version>_amd64.deb               the Debian package (make package)
#   bitloom-<version>-windows-x64.zip         the Windows programs, unpacked anywhere
#   bitloom-<version>-windows-x64-setup.exe   the Windows installer
#
# Two runs on the same commit give the same bytes, in any folder, at any time,
# under any time zone, locale or umask: the dates come from the last commit
# (SOURCE_DATE_EPOCH, which a caller may set instead), the build folders are
# mapped out of the programs (cmake/Reproducible.cmake), and the zip's members
# are put in order with that date. The tools are installed by make release.
set -eu
cd "$(dirname "$0")/.."

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if ! SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null); then
        echo "$0: no git history to date the release: set SOURCE_DATE_EPOCH" >&2
        exit 1
    fi
    if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
        echo "$0: warning: uncommitted changes; the release is dated by the last commit," \
            "which does not hold them" >&2
    fi
fi
export SOURCE_DATE_EPOCH
export TZ=UTC LC_ALL=C.UTF-8
unset LANGUAGE
umask 022

dist=build/dist
rm -rf build/release build/windows-release "$dist"

# The Debian package exactly as make package builds it.
${MAKE:-make} --no-print-directory package

cmake --preset windows-release
cmake --build --preset windows-release
cmake --build --preset windows-release --target bitloom_installer
cpack --config build/windows-release/CPackConfig.cmake -B build/windows-release

mkdir -p "$dist"
cp build/release/package/bitloom_*.deb build/windows-release/bitloom-*-windows-x64.zip \
    build/windows-release/bitloom-*-windows-x64-setup.exe "$dist"
# CPack writes the zip's members in the order it finds them, with the
# system's extra fields: sorted, with the commit's date, they are the same
# everywhere.
strip-nondeterminism --type zip --timestamp "$SOURCE_DATE_EPOCH" "$dist"/*.zip

cd "$dist"
set -- *
[ $# -eq 3 ] || { echo "release: expected 3 files in $dist, found: $*" >&2; exit 1; }
sha256sum -- "$@" >SHA256SUMS
sha256sum -c --quiet SHA256SUMS
echo "release: $(pwd)"
cat SHA256SUMS
