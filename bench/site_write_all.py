#!/usr/bin/env python3
"""Times a write-all of the real tavrin with the site record off and on, from the click to the
last byte at a pseudo-terminal standing in for COM1, each a median of --runs. With the record
on, the click is followed by the record's check and the guards before the first frame, and
the line's durable append after the last one (bench/site_append.py times that append alone);
the table shows both. A write-all with the record on should stay within 20 ms of one without.

Usage: bench/site_write_all.py [--runs N] [--binary PATH]
Needs build/bench/xprobe (bench/run.py builds it) and a tavrin build (build/release by
default)."""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from run import (MAC_BOXES, PAUSE_S, ROOT, SETTLE_S, TAVRIN, WRITE_ALL, WRITE_ALL_BYTES,  # noqa: E402
                 Run, timed_read)
from harness import Port, Xvfb, du_centre  # noqa: E402
from test_tavrin import CENTRAL_IP, GATEWAY_IP, SERVER_IP, SUBNET_IP  # noqa: E402

LIMIT_MS = 20.0
APPEND_BENCH = os.path.join(ROOT, 'bench', 'site_append.py')


def write_alls(xvfb, run, port, runs, site):
    """The seconds from each click to the last byte; in the site mode each unit's message is
    answered before the next."""
    times = []
    for _ in range(runs):
        seconds, data = timed_read(port, WRITE_ALL_BYTES, 6.0,
                                   lambda: run.click(*du_centre(*WRITE_ALL)))
        assert len(data) == WRITE_ALL_BYTES, data.hex()
        times.append(seconds)
        time.sleep(PAUSE_S + 0.2)
        if site:
            box = xvfb.find_window('tavrin', timeout=5)
            assert box is not None, 'no message after a write-all'
            xvfb.xdotool('windowfocus', '--sync', box, check=False)
            xvfb.xdotool('key', 'Return')
            time.sleep(0.3)
            run.focus()
    return statistics.median(times)


def measure(binary, runs):
    home = tempfile.mkdtemp()
    os.mkdir(os.path.join(home, 'Documents'))
    xvfb, port = Xvfb(), Port()
    try:
        run = Run(xvfb, binary, {'TAVRIN_COM1': port.path, 'HOME': home,
                                 'XDG_CONFIG_HOME': os.path.join(home, '.config')})
        run.focus()
        time.sleep(SETTLE_S)
        # A unit the guards pass, so that no question holds a write back.
        for box, text in ((SERVER_IP, '192.168.1.10'), (CENTRAL_IP, '192.168.1.20'),
                          (SUBNET_IP, '255.255.255.0'), (GATEWAY_IP, '192.168.1.1')):
            run.click(*du_centre(box[0], box[1], box[2] // 4, box[3]))
            xvfb.xdotool('type', '--delay', 20, text)
        for box, value in zip(MAC_BOXES, (0, 17, 10, 13, 255, 19)):
            run.type_into(box, str(value))
        off = write_alls(xvfb, run, port, runs, False)
        xvfb.xdotool('key', 'alt+space')
        time.sleep(0.3)
        xvfb.xdotool('key', 's')
        start = xvfb.find_window('开始现场记录', timeout=5)
        assert start is not None, 'the start dialog did not open'
        xvfb.xdotool('windowfocus', '--sync', start, check=False)
        xvfb.xdotool('key', 'Return')
        time.sleep(0.5)
        run.focus()
        on = write_alls(xvfb, run, port, runs, True)
        run.stop()
        return off, on
    finally:
        port.close()
        xvfb.stop()
        shutil.rmtree(home, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--runs', type=int, default=5)
    parser.add_argument('--binary', default=TAVRIN)
    args = parser.parse_args()
    off, on = measure(args.binary, args.runs)
    print('| write-all, click to last byte | record off | record on | difference | target |')
    print('|---|---|---|---|---|')
    difference = (on - off) * 1000
    print('| median of %d | %.1f ms | %.1f ms | %+.1f ms | ≤ %g ms: %s |' % (
        args.runs, off * 1000, on * 1000, difference, LIMIT_MS,
        'met' if difference <= LIMIT_MS else 'missed'))
    print('\nThe append after the last frame (bench/site_append.py, the record in a temporary '
          'folder):')
    sys.stdout.flush()
    return subprocess.run([sys.executable, APPEND_BENCH, '--runs', '50',
                           tempfile.mkdtemp()], check=False).returncode


if __name__ == '__main__':
    sys.exit(main())
