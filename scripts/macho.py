"""Mach-O files in a bundle: which they are, their kind, and their load
commands, read through otool (the Mac's, or LLVM's anywhere else).
Shared by check-bundle-links and sign-bundle."""
import glob
import os
import re
import shutil
import subprocess

MAGICS = {b"\xcf\xfa\xed\xfe", b"\xce\xfa\xed\xfe", b"\xca\xfe\xba\xbe", b"\xbe\xba\xfe\xca", b"\xca\xfe\xba\xbf"}
EXECUTE = 2  # MH_EXECUTE
LINKS = ("LC_LOAD_DYLIB", "LC_LOAD_WEAK_DYLIB", "LC_REEXPORT_DYLIB")


def filetype(path):
    """The Mach-O file type (of the first slice of a universal file), or
    None when the file is not Mach-O."""
    with open(path, "rb") as f:
        magic = f.read(4)
        if magic not in MAGICS:
            return None
        start = 0
        if magic in (b"\xca\xfe\xba\xbe", b"\xbe\xba\xfe\xca", b"\xca\xfe\xba\xbf"):
            order = "big" if magic[0] == 0xCA else "little"
            slices = int.from_bytes(f.read(4), order)
            f.seek(16)  # past the first slice's cputype and cpusubtype
            start = int.from_bytes(f.read(8 if magic == b"\xca\xfe\xba\xbf" else 4), order)
            f.seek(start)
            magic = f.read(4)
            if not 0 < slices < 32 or magic not in MAGICS:
                return None  # a Java class shares the magic; a slice starts a thin image
        f.seek(start + 12)
        kind = f.read(4)
        return int.from_bytes(kind, "little" if magic[0] in (0xCE, 0xCF) else "big") if len(kind) == 4 else None


def files(bundle):
    """Every Mach-O file in the bundle (links are not followed), with its
    type, deepest first."""
    found = []
    for folder, _, names in os.walk(bundle):
        for name in names:
            path = os.path.join(folder, name)
            if not os.path.islink(path) and os.path.isfile(path):
                kind = filetype(path)
                if kind is not None:
                    found.append((path, kind))
    return sorted(found, key=lambda entry: -entry[0].count(os.sep))


def otool():
    for tool in (os.environ.get("OTOOL"), shutil.which("otool"), shutil.which("llvm-otool"),
                 *sorted(glob.glob("/usr/lib/llvm-*/bin/llvm-otool"), reverse=True)):
        if tool and os.access(tool, os.X_OK):
            return tool
    raise SystemExit("No otool: install Xcode's command line tools on a Mac, or LLVM elsewhere.")


def load_commands(path, tool):
    """(command, path) for each dylib, install name and run-path command."""
    text = subprocess.run([tool, "-l", path], check=True, capture_output=True, text=True).stdout
    found, command = [], None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("cmd "):
            command = line[4:]
        match = re.match(r"(?:name|path) (.*) \(offset \d+\)$", line)
        if match and command in (*LINKS, "LC_ID_DYLIB", "LC_RPATH"):
            found.append((command, match.group(1)))
    return list(dict.fromkeys(found))  # a universal file lists each slice
