#!/bin/sh
# Installs the Debian packages that building and testing Zyntra needs, and
# only those that are missing. Safe to run again and again.
set -eu

PACKAGES="cmake ninja-build g++ pkg-config libc-bin libsqlite3-dev libssl-dev libexpat1-dev libgtest-dev libgmock-dev nlohmann-json3-dev qt6-base-dev qt6-translations-l10n"
# Google Benchmark times the in-process work of `make bench`.
PACKAGES="$PACKAGES libbenchmark-dev"
# The exFAT tools let a test copy onto a real exFAT volume where the machine can mount one.
PACKAGES="$PACKAGES exfatprogs exfat-fuse"
# clang builds the fuzz targets of `make fuzz` (its runtime brings libFuzzer).
PACKAGES="$PACKAGES clang-14"
# libical reads and writes the iCalendar files of the schedule and the to-do list.
PACKAGES="$PACKAGES libical-dev"
# `make package`: the icons drawn from their SVG, the Debian package with its dependencies read
# from the shared objects (dpkg-shlibdeps, file), and the checks of the launcher entry, the
# metainfo and the manual page.
PACKAGES="$PACKAGES librsvg2-bin dpkg-dev file desktop-file-utils appstream man-db"
# `make test-package` starts the installed window on a virtual display and reads its class.
PACKAGES="$PACKAGES xvfb x11-utils"

missing=""
for package in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) missing="$missing $package" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    run() { "$@"; }
elif command -v sudo >/dev/null 2>&1; then
    run() { sudo "$@"; }
else
    echo "Missing packages:$missing (run this script as root)" >&2
    exit 1
fi

# A fresh image may come without package lists.
if [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v -e '^lock$' -e '^partial$' || true)" ]; then
    run env DEBIAN_FRONTEND=noninteractive apt-get update
fi
# shellcheck disable=SC2086
run env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
