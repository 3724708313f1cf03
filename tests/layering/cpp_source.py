"""Reading the C++ sources of a tree, shared by the layering checks.

source_files walks one folder of the tree in a stable order and gives each
C++ source with its path relative to the tree ('/' separated) and its text;
code_lines blanks a text's comments and string and character literals, so
that a check reads only code.
"""
import os

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c", ".inl")


def source_files(root, folder):
    """(path relative to root, text) of each C++ source under root/folder, sorted."""
    top = os.path.join(root, folder)
    for current, dirs, files in os.walk(top):
        dirs.sort()
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(current, name)
            rel = os.path.relpath(path, root).replace(os.sep, "/")
            with open(path, encoding="utf-8", errors="replace") as f:
                yield rel, f.read()


def code_lines(text):
    """The text's lines with comments and string and character literals blanked."""
    out = []
    in_block = False
    for line in text.splitlines():
        kept = []
        i = 0
        while i < len(line):
            if in_block:
                end = line.find("*/", i)
                if end < 0:
                    i = len(line)
                else:
                    in_block = False
                    i = end + 2
                continue
            c = line[i]
            if line.startswith("//", i):
                break
            if line.startswith("/*", i):
                in_block = True
                i += 2
                continue
            if c in "\"'":
                quote = c
                i += 1
                while i < len(line) and line[i] != quote:
                    i += 2 if line[i] == "\\" else 1
                i += 1
                kept.append(" ")
                continue
            kept.append(c)
            i += 1
        out.append("".join(kept))
    return out
