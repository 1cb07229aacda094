#!/bin/sh
# Installs the Debian 12 packages that building, running and testing need,
# asking apt only for those that are missing.
set -eu

packages="make g++ cmake ninja-build pkg-config
qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev nlohmann-json3-dev libfmt-dev
fonts-liberation2 fonts-urw-base35 xvfb xauth
desktop-file-utils dpkg-dev file strace xdotool dbus-daemon doctest-dev python3-jsonschema $*"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "setup: missing packages:$missing; install them as root (sudo is not available)." >&2
    exit 1
fi

echo "setup: installing$missing"
$as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
