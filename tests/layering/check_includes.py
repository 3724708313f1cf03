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

Inside runtime/ the folders keep an order of their own (runtime/README.md):
each includes only folders before it, or itself:
  logic/  text/  (the files at runtime/ itself)  draw/  scroll/  wnd/
  frame/  controls/  manager/  api/
so that the controls manager stays the composition root above every
skinned-window object, and no object reaches up into it.

    check_includes.py ROOT
"""
import os
import re
import sys

from cpp_source import source_files

PROJECT_FOLDERS = {"base", "model", "runtime", "framework", "editor", "tools", "tests", "resources"}
FORBIDDEN = {
    "base": PROJECT_FOLDERS - {"base"},
    "model": {"runtime", "framework", "editor", "tools", "tests", "resources"},
    "runtime": {"framework", "editor", "tools", "tests", "resources"},
    "framework": {"runtime", "model", "editor", "tools", "tests", "resources"},
}
# The runtime's inner order, lowest first; "" stands for the files directly
# under runtime/.
RUNTIME_ORDER = ["logic", "text", "", "draw", "scroll", "wnd", "frame", "controls", "manager", "api"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def includes_under(root, layer):
    """(path relative to root, line number, included path) of each #include "..." under a layer."""
    for rel, text in source_files(root, layer):
        for number, line in enumerate(text.splitlines(), 1):
            m = INCLUDE.match(line)
            if m:
                yield rel, number, m.group(1)


def violations(root):
    for layer, forbidden in sorted(FORBIDDEN.items()):
        for rel, number, included in includes_under(root, layer):
            if "/" in included and included.split("/")[0] in forbidden:
                yield f"{rel}:{number}: {layer}/ may not include {included}"


def runtime_folder(rel):
    """The runtime folder of a path ("" for files directly under runtime/), or None."""
    parts = rel.split("/")
    if parts[0] != "runtime" or len(parts) < 2:
        return None
    return parts[1] if len(parts) > 2 else ""


def runtime_violations(root):
    for rel, number, included in includes_under(root, "runtime"):
        own = runtime_folder(rel)
        if own not in RUNTIME_ORDER:
            yield f"{rel}:{number}: runtime/{own}/ has no place in the runtime's order"
            continue
        target = runtime_folder(included)
        if target is None:
            continue
        if target not in RUNTIME_ORDER or RUNTIME_ORDER.index(target) > RUNTIME_ORDER.index(own):
            yield f"{rel}:{number}: runtime/{own or '.'} may not include {included}"


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = sys.argv[1]
    if not os.path.isdir(os.path.join(root, "model")):
        print(f"{root}: not a source tree (no model/)", file=sys.stderr)
        return 2
    found = list(violations(root)) + list(runtime_violations(root))
    for v in found:
        print(v)
    if found:
        print(f"{len(found)} include(s) break the layering rules")
        return 1
    print("every include follows the layering rules")
    return 0


if __name__ == "__main__":
    sys.exit(main())
