#!/usr/bin/env python3
"""Runs a googletest program cross-built for Windows (the drawing tests,
tavrin_winapi_tests.exe, or the site mode's, tavrin_site_tests.exe) under Wine, in a Wine
prefix made afresh in PREFIX_DIR (with the Chinese faces replaced by an installed one, as the
end-to-end tests make it), and passes googletest's output and exit status through.
Arguments after PREFIX_DIR go to the test program (--gtest_filter=..., for instance). GDI
memory device contexts need no display. Exit status 77: no Wine here.

Usage: run_under_wine.py EXE PREFIX_DIR [TEST ARGUMENTS...]"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'e2e'))
from wine import WINE, WINESERVER, WinePrefix  # noqa: E402


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    exe, prefix_dir, test_args = os.path.abspath(argv[1]), os.path.abspath(argv[2]), argv[3:]
    if not all(os.access(tool, os.X_OK) for tool in (WINE, WINESERVER)):
        print('SKIP: Wine is not installed (apt-get install wine64)')
        return 77
    prefix = WinePrefix(prefix_dir, {})
    try:
        # googletest prints to the console; Wine passes it through to our stdout.
        result = subprocess.run([WINE, exe] + test_args, env=prefix.base_env, timeout=480,
                                check=False)
        sys.stdout.flush()
        return result.returncode
    except subprocess.TimeoutExpired as timeout:
        print('timed out: %s' % ' '.join(map(str, timeout.cmd)), file=sys.stderr)
        return 1
    finally:
        prefix.stop()


if __name__ == '__main__':
    sys.exit(main(sys.argv))
