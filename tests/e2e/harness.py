"""Drives the real tavrin binary in an X server as a user would: Xvfb, xdotool clicks and
typing, pseudo-terminals standing in for COM1 and COM2."""
import os
import select
import shutil
import subprocess
import termios
import threading
import time

DIALOG_TITLE = '6150 IP SET'
APP_TITLE = 'tavrin'
SCREEN = (1024, 768)
# Dialog base units of the dialog font (9 pt): 6 x 12 pixels.
BASE_X, BASE_Y = 6, 12


def du_x(x):
    """Horizontal dialog units to pixels, rounding as the dialog manager does."""
    return (x * BASE_X + 2) // 4


def du_y(y):
    return (y * BASE_Y + 4) // 8


def du_centre(x, y, cx, cy):
    return (du_x(x) + du_x(x + cx)) // 2, (du_y(y) + du_y(y + cy)) // 2


def require(*tools):
    missing = [t for t in tools if shutil.which(t) is None]
    if missing:
        raise RuntimeError('missing tools %s: run scripts/deps.sh test' % ' '.join(missing))


def any_holds(pids, path):
    """Whether any of the processes has the file open, also after the file has gone (a
    pulled terminal's node, which the kernel then shows as "path (deleted)")."""
    real = os.path.realpath(path)
    names = (real, path, real + ' (deleted)', path + ' (deleted)')
    for pid in pids:
        fd_dir = '/proc/%d/fd' % pid
        try:
            for fd in os.listdir(fd_dir):
                try:
                    if os.readlink(os.path.join(fd_dir, fd)) in names:
                        return True
                except OSError:
                    continue
        except (FileNotFoundError, PermissionError):
            continue
    return False


class Xvfb:
    """An X server of its own for one test run."""

    def __init__(self):
        require('Xvfb', 'xdotool', 'import')
        for number in range(93, 140):
            if not os.path.exists('/tmp/.X11-unix/X%d' % number) and \
                    not os.path.exists('/tmp/.X%d-lock' % number):
                break
        self.display = ':%d' % number
        self.proc = subprocess.Popen(
            ['Xvfb', self.display, '-screen', '0', '%dx%dx24' % SCREEN, '-noreset', '-ardelay',
             '60000', '-nolisten', 'tcp'], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while not os.path.exists('/tmp/.X11-unix/X%d' % number):
            if time.time() > deadline or self.proc.poll() is not None:
                raise RuntimeError('Xvfb did not start on ' + self.display)
            time.sleep(0.05)

    def env(self):
        env = dict(os.environ)
        env['DISPLAY'] = self.display
        env.pop('QT_QPA_PLATFORM', None)
        env.pop('WAYLAND_DISPLAY', None)
        return env

    def xdotool(self, *args, check=True, timeout=10):
        result = subprocess.run(['xdotool', *map(str, args)], env=self.env(), capture_output=True,
                                text=True, timeout=timeout)
        if check and result.returncode != 0:
            raise RuntimeError('xdotool %s failed: %s' % (' '.join(map(str, args)),
                                                          result.stderr.strip()))
        return result.stdout.strip()

    def find_window(self, title, timeout=10.0, pid=None):
        """The id of the visible window whose title is exactly `title` (of process `pid` when
        given), or None."""
        owner = ['--all', '--pid', pid] if pid is not None else []
        deadline = time.time() + timeout
        while time.time() < deadline:
            out = self.xdotool('search', '--onlyvisible', *owner, '--name', '^%s$' % title,
                               check=False)
            if out:
                return out.split()[-1]
            time.sleep(0.05)
        return None

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        out = self.xdotool('getwindowgeometry', '--shell', window)
        values = dict(line.split('=', 1) for line in out.splitlines() if '=' in line)
        return tuple(int(values[k]) for k in ('X', 'Y', 'WIDTH', 'HEIGHT'))

    def screenshot(self, path):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        subprocess.run(['import', '-window', 'root', path], env=self.env(), check=True,
                       timeout=20)

    def stop(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)


class Port:
    """A pseudo-terminal: the program opens the slave, the test reads the master."""

    def __init__(self):
        self.master, self.slave = os.openpty()
        self.path = os.ttyname(self.slave)

    def read(self, count, timeout=3.0):
        """Reads until `count` bytes have come or the time is up."""
        data = b''
        deadline = time.time() + timeout
        while len(data) < count:
            left = deadline - time.time()
            if left <= 0:
                break
            ready, _, _ = select.select([self.master], [], [], left)
            if ready:
                try:
                    data += os.read(self.master, 4096)
                except OSError:
                    time.sleep(0.01)
        return data

    def read_timed(self, count, timeout=6.0, out=None):
        """Reads `count` bytes, returning (arrival time, byte) pairs."""
        out = [] if out is None else out
        deadline = time.time() + timeout
        while len(out) < count and time.time() < deadline:
            ready, _, _ = select.select([self.master], [], [], max(0.0, deadline - time.time()))
            if ready:
                try:
                    chunk = os.read(self.master, 4096)
                except OSError:
                    time.sleep(0.01)
                    continue
                now = time.time()
                out.extend((now, b) for b in chunk)
        return out

    def start_timed_read(self, count, timeout=8.0):
        """Reads in the background from now on; join() the thread, then look at the list."""
        arrivals = []
        reader = threading.Thread(target=self.read_timed, args=(count, timeout, arrivals))
        reader.start()
        return reader, arrivals

    def quiet(self, timeout=0.4):
        """True when nothing arrives within `timeout`."""
        return self.read(1, timeout) == b''

    def line_settings(self):
        """The line as the program set it: termios's [iflag, oflag, cflag, lflag, ispeed,
        ospeed, cc] of the slave. A pseudo-terminal keeps the speed and stop bits it is given."""
        return termios.tcgetattr(self.slave)

    def stop_output(self, stopped=True):
        """Suspends the terminal's output (tcflow TCOOFF), so that no byte leaves: a stuck
        line; False resumes it."""
        termios.tcflow(self.slave, termios.TCOOFF if stopped else termios.TCOON)

    def close(self):
        """Closes both ends: the line hangs up under whoever holds it, as a pulled adapter."""
        os.close(self.master)
        os.close(self.slave)


class LinkedPort(Port):
    """A pseudo-terminal reached through a link, which the program's port names: removing
    the link unplugs the adapter, pointing it at another terminal plugs a new one in."""

    def __init__(self, link):
        super().__init__()
        self.link = link
        self.point()

    def point(self):
        if os.path.lexists(self.link):
            os.unlink(self.link)
        os.symlink(self.path, self.link)

    def plug_new(self):
        """After close(), a new adapter: a new terminal behind the same link."""
        self.master, self.slave = os.openpty()
        self.path = os.ttyname(self.slave)
        self.point()


# Where a message box's text starts and where a drag over all of it ends, from the box's
# corners: right of the icon at the first line, and left of the border above the button.
MESSAGE_TEXT_START = (66, 22)
MESSAGE_TEXT_END_MARGIN = (12, 60)


def message_text(xvfb, box):
    """Most of the text of a message box of the Linux program (from about its second
    character), selected with the mouse as a user selects it and read from the X selection."""
    require('xclip')
    _, _, width, height = xvfb.geometry(box)
    xvfb.xdotool('mousemove', '--window', box, *MESSAGE_TEXT_START)
    xvfb.xdotool('mousedown', 1)
    xvfb.xdotool('mousemove', '--window', box, width - MESSAGE_TEXT_END_MARGIN[0],
                 height - MESSAGE_TEXT_END_MARGIN[1])
    xvfb.xdotool('mouseup', 1)
    time.sleep(0.2)
    return subprocess.run(['xclip', '-o', '-selection', 'primary'], env=xvfb.env(),
                          capture_output=True, text=True, timeout=10).stdout


class Tavrin:
    """One run of the program in the X server."""

    def __init__(self, binary, xvfb, ports, extra_env=None):
        self.xvfb = xvfb
        env = xvfb.env()
        for number, port in ports.items():
            env['TAVRIN_COM%d' % number] = port if isinstance(port, str) else port.path
        env.update(extra_env or {})
        self.proc = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.PIPE, text=True)
        self.window = xvfb.find_window(DIALOG_TITLE, timeout=20, pid=self.proc.pid)
        if self.window is None:
            self.kill()
            raise RuntimeError('the dialog did not appear: ' + self.proc.stderr.read())
        xvfb.xdotool('windowfocus', '--sync', self.window, check=False)

    def click(self, x, y, window=None):
        self.xvfb.xdotool('mousemove', '--window', window or self.window, x, y)
        self.xvfb.xdotool('click', 1)
        time.sleep(0.1)

    def click_du(self, x, y, cx, cy):
        self.click(*du_centre(x, y, cx, cy))

    def type(self, text):
        self.xvfb.xdotool('type', '--delay', 30, text)
        time.sleep(0.05)

    def key(self, *keys):
        self.xvfb.xdotool('key', '--delay', 40, *keys)
        time.sleep(0.1)

    def holds(self, path):
        """Whether the program has the device open."""
        return any_holds([self.proc.pid], path)

    def wait_released(self, path, timeout=2.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if not self.holds(path):
                return True
            time.sleep(0.02)
        return False

    def wait_exit(self, timeout=10):
        try:
            self.proc.communicate(timeout=timeout)
            return self.proc.returncode
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(timeout=10)
        self.proc.stderr.close()
