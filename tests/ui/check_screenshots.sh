#!/bin/sh
# Runs scripts/screenshots.sh into a fresh folder and checks that it leaves one plausible
# PNG picture for each of the six windows and each of the two printed statements.
#   check_screenshots.sh SOURCE_DIR BUILD_DIR
set -eu
src=$1
build=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

MORVEL_BUILD_DIR=$build "$src/scripts/screenshots.sh" "$out" >/dev/null

python3 - "$out" <<'PY'
import struct, sys, pathlib
out = pathlib.Path(sys.argv[1])
windows = ["splash", "main-sheet", "salary-sheet", "hra-exemption", "house-property", "deductions"]
statements = {"tax-statement": "portrait", "salary-statement": "landscape"}
expected = windows + list(statements)
found = sorted(p.stem for p in out.glob("*.png"))
if found != sorted(expected):
    sys.exit(f"pictures {found}, expected {sorted(expected)}")
for name in expected:
    data = (out / f"{name}.png").read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"{name}.png is not a PNG picture")
    width, height = struct.unpack(">II", data[16:24])
    if name in statements:
        # One page at 72 dots an inch: A4 or Letter, the right way round.
        if (width < height) != (statements[name] == "portrait") or not 550 <= min(width, height) <= 650:
            sys.exit(f"{name}.png is {width}x{height}, expected a {statements[name]} page")
    # A window with its fields shows at least a few hundred pixels and fits a small screen.
    elif not (200 <= width <= 1366 and 150 <= height <= 768):
        sys.exit(f"{name}.png is {width}x{height}")
    if len(data) < 2000:
        sys.exit(f"{name}.png has only {len(data)} bytes")
    print(f"{name}.png {width}x{height} {len(data)} bytes")
PY
