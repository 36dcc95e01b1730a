"""Content checks of an installed Morvel: desktop entry, AppStream metadata, PNG icons.

Standard library only. Each subcommand prints what is wrong and exits 1, or exits 0.
  installcheck.py desktop ENTRY PREFIX ICON_NAME
  installcheck.py metainfo FILE APP_ID VERSION PREFIX
  installcheck.py png SIZE FILE [SIZE FILE ...]
  installcheck.py documents VERSION CHANGELOG_GZ MANPAGE_GZ
  installcheck.py key ENTRY KEY          prints the value of one key of [Desktop Entry]
"""

import configparser
import gzip
import os
import struct
import sys
import xml.etree.ElementTree as ET
import zlib

problems = []


def expect(condition, message):
    if not condition:
        problems.append(message)


def read_desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case-sensitive
    with open(path, encoding="utf-8") as f:
        parser.read_file(f)
    return parser["Desktop Entry"]


def split_list(value):
    return [item for item in value.split(";") if item]


def check_desktop(entry_path, prefix, icon_name):
    entry = read_desktop_entry(entry_path)
    for key, wanted in [("Type", "Application"), ("Name", "Morvel"), ("Exec", "morvel"),
                        ("Icon", icon_name), ("Terminal", "false"),
                        # the main window's WM_CLASS, so docks pair the window with the entry
                        ("StartupWMClass", "Morvel")]:
        expect(entry.get(key) == wanted, f"{key}={entry.get(key)!r}, expected {wanted!r}")
    for key in ("GenericName", "Comment"):
        expect(entry.get(key, "").strip() != "", f"{key} is missing or empty")
    categories = split_list(entry.get("Categories", ""))
    for category in ("Office", "Finance"):
        expect(category in categories, f"Categories lacks {category}: {categories}")
    expect(split_list(entry.get("Keywords", "")), "Keywords is missing or empty")
    # The command must be the program this installation puts into bin.
    program = os.path.join(prefix, "bin", entry.get("Exec", "").split(" ")[0])
    expect(os.access(program, os.X_OK), f"Exec names {program}, which is not installed")
    svg = os.path.join(prefix, "share/icons/hicolor/scalable/apps", entry.get("Icon", "") + ".svg")
    expect(os.path.isfile(svg), f"Icon names {svg}, which is not installed")


def check_metainfo(path, app_id, version, prefix):
    root = ET.parse(path).getroot()
    expect(root.tag == "component", f"root element is <{root.tag}>")
    expect(root.get("type") == "desktop-application", f"component type {root.get('type')!r}")

    def text(tag):
        element = root.find(tag)
        return None if element is None else (element.text or "").strip()

    expect(text("id") == app_id, f"id {text('id')!r}, expected {app_id!r}")
    expect(text("project_license") == "GPL-3.0-or-later",
           f"project_license {text('project_license')!r}")
    expect(bool(text("metadata_license")), "metadata_license is missing")
    expect(text("name") == "Morvel", f"name {text('name')!r}")
    expect(bool(text("summary")), "summary is missing")
    expect(root.find("description/p") is not None, "description has no paragraph")
    expect(bool(text("url[@type='homepage']")), "no home page address")

    launchables = [e.text for e in root.findall("launchable[@type='desktop-id']")]
    expect(launchables == [app_id + ".desktop"], f"launchable {launchables}")
    for desktop_id in launchables:
        entry = os.path.join(prefix, "share/applications", desktop_id)
        expect(os.path.isfile(entry), f"launchable {desktop_id} is not installed")

    categories = [e.text for e in root.findall("categories/category")]
    for category in ("Office", "Finance"):
        expect(category in categories, f"categories lack {category}: {categories}")

    binaries = [e.text for e in root.findall("provides/binary")]
    expect(binaries == ["morvel"], f"provides binaries {binaries}")
    for binary in binaries:
        expect(os.access(os.path.join(prefix, "bin", binary), os.X_OK),
               f"provided binary {binary} is not installed")

    rating = root.find("content_rating")
    expect(rating is not None and rating.get("type", "").startswith("oars-"),
           "no OARS content rating")
    releases = [e.get("version") for e in root.findall("releases/release")]
    expect(version in releases, f"no release entry for {version}: {releases}")
    expect(releases[:1] == [version], f"the newest release entry is not {version}: {releases}")


def png_pixels_rgba(width, height, data):
    """Unfilters 8-bit RGBA scanlines into one bytes object per row."""
    stride = width * 4
    rows, previous, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = data[pos], bytearray(data[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            upper_left = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else upper_left)
                line[i] = (line[i] + predictor) & 0xFF
            elif kind != 0:
                raise ValueError(f"unknown filter type {kind}")
        rows.append(bytes(line))
        previous = line
    return rows


def check_png(size, path):
    with open(path, "rb") as f:
        blob = f.read()
    if blob[:8] != b"\x89PNG\r\n\x1a\n":
        problems.append(f"{path}: not a PNG file")
        return
    chunks, pos = [], 8
    while pos + 12 <= len(blob):
        length, kind = struct.unpack(">I4s", blob[pos:pos + 8])
        body = blob[pos + 8:pos + 8 + length]
        (crc,) = struct.unpack(">I", blob[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(kind + body) != crc:
            problems.append(f"{path}: bad CRC in chunk {kind!r}")
            return
        chunks.append((kind, body))
        pos += 12 + length
    kinds = [kind for kind, _ in chunks]
    if not kinds or kinds[0] != b"IHDR" or kinds[-1] != b"IEND" or b"IDAT" not in kinds:
        problems.append(f"{path}: chunks out of order: {kinds}")
        return
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    expect((width, height) == (size, size),
           f"{path}: {width}x{height}, but its folder says {size}x{size}")
    if (depth, colour, interlace) != (8, 6, 0):
        problems.append(f"{path}: expected 8-bit RGBA without interlacing, "
                        f"got depth {depth}, colour type {colour}, interlace {interlace}")
        return
    data = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    expect(len(data) == height * (1 + width * 4), f"{path}: image data has the wrong length")
    rows = png_pixels_rgba(width, height, data)
    # The icon is a filled square tile: its centre is opaque, its corners are transparent.
    centre = rows[height // 2][(width // 2) * 4:(width // 2) * 4 + 4]
    expect(centre[3] == 255, f"{path}: the centre pixel is not opaque: {tuple(centre)}")
    expect(rows[0][3] == 0, f"{path}: the top-left corner is not transparent")


def read_gzipped(path):
    with open(path, "rb") as f:
        blob = f.read()
    expect(blob[:2] == b"\x1f\x8b", f"{path}: not gzip data")
    # A time stamp would make every build of the same sources a different package.
    expect(blob[4:8] == b"\0\0\0\0", f"{path}: the gzip header carries a time stamp")
    return gzip.decompress(blob).decode("utf-8")


def check_documents(version, changelog_path, manpage_path):
    changelog = read_gzipped(changelog_path)
    first = changelog.splitlines()[0] if changelog else ""
    expect(first.startswith(f"morvel ({version}) "),
           f"the newest changelog entry is not for morvel {version}: {first!r}")
    manpage = read_gzipped(manpage_path)
    title = next((line for line in manpage.splitlines() if line.startswith(".TH ")), "")
    expect(title.startswith(".TH MORVEL 1 "), f"manual page title line {title!r}")
    expect(f'"Morvel {version}"' in title, f"manual page is not for Morvel {version}: {title!r}")
    expect("\n.SH NAME\nmorvel \\- " in manpage, "manual page has no NAME line for morvel")


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "desktop":
        check_desktop(*args)
    elif command == "metainfo":
        check_metainfo(*args)
    elif command == "png":
        for size, path in zip(args[0::2], args[1::2]):
            check_png(int(size), path)
    elif command == "documents":
        check_documents(*args)
    elif command == "key":
        print(read_desktop_entry(args[0]).get(args[1], ""))
    else:
        raise SystemExit(f"unknown command {command}")
    for problem in problems:
        print(f"  {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
