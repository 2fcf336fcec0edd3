"""Runs the Windows build of tavrin under Wine as a user would: a fresh Wine prefix of its
own under the build tree, COM1 and COM2 mapped to pseudo-terminals, the dialog font mapped
to an installed Chinese face, the dialog in an X server of its own."""
import os
import re
import shutil
import subprocess
import threading
import time

from harness import DIALOG_TITLE, Tavrin, any_holds, require

WINE = '/usr/lib/wine/wine64'
WINESERVER = '/usr/lib/wine/wineserver64'
# The installed face that stands in for the dialog font and Windows' Chinese faces.
CJK_FACE = 'AR PL UMing CN'
REPLACED_FACES = ('宋体', 'SimSun', '新宋体', 'NSimSun', 'Microsoft YaHei', '微软雅黑')


def registry_text(ports, dpi):
    """A .reg file (version 5, UTF-16) with the ports, font replacements and DPI."""
    lines = ['Windows Registry Editor Version 5.00', '',
             r'[HKEY_LOCAL_MACHINE\Software\Wine\Ports]']
    lines += ['"COM%d"="%s"' % (number, path) for number, path in sorted(ports.items())]
    lines += ['', r'[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]']
    lines += ['"%s"="%s"' % (face, CJK_FACE) for face in REPLACED_FACES]
    lines += ['', r'[HKEY_CURRENT_USER\Control Panel\Desktop]', '"LogPixels"=dword:%08x' % dpi,
              '', r'[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current'
              r'\Software\Fonts]', '"LogPixels"=dword:%08x' % dpi, '']
    return '\r\n'.join(lines)


class WinePrefix:
    """A Wine prefix made for one test run; `ports` maps 1 and 2 to device paths."""

    def __init__(self, root, ports, dpi=96):
        require(WINE, WINESERVER)
        self.root = root
        shutil.rmtree(root, ignore_errors=True)
        os.makedirs(root)
        self.base_env = dict(os.environ, WINEPREFIX=root, WINEDEBUG=os.environ.get('TAVRIN_WINEDEBUG', '-all'),
                             WINEDLLOVERRIDES='mscoree,mshtml=', WINESERVER=WINESERVER,
                             WINEARCH='win64')
        self.base_env.pop('DISPLAY', None)
        self.run(WINE, 'wineboot', '-i', timeout=180)
        self.configure(ports, dpi)

    def run(self, *command, timeout=60):
        subprocess.run(command, env=self.base_env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=timeout, check=False)

    def configure(self, ports, dpi):
        """Writes the registry and restarts the server, which maps the ports as it starts."""
        reg = os.path.join(self.root, 'tavrin-test.reg')
        with open(reg, 'w', encoding='utf-16') as out:
            out.write(registry_text(ports, dpi))
        self.run(WINE, 'regedit', '/S', reg)
        self.stop()

    def stop(self):
        self.run(WINESERVER, '-k')
        self.run(WINESERVER, '-w')

    def env(self, xvfb):
        env = dict(self.base_env)
        env.update({k: v for k, v in xvfb.env().items() if k == 'DISPLAY'})
        return env


# Wine traces each message box's text on this channel, as debugstr_w writes it.
MESSAGE_TRACE = re.compile(r'trace:msgbox:\w+ L"(.*)"')
TRACE_ESCAPE = re.compile(r'\\(\\|"|n|r|t|[0-9a-f]{4})')
ESCAPED = {'\\': '\\', '"': '"', 'n': '\n', 'r': '\r', 't': '\t'}


class WineTavrin(Tavrin):
    """One run of tavrin.exe under Wine in the X server; the texts of its message boxes are
    read from Wine's trace of them (user32's msgbox channel)."""

    def __init__(self, exe, xvfb, prefix):
        self.xvfb = xvfb
        self.prefix = prefix
        self.messages = []
        env = prefix.env(xvfb)
        env['WINEDEBUG'] = env['WINEDEBUG'] + ',trace+msgbox'
        self.proc = subprocess.Popen([WINE, exe], env=env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.PIPE, text=True, errors='replace')
        threading.Thread(target=self._read_traces, daemon=True).start()
        self.window = xvfb.find_window(DIALOG_TITLE, timeout=60)
        if self.window is None:
            self.kill()
            raise RuntimeError('the dialog did not appear under Wine')
        xvfb.xdotool('windowfocus', '--sync', self.window, check=False)

    def _read_traces(self):
        for line in self.proc.stderr:
            found = MESSAGE_TRACE.search(line)
            if found:
                self.messages.append(TRACE_ESCAPE.sub(
                    lambda m: ESCAPED.get(m.group(1)) or chr(int(m.group(1), 16)),
                    found.group(1)))

    def message_text(self, timeout=5.0):
        """The text of the latest message box (its first 200 or so characters)."""
        deadline = time.time() + timeout
        while not self.messages and time.time() < deadline:
            time.sleep(0.05)
        return self.messages[-1] if self.messages else ''

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(timeout=10)

    def holds(self, path):
        """Whether Wine (the program or the server, which keeps the open files) has the
        device open."""
        return any_holds(self._wine_pids(), path)

    def _wine_pids(self):
        pids = [self.proc.pid]
        for entry in os.listdir('/proc'):
            if entry.isdigit():
                try:
                    with open('/proc/%s/cmdline' % entry, 'rb') as f:
                        if b'wineserver' in f.read():
                            pids.append(int(entry))
                except OSError:
                    continue
        return pids
