"""Gives the uninstaller that NSIS makes a description of its own: NSIS copies the installer's
version information («Инсталатор на …») into it. The word is replaced in place by one of the
same length, and the integrity checksum that NSIS keeps in the last four bytes (a CRC-32 of all
but the first 512 bytes) is written anew.
    describe_uninstaller.py UNINSTALLER.exe     (the installer template's !uninstfinalize)"""
import pathlib
import struct
import sys
import zlib

INSTALLER, UNINSTALLER = "Инсталатор на ", "Премахване на "

path = pathlib.Path(sys.argv[1])
data = bytearray(path.read_bytes())
old, new = INSTALLER.encode("utf-16-le"), UNINSTALLER.encode("utf-16-le")
if data.count(old) != 1 or len(old) != len(new):
    sys.exit(f"describe_uninstaller.py: {path} does not hold «{INSTALLER}» once")
at = data.find(old)
data[at:at + len(new)] = new
data[-4:] = struct.pack("<I", zlib.crc32(data[512:-4]))
path.write_bytes(data)
