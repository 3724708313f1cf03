#!/usr/bin/env python3
"""Reads the import table of each Windows executable given and fails when one
imports a DLL that is not part of Windows itself: the editor and the tools
must start on a clean system with nothing copied beside them.

    check_imports.py OBJDUMP EXE...
"""
import re
import subprocess
import sys

# DLLs every supported Windows version ships in its system folder.
SYSTEM_DLLS = {
    'advapi32.dll', 'comctl32.dll', 'comdlg32.dll', 'gdi32.dll', 'gdiplus.dll',
    'imm32.dll', 'kernel32.dll', 'msimg32.dll', 'msvcrt.dll', 'ole32.dll',
    'oleacc.dll', 'oleaut32.dll', 'shell32.dll', 'shlwapi.dll', 'user32.dll',
    'uxtheme.dll', 'version.dll', 'winmm.dll', 'ws2_32.dll', 'dwmapi.dll',
    'bcrypt.dll', 'crypt32.dll', 'psapi.dll', 'ntdll.dll', 'winspool.drv',
}


def imports(objdump, exe):
    run = subprocess.run([objdump, '-p', exe], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, text=True)
    if run.returncode != 0:
        raise RuntimeError('%s -p %s failed: %s' % (objdump, exe, run.stderr.strip()))
    return [m.group(1) for m in re.finditer(r'^\s*DLL Name:\s*(\S+)\s*$', run.stdout, re.M)]


def main():
    objdump, exes = sys.argv[1], sys.argv[2:]
    if not exes:
        print('no executables given')
        return 1
    failures = 0
    for exe in exes:
        names = imports(objdump, exe)
        # An empty list means objdump did not read an import table at all.
        if not any(n.lower() == 'kernel32.dll' for n in names):
            print('%s: no import table read (imports: %s)' % (exe, ', '.join(names) or 'none'))
            failures += 1
            continue
        foreign = [n for n in names if n.lower() not in SYSTEM_DLLS]
        if foreign:
            print('%s imports non-system DLLs: %s' % (exe, ', '.join(foreign)))
            failures += 1
    print('%d executables checked, %d with non-system imports' % (len(exes), failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
