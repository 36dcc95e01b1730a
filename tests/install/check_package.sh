#!/usr/bin/env bash
# Builds the Debian package with CPack and checks it as a user of this system would meet it:
# its control fields and dependencies, its files, that apt would install it here, and that the
# program it carries starts, shows its main window and ends with Exit (Alt+X) on an X server.
# Nothing is installed on the machine: the package is only simulated and extracted privately.
#   check_package.sh CPACK BUILD_DIR WORK_DIR VERSION
set -euo pipefail

cpack_cmd=$1 build_dir=$2 work_dir=$3 version=$4
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=checks.sh
source "$here/checks.sh"
# shellcheck source-path=SCRIPTDIR source=../support/xvfb.sh
source "$here/../support/xvfb.sh"

require_tools dpkg-deb dpkg-shlibdeps apt-get desktop-file-validate appstreamcli readelf \
  python3 Xvfb xdpyinfo xdotool xprop

main_title="Morvel1415 - Income Tax Calculator"

mkdir -p "$work_dir"
tmp=$(mktemp -d "$work_dir/package.XXXXXX")
program_pid=""
cleanup()
{
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  stop_xvfb
  rm -rf "$tmp"
}
trap cleanup EXIT

# --- Build the package ----------------------------------------------------------------------
"$cpack_cmd" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 \
  || { cat "$tmp/cpack.log"; fail "cpack -G DEB failed"; }
arch=$(dpkg --print-architecture)
deb=$tmp/out/morvel_${version}_${arch}.deb
[ -f "$deb" ] || { ls -l "$tmp/out"; fail "cpack made no morvel_${version}_${arch}.deb"; }

# --- Control fields ---------------------------------------------------------------------------
dpkg-deb -I "$deb" >"$tmp/info" || fail "dpkg-deb -I cannot read the package"
cat "$tmp/info"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = morvel ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Section)" ] || fail "no Section"
grep -Eq '^[^<>]+ <[^<> ]+@[^<> ]+>$' <<<"$(field Maintainer)" \
  || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[ "$(field Description | wc -l)" -ge 2 ] || fail "Description has no long description"

# Depends as a list of package names, versions and alternatives stripped.
depends=$(field Depends | sed -E 's/[,|]/\n/g' | sed -E 's/\(.*\)//; s/[[:space:]]//g; /^$/d')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libqt6svg6; do
  grep -qx "$needed" <<<"$depends" || fail "Depends lacks $needed: $(field Depends)"
done
# Every Qt library the program links must be a dependency too (libQt6PrintSupport.so.6 comes
# from libqt6printsupport6, and so on).
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/bin/morvel >"$tmp/morvel.bin"
qt_libraries=$(readelf --dynamic "$tmp/morvel.bin" \
  | sed -nE 's/.*Shared library: \[libQt6([A-Za-z]+)\.so\.6\].*/\1/p')
[ -n "$qt_libraries" ] || fail "the packaged program links no Qt 6 library"
for library in $qt_libraries; do
  needed="libqt6${library,,}6"
  grep -qx "$needed" <<<"$depends" || fail "Depends lacks $needed: $(field Depends)"
done
grep -Eq '(^|, )fonts-wine($|,| )' <<<"$(field Depends), $(field Recommends)" \
  || fail "neither Depends nor Recommends names fonts-wine"

# --- Files ------------------------------------------------------------------------------------
# Regular files and links only; the path is the sixth field (no path here contains a blank).
dpkg-deb -c "$deb" >"$tmp/contents" || fail "dpkg-deb -c cannot list the package"
awk '$1 !~ /^d/ { path = $6; sub(/^\.\//, "", path); print path }' "$tmp/contents" \
  | LC_ALL=C sort >"$tmp/actual"
expected_files usr/bin usr/share >"$tmp/expected"
diff -u "$tmp/expected" "$tmp/actual" \
  || fail "the package's files differ from the expected list (- missing, + unexpected)"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$tmp/contents" \
  || fail "files in the package not owned by root"
grep -Eq '^-rwxr-xr-x .* \./usr/bin/morvel$' "$tmp/contents" || fail "usr/bin/morvel is not 0755"
if awk '$1 ~ /^-/ && $6 != "./usr/bin/morvel" && $1 != "-rw-r--r--"' "$tmp/contents" | grep .; then
  fail "data files in the package are not 0644"
fi

# --- Would it install here? ---------------------------------------------------------------------
# A simulation only: apt resolves the dependencies against this system and changes nothing.
(cd "$tmp/out" && apt-get install --simulate -q "./$(basename "$deb")") >"$tmp/apt.log" 2>&1 \
  || { cat "$tmp/apt.log"; fail "apt-get would not install the package"; }
# (On a machine that already has this very version, apt has nothing to do.)
grep -Eq "^Inst morvel \(${version//./\\.} |^morvel is already the newest version \(${version//./\\.}\)" \
  "$tmp/apt.log" || { cat "$tmp/apt.log"; fail "apt-get's simulation does not install morvel $version"; }

# --- The extracted files ------------------------------------------------------------------------
root=$tmp/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
check_program "$root/usr/bin/morvel"
check_desktop_entry "$root/usr/share/applications/$app_id.desktop" "$root/usr"
check_metainfo "$root/usr/share/metainfo/$app_id.metainfo.xml" "$version" "$root/usr"
check_png_icons "$root/usr"
check_documents "$version" "$root/usr"

# --- Run the packaged program on a private X server ---------------------------------------------
start_xvfb || fail "Xvfb did not become ready"

env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
  "$root/usr/bin/morvel" >"$tmp/morvel.log" 2>&1 &
program_pid=$!

# The splash comes first, for three seconds; then the main window.
window=$(wait_for_window "$main_title" 15) \
  || { cat "$tmp/morvel.log"; fail "no window '$main_title' within 15 s"; }

# Desktops pair a window with its menu entry by WM_CLASS; it must be the entry's StartupWMClass.
wm_class=$(xprop -id "$window" WM_CLASS)
startup_class=$(python3 "$here/installcheck.py" key \
  "$root/usr/share/applications/$app_id.desktop" StartupWMClass)
grep -q "\"$startup_class\"\$" <<<"$wm_class" \
  || fail "window class ($wm_class) does not end with the entry's StartupWMClass $startup_class"

timeout 10 xdotool windowfocus --sync "$window" key alt+x \
  || fail "could not give the main window the keyboard and press Alt+X"

status=0
wait_for_exit "$program_pid" 10 || status=$?
if [ "$status" -eq 124 ]; then
  cat "$tmp/morvel.log"
  fail "the program is still running 10 s after Alt+X"  # the clean-up ends it
fi
program_pid=""
[ "$status" -eq 0 ] || { cat "$tmp/morvel.log"; fail "the program ended with status $status"; }

echo "PASS: the Debian package is complete, would install here, and its program runs and exits"
