#!/usr/bin/env python3
"""Checks that includes run one way. Inside platform/ the layers are base -> gdi -> win -> ole
-> comm, and a file includes only its own layer and the layers below it; platform/Afx.h, the
program's view of the framework, sits above them all. The program's folders include no Qt
header. Every include names its file from the top of the source tree ("platform/win/CWnd.h").
The build compiles each layer with include directories that hold that layer and the ones
below it alone, so it refuses an upward include in whatever the layer compiles; this check
also reads the headers no file of their own layer includes, and relative paths, which the
build would follow. The communications control's own files (platform/comm, not the folders
below it that hold each system's serial device) build on every system: they include no Qt
header, no system header and nothing from those folders. Usage: check_layers.py SOURCE_DIR"""
import pathlib
import re
import sys

LAYERS = ['base', 'gdi', 'win', 'ole', 'comm']
UMBRELLA = 'platform/Afx.h'
PROGRAM_FOLDERS = ['app', 'dialog', 'device', 'controls', 'res']
PORTABLE_FOLDER = 'platform/comm'
SYSTEM_HEADER = re.compile(r'Q[A-Za-z]|(sys|linux|asm)/|(termios|unistd|fcntl|poll|pty|pwd|grp|'
                           r'dirent|signal|windows)\.h$', re.IGNORECASE)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def rank(path):
    """The layer rank of a platform file or include, or None outside platform/."""
    if path == UMBRELLA:
        return len(LAYERS)
    parts = path.split('/')
    if len(parts) >= 3 and parts[0] == 'platform' and parts[1] in LAYERS:
        return LAYERS.index(parts[1])
    return None


def includes(path):
    for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        match = INCLUDE.match(line)
        if match:
            yield number, match.group(1), match.group(2)


def check(root):
    problems = []
    sources = [p for folder in PROGRAM_FOLDERS + ['platform'] for p in (root / folder).rglob('*')
               if p.suffix in ('.h', '.cpp')]
    for path in sorted(sources):
        name = path.relative_to(root).as_posix()
        top = name.split('/')[0]
        own = rank(name)
        for number, kind, target in includes(path):
            where = '%s:%d: %s' % (name, number, target)
            if kind == '"' and not (root / target).is_file():
                problems.append(where + ' is not named from the top of the source tree')
            elif top == 'platform' and kind == '"':
                other = rank(target)
                if other is None:
                    problems.append(where + ' lies outside the platform layers')
                elif own is not None and other > own:
                    problems.append(where + ' is in a layer above ' + LAYERS[own])
            elif top in PROGRAM_FOLDERS and kind == '<' and re.match(r'Q[A-Za-z]', target):
                problems.append(where + ' is a Qt header in the program')
            if path.parent == root / PORTABLE_FOLDER:
                if kind == '<' and SYSTEM_HEADER.match(target):
                    problems.append(where + ' is a Qt or system header in portable code')
                elif kind == '"' and target.startswith(PORTABLE_FOLDER + '/') and \
                        target.count('/') > 2:
                    problems.append(where + " is one system's code in portable code")
    return problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else '.').resolve()
    problems = check(root)
    for problem in problems:
        print(problem)
    if problems:
        print('%d include(s) against the layer order' % len(problems))
        return 1
    print('all includes run one way')
    return 0


if __name__ == '__main__':
    sys.exit(main())
