#!/usr/bin/env python3
"""Writes NOTICES.txt for the Windows downloads: the licences of what is linked into the .exe
files (Qt, the libraries Qt bundles, the MinGW-w64 runtime and GCC's runtime libraries), with a
Bulgarian account in front. UTF-8 with a byte order mark and CR LF line ends, for Notepad.

    third_party_notices.py OUTPUT QT_LICENSES QT_VERSION QT_DEBIAN_VERSION MINGW_COPYRIGHT
                           GCC_COPYRIGHT PROGRAM_VERSION HOMEPAGE DISPLAY_NAME
"""
import json
import pathlib
import re
import sys

# The bundled parts of Qt that Core, Gui, Widgets, the windows platform plugin and the JPEG
# plugin compile in (qt_attribution.json Ids); the rest serve other platforms or modules.
LINKED = [
    "doubleconversion", "pcre2", "pcre2-sljit", "zlib", "tinycbor", "easing", "siphash",
    "blake2", "md4", "md5", "sha1", "sha3_endian", "sha3_keccak", "rfc6234",
    "unicode-character-database", "unicode-cldr", "freetype", "freetype-zlib", "freetype-bdf",
    "freetype-pcf", "harfbuzz-ng", "libpng", "libjpeg", "md4c", "grayraster",
    "smooth-scaling-algorithm", "xserverhelper", "aglfn", "icc-sRGB-color-profile",
]


def mingw_runtime(copyright_file):
    """The paragraphs of Debian's copyright file of mingw-w64 that cover what is linked into the
    programs, the C runtime and winpthreads (with the file's default, Files: *), and the licence
    paragraphs that they name. The headers' and the tools' paragraphs stay out: some of their
    licences Debian gives only as paths to its own copies, which Windows does not have."""
    text = pathlib.Path(copyright_file).read_text(encoding="utf-8").strip()
    header, *paragraphs = [p.strip() for p in re.split(r"\n[ \t]*\n", text) if p.strip()]
    runtime = re.compile(r"\*$|mingw-w64-crt/|mingw-w64-libraries/winpthreads/(?!tests)")
    kept, names = [header], set()
    for paragraph in paragraphs:
        files = re.match(r"Files:(.*(?:\n[ \t].*)*)", paragraph)
        if files and any(runtime.match(pattern) for pattern in files.group(1).split()):
            kept.append(paragraph)
            names.update(re.split(r" and | or ", re.search(r"^License: (.*)$", paragraph,
                                                             re.M).group(1)))
    kept += [p for p in paragraphs if p.startswith("License:") and
             p.splitlines()[0][len("License: "):] in names]
    runtime_text = "\n\n".join(kept)
    if "common-licenses" in runtime_text:
        sys.exit("third_party_notices.py: a MinGW-w64 runtime licence only by its Debian path")
    return runtime_text


def main(out, qt_licenses, qt_version, qt_debian_version, mingw_copyright, gcc_copyright,
         version, homepage, display_name):
    qt_licenses = pathlib.Path(qt_licenses)
    entries = {}
    for attribution in sorted(qt_licenses.rglob("qt_attribution.json")):
        found = json.loads(attribution.read_text(encoding="utf-8"), strict=False)
        for entry in found if isinstance(found, list) else [found]:
            files = entry.get("LicenseFiles") or [entry.get("LicenseFile", "")]
            entry["texts"] = [(attribution.parent / f).read_text(encoding="utf-8", errors="replace")
                              for f in files if f and (attribution.parent / f).is_file()]
            entry["licence"] = entry.get("LicenseId") or entry.get("License", "")
            entries[entry.get("Id")] = entry
    missing = [i for i in LINKED if i not in entries]
    if missing:
        sys.exit(f"third_party_notices.py: no attribution for {', '.join(missing)}")

    gcc = pathlib.Path(gcc_copyright).read_text(encoding="utf-8")
    exception = re.search(r"^GCC RUNTIME LIBRARY EXCEPTION$.*?requirements of the license of GCC\.",
                          gcc, re.M | re.S)
    if not exception:
        sys.exit("third_party_notices.py: no GCC Runtime Library Exception in " + gcc_copyright)

    rule = "=" * 78
    parts = [f"""{display_name} (triangle30) {version}: чужд софтуер в програмата
{rule}

triangle30.exe и triangle30-report.exe съдържат, свързани статично в тях,
софтуера по-долу. След този списък следват авторските права и текстовете на
лицензите, на английски, както са издадени.

1. Qt {qt_version} (Qt Core, Qt Gui, Qt Widgets и приставките им за Windows),
   (C) The Qt Company Ltd. и други автори, под GNU Lesser General Public
   License, версия 3 (LGPL-3.0). Програмата е сглобена от изходния код на
   пакета qt6-base {qt_debian_version} на Debian
   (https://sources.debian.org/src/qt6-base/{qt_debian_version}/), който е и на
   https://download.qt.io/. Изходният код на triangle30 и всичко нужно, за да
   се свърже програмата наново с променена версия на Qt, се предоставят на
   {homepage}.

2. Библиотеки, включени в Qt:
"""]
    for name in LINKED:
        entry = entries[name]
        parts.append(f"   - {entry['Name']}: {entry['licence']}\n")
    parts.append("""
3. MinGW-w64: изпълнителната среда на C за Windows и winpthreads, под лицензите
   по-долу (ZPL-2.1, MIT и други), от описанието на пакета mingw-w64 на Debian.

4. GCC: libstdc++ и libgcc, под GNU General Public License, версия 3, с
   изключението за изпълнителната библиотека на GCC (GCC Runtime Library
   Exception, версия 3.1), текстът е по-долу.

""")

    def section(title, text):
        parts.append(f"{rule}\n{title}\n{rule}\n\n{text.strip()}\n\n")

    section("Qt: GNU Lesser General Public License, version 3",
            (qt_licenses / "LICENSES/LGPL-3.0-only.txt").read_text(encoding="utf-8"))
    section("GNU General Public License, version 3 (referred to by the LGPL-3.0)",
            (qt_licenses / "LICENSES/GPL-3.0-only.txt").read_text(encoding="utf-8"))
    for name in LINKED:
        entry = entries[name]
        copyright = entry.get("Copyright", "").strip()
        body = "\n\n".join(([copyright] if copyright else []) + entry["texts"])
        section(f"{entry['Name']} ({entry['licence']})", body or "(no licence text)")
    section("MinGW-w64: the C runtime and winpthreads (from Debian's copyright file of mingw-w64)",
            mingw_runtime(mingw_copyright))
    section("GCC: libstdc++ and libgcc, GCC Runtime Library Exception, version 3.1",
            exception.group(0))

    text = "".join(parts).replace("\r\n", "\n").replace("\n", "\r\n")
    pathlib.Path(out).write_bytes(b"\xef\xbb\xbf" + text.encode("utf-8"))


if __name__ == "__main__":
    if len(sys.argv) != 10:
        sys.exit(__doc__)
    main(*sys.argv[1:])
