#!/usr/bin/env bash
# Installs the build into a private prefix and checks that it is a complete desktop program:
# every file in its place and nothing else, a valid desktop entry and AppStream metadata that
# agree with each other and with the installed files, and PNG icons of the sizes their folders
# promise.
#   check_install_tree.sh CMAKE BUILD_DIR WORK_DIR VERSION
set -euo pipefail

cmake_cmd=$1 build_dir=$2 work_dir=$3 version=$4
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=checks.sh
source "$here/checks.sh"

require_tools desktop-file-validate appstreamcli readelf python3

mkdir -p "$work_dir"
tmp=$(mktemp -d "$work_dir/install-tree.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

"$cmake_cmd" --install "$build_dir" --prefix "$prefix" >"$tmp/install.log" 2>&1 \
  || { cat "$tmp/install.log"; fail "cmake --install failed"; }

find "$prefix" \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort >"$tmp/actual"
expected_files bin share >"$tmp/expected"
diff -u "$tmp/expected" "$tmp/actual" \
  || fail "the installed files differ from the expected list (- missing, + unexpected)"

check_program "$prefix/bin/morvel"
check_desktop_entry "$prefix/share/applications/$app_id.desktop" "$prefix"
check_metainfo "$prefix/share/metainfo/$app_id.metainfo.xml" "$version" "$prefix"
check_png_icons "$prefix"
check_documents "$version" "$prefix"

# The tree as a software centre reads it: metadata, desktop entry and icon together.
appstreamcli validate-tree --no-net --strict "$prefix" \
  || fail "appstreamcli validate-tree reports problems in the installed tree"

echo "PASS: the install tree under a private prefix is complete and valid"
