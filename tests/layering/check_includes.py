#!/usr/bin/env python3
"""Checks that each layer of the tree includes only downwards.

Reads every #include "..." line of the product folders and fails, naming the
file and line, when one reaches a folder its layer may not use:
  base/       no project folder but base/ itself
  model/      base/ and model/ only (never runtime/, framework/, editor/)
  runtime/    no framework/ or editor/
  framework/  no runtime/, model/ or editor/
  editor/, tools/  anything
No product layer includes tests/ or tools/.

    check_includes.py ROOT
"""
import os
import re
import sys

PROJECT_FOLDERS = {"base", "model", "runtime", "framework", "editor", "tools", "tests", "resources"}
FORBIDDEN = {
    "base": PROJECT_FOLDERS - {"base"},
    "model": {"runtime", "framework", "editor", "tools", "tests", "resources"},
    "runtime": {"framework", "editor", "tools", "tests", "resources"},
    "framework": {"runtime", "model", "editor", "tools", "tests", "resources"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c", ".inl")


def violations(root):
    for layer, forbidden in sorted(FORBIDDEN.items()):
        top = os.path.join(root, layer)
        for folder, dirs, files in os.walk(top):
            dirs.sort()
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        target = m.group(1).split("/")[0]
                        if "/" in m.group(1) and target in forbidden:
                            rel = os.path.relpath(path, root)
                            yield f"{rel}:{number}: {layer}/ may not include {m.group(1)}"


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = sys.argv[1]
    if not os.path.isdir(os.path.join(root, "model")):
        print(f"{root}: not a source tree (no model/)", file=sys.stderr)
        return 2
    found = list(violations(root))
    for v in found:
        print(v)
    if found:
        print(f"{len(found)} include(s) break the layering rules")
        return 1
    print("every include follows the layering rules")
    return 0


if __name__ == "__main__":
    sys.exit(main())
