#!/usr/bin/env bash
# The Debian package made from this build holds the two programs, the help pages, the desktop
# entry, the file types and the icons, declares what it needs from Debian, and both programs
# start from a tree it was unpacked into. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Quick compression: the package is only unpacked again here.
(cd "$build" && cpack -G DEB -B "$work/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >/dev/null)
deb=$(ls "$work"/out/ladrix_*_amd64.deb)
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6serialport6 libqt6printsupport6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done

root=$work/root
dpkg -x "$deb" "$root"
for file in usr/bin/ladrix usr/bin/ladrix-cli usr/share/ladrix/help/guide.html \
    usr/share/ladrix/help/reference.html usr/share/applications/ladrix.desktop \
    usr/share/mime/packages/ladrix.xml usr/share/icons/hicolor/scalable/apps/ladrix.svg \
    usr/share/icons/hicolor/48x48/apps/ladrix.png; do
    [ -e "$root/$file" ] || { echo "the package lacks $file"; exit 1; }
done
grep -q '^MimeType=application/x-ladrix-project;' "$root/usr/share/applications/ladrix.desktop"
grep -q 'pattern="\*.lrp"' "$root/usr/share/mime/packages/ladrix.xml"

"$root/usr/bin/ladrix-cli" --help | grep -q 'ladrix-cli'
# The desktop program starts and keeps running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/ladrix" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "the desktop program ended with $status"; exit 1; }
echo "package ok: $(basename "$deb")"
