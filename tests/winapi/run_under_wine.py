#!/usr/bin/env python3
"""Runs the drawing tests cross-built for Windows (tavrin_winapi_tests.exe) under Wine, in a
Wine prefix made afresh in PREFIX_DIR, and passes googletest's output and exit status through.
Arguments after PREFIX_DIR go to the test program (--gtest_filter=..., for instance).

GDI memory device contexts need no display: DISPLAY is unset. The program's Chinese face and
Windows' other Chinese faces, which Wine does not have, are replaced by an installed one
(fonts-arphic-uming), as a Windows system has them installed. Exit status 77: no Wine here.

Usage: run_under_wine.py EXE PREFIX_DIR [TEST ARGUMENTS...]"""
import os
import shutil
import subprocess
import sys

WINE = '/usr/lib/wine/wine64'
WINESERVER = '/usr/lib/wine/wineserver64'
CJK_FACE = 'AR PL UMing CN'
REPLACED_FACES = ('宋体', 'SimSun', '新宋体', 'NSimSun', 'Microsoft YaHei', '微软雅黑')


def registry_text():
    """A .reg file (version 5, UTF-16) with the font replacements."""
    lines = ['Windows Registry Editor Version 5.00', '',
             r'[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]']
    lines += ['"%s"="%s"' % (face, CJK_FACE) for face in REPLACED_FACES]
    return '\r\n'.join(lines + [''])


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    exe, prefix, test_args = os.path.abspath(argv[1]), os.path.abspath(argv[2]), argv[3:]
    if not os.path.isfile(exe):
        print('no such program: %s' % exe, file=sys.stderr)
        return 2
    for tool in (WINE, WINESERVER):
        if not os.access(tool, os.X_OK):
            print('SKIP: %s is not installed (apt-get install wine64)' % tool)
            return 77

    env = dict(os.environ, WINEPREFIX=prefix,
               WINEDEBUG=os.environ.get('TAVRIN_WINEDEBUG', '-all'),
               WINEDLLOVERRIDES='mscoree,mshtml=', WINESERVER=WINESERVER, WINEARCH='win64')
    env.pop('DISPLAY', None)

    def quiet(*command, timeout=180):
        subprocess.run(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=timeout, check=False)

    def stop_server():
        quiet(WINESERVER, '-k', timeout=60)
        quiet(WINESERVER, '-w', timeout=60)

    shutil.rmtree(prefix, ignore_errors=True)
    os.makedirs(prefix)
    try:
        quiet(WINE, 'wineboot', '-i')
        reg = os.path.join(prefix, 'tavrin-winapi-tests.reg')
        with open(reg, 'w', encoding='utf-16') as out:
            out.write(registry_text())
        quiet(WINE, 'regedit', '/S', reg)
        # googletest prints to the console; Wine passes it through to our stdout.
        result = subprocess.run([WINE, exe] + test_args, env=env, timeout=480, check=False)
        sys.stdout.flush()
        return result.returncode
    except subprocess.TimeoutExpired as timeout:
        print('timed out: %s' % ' '.join(map(str, timeout.cmd)), file=sys.stderr)
        return 1
    finally:
        stop_server()


if __name__ == '__main__':
    sys.exit(main(sys.argv))
