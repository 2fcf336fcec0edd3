#!/usr/bin/env python3
"""Checks that includes run one way. The platform is three pieces: the Windows API of this
system (platform/win32: the window engine, whose headers in platform/win32/include stand for
<windows.h>), the class layer over that API (platform/afx) and the communications control
(platform/comm). The engine includes nothing of the other two; the class layer and the
control's shared files reach the API only through <windows.h> and include no Qt and no
system header, so that they compile against the real Windows headers as well; the control's
own files include nothing of the folders below them that hold each system's serial device.
The program's folders include no Qt header. Every quoted include names its file from the top
of the source tree ("platform/afx/CWnd.h"), the API headers among themselves excepted.
The build refuses most of this by its include directories; this check also reads the headers
nothing includes, and relative paths. Usage: check_layers.py SOURCE_DIR"""
import pathlib
import re
import sys

ENGINE = 'platform/win32'
API = 'platform/win32/include'
CLASS_LAYER = 'platform/afx'
CONTROL = 'platform/comm'
PROGRAM_FOLDERS = ['app', 'dialog', 'device', 'controls', 'res']
SYSTEM_HEADER = re.compile(r'Q[A-Za-z]|(sys|linux|asm)/|(termios|unistd|fcntl|poll|pty|pwd|grp|'
                           r'dirent|signal)\.h$', re.IGNORECASE)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def includes(path):
    for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        match = INCLUDE.match(line)
        if match:
            yield number, match.group(1), match.group(2)


def problem_of(name, kind, target, root):
    """What is wrong with one include of file `name`, or None."""
    portable = name.startswith(CLASS_LAYER + '/') or \
        (name.startswith(CONTROL + '/') and name.count('/') == 2)
    if kind == '"' and not name.startswith(API + '/') and not (root / target).is_file():
        return 'is not named from the top of the source tree'
    if name.startswith(ENGINE + '/') and kind == '"' and \
            target.startswith(('platform/afx/', 'platform/comm/')):
        return 'reaches from the engine into the layers above it'
    if portable and kind == '"' and target.startswith(ENGINE + '/'):
        return 'reaches into the engine instead of <windows.h>'
    if portable and kind == '<' and SYSTEM_HEADER.match(target):
        return 'is a Qt or system header in portable code'
    if name.startswith(CLASS_LAYER + '/') and kind == '"' and target.startswith(CONTROL + '/'):
        return 'reaches from the class layer into the communications control'
    if name.startswith(CONTROL + '/') and name.count('/') == 2 and kind == '"' and \
            target.startswith(CONTROL + '/') and target.count('/') > 2:
        return "is one system's code in portable code"
    if name.split('/')[0] in PROGRAM_FOLDERS and kind == '<' and re.match(r'Q[A-Za-z]', target):
        return 'is a Qt header in the program'
    return None


def check(root):
    problems = []
    sources = [p for folder in PROGRAM_FOLDERS + ['platform'] for p in (root / folder).rglob('*')
               if p.suffix in ('.h', '.cpp')]
    for path in sorted(sources):
        name = path.relative_to(root).as_posix()
        for number, kind, target in includes(path):
            problem = problem_of(name, kind, target, root)
            if problem:
                problems.append('%s:%d: %s %s' % (name, number, target, problem))
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
