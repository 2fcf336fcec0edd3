#!/usr/bin/env python3
"""The real tavrin binary started where there is no screen to show it on: without DISPLAY (an
SSH session without X forwarding), with a DISPLAY nobody listens on, and with an X server that
turns it away. Each ends with status 1 and a line in Chinese saying what to do, never with the
toolkit's abort, and with nothing else on stderr. A platform without a window system, asked
for by the user, still starts.
Usage: test_no_display.py BINARY [unittest args]"""
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest

BINARY = None
DISPLAY_VARIABLES = ('DISPLAY', 'WAYLAND_DISPLAY', 'QT_QPA_PLATFORM', 'XAUTHORITY')
CJK = re.compile(r'[\u4e00-\u9fff]')
EXIT_NO_DISPLAY = 1
RUN_SECONDS = 20
# How long a program that found its platform must stay up to count as started.
STARTED_SECONDS = 1.5
# Display numbers for this test, away from those the other end-to-end tests take.
DISPLAY_NUMBERS = range(150, 200)
FIRST_X_PORT = 6000


def listening(family, address):
    with socket.socket(family, socket.SOCK_STREAM) as probe:
        probe.settimeout(1)
        try:
            probe.connect(address)
            return True
        except OSError:
            return False


def free_display_number():
    """A display number no X server uses: no socket file, no abstract socket, no TCP port."""
    for number in DISPLAY_NUMBERS:
        path = '/tmp/.X11-unix/X%d' % number
        if os.path.exists(path) or os.path.exists('/tmp/.X%d-lock' % number):
            continue
        if listening(socket.AF_UNIX, '\0' + path):
            continue
        if listening(socket.AF_INET, ('127.0.0.1', FIRST_X_PORT + number)):
            continue
        return number
    raise RuntimeError('no free display number in %s' % DISPLAY_NUMBERS)


def bare_environment(**extra):
    """The environment without any display, plus `extra`."""
    env = {k: v for k, v in os.environ.items() if k not in DISPLAY_VARIABLES}
    env.update(extra)
    return env


class NoDisplayTest(unittest.TestCase):
    def run_without_screen(self, env, args=()):
        """Runs the program, which must end by itself; returns its stderr lines."""
        result = subprocess.run([BINARY, *args], env=env, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=RUN_SECONDS)
        err = result.stderr.decode('utf-8')
        self.assertEqual(result.returncode, EXIT_NO_DISPLAY,
                         'exit %d (negative: killed by signal %s)\n%s' % (
                             result.returncode, -result.returncode, err))
        self.assertNotIn('Reinstall', err)
        self.assertNotIn('Aborted', err)
        return err.splitlines()

    def assert_one_line(self, lines, *parts):
        self.assertEqual(len(lines), 1, 'not one line on stderr: %r' % lines)
        line = lines[0]
        self.assertTrue(line.startswith('tavrin：'), line)
        self.assertTrue(CJK.search(line), 'not in Chinese: ' + line)
        self.assertTrue(line.endswith('可用命令行工具 tavrin-cli 写入（见 tavrin-cli --help）。'), line)
        for part in parts:
            self.assertIn(part, line)

    def test_no_display_at_all(self):
        # An SSH session without X forwarding: neither DISPLAY nor WAYLAND_DISPLAY.
        lines = self.run_without_screen(bare_environment())
        self.assert_one_line(lines, 'DISPLAY 未设置', 'ssh -X')

    def test_display_nobody_listens_on(self):
        number = free_display_number()
        for display in (':%d' % number, ':%d.0' % number, 'localhost:%d' % number):
            with self.subTest(display=display):
                lines = self.run_without_screen(bare_environment(DISPLAY=display))
                self.assert_one_line(lines, '无法连接图形显示 %s，' % display, 'DISPLAY')

    def test_x_server_that_turns_the_program_away(self):
        # A server that wants an authorization the program does not have (another user's
        # session): the socket answers, the X connection fails.
        for tool in ('Xvfb', 'xauth'):
            if shutil.which(tool) is None:
                self.fail('missing %s: run scripts/deps.sh test' % tool)
        number = free_display_number()
        display = ':%d' % number
        with tempfile.TemporaryDirectory(prefix='tavrin-xauth-') as scratch:
            cookies = os.path.join(scratch, 'server')
            subprocess.run(['xauth', '-q', '-f', cookies, 'add', display, '.', os.urandom(16).hex()],
                           check=True, capture_output=True)
            nobody = os.path.join(scratch, 'client')
            open(nobody, 'w').close()
            server = subprocess.Popen(['Xvfb', display, '-auth', cookies, '-nolisten', 'tcp'],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                deadline = time.time() + 10
                while not os.path.exists('/tmp/.X11-unix/X%d' % number):
                    self.assertIsNone(server.poll(), 'Xvfb did not start on ' + display)
                    self.assertLess(time.time(), deadline, 'Xvfb did not start on ' + display)
                    time.sleep(0.05)
                lines = self.run_without_screen(bare_environment(DISPLAY=display,
                                                                 XAUTHORITY=nobody))
            finally:
                server.send_signal(signal.SIGTERM)
                server.wait(timeout=10)
        # The X client library's own words (the server's reason) are held back: one line.
        self.assert_one_line(lines, '图形显示 %s 拒绝了连接' % display, 'DISPLAY')

    def test_platform_without_window_system_still_starts(self):
        # The user's choice of platform is respected, from the environment or the command line.
        for env, args in ((bare_environment(QT_QPA_PLATFORM='offscreen'), ()),
                          (bare_environment(), ('-platform', 'offscreen'))):
            with self.subTest(args=args or env['QT_QPA_PLATFORM']):
                proc = subprocess.Popen([BINARY, *args], env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
                time.sleep(STARTED_SECONDS)
                alive = proc.poll() is None
                proc.kill()
                _, err = proc.communicate(timeout=10)
                self.assertTrue(alive, 'ended with %s: %s' % (proc.returncode,
                                                              err.decode('utf-8', 'replace')))


if __name__ == '__main__':
    BINARY = sys.argv[1]
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
