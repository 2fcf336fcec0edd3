#!/usr/bin/env python3
"""Measures the Windows build, tavrin.exe, under Wine beside a bare Win32 dialog with the same
controls (bench/BareWindowsDialog.cpp) and prints the rows in bench/run.py's table style:
start-up to the dialog mapped, the address write and write-all from the click to the last
byte at a pseudo-terminal, resident memory and the size of the stripped exe.

Usage: bench/wine_bench.py [--runs N] [--memory-runs N] [--tavrin-exe PATH]
(bench/run.py --windows adds the same rows to its own table.)

Wine runs in a prefix of its own, made afresh under build/bench-windows/wine with COM1 and
COM2 mapped to pseudo-terminals; each exe is started once before anything is timed, so that
the prefix is warm (registry, font cache, page cache). Start-up is timed twice: with the Wine
session already running (wineserver and Wine's own service processes up, as Windows' are on a
PC) and with no wineserver, which each start then brings up. The address write and memory
are measured in a running session. Resident memory is the program's process alone; the
wineserver and Wine's service processes, the same for both programs, are given apart."""
import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
sys.path.insert(0, os.path.join(ROOT, 'tests', 'e2e'))
sys.path.insert(0, os.path.join(ROOT, 'bench'))
import run as linux  # noqa: E402  (bench/run.py: xprobe, the timed pty reads, the table)
from harness import Port, Xvfb  # noqa: E402
from test_windows import WineAppDriver  # noqa: E402
from wine import WINE, WINESERVER, WinePrefix, any_holds  # noqa: E402

WINDOWS_TREE = os.path.join(ROOT, 'build', 'windows')
BENCH_TREE = os.path.join(ROOT, 'build', 'bench-windows')
TOOLCHAIN = os.path.join(ROOT, 'cmake', 'mingw-w64-x86_64.cmake')
TAVRIN_EXE = os.path.join(WINDOWS_TREE, 'tavrin.exe')
BARE_EXE = os.path.join(BENCH_TREE, 'bare_windows_dialog.exe')
WORK = os.path.join(BENCH_TREE, 'wine')
STRIP = 'x86_64-w64-mingw32-strip'
TAVRIN_CAPTION = '6150 IP SET'
BARE_CAPTION = 'bare dialog'
START_TIMEOUT_S = 60.0
# Windows' double-click time (Wine's too). A second click on tavrin's owner-drawn buttons
# within it is a double click, which they take as no click at all.
DOUBLE_CLICK_S = 0.5
MIB = linux.MIB


def cache_value(tree, name):
    """A variable of a CMake tree's cache; empty when the tree has none."""
    cache = os.path.join(tree, 'CMakeCache.txt')
    if not os.path.exists(cache):
        return ''
    with open(cache) as f:
        for line in f:
            if line.startswith(name + ':'):
                return line.split('=', 1)[1].strip()
    return ''


def build():
    """tavrin.exe in build/windows (configured as its README says, when not yet), the bare
    dialog in build/bench-windows with build/windows's build type, and xprobe."""
    if not os.path.exists(os.path.join(WINDOWS_TREE, 'CMakeCache.txt')):
        subprocess.run(['cmake', '-S', ROOT, '-B', WINDOWS_TREE, '-G', 'Ninja',
                        '-DCMAKE_TOOLCHAIN_FILE=' + TOOLCHAIN], check=True,
                       stdout=subprocess.DEVNULL)
    subprocess.run(['cmake', '--build', WINDOWS_TREE, '--target', 'tavrin', '-j', '2'],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(['cmake', '-S', os.path.join(ROOT, 'bench', 'windows'), '-B', BENCH_TREE,
                    '-G', 'Ninja', '-DCMAKE_TOOLCHAIN_FILE=' + TOOLCHAIN,
                    '-DCMAKE_BUILD_TYPE=' + cache_value(WINDOWS_TREE, 'CMAKE_BUILD_TYPE')],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(['cmake', '--build', BENCH_TREE, '-j', '2'], check=True,
                   stdout=subprocess.DEVNULL)
    bench = os.path.join(ROOT, 'build', 'bench')
    subprocess.run(['cmake', '-S', os.path.join(ROOT, 'bench'), '-B', bench, '-G', 'Ninja',
                    '-DCMAKE_BUILD_TYPE=Release'], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(['cmake', '--build', bench, '--target', 'xprobe'], check=True,
                   stdout=subprocess.DEVNULL)


def stripped_size(exe):
    """Bytes of the exe with every symbol stripped (both are linked stripped already; this
    makes sure)."""
    out = os.path.join(BENCH_TREE, os.path.basename(exe) + '.stripped')
    subprocess.run([STRIP, '--strip-all', '-o', out, exe], check=True)
    size = os.path.getsize(out)
    os.unlink(out)
    return size


def wine_version():
    return subprocess.run([WINE, '--version'], capture_output=True, text=True).stdout.strip()


def comm(pid):
    try:
        with open('/proc/%d/comm' % pid) as f:
            return f.read().strip()
    except OSError:
        return ''


class Session:
    """The Wine prefix, its two ports and its server."""

    def __init__(self, xvfb):
        shutil.rmtree(WORK, ignore_errors=True)
        os.makedirs(WORK)
        self.xvfb = xvfb
        self.com1, self.com2 = Port(), Port()
        links = {}
        for number, port in ((1, self.com1), (2, self.com2)):
            links[number] = os.path.join(WORK, 'com%d-device' % number)
            os.symlink(port.path, links[number])
        self.prefix = WinePrefix(os.path.join(WORK, 'prefix'), links)
        self.env = self.prefix.env(xvfb)

    def stop_server(self):
        """Ends the wineserver and with it every process of the session."""
        self.prefix.stop()

    def keep_server(self):
        """Starts a wineserver that stays when its last program ends, and with it Wine's
        service processes, which end only with the server."""
        self.stop_server()
        subprocess.run([WINESERVER, '-p'], env=self.env, check=True)

    def pids(self):
        """The processes of this prefix (the server included), by their environment."""
        mark = ('WINEPREFIX=' + self.prefix.root).encode()
        found = []
        for entry in os.listdir('/proc'):
            if not entry.isdigit():
                continue
            try:
                with open('/proc/%s/environ' % entry, 'rb') as f:
                    if mark in f.read().split(b'\0'):
                        found.append(int(entry))
            except OSError:
                continue
        return found

    def server_pid(self):
        for pid in self.pids():
            if comm(pid).startswith('wineserver'):
                return pid
        return None

    def holds(self, pids, path):
        """Whether any of `pids` (the program, the server, which keeps the files open) has
        the device open."""
        return any_holds(pids, path)

    def close(self):
        self.stop_server()
        self.com1.close()
        self.com2.close()


class WineRun:
    """One exe started under Wine by xprobe, which reports when its first top-level window is
    mapped; that window must be the exe's dialog."""

    def __init__(self, session, exe):
        self.session = session
        self.xvfb = session.xvfb
        self.probe = subprocess.Popen([linux.XPROBE, 'launch', WINE, exe], env=session.env,
                                      stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                      text=True)
        ready, _, _ = select.select([self.probe.stdout], [], [], START_TIMEOUT_S)
        line = self.probe.stdout.readline().split() if ready else []
        if not line or line[0] != 'mapped':
            self.probe.kill()
            raise RuntimeError('%s did not map a window under Wine' % exe)
        self.window, self.pid, self.startup = line[1], int(line[2]), float(line[3])
        name = self.xvfb.xdotool('getwindowname', self.window, check=False)
        if name != (BARE_CAPTION if exe == BARE_EXE else TAVRIN_CAPTION):
            self.stop()
            raise RuntimeError('the first window mapped was "%s", not %s\'s dialog' % (name, exe))

    def focus(self):
        self.xvfb.xdotool('windowfocus', '--sync', self.window, check=False)

    def click(self, x, y):
        """Clicks through XTEST; returns the monotonic time of the press."""
        out = subprocess.run([linux.XPROBE, 'click', self.window, str(x), str(y)],
                             env=self.xvfb.env(), capture_output=True, text=True,
                             check=True).stdout.split()
        return float(out[1])

    def wait_released(self, path, timeout=3.0):
        pids = [self.pid, self.session.server_pid()]
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not self.session.holds([p for p in pids if p], path):
                return
            time.sleep(0.01)
        raise RuntimeError('the port stayed open after the write')

    def stop(self):
        """Ends the program alone; the session goes on."""
        try:
            os.kill(self.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        try:
            self.probe.wait(timeout=5)
        except subprocess.TimeoutExpired:
            # A program ended before it drew leaves xprobe waiting for a drawing.
            self.probe.kill()
            self.probe.wait()
        self.probe.stdout.close()


def measure_startup(session, tavrin, runs, server_running):
    """Median seconds from the exec of wine64 to the dialog mapped, as (tavrin, bare): in a
    running session, or with the wineserver ended before each start."""
    times = {tavrin: [], BARE_EXE: []}
    if server_running:
        session.keep_server()
        for exe in times:  # the service processes come up with the session's first program
            WineRun(session, exe).stop()
    for _ in range(runs):
        for exe in times:  # interleaved, so drift hits both alike
            if not server_running:
                session.stop_server()
            run = WineRun(session, exe)
            times[exe].append(run.startup)
            run.stop()
            time.sleep(0.2)
    return statistics.median(times[tavrin]), statistics.median(times[BARE_EXE])


def measure_clicks(session, exe, runs, button, count, rest):
    """Median seconds from a press on button (dialog units) to the last of count bytes at
    COM1, resting rest seconds after each."""
    run = WineRun(session, exe)
    run.focus()
    time.sleep(linux.SETTLE_S)
    where = WineAppDriver(run, session.xvfb).centre(*button)
    times = []
    for _ in range(runs):
        seconds, data = linux.timed_read(session.com1, count, 8.0, lambda: run.click(*where))
        assert len(data) == count, data.hex()
        times.append(seconds)
        if count == len(linux.ADDRESS_FRAME):
            assert data == linux.ADDRESS_FRAME, data.hex()
            run.wait_released(session.com1.path)
        time.sleep(rest)  # xprobe's hover pause comes on top
    run.stop()
    return statistics.median(times)


def measure_write(session, exe, runs):
    """Median seconds from the press on the first button to the frame's last byte at COM1."""
    return measure_clicks(session, exe, runs, linux.WRITE_SERVER, len(linux.ADDRESS_FRAME),
                          DOUBLE_CLICK_S)


def measure_write_all(session, exe, runs):
    """The same for tavrin's write-all button and its five frames (the bare dialog has none);
    the pause after the MAC frame ends the sequence."""
    return measure_clicks(session, exe, runs, linux.WRITE_ALL, linux.WRITE_ALL_BYTES,
                          linux.PAUSE_S + DOUBLE_CLICK_S)


def measure_memory(session, exe, runs):
    """Median resident memory of the program's process with its dialog open, and of the
    session's other processes (the wineserver, Wine's services), as (program, server,
    services, the services' names)."""
    program, server, services, names = [], [], [], set()
    for _ in range(runs):
        run = WineRun(session, exe)
        run.focus()
        time.sleep(linux.SETTLE_S)
        program.append(linux.rss(run.pid))
        server_pid = session.server_pid()
        server.append(linux.rss(server_pid) if server_pid else 0)
        # xprobe has the session's environment too: it is no part of Wine.
        others = [p for p in session.pids()
                  if p not in (run.pid, server_pid, run.probe.pid)]
        services.append(sum(linux.rss(p) for p in others))
        names.update(comm(p) for p in others)
        run.stop()
        time.sleep(0.2)
    return (*(statistics.median(v) for v in (program, server, services)),
            sorted(n for n in names if n))


def measure(xvfb, runs, memory_runs, tavrin=TAVRIN_EXE):
    """Every Windows figure, in a prefix made for the purpose and stopped at the end."""
    session = Session(xvfb)
    try:
        session.keep_server()
        for exe in (tavrin, BARE_EXE):  # the warm-up: one run of each before any timing
            WineRun(session, exe).stop()
        figures = {
            'start_running': measure_startup(session, tavrin, runs, True),
            'start_cold': measure_startup(session, tavrin, runs, False),
        }
        session.keep_server()
        for exe in (tavrin, BARE_EXE):
            WineRun(session, exe).stop()
        figures['write'] = (measure_write(session, tavrin, runs),
                            measure_write(session, BARE_EXE, runs))
        figures['write_all'] = measure_write_all(session, tavrin, max(1, runs // 5))
        figures['memory'] = (measure_memory(session, tavrin, memory_runs),
                             measure_memory(session, BARE_EXE, memory_runs))
    finally:
        session.close()
    figures['size'] = (stripped_size(tavrin), stripped_size(BARE_EXE))
    figures['exe'] = tavrin
    return figures


def rows(figures):
    """The table rows, in bench/run.py's columns."""
    bare = 'bare Win32 dialog under Wine'
    (run_ours, run_bare), (cold_ours, cold_bare) = figures['start_running'], figures['start_cold']
    write_ours, write_bare = figures['write']
    (mem_ours, *_), (mem_bare, *_) = figures['memory']
    size_ours, size_bare = figures['size']
    return [
        linux.startup_row('Wine: start-up, exec to dialog mapped, Wine session running',
                          run_ours, bare, run_bare),
        linux.startup_row('Wine: start-up, exec to dialog mapped, no wineserver (started by '
                          'the exe)', cold_ours, bare + ', same', cold_bare),
        ('Wine: address write, click to last byte', '%.2f ms' % (write_ours * 1e3),
         bare + ': open `\\\\.\\COM1`, 9600 8N1, WriteFile, FlushFileBuffers, close',
         '%.2f ms' % (write_bare * 1e3), '(not a target)',
         '(%+.2f ms)' % ((write_ours - write_bare) * 1e3)),
        ('Wine: write-all, click to last byte', '%.3f s' % figures['write_all'],
         '5 × 500 ms', '2.500 s', '≤ 2.55 s', linux.verdict(figures['write_all'] <= 2.55)),
        ('Wine: resident memory, dialog open, the exe\'s process (wineserver not counted)',
         '%.1f MiB' % (mem_ours / MIB), bare, '%.1f MiB' % (mem_bare / MIB), '(not a target)',
         '(%+.1f MiB)' % ((mem_ours - mem_bare) / MIB)),
        ('Windows: exe size, stripped', '%d bytes' % size_ours, 'bare Win32 dialog, static',
         '%d bytes' % size_bare, '(not a target)', '(%.2f ×)' % (size_ours / size_bare)),
    ]


def note(figures, runs, memory_runs):
    """What the rows were measured on and how; the session's other processes' memory."""
    (_, server_ours, services_ours, names), (_, server_bare, services_bare, _) = \
        figures['memory']
    tree = os.path.dirname(figures['exe'])
    build_type = cache_value(tree, 'CMAKE_BUILD_TYPE') or 'none'
    return ('Wine rows: medians of %d start-ups each way and %d address writes (clicks more '
            'than the double-click time apart), resident memory from %d opening(s) of each '
            'dialog; %s, 64-bit exes under %s in a fresh prefix warmed by one run of each; '
            'tavrin.exe from %s (build type: %s), the bare dialog built with build/windows\'s. '
            'Not counted in resident memory: the wineserver, %.1f MiB, and Wine\'s other '
            'processes of the session (%s), %.1f MiB together, with tavrin.exe open '
            '(%.1f and %.1f MiB with the bare dialog).' % (
                runs, runs, memory_runs, wine_version(), WINE, os.path.relpath(tree, ROOT),
                build_type, server_ours / MIB, ', '.join(names), services_ours / MIB,
                server_bare / MIB, services_bare / MIB))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--runs', type=int, default=15, help='start-ups and address writes')
    parser.add_argument('--memory-runs', type=int, default=3, help='dialogs opened for memory')
    parser.add_argument('--tavrin-exe', default=TAVRIN_EXE,
                        help='another build of tavrin.exe to measure (default: build/windows\'s)')
    args = parser.parse_args()
    build()
    xvfb = Xvfb()
    try:
        figures = measure(xvfb, args.runs, args.memory_runs, os.path.abspath(args.tavrin_exe))
    finally:
        xvfb.stop()
    print('| figure | tavrin | compared with | that | target | met |')
    print('|---|---|---|---|---|---|')
    for row in rows(figures):
        print('| ' + ' | '.join(row) + ' |')
    print()
    print('Machine: %s.' % linux.machine())
    print(note(figures, args.runs, args.memory_runs))
    return 0


if __name__ == '__main__':
    sys.exit(main())
