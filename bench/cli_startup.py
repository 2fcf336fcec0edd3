#!/usr/bin/env python3
"""Start-up of tavrin-cli: the time from exec to exit of a dry run (frames built and printed,
no port opened), the median of many runs, beside /bin/true for the cost of starting any
program here. Prints figures; it is not a test. Builds a release tree (build/release) unless
a binary is given.
Usage: bench/cli_startup.py [BINARY] [--runs N]"""
import argparse
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TARGET_MS = 20.0
ARGS = ['--dry-run', '--server', '192.168.1.10', '--controller', '192.168.1.20', '--mask',
        '255.255.255.0', '--gateway', '192.168.1.1', '--mac', '00-11-0A-0D-FF-13']


def build():
    tree = os.path.join(ROOT, 'build', 'release')
    subprocess.run(['cmake', '-S', ROOT, '-B', tree, '-G', 'Ninja', '-DCMAKE_BUILD_TYPE=Release'],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(['cmake', '--build', tree, '--target', 'tavrin-cli'], check=True,
                   stdout=subprocess.DEVNULL)
    return os.path.join(tree, 'tavrin-cli')


def times(command, runs):
    """Milliseconds from exec to exit of each run, after one run to warm the caches."""
    subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
    found = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
        found.append((time.perf_counter() - start) * 1000)
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('binary', nargs='?')
    parser.add_argument('--runs', type=int, default=50)
    options = parser.parse_args()
    binary = options.binary or build()
    cli = times([binary, *ARGS], options.runs)
    baseline = times(['/bin/true'], options.runs)
    median = statistics.median(cli)
    print('tavrin-cli --dry-run, exec to exit: median %.1f ms, min %.1f ms, max %.1f ms '
          '(%d runs)' % (median, min(cli), max(cli), options.runs))
    print('/bin/true, exec to exit:           median %.1f ms' % statistics.median(baseline))
    print('target <= %.0f ms: %s' % (TARGET_MS, 'met' if median <= TARGET_MS else 'NOT met'))
    return 0


if __name__ == '__main__':
    sys.exit(main())
