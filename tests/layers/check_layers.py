#!/usr/bin/env python3
"""Checks that includes run one way, down the layers:

    program (app, dialog, device, controls, res; site, the site mode's logic; cli, the
             command-line program)
    platform/comm    the communications control        \\
    platform/afx     the class layer over <windows.h>   } shared by both systems
    platform/serial  the serial ports' portable logic  /
    platform/linux, platform/windows: each system's own (on Linux the Windows API itself,
    in platform/linux/include, user, gdi and oleaut; the serial device; the start-up)

The class layer and the control reach the API only through <windows.h> and include no Qt and
no system header, so that they compile against the real Windows headers as well; the serial
logic includes neither <windows.h> nor anything above it; the shared pieces include nothing
of a system's folder, and one system's folder nothing of the other's. The engine includes
nothing of the layers above it; a system's serial device nothing of the control or the
class layer. The program includes no Qt header and no system's folder. Every quoted include
names its file from the top of the source tree ("platform/afx/CWnd.h"), the API headers
among themselves excepted. The site mode's logic is plain C++ that a program without a window
links: it includes nothing of the class layer, the Windows API or the dialog's folders; its
shared code nothing of a system's folder (site/linux, site/windows), and one system's folder
nothing of the other's.
The build refuses most of this by its include directories; this check also reads the headers
nothing includes, and relative paths. Usage: check_layers.py SOURCE_DIR"""
import pathlib
import re
import sys

API = 'platform/linux/include/'
ENGINE = ('platform/linux/user/', 'platform/linux/gdi/', 'platform/linux/oleaut/', API)
CLASS_LAYER = 'platform/afx/'
CONTROL = 'platform/comm/'
SERIAL = 'platform/serial/'
SYSTEMS = ('platform/linux/', 'platform/windows/')
SYSTEM_SERIAL = ('platform/linux/serial/', 'platform/windows/serial/')
PROGRAM_FOLDERS = ['app', 'dialog', 'device', 'controls', 'res', 'site', 'cli']
SITE = 'site/'
SITE_SYSTEMS = ('site/linux/', 'site/windows/')
# What the site's logic may include of the program: the frames' types alone.
SITE_MAY_INCLUDE = ('site/', 'device/DeviceCommand.h')
QT = re.compile(r'Q[A-Za-z]')
SYSTEM_HEADER = re.compile(r'Q[A-Za-z]|(sys|linux|asm)/|(termios|unistd|fcntl|poll|pty|pwd|grp|'
                           r'dirent|signal)\.h$', re.IGNORECASE)
WINDOWS_API = re.compile(r'(windows|windowsx|commctrl|oleauto)\.h$', re.IGNORECASE)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def includes(path):
    for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        match = INCLUDE.match(line)
        if match:
            yield number, match.group(1), match.group(2)


def system_of(name):
    return next((system for system in SYSTEMS if name.startswith(system)), None)


def site_problem_of(name, kind, target):
    """What is wrong with one include of a file of the site's logic, or None."""
    quoted = kind == '"'
    if quoted and not target.startswith(SITE_MAY_INCLUDE):
        return 'reaches from the site logic into a piece with windows or devices'
    if not quoted and WINDOWS_API.search(target) and not name.startswith('site/windows/'):
        return 'is the Windows API outside site/windows'
    if not quoted and (SYSTEM_HEADER.match(target) or target == 'iconv.h') and \
            not name.startswith('site/linux/'):
        return 'is a Qt or Linux header outside site/linux'
    own = next((system for system in SITE_SYSTEMS if name.startswith(system)), None)
    if quoted and target.startswith(SITE_SYSTEMS) and not (own and target.startswith(own)):
        return "is one system's code in the site's shared code or the other system's"
    return None


def problem_of(name, kind, target, root):
    """What is wrong with one include of file `name`, or None."""
    quoted = kind == '"'
    if quoted and not name.startswith(API) and not (root / target).is_file():
        return 'is not named from the top of the source tree'
    shared = name.startswith((CLASS_LAYER, CONTROL, SERIAL))
    if name.startswith(ENGINE) and quoted and target.startswith((CLASS_LAYER, CONTROL, SERIAL)):
        return 'reaches from the engine into the layers above it'
    if shared and quoted and system_of(target):
        return "is one system's code in shared code"
    if shared and not quoted and SYSTEM_HEADER.match(target):
        return 'is a Qt or system header in shared code'
    if name.startswith(SERIAL) and (quoted and target.startswith((CLASS_LAYER, CONTROL)) or
                                    not quoted and WINDOWS_API.search(target)):
        return 'reaches from the serial logic into the Windows API or the layers above it'
    if name.startswith(CLASS_LAYER) and quoted and target.startswith((CONTROL, SERIAL)):
        return 'reaches from the class layer into the serial ports'
    if name.startswith(SYSTEM_SERIAL) and quoted and target.startswith((CLASS_LAYER, CONTROL)):
        return 'reaches from a serial device into the layers above it'
    if system_of(name) and quoted and system_of(target) and system_of(target) != system_of(name):
        return "is the other system's code"
    if name.startswith(SITE):
        problem = site_problem_of(name, kind, target)
        if problem:
            return problem
    program = name.split('/')[0] in PROGRAM_FOLDERS
    if program and not quoted and QT.match(target):
        return 'is a Qt header in the program'
    if program and quoted and system_of(target):
        return "reaches from the program into one system's code"
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
