"""The modules built here and the macOS bundle's exported symbols list (made
from the same export list as the linker's version script) name the same
symbols: every defined dynamic symbol of each module is on the list, and every
name the list gives whole is defined in each module.

ExportListTest.py NM EXPORTS_FILE MODULE..."""

import fnmatch
import subprocess
import sys

# What the linker defines in every shared object.
LINKER_NAMES = {"_init", "_fini", "__bss_start", "_edata", "_end"}


def exported_names(path):
    """The list's names without the leading underscore ld64 wants."""
    with open(path) as stream:
        lines = [line.strip() for line in stream if line.strip()]
    bad = [line for line in lines if not line.startswith("_")]
    if bad:
        raise SystemExit("%s: names without a leading underscore: %s" % (path, bad))
    return [line[1:] for line in lines]


def defined_symbols(nm, module):
    listing = subprocess.run([nm, "-D", "--defined-only", module], check=True, capture_output=True, text=True)
    names = {line.split()[-1].split("@")[0] for line in listing.stdout.splitlines() if line.strip()}
    return names - LINKER_NAMES


def problems(patterns, module, symbols):
    for symbol in sorted(symbols):
        if not any(fnmatch.fnmatchcase(symbol, pattern) for pattern in patterns):
            yield "%s exports %s, which the list does not name" % (module, symbol)
    for name in patterns:
        if "*" not in name and name not in symbols:
            yield "%s does not export %s" % (module, name)


def main(nm, exports, *modules):
    patterns = exported_names(exports)
    found = []
    for module in modules:
        symbols = defined_symbols(nm, module)
        if not symbols:
            found.append("%s exports nothing" % module)
        found.extend(problems(patterns, module, symbols))
    for problem in found:
        print(problem)
    return 1 if found or not modules else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
