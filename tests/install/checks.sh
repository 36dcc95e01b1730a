# shellcheck shell=bash
# Checks shared by the install-tree and package tests; sourced, not run.
# What an installed Morvel must look like is written down here once, independently of the
# install rules it checks.

app_id=org.example.morvel
icon_name=morvel
png_sizes=(16 32 48 64 128 256)

checks_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

fail()
{
  echo "FAIL: $*" >&2
  exit 1
}

require_tools()
{
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/deps.sh test installs it)"
  done
}

# The files an installation holds, relative to the prefix, given the prefix's bin and share
# folders (bin share for `cmake --install`, usr/bin usr/share inside the package).
expected_files()
{
  local bindir=$1 datadir=$2 size
  {
    echo "$bindir/morvel"
    echo "$datadir/applications/$app_id.desktop"
    echo "$datadir/doc/morvel/changelog.gz"
    echo "$datadir/doc/morvel/copyright"
    echo "$datadir/man/man1/morvel.1.gz"
    echo "$datadir/icons/hicolor/scalable/apps/$icon_name.svg"
    for size in "${png_sizes[@]}"; do
      echo "$datadir/icons/hicolor/${size}x${size}/apps/$icon_name.png"
    done
    echo "$datadir/metainfo/$app_id.metainfo.xml"
  } | LC_ALL=C sort
}

# An executable for this machine that finds its libraries where the system keeps them.
check_program()
{
  local program=$1 dynamic
  [ -x "$program" ] || fail "$program is not executable"
  dynamic=$(readelf --dynamic "$program") || fail "$program is not an ELF executable"
  if grep -E '\((RPATH|RUNPATH)\)' <<<"$dynamic"; then
    fail "$program carries a library search path of its own"
  fi
  grep -q 'Shared library: \[libQt6Widgets.so.6\]' <<<"$dynamic" \
    || fail "$program does not link the Qt 6 widgets library"
}

check_desktop_entry()
{
  local entry=$1 prefix=$2 report
  # desktop-file-validate exits 0 on warnings, so read what it says.
  report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
  if grep -Ei 'error|warning' <<<"$report"; then
    fail "desktop-file-validate complains about $entry"
  fi
  python3 "$checks_dir/installcheck.py" desktop "$entry" "$prefix" "$icon_name" \
    || fail "the desktop entry $entry is not as it must be"
}

check_metainfo()
{
  local metainfo=$1 version=$2 prefix=$3
  appstreamcli validate --no-net --strict "$metainfo" \
    || fail "appstreamcli validate reports problems in $metainfo"
  python3 "$checks_dir/installcheck.py" metainfo "$metainfo" "$app_id" "$version" "$prefix" \
    || fail "the AppStream metadata $metainfo does not match the installation"
}

check_png_icons()
{
  local prefix=$1 size files=()
  for size in "${png_sizes[@]}"; do
    files+=("$size" "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon_name.png")
  done
  python3 "$checks_dir/installcheck.py" png "${files[@]}" \
    || fail "a PNG icon is not a valid image of its folder's size"
}

# The changelog and the manual page: gzipped without a time stamp, and written for this version.
check_documents()
{
  local version=$1 prefix=$2
  python3 "$checks_dir/installcheck.py" documents "$version" \
    "$prefix/share/doc/morvel/changelog.gz" "$prefix/share/man/man1/morvel.1.gz" \
    || fail "the changelog or the manual page is not as it must be"
}
