#!/bin/bash
# Installs the Debian package on this machine and tries it as a new user would: the tools on
# the PATH, the launcher entry, the metainfo, the window on a virtual display, a backup from
# the command line into the user's folder, and removal leaving that folder alone.
# Needs root and dpkg; run by `make test-package`, never by `make test`.
# Usage: test_package.sh BUILD_DIR
set -u

build=$(cd "${1:-build}" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^project(Zyntra VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
deb="$build/zyntra_${version}_$(dpkg --print-architecture).deb"
make_demo="$build/resources/zyntra_make_demo_device"

failures=0
pass() { echo "PASS: $1"; }
fail() {
    echo "FAIL: $1"
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}

[ "$(id -u)" -eq 0 ] || { echo "test_package.sh: run as root (dpkg -i, useradd)" >&2; exit 2; }
[ -f "$deb" ] || { echo "test_package.sh: no package $deb (make package)" >&2; exit 2; }
if dpkg-query -W zyntra >/dev/null 2>&1; then
    echo "test_package.sh: dpkg knows zyntra already; remove it first (dpkg -P zyntra)" >&2
    exit 2
fi

user="zyntratest$$"
work=$(mktemp -d)
xvfb_pid=""
window_pid=""
# shellcheck disable=SC2317 # called by the trap
cleanup() {
    [ -n "$window_pid" ] && kill "$window_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    # dpkg -r keeps the package's record while its maintainer scripts are there; purge it.
    dpkg-query -W zyntra >/dev/null 2>&1 && dpkg -P zyntra >/dev/null
    if id "$user" >/dev/null 2>&1; then
        # What the window started (a session bus of its own, say) ends with the display; a
        # user that still runs something cannot be deleted.
        for _ in $(seq 1 10); do
            [ -z "$(ps -o pid= -u "$user")" ] && break
            sleep 1
        done
        for pid in $(ps -o pid= -u "$user"); do
            echo "test_package.sh: ending what $user still runs: $(ps -o args= -p "$pid")" >&2
            kill "$pid" 2>/dev/null
        done
        sleep 1
        userdel -r "$user" 2>/dev/null || echo "test_package.sh: could not delete the user $user" >&2
    fi
    rm -rf "$work"
}
trap cleanup EXIT

echo "== installing $deb"
check "dpkg -i installs the package" dpkg -i "$deb"
depends=$(dpkg-query -W -f='${Depends}' zyntra)
echo "Depends: $depends"
for library in libsqlite3-0 libqt6widgets6 libc6; do
    check "the package depends on $library" grep -q "$library" <<<"$depends"
done

echo "== the files it installed"
check "zyntra-cli is on the PATH" test "$(command -v zyntra-cli)" = /usr/bin/zyntra-cli
check "zyntra is on the PATH" test "$(command -v zyntra)" = /usr/bin/zyntra
check "zyntra-cli --version names version $version" \
    test "$(zyntra-cli --version)" = "zyntra-cli $version"
for file in Zyntra zyntra-cli kvdb.dll iconv.dll Lang.ini data/loading.avi \
    init/default-1.dat init/default-5.dat; do
    check "/usr/lib/zyntra/$file is installed" test -f "/usr/lib/zyntra/$file"
done
check "the launcher entry validates" \
    desktop-file-validate /usr/share/applications/org.zyntra.Zyntra.desktop
check "the metainfo validates" \
    appstreamcli validate --no-net /usr/share/metainfo/org.zyntra.Zyntra.metainfo.xml
for size in 16 32 48 64 128 256; do
    icon="/usr/share/icons/hicolor/${size}x${size}/apps/zyntra.png"
    check "the ${size}x${size} icon is a PNG of that size" \
        grep -q "PNG image data, $size x $size" <<<"$(file "$icon")"
done
check "the scalable icon is installed" test -f /usr/share/icons/hicolor/scalable/apps/zyntra.svg
check "man finds the manual page of zyntra-cli" \
    test "$(man -w zyntra-cli 2>/dev/null)" = /usr/share/man/man1/zyntra-cli.1.gz
check "the bash completion is installed" \
    grep -q "complete -F _zyntra_cli zyntra-cli" /usr/share/bash-completion/completions/zyntra-cli

echo "== a new user"
useradd -m -s /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
demo="$work/demo"
# The demo device is made from the installed templates, then handed to the user as if plugged in.
check "the demo device is made from the installed templates" \
    "$make_demo" /usr/lib/zyntra "$demo"
chown -R "$user:$user" "$demo"
chmod 755 "$work"
# What a login session gives: a runtime folder of the user's own.
runtime="$work/runtime"
mkdir -m 700 "$runtime"
chown "$user:$user" "$runtime"

display_number=90
while [ -e "/tmp/.X$display_number-lock" ] || [ -e "/tmp/.X11-unix/X$display_number" ]; do
    display_number=$((display_number + 1))
done
display=":$display_number"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -ac >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
sleep 2

# A command as the user, in the user's home, with a login's environment and the demo device.
# setpriv and env each exec the next, so a background run's pid is the program's own.
as_user=(setpriv --reuid "$user" --regid "$user" --init-groups
    env -i -C "$home" HOME="$home" USER="$user" LOGNAME="$user" PATH=/usr/bin:/bin
    XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 ZYNTRA_VOLUMES="$demo/volumes.txt"
    DISPLAY="$display")

echo "== the window, as $user on $display"
"${as_user[@]}" zyntra >"$work/window.out" 2>"$work/window.err" &
window_pid=$!
# The class of the first window that has one: WM_CLASS(STRING) = "instance", "class".
wm_class=""
for _ in $(seq 1 20); do
    sleep 1
    for id in $(xwininfo -display "$display" -root -tree 2>/dev/null | grep -o '^ *0x[0-9a-f]*'); do
        wm_class=$(xprop -display "$display" -id "$id" WM_CLASS 2>/dev/null |
            sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
        [ -n "$wm_class" ] && break 2
    done
done
sleep 3
xwininfo -display "$display" -root -children 2>/dev/null | grep '^ *0x' | grep -v '(has no name)'
check "the window still runs after a few seconds" kill -0 "$window_pid"
# The window prints the database layer's lines once its start-up checks passed and it opened
# the databases: a window showing only the missing-files message has printed none.
check "the window got through its start-up and opened the databases" \
    grep -q "Load dll ok." "$work/window.out"
entry_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/org.zyntra.Zyntra.desktop)
check "the window's class '$wm_class' is the launcher entry's StartupWMClass '$entry_class'" \
    test "$wm_class" = "$entry_class"
kill "$window_pid" 2>/dev/null
wait "$window_pid" 2>/dev/null
window_pid=""
echo "-- the window's output:"
cat "$work/window.out" "$work/window.err"

echo "== zyntra-cli backup as $user"
user_folder="$home/.local/share/zyntra"
"${as_user[@]}" zyntra-cli backup >"$work/backup.out" 2>"$work/backup.err"
code=$?
cat "$work/backup.err"
check "zyntra-cli backup exits 0 (it exited $code)" test "$code" -eq 0
check "the backup lands in $user_folder/backup/" test -s "$user_folder/backup/default-1.dat"
check "the user's working copies are in $user_folder/data/" test -s "$user_folder/data/default-1.dat"

echo "== removing the package"
before=$(cd "$home" && find . -type f -print0 | sort -z | xargs -0 -r md5sum)
check "dpkg -r removes the package" dpkg -r zyntra
check "zyntra-cli is gone from the PATH" test ! -e /usr/bin/zyntra-cli
check "the user's files are left as they were" \
    test "$before" = "$(cd "$home" && find . -type f -print0 | sort -z | xargs -0 -r md5sum)"
check "the user's folder is still there" test -d "$user_folder"

echo
if [ "$failures" -eq 0 ]; then echo "package test: all passed"; else echo "package test: $failures failed"; fi
exit $((failures > 0))
