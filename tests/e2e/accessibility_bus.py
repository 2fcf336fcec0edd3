"""A private D-Bus session bus with at-spi2-core's accessibility bus behind it, so that a
test reads a program's accessible tree as a screen reader does, without touching the
desktop session of whoever runs it."""
import os
import shutil
import subprocess
import tempfile
import time

# How long the buses may take to come up; they need a fraction of a second.
START_SECONDS = 10


class BusUnavailable(Exception):
    """The session bus or the accessibility bus could not be started here."""


class AccessibilityBus:
    """dbus-daemon for a session of its own; the session bus starts at-spi2-core's bus
    launcher when first asked for the accessibility bus, and that bus starts the registry.
    Stopping the session bus ends both."""

    def __init__(self, display):
        if shutil.which('dbus-daemon') is None or shutil.which('dbus-send') is None:
            raise BusUnavailable('dbus-daemon or dbus-send is missing (package dbus)')
        self.runtime_dir = tempfile.mkdtemp(prefix='tavrin-a11y-')
        self.env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=self.runtime_dir)
        for name in ('AT_SPI_BUS_ADDRESS', 'DBUS_SESSION_BUS_ADDRESS'):
            self.env.pop(name, None)
        self.daemon = subprocess.Popen(
            ['dbus-daemon', '--session', '--nofork', '--nopidfile', '--print-address=1'],
            env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        address = self.daemon.stdout.readline().strip()
        if not address:
            self.stop()
            raise BusUnavailable('dbus-daemon printed no address')
        self.env['DBUS_SESSION_BUS_ADDRESS'] = address
        try:
            self.address = self._accessibility_bus_address()
        except BusUnavailable:
            self.stop()
            raise

    def _accessibility_bus_address(self):
        """Asks the session bus for the accessibility bus, which starts it."""
        deadline = time.time() + START_SECONDS
        error = ''
        while time.time() < deadline:
            result = subprocess.run(
                ['dbus-send', '--session', '--print-reply=literal', '--dest=org.a11y.Bus',
                 '/org/a11y/bus', 'org.a11y.Bus.GetAddress'],
                env=self.env, capture_output=True, text=True, timeout=START_SECONDS)
            if result.returncode == 0 and result.stdout.strip():
                return result.stdout.strip()
            error = result.stderr.strip()
            time.sleep(0.1)
        raise BusUnavailable('the accessibility bus did not start (package at-spi2-core): ' +
                             error)

    def stop(self):
        if self.daemon.poll() is None:
            self.daemon.terminate()
            self.daemon.wait(timeout=10)
        self.daemon.stdout.close()
        shutil.rmtree(self.runtime_dir, ignore_errors=True)
