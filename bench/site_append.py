#!/usr/bin/env python3
"""Measures what the site record costs a write-all: the check before sending and the durable
append after it (open, lock, one write, fsync), each as many times as --runs says, on the file
system of FOLDER (the build tree unless given: measure where the records will live, a USB stick
for instance). Prints a Markdown table of milliseconds. A write-all with the record on should
stay within 20 ms of one without it.

Usage: bench/site_append.py [--runs N] [FOLDER]
Builds build/bench/append_bench from the site's sources first (release, g++)."""
import argparse
import glob
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BENCH = os.path.join(ROOT, 'build', 'bench', 'append_bench')


def build():
    sources = (glob.glob(os.path.join(ROOT, 'site', '*.cpp')) +
               glob.glob(os.path.join(ROOT, 'site', 'linux', '*.cpp')) +
               [os.path.join(ROOT, 'device', 'DeviceCommand.cpp'),
                os.path.join(ROOT, 'bench', 'AppendBench.cpp')])
    os.makedirs(os.path.dirname(BENCH), exist_ok=True)
    subprocess.run(['g++', '-std=c++20', '-O2', '-I', ROOT, '-o', BENCH] + sources, check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--runs', type=int, default=200)
    parser.add_argument('folder', nargs='?', default=os.path.join(ROOT, 'build', 'bench'))
    args = parser.parse_args()
    build()
    os.makedirs(args.folder, exist_ok=True)
    print('Record in %s (%s)' % (args.folder, subprocess.run(
        ['findmnt', '-n', '-o', 'FSTYPE,SOURCE', '-T', args.folder], capture_output=True,
        text=True, check=False).stdout.strip() or 'file system unknown'))
    return subprocess.run([BENCH, args.folder, str(args.runs)], check=False).returncode


if __name__ == '__main__':
    sys.exit(main())
