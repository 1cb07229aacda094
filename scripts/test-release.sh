#!/bin/sh
# make test-release: the release is rebuilt bit for bit, and its installer
# works.
#
# The working tree, committed or not, is copied twice under
# build/test-release, into folders of different names and depths, and each
# copy runs make release's script, the second one later, under another time
# zone, locale and umask. The Windows programs must carry no link time
# stamp, and the two SHA256SUMS must be the same; when they are not,
# diffoscope tells how the first differing artifact (zip, package, installer)
# differs. Then the first copy's installer is checked under Wine
# (scripts/check-installer.sh).
set -eu
cd "$(dirname "$0")/.."
work=$(pwd)/build/test-release

# Both builds carry the date of the commit the tree stems from.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

rm -rf "$work"
first=$work/first/bitloom
second=$work/the-second-build/elsewhere/tree

# Tracked and new files as they are now (deleted ones are skipped), dated
# when copied, as in a fresh clone.
copy_tree() {
    mkdir -p "$1"
    git ls-files -z --cached --others --exclude-standard |
        tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null | tar -xmf - -C "$1"
}

build() {
    copy_tree "$1"
    echo "test-release: building the release in $1"
    start=$(date +%s)
    if ! (cd "$1" && sh scripts/release.sh) >"$1.log" 2>&1; then
        tail -n 40 "$1.log" >&2
        echo "test-release: the release build in $1 failed; its log: $1.log" >&2
        exit 1
    fi
    echo "test-release: built in $(($(date +%s) - start)) s"
}
build "$first"

# The Windows programs carry no date of their own either: a PE header's link
# time, even the commit's, would say when it was built, not what it holds.
for program in "$first"/build/windows-release/bin/*.exe; do
    header=$(od -An -tu4 -j60 -N4 "$program" | tr -d ' ')
    stamp=$(od -An -tu4 -j$((header + 8)) -N4 "$program" | tr -d ' ')
    if [ "$stamp" != 0 ]; then
        echo "test-release: ${program##*/} carries a link time stamp," \
            "$(date -u -d "@$stamp" '+%Y-%m-%d %H:%M:%S UTC')" >&2
        exit 1
    fi
done

(
    umask 002
    export TZ=Pacific/Kiritimati LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8
    build "$second"
)

a=$first/build/dist
b=$second/build/dist
if ! cmp -s "$a/SHA256SUMS" "$b/SHA256SUMS"; then
    echo "test-release: the two builds differ (< $a, > $b):" >&2
    diff "$a/SHA256SUMS" "$b/SHA256SUMS" >&2 || true
    # The zip first: diffoscope shows what differs inside its programs,
    # which the installer holds too, compressed beyond its reach.
    for path in "$a"/*.zip "$a"/*.deb "$a"/*.exe; do
        artifact=${path##*/}
        if ! cmp -s "$a/$artifact" "$b/$artifact"; then
            echo "test-release: how $artifact differs (diffoscope):" >&2
            diffoscope --no-progress --max-text-report-size 200000 --text - \
                "$a/$artifact" "$b/$artifact" >&2 || true
            break
        fi
    done
    exit 1
fi
echo "test-release: the two builds are the same:"
cat "$a/SHA256SUMS"

sh scripts/check-installer.sh "$a" "$work/wine"
