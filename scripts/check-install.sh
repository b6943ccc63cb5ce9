#!/usr/bin/env bash
# Checks the install and the .deb package of a built tree (default: build):
# `cmake --install` into a temporary prefix puts every file where the desktop
# looks for it, the desktop entry validates, the manual page formats without a
# warning, and cpack makes a .deb whose control data names its dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check-install: $*" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/orvel bin/orvel-cli; do
    [ -x "$prefix/$file" ] || fail "$file is not installed"
done
"$prefix/bin/orvel-cli" --help >/dev/null || fail "the installed orvel-cli does not run"
version=$(sed -n 's/^project(Orvel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(QT_QPA_PLATFORM=offscreen "$prefix/bin/orvel" --version 2>/dev/null)" = "Orvel $version" ] ||
    fail "the installed orvel does not run"

# Each icon is a PNG of the size its folder names (width and height are the
# big-endian words at bytes 16 and 20).
for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/orvel.png
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
        fail "the ${size}x${size} icon is no PNG file"
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$width $height" = "$size $size" ] || fail "the ${size}x${size} icon is ${width}x${height}"
done

entry=$prefix/share/applications/orvel.desktop
[ -f "$entry" ] || fail "no desktop entry"
# The validator reports errors without failing; only its hints may be left.
report=$(desktop-file-validate "$entry" 2>&1 | grep -v ': hint: ' || true)
[ -z "$report" ] || fail "the desktop entry does not validate: $report"
grep -qx 'Exec=orvel %F' "$entry" || fail "the desktop entry does not start orvel with the files"
grep -q '^MimeType=.*application/octet-stream;' "$entry" || fail "the desktop entry opens no file"

manual=$prefix/share/man/man1/orvel-cli.1.gz
[ -f "$manual" ] || fail "no manual page for orvel-cli"
warnings=$(zcat "$manual" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
for verb in dump compare find import export; do
    zcat "$manual" | grep -q "^\.BI $verb " || fail "the manual page misses the $verb verb"
done

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    fail "cpack could not make the package: $(tail -n 20 "$work/cpack.log")"
deb=$(find "$work/package" -maxdepth 1 -name 'orvel_*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack made no .deb"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
    grep -q "$package" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/orvel ./usr/bin/orvel-cli ./usr/share/applications/orvel.desktop \
    ./usr/share/icons/hicolor/256x256/apps/orvel.png ./usr/share/man/man1/orvel-cli.1.gz; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends | sed 's/^/  /'
echo "install and package checked: $(basename "$deb")"
