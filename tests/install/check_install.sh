#!/usr/bin/env bash
# The installed program and its Debian package, checked with the system's own tools: every
# file of files.txt in its place and nothing else, a valid desktop entry, AppStream metadata
# and file type, a package that names what the program needs, and a program that starts.
#   check_install.sh BUILD_DIR VERSION
set -euo pipefail
build_dir=$1 version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

here=$(dirname "$0")
cmake --install "$build_dir" --prefix "$tmp/prefix" >/dev/null || fail "cmake --install failed"
diff -u "$here/files.txt" <(cd "$tmp/prefix" && find . -type f | cut -c3- | LC_ALL=C sort) \
  || fail "installed files differ from the list (- missing, + unexpected)"
report=$(desktop-file-validate "$tmp/prefix/share/applications/org.example.morvel.desktop" 2>&1) \
  && ! grep -Ei 'error|warning' <<<"$report" || fail "desktop entry: $report"
appstreamcli validate-tree --no-net --strict "$tmp/prefix" || fail "appstreamcli validate-tree"
# The desktop's MIME database, made from the installed type, takes *.morvel for a return,
# and the desktop entry opens that type.
cp -r "$tmp/prefix/share/mime" "$tmp/mime"
update-mime-database "$tmp/mime" || fail "update-mime-database"
grep -qx 'application/x-morvel-return:\*\.morvel' <(cut -d: -f2- "$tmp/mime/globs2") || fail "no glob *.morvel"
grep -qx 'MimeType=application/x-morvel-return;' "$tmp/prefix/share/applications/org.example.morvel.desktop" \
  || fail "the desktop entry does not open returns"

(cd "$build_dir" && cpack -G DEB -B "$tmp/deb" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$tmp/deb/morvel_${version}_$(dpkg --print-architecture).deb
[ "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)" = "morvel $version" ] || fail "package name or version"
for needed in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libqt6svg6; do
  dpkg-deb -f "$deb" Depends | grep -qw "$needed" || fail "Depends lacks $needed"
done
diff -u "$here/files.txt" <(dpkg-deb -c "$deb" | awk '$1 ~ /^-/ {print substr($6, 7)}' | LC_ALL=C sort) \
  || fail "the package's files differ from the list"
dpkg-deb -x "$deb" "$tmp/root"
! readelf --dynamic "$tmp/root/usr/bin/morvel" | grep -E '\((RPATH|RUNPATH)\)' \
  || fail "the packaged program carries a library search path of its own"
[ "$(env -u DISPLAY -u QT_QPA_PLATFORM "$tmp/root/usr/bin/morvel" --version)" = "Morvel $version" ] \
  || fail "the packaged program does not say its version without a display"
echo "PASS: install tree and package"
