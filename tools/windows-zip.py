#!/usr/bin/env python3
"""windows-zip.py ZIP TEXT FILE...: writes the download ZIP holding each FILE under its own name
and the text file TEXT as Windows reads it best: a UTF-8 byte-order mark and CR LF line ends.

Every entry has one fixed time and no owner or permissions of the build machine, and the
entries come in the order given, so that the same files always give the same bytes."""
import os
import sys
import zipfile

FIXED_TIME = (2026, 1, 1, 0, 0, 0)


def entry(name):
    info = zipfile.ZipInfo(name, FIXED_TIME)
    info.create_system = 0  # MS-DOS attributes, which every unzipper reads
    info.external_attr = 0
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def windows_text(path):
    with open(path, encoding="utf-8") as source:
        text = source.read()
    return b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8")


def main(args):
    if len(args) < 2:
        sys.exit("usage: windows-zip.py ZIP TEXT FILE...")
    target, text, files = args[0], args[1], args[2:]
    partial = target + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for path in files:
            with open(path, "rb") as source:
                archive.writestr(entry(os.path.basename(path)), source.read())
        archive.writestr(entry(os.path.basename(text)), windows_text(text))
    os.replace(partial, target)


if __name__ == "__main__":
    main(sys.argv[1:])
