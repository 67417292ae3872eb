"""The plug-in bundle's Info.plist, as CMake makes it from plugin/Info.plist.in:
a property list that names the bundle's executable, identifier and version and
says it is a loadable bundle.

InfoPlistTest.py INFO_PLIST IDENTIFIER EXECUTABLE VERSION"""

import plistlib
import re
import sys


def problems(info, identifier, executable, version):
    expected = {
        "CFBundleIdentifier": identifier,
        "CFBundleExecutable": executable,
        "CFBundleVersion": version,
        "CFBundleShortVersionString": version,
        "CFBundlePackageType": "BNDL",
        "CFBundleInfoDictionaryVersion": "6.0",
    }
    for key, value in expected.items():
        if info.get(key) != value:
            yield "%s is %r, not %r" % (key, info.get(key), value)
    for key, value in info.items():
        if not isinstance(value, str):
            yield "%s is not a string" % key
        elif "${" in value or re.search(r"@\w+@", value):
            yield "%s keeps a variable CMake did not fill in: %r" % (key, value)


def main(path, identifier, executable, version):
    with open(path, "rb") as stream:
        info = plistlib.load(stream, fmt=plistlib.FMT_XML)
    found = list(problems(info, identifier, executable, version))
    for problem in found:
        print("%s: %s" % (path, problem))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
