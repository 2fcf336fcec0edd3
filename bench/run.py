#!/usr/bin/env python3
"""Measures tavrin side by side with its yardsticks on an X server of its own (Xvfb) and
prints a Markdown table of medians: start-up (to the map and to the first frame drawn)
against a bare Qt dialog with the same controls, an address write and the write-all
sequence at a pseudo-terminal, context switches while idle, and resident memory; start-up and memory once more on a scaled screen
(QT_SCALE_FACTOR, 2 unless --scale says otherwise), where window surfaces hold more pixels.
With --windows, the table also has the Windows build, tavrin.exe, under Wine beside a bare
Win32 dialog (bench/wine_bench.py): start-up, the address write, memory and the exe's size.

Usage: bench/run.py [--runs N] [--idle-runs N] [--all-runs N] [--scale F] [--tmpfs-lock]
                    [--windows]
Builds what it measures first (release builds in build/release and build/bench; with
--windows also build/windows and build/bench-windows).

Opening a port creates a lock file in /var/lock and syncs it to disk. Debian desktops keep
/run (and so /var/lock) on tmpfs, where that costs nothing; machines without it (containers)
pay a disk flush per write. --tmpfs-lock (as root) runs the measurements in a private mount
namespace with tmpfs on /run/lock, as on a desktop; the table says which it was."""
import argparse
import os
import platform
import select
import signal
import statistics
import subprocess
import sys
import termios
import threading
import time
import tty

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
sys.path.insert(0, os.path.join(ROOT, 'tests', 'e2e'))
from harness import Port, Xvfb, du_centre  # noqa: E402

TAVRIN = os.path.join(ROOT, 'build', 'release', 'tavrin')
BARE = os.path.join(ROOT, 'build', 'bench', 'bare_dialog')
XPROBE = os.path.join(ROOT, 'build', 'bench', 'xprobe')

# Controls of the dialog in dialog units (x, y, cx, cy), as the template places them.
WRITE_SERVER = (211, 58, 59, 18)
WRITE_ALL = (107, 163, 59, 18)
MAC_BOXES = [(x, 133, 21, 13) for x in (62, 86, 112, 136, 162, 186)]
ADDRESS_FRAME = bytes([0x53, 0x45, 0x51, 0, 0, 0, 0])  # the server address, all fields blank
WRITE_ALL_BYTES = 4 * 7 + 9
PAUSE_S = 0.5
IDLE_S = 10.0
SETTLE_S = 1.0  # after the map, before a measurement starts
MIB = 1024 * 1024
LOCK_DIR = '/var/lock'
DEFAULT_SCALE = 2.0
STARTUP_LIMIT = 1.2  # times the bare dialog's start-up
SCALED_STARTUP_LIMIT = 1.1  # the same on a scaled screen, where surfaces hold more pixels
MEMORY_MARGIN = 8 * MIB  # over the bare dialog's resident memory
IN_NAMESPACE = 'TAVRIN_BENCH_NAMESPACE'


def build():
    """Release builds of tavrin (the tree scripts/run.sh uses) and of the yardsticks."""
    subprocess.run(['bash', os.path.join(ROOT, 'scripts', 'deps.sh'), 'bench'], check=True)
    for source, tree, target in ((ROOT, 'release', 'tavrin'),
                                 (os.path.join(ROOT, 'bench'), 'bench', 'all')):
        out = os.path.join(ROOT, 'build', tree)
        args = ['-DTAVRIN_TESTS=OFF'] if tree == 'release' else []
        subprocess.run(['cmake', '-S', source, '-B', out, '-G', 'Ninja',
                        '-DCMAKE_BUILD_TYPE=Release', *args], check=True, stdout=subprocess.DEVNULL)
        subprocess.run(['cmake', '--build', out, '--target', target], check=True,
                       stdout=subprocess.DEVNULL)


class Run:
    """One program started by xprobe, which reports when its dialog is mapped and when the
    program first draws into it."""

    def __init__(self, xvfb, binary, env=None):
        full = xvfb.env()
        full.update(env or {})
        self.xvfb = xvfb
        self.probe = subprocess.Popen([XPROBE, 'launch', binary], env=full,
                                      stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                      text=True)
        line = self.probe.stdout.readline().split()
        if not line or line[0] != 'mapped':
            raise RuntimeError('%s did not map a window' % binary)
        self.window, self.pid, self.startup = line[1], int(line[2]), float(line[3])
        line = self.probe.stdout.readline().split()
        if not line or line[0] != 'drawn':
            raise RuntimeError('%s did not draw its window' % binary)
        self.drawn = float(line[1])

    def focus(self):
        self.xvfb.xdotool('windowfocus', '--sync', self.window, check=False)

    def click(self, x, y):
        """Clicks through XTEST; returns the monotonic time of the press."""
        out = subprocess.run([XPROBE, 'click', self.window, str(x), str(y)], env=self.xvfb.env(),
                             capture_output=True, text=True, check=True).stdout.split()
        return float(out[1])

    def type_into(self, box, text):
        self.click(*du_centre(*box))
        self.xvfb.xdotool('type', '--delay', 20, text)

    def context_switches(self):
        """Voluntary and involuntary switches summed over all threads, with each thread's."""
        per_thread = {}
        task_dir = '/proc/%d/task' % self.pid
        for tid in os.listdir(task_dir):
            try:
                with open(os.path.join(task_dir, tid, 'status')) as f:
                    fields = dict(line.split(':', 1) for line in f)
            except FileNotFoundError:
                continue
            count = int(fields['voluntary_ctxt_switches']) + \
                int(fields['nonvoluntary_ctxt_switches'])
            per_thread['%s/%s' % (tid, fields['Name'].strip())] = count
        return sum(per_thread.values()), per_thread

    def rss(self):
        return rss(self.pid)

    def stop(self):
        os.kill(self.pid, signal.SIGTERM)
        self.probe.wait(timeout=10)
        self.probe.stdout.close()


def rss(pid):
    """The resident memory of process pid in bytes; 0 once it has gone."""
    try:
        with open('/proc/%d/status' % pid) as f:
            for line in f:
                if line.startswith('VmRSS:'):
                    return int(line.split()[1]) * 1024
    except FileNotFoundError:
        pass
    return 0


def last_arrival(port, count, timeout, result):
    """Reads `count` bytes from the pty master; result gets the bytes and the monotonic time
    the last of them arrived."""
    data = b''
    deadline = time.monotonic() + timeout
    while len(data) < count and time.monotonic() < deadline:
        ready, _, _ = select.select([port.master], [], [], max(0.0, deadline - time.monotonic()))
        if ready:
            data += os.read(port.master, 4096)
            result['time'] = time.monotonic()
    result['data'] = data


def timed_read(port, count, timeout, action):
    """Starts reading, runs action() (which returns its start time) and returns the seconds
    from that start to the last byte, with the bytes."""
    result = {}
    reader = threading.Thread(target=last_arrival, args=(port, count, timeout, result))
    reader.start()
    start = action()
    reader.join()
    return result.get('time', float('nan')) - start, result['data']


def direct_write(path):
    """The yardstick: open the tty, set 9600 8N1 raw, write 7 bytes, drain, close."""
    start = time.monotonic()
    fd = os.open(path, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    attrs = termios.tcgetattr(fd)
    attrs[4] = attrs[5] = termios.B9600
    termios.tcsetattr(fd, termios.TCSANOW, attrs)
    os.write(fd, ADDRESS_FRAME)
    termios.tcdrain(fd)
    os.close(fd)
    return start


def wait_closed(run, path, timeout=2.0):
    real = os.path.realpath(path)
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        fds = '/proc/%d/fd' % run.pid
        if not any(os.path.realpath(os.path.join(fds, fd)) == real for fd in os.listdir(fds)):
            return
        time.sleep(0.01)


def scaled(factor):
    """The environment of a screen scaled by `factor`; none for an unscaled one."""
    return {'QT_SCALE_FACTOR': '%g' % factor} if factor != 1 else {}


def measure_startup(xvfb, runs, env=None):
    """Median seconds from the exec to the map and to the first drawing, as
    ((tavrin mapped, bare mapped), (tavrin drawn, bare drawn))."""
    mapped = {TAVRIN: [], BARE: []}
    drawn = {TAVRIN: [], BARE: []}
    for _ in range(runs):
        for binary in (TAVRIN, BARE):  # interleaved, so drift hits both alike
            run = Run(xvfb, binary, env)
            mapped[binary].append(run.startup)
            drawn[binary].append(run.drawn)
            run.stop()
            time.sleep(0.1)
    return tuple((statistics.median(times[TAVRIN]), statistics.median(times[BARE]))
                 for times in (mapped, drawn))


def caret_in(box):
    return lambda run: run.click(*du_centre(*box))


def pointer_on(button):
    return lambda run: run.xvfb.xdotool('mousemove', '--window', run.window,
                                        *du_centre(*button))


def measure_idle(xvfb, binary, runs, prepare=None, env=None):
    """Median context switches over IDLE_S with the dialog focused and untouched (after
    prepare(run), if given), the median resident memory and the last per-thread counts."""
    switches, memory, threads = [], [], {}
    for _ in range(runs):
        run = Run(xvfb, binary, env)
        xvfb.xdotool('mousemove', 0, 0)  # off the dialog, as the last run may have left it
        run.focus()
        if prepare is not None:
            prepare(run)
        time.sleep(SETTLE_S)
        before, first = run.context_switches()
        time.sleep(IDLE_S)
        after, last = run.context_switches()
        memory.append(run.rss())
        switches.append(after - before)
        threads = {t: n - first.get(t, 0) for t, n in last.items() if n != first.get(t, 0)}
        run.stop()
    return statistics.median(switches), statistics.median(memory), threads


def measure_bare_write(xvfb, port, runs):
    """The bare dialog's button writing the same frame through QSerialPort."""
    run = Run(xvfb, BARE, {'BENCH_PORT': port.path})
    run.focus()
    time.sleep(SETTLE_S)
    times = []
    for _ in range(runs):
        seconds, data = timed_read(port, 7, 3.0, lambda: run.click(*du_centre(*WRITE_SERVER)))
        assert data == ADDRESS_FRAME, data.hex()
        times.append(seconds)
        wait_closed(run, port.path)
    run.stop()
    return statistics.median(times)


def measure_writes(xvfb, runs, all_runs):
    port = Port()
    bare = measure_bare_write(xvfb, port, runs)
    run = Run(xvfb, TAVRIN, {'TAVRIN_COM1': port.path})
    run.focus()
    time.sleep(SETTLE_S)
    button = du_centre(*WRITE_SERVER)
    ours, direct = [], []
    for _ in range(runs):
        seconds, data = timed_read(port, 7, 3.0, lambda: run.click(*button))
        assert data == ADDRESS_FRAME, data.hex()
        ours.append(seconds)
        wait_closed(run, port.path)
        seconds, data = timed_read(port, 7, 3.0, lambda: direct_write(port.path))
        assert data == ADDRESS_FRAME, data.hex()
        direct.append(seconds)
    for box in MAC_BOXES:
        run.type_into(box, '1')
    every = []
    for _ in range(all_runs):
        seconds, data = timed_read(port, WRITE_ALL_BYTES, 6.0,
                                   lambda: run.click(*du_centre(*WRITE_ALL)))
        assert len(data) == WRITE_ALL_BYTES, data.hex()
        every.append(seconds)
        time.sleep(PAUSE_S + 0.2)  # the pause after the MAC frame ends the sequence
    run.stop()
    port.close()
    return statistics.median(ours), statistics.median(direct), bare, statistics.median(every)


def lock_filesystem():
    """The type of the file system that holds the serial lock files."""
    real = os.path.realpath(LOCK_DIR)
    best, kind = '', '?'
    with open('/proc/self/mounts') as f:
        for line in f:
            point, fstype = line.split()[1:3]
            inside = real == point or real.startswith(point.rstrip('/') + '/')
            if inside and len(point) >= len(best):
                best, kind = point, fstype
    return kind


def rerun_with_tmpfs_lock():
    """Runs this script again in a private mount namespace with tmpfs on /run/lock; the
    other processes of the machine keep their lock files."""
    env = dict(os.environ, **{IN_NAMESPACE: '1'})
    argv = [a for a in sys.argv if a != '--tmpfs-lock']
    script = 'mount -t tmpfs tmpfs /run/lock && exec "$@"'
    return subprocess.run(['unshare', '--mount', '--propagation', 'private', 'sh', '-c', script,
                           'sh', sys.executable, *argv], env=env).returncode


def machine():
    model = next((line.split(':', 1)[1].strip() for line in open('/proc/cpuinfo')
                  if line.startswith('model name')), platform.processor())
    with open('/etc/debian_version') as f:
        debian = f.read().strip()
    return '%d × %s, Debian %s, Linux %s, lock files on %s' % (
        os.cpu_count(), model, debian, platform.release(), lock_filesystem())


def verdict(ok):
    return 'yes' if ok else '**no**'


def startup_row(figure, ours, compared, theirs, limit=None):
    """A start-up row; without a limit, the ratio is shown and no target."""
    ratio = ours / theirs
    if limit is None:
        return (figure, '%.1f ms' % (ours * 1e3), compared, '%.1f ms' % (theirs * 1e3),
                '(not a target)', '(%.2f ×)' % ratio)
    return (figure, '%.1f ms' % (ours * 1e3), compared, '%.1f ms' % (theirs * 1e3),
            '≤ %g ×' % limit, '%s (%.2f ×)' % (verdict(ratio <= limit), ratio))


def memory_row(figure, ours, compared, theirs):
    more = ours - theirs
    return (figure, '%.1f MiB' % (ours / MIB), compared, '%.1f MiB' % (theirs / MIB),
            '≤ +%d MiB' % (MEMORY_MARGIN / MIB),
            '%s (+%.1f MiB)' % (verdict(more <= MEMORY_MARGIN), more / MIB))


def scaled_rows(factor, start, rss_ours, rss_bare):
    """Start-up and memory on a screen scaled by `factor`, where every window surface holds
    factor squared as many pixels."""
    at = 'at %g ×' % factor
    (mapped_ours, mapped_bare), (drawn_ours, drawn_bare) = start
    return [
        startup_row('start-up %s, exec to dialog mapped' % at, mapped_ours,
                    'bare Qt dialog %s' % at, mapped_bare, SCALED_STARTUP_LIMIT),
        startup_row('start-up %s, exec to first frame drawn' % at, drawn_ours,
                    'bare Qt dialog %s' % at, drawn_bare),
        memory_row('resident memory %s, dialog open' % at, rss_ours, 'bare Qt dialog %s' % at,
                   rss_bare),
    ]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--runs', type=int, default=15, help='start-ups and address writes')
    parser.add_argument('--idle-runs', type=int, default=3, help='10 s idle periods')
    parser.add_argument('--all-runs', type=int, default=3, help='write-all sequences')
    parser.add_argument('--scale', type=float, default=DEFAULT_SCALE,
                        help='scale of the second start-up and memory rows (1: none)')
    parser.add_argument('--tmpfs-lock', action='store_true',
                        help='lock files on tmpfs, as on a desktop (needs root)')
    parser.add_argument('--tavrin', help='the Linux program to measure (another build, for a '
                        'before-and-after comparison); default build/release/tavrin')
    parser.add_argument('--windows', action='store_true',
                        help='add tavrin.exe under Wine beside a bare Win32 dialog')
    args = parser.parse_args()
    build()
    if args.tavrin:
        global TAVRIN
        TAVRIN = os.path.abspath(args.tavrin)
    if args.windows:
        import wine_bench  # bench/wine_bench.py, which uses this script's helpers
        wine_bench.build()
    if args.tmpfs_lock and IN_NAMESPACE not in os.environ:
        return rerun_with_tmpfs_lock()
    xvfb = Xvfb()
    try:
        (start_ours, start_bare), (drawn_ours, drawn_bare) = measure_startup(xvfb, args.runs)
        write_ours, write_direct, write_bare, write_all = measure_writes(xvfb, args.runs, args.all_runs)
        idle_ours, rss_ours, threads_ours = measure_idle(xvfb, TAVRIN, args.idle_runs)
        idle_bare, rss_bare, _ = measure_idle(xvfb, BARE, 1)
        hover_ours, _, hover_threads = measure_idle(xvfb, TAVRIN, 1, pointer_on(WRITE_ALL))
        hover_bare, _, _ = measure_idle(xvfb, BARE, 1, pointer_on(WRITE_ALL))
        caret_ours, _, caret_threads = measure_idle(xvfb, TAVRIN, 1, caret_in(MAC_BOXES[0]))
        caret_bare, _, _ = measure_idle(xvfb, BARE, 1, caret_in(MAC_BOXES[0]))
        if args.scale != 1:
            env = scaled(args.scale)
            start_scaled = measure_startup(xvfb, args.runs, env)
            _, rss_ours_scaled, _ = measure_idle(xvfb, TAVRIN, args.idle_runs, env=env)
            _, rss_bare_scaled, _ = measure_idle(xvfb, BARE, 1, env=env)
        if args.windows:
            windows = wine_bench.measure(xvfb, args.runs, args.idle_runs)
    finally:
        xvfb.stop()

    rows = [
        startup_row('start-up, exec to dialog mapped', start_ours, 'bare Qt dialog', start_bare,
                    STARTUP_LIMIT),
        startup_row('start-up, exec to first frame drawn', drawn_ours, 'bare Qt dialog',
                    drawn_bare),
        ('address write, click to last byte', '%.2f ms' % (write_ours * 1e3),
         'termios open, write, tcdrain, close', '%.2f ms' % (write_direct * 1e3), '≤ +2 ms',
         '%s (+%.2f ms)' % (verdict(write_ours - write_direct <= 0.002),
                            (write_ours - write_direct) * 1e3)),
        ('address write, click to last byte', '%.2f ms' % (write_ours * 1e3),
         'bare Qt dialog writing with QSerialPort', '%.2f ms' % (write_bare * 1e3),
         '(not a target)', ''),
        ('write-all, click to last byte', '%.3f s' % write_all, '5 × 500 ms', '2.500 s',
         '≤ 2.55 s', verdict(write_all <= 2.55)),
        ('idle context switches in 10 s', '%d' % idle_ours, 'bare Qt dialog', '%d' % idle_bare,
         '0', verdict(idle_ours == 0)),
        memory_row('resident memory, dialog open', rss_ours, 'bare Qt dialog', rss_bare),
        ('idle context switches in 10 s, pointer resting on a button', '%d' % hover_ours,
         'bare Qt dialog, same', '%d' % hover_bare, '(not a target)', ''),
        ('idle context switches in 10 s, caret in a MAC box', '%d' % caret_ours,
         'bare Qt dialog, same', '%d' % caret_bare, '(not a target)', ''),
    ]
    if args.scale != 1:
        rows += scaled_rows(args.scale, start_scaled, rss_ours_scaled, rss_bare_scaled)
    if args.windows:
        rows += wine_bench.rows(windows)
    print('| figure | tavrin | compared with | that | target | met |')
    print('|---|---|---|---|---|---|')
    for row in rows:
        print('| ' + ' | '.join(row) + ' |')
    print()
    print('Medians of %d start-ups and address writes, %d write-all sequences, %d idle periods. '
          'Machine: %s.' % (args.runs, args.all_runs, args.idle_runs, machine()))
    if args.windows:
        print(wine_bench.note(windows, args.runs, args.idle_runs))
    for title, threads in (('idle', threads_ours), ('pointer on a button', hover_threads),
                           ('caret in a MAC box', caret_threads)):
        if threads:
            print('Threads of tavrin that woke (%s): %s' % (
                title, ', '.join('%s %d' % item for item in sorted(threads.items()))))
    return 0


if __name__ == '__main__':
    sys.exit(main())
