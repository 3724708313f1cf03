"""What the editorscript checks share: Wine paths, running a script and
reading one element out of a skindump listing."""
import os
import subprocess


def winpath(path):
    return 'Z:' + os.path.abspath(path).replace('/', '\\')


def run_script(emulator, editorscript, scratch, name, lines):
    """Writes the lines as a script in scratch, runs it; (exit code, output)."""
    script = os.path.join(scratch, name + '.txt')
    with open(script, 'w') as f:
        f.write('\n'.join(lines) + '\n')
    run = subprocess.run([emulator, editorscript, winpath(script)], stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT)
    return run.returncode, run.stdout.decode('utf-8', 'replace')


def element(listing, scheme, etype):
    """The entries of one element of one scheme in a skindump listing."""
    part = listing.split('scheme %s\n' % scheme, 1)[-1].split('\nscheme ', 1)[0]
    lines, inside = [], False
    for line in part.splitlines():
        if line.startswith('  element '):
            inside = line.startswith('  element %d ' % etype)
            continue
        if inside:
            lines.append(line.strip())
    return lines
