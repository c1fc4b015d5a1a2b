#!/bin/bash
# Installs the build into a scratch folder as the package would lay it out under /usr, and
# checks that every shipped file is there, that the links on the PATH reach the programs, and
# that nothing of the user's own (working copies, backup) is shipped.
# Usage: check_install.sh BUILD_DIR WITH_WINDOW(ON|OFF)
set -u
build=$1
with_window=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

if ! DESTDIR="$root" cmake --install "$build" --prefix /usr >"$root/install.log" 2>&1; then
    cat "$root/install.log"
    exit 1
fi

failures=0
expect() { # expect TEST PATH: a file test on a path under /usr
    if ! test "$1" "$root/usr/$2"; then
        echo "missing or wrong: /usr/$2"
        failures=$((failures + 1))
    fi
}

for file in zyntra-cli kvdb.dll iconv.dll Lang.ini init/default-1.dat init/default-2.dat \
    init/default-3.dat init/default-4.dat init/default-5.dat; do
    expect -f "lib/zyntra/$file"
done
expect -f share/man/man1/zyntra-cli.1.gz
expect -f share/bash-completion/completions/zyntra-cli
programs=(zyntra-cli)
if [ "$with_window" = ON ]; then
    expect -f lib/zyntra/Zyntra
    expect -f lib/zyntra/data/loading.avi
    expect -f share/applications/org.zyntra.Zyntra.desktop
    expect -f share/metainfo/org.zyntra.Zyntra.metainfo.xml
    expect -f share/icons/hicolor/scalable/apps/zyntra.svg
    for size in 16 32 48 64 128 256; do
        expect -f "share/icons/hicolor/${size}x${size}/apps/zyntra.png"
    done
    programs+=(zyntra)
fi

for program in "${programs[@]}"; do
    expect -L "bin/$program"
    # The link must be relative, so that it reaches the program wherever the tree is unpacked.
    target=$(readlink "$root/usr/bin/$program")
    if [[ $target == /* ]] || [ ! -x "$root/usr/bin/$target" ]; then
        echo "bin/$program points at $target, which is no program of the tree"
        failures=$((failures + 1))
    fi
done
version=$("$root/usr/bin/zyntra-cli" --version)
if [[ $version != "zyntra-cli "[0-9]* ]]; then
    echo "the installed zyntra-cli --version says: $version"
    failures=$((failures + 1))
fi

# The user's files are made in the user's folder, never shipped.
shipped=$(cd "$root/usr/lib/zyntra" && find . -path './backup*' -o -path './snapshots*' \
    -o -name 'default-*.dat' -path './data/*' -o -name '*.ini' ! -name Lang.ini)
if [ -n "$shipped" ]; then
    echo "files of the user's own are shipped: $shipped"
    failures=$((failures + 1))
fi
exit "$failures"
