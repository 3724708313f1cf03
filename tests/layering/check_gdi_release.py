#!/usr/bin/env python3
"""Checks that GDI objects and device contexts are released by their owners.

Every GDI object, DC, selection and saved DC state has an owner in base/win
(gdi.h: GdiObject, MemoryDC, WindowDC, PaintScope, SelectGuard, SavedDC...):
code outside base/ never releases one by hand. This fails, naming the file
and line, on a call of a release function in the checked folders:
  DeleteObject DeleteDC ReleaseDC EndPaint SelectObject SelectPalette
  RestoreDC DeleteEnhMetaFile DeleteMetaFile
and the windowsx.h macros over them:
  DeleteFont DeleteBitmap DeleteBrush DeletePen DeleteRgn
  SelectFont SelectBitmap SelectBrush SelectPen
(a raw SelectObject is half a release: the previous object must be selected
back by hand). Comments and string literals are not read.

A few places may keep a hand release for a reason an owner cannot serve;
each is named in ALLOWED with that reason.

    check_gdi_release.py ROOT
"""
import os
import re
import sys

from cpp_source import code_lines, source_files

# The folders whose code is checked.
CHECKED_FOLDERS = ["runtime", "tools/skinshot", "tools/bench", "framework", "editor"]

RELEASES = ["DeleteObject", "DeleteDC", "ReleaseDC", "EndPaint", "SelectObject", "SelectPalette", "RestoreDC",
            "DeleteEnhMetaFile", "DeleteMetaFile",
            # windowsx.h's typed forms of DeleteObject and SelectObject.
            "DeleteFont", "DeleteBitmap", "DeleteBrush", "DeletePen", "DeleteRgn",
            "SelectFont", "SelectBitmap", "SelectBrush", "SelectPen"]
CALL = re.compile(r"(?<![A-Za-z0-9_])(?:::)?(" + "|".join(RELEASES) + r")\s*\(")

# path (relative to ROOT, '/' separated) -> why it releases by hand. At most
# five entries.
ALLOWED = {}


def violations(root):
    for folder in CHECKED_FOLDERS:
        for rel, text in source_files(root, folder):
            if rel in ALLOWED:
                continue
            for number, line in enumerate(code_lines(text), 1):
                for m in CALL.finditer(line):
                    yield f"{rel}:{number}: {m.group(1)} by hand (use the owners of base/win/gdi.h)"


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = sys.argv[1]
    if not any(os.path.isdir(os.path.join(root, f)) for f in CHECKED_FOLDERS):
        print(f"{root}: no folder to check ({', '.join(CHECKED_FOLDERS)})", file=sys.stderr)
        return 2
    if len(ALLOWED) > 5:
        print(f"{len(ALLOWED)} allowed hand releases: at most 5", file=sys.stderr)
        return 2
    found = list(violations(root))
    for v in found:
        print(v)
    if found:
        print(f"{len(found)} hand-written GDI release(s)")
        return 1
    print("every GDI object and DC is released by its owner")
    return 0


if __name__ == "__main__":
    sys.exit(main())
