#!/usr/bin/env python3
"""End-to-end tests of the Windows build, tavrin.exe, under Wine: typed entries, clicks,
and the bytes that reach COM1 and COM2, which are pseudo-terminals.
Usage: test_windows.py EXE ARTIFACT_DIR PREFIX_DIR [unittest args]"""
import os
import subprocess
import sys
import time
import unittest

import test_tavrin
from harness import LinkedPort, Xvfb
from test_tavrin import (CENTRAL_IP, GATEWAY_IP, HEADER, MAC_BOXES,
                         SERVER_IP, SUBNET_IP,
                         WRITE_ALL, WRITE_CENTRAL, WRITE_GATEWAY, WRITE_MAC, WRITE_SERVER,
                         WRITE_SUBNET, address_frame)
from wine import WinePrefix, WineTavrin

EXE = ARTIFACTS = PREFIX = None
# Colours the buttons draw: the frame, and the top line while the pointer is on one.
FRAME_COLOUR = (55, 98, 6)
HOVER_TOP_COLOUR = (161, 190, 143)
# The dialog's size in dialog units; the pixels per unit follow from the window's size,
# since Wine measures the dialog font as it finds it.
DIALOG_DU = (294, 201)


class WineAppDriver:
    """Clicks by dialog units on the Wine dialog, whose units are measured, not assumed."""

    def __init__(self, app, x):
        self.app = app
        _, _, width, height = x.geometry(app.window)
        self.unit = (width / DIALOG_DU[0], height / DIALOG_DU[1])

    def centre(self, x, y, cx, cy):
        return (int((x + cx / 2) * self.unit[0]), int((y + cy / 2) * self.unit[1]))


class Screen:
    """A screenshot's pixels, to look at the dialog's colours."""

    def __init__(self, png):
        size = subprocess.run(['identify', '-format', '%w %h', png], check=True,
                              capture_output=True, text=True).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.rgb = subprocess.run(['convert', png, '-depth', '8', 'rgb:-'], check=True,
                                  capture_output=True).stdout

    def colours(self, box):
        """The colours in box (x, y, w, h) of the screen, each with its pixel count."""
        x, y, w, h = box
        found = {}
        for py in range(y, y + h):
            for px in range(x, x + w):
                at = 3 * (py * self.width + px)
                colour = tuple(self.rgb[at:at + 3])
                found[colour] = found.get(colour, 0) + 1
        return found


class WindowsDialogTest(unittest.TestCase):
    # What a user does and sees is the same as on Linux.
    linux = test_tavrin.DialogTest
    assert_line_9600_8n1_raw = linux.assert_line_9600_8n1_raw
    expect_message_box = linux.expect_message_box
    wait_message = linux.wait_message
    test_write_all_sends_five_frames_apart = linux.test_write_all_sends_five_frames_apart
    test_second_port_gets_the_frames_after_switching = \
        linux.test_second_port_gets_the_frames_after_switching

    @classmethod
    def setUpClass(cls):
        cls.x = Xvfb()
        cls.com1 = LinkedPort(os.path.join(PREFIX, 'com1-device'))
        cls.com2 = LinkedPort(os.path.join(PREFIX, 'com2-device'))
        cls.prefix = WinePrefix(os.path.join(PREFIX, 'prefix'),
                                {1: cls.com1.link, 2: cls.com2.link})

    @classmethod
    def tearDownClass(cls):
        cls.prefix.stop()
        cls.com1.close()
        cls.com2.close()
        cls.x.stop()

    def setUp(self):
        self.app = None
        for port in (self.com1, self.com2):
            port.read(1 << 16, timeout=0.1)

    def tearDown(self):
        if self.app is not None:
            self.app.kill()
            self.prefix.stop()

    def start(self, com1=None, env=None):
        self.app = WineTavrin(EXE, self.x, self.prefix)
        self.driver = WineAppDriver(self.app, self.x)
        time.sleep(0.5)
        self.app.click_du = lambda *du: self.app.click(*self.driver.centre(*du))
        return self.app

    def type_address(self, control, text):
        x, y, cx, cy = control
        self.app.click(*self.driver.centre(x, y, cx // 4, cy))
        self.app.type(text)

    def type_mac(self, values):
        # Windows' edit control has no Ctrl+A: select the box's text with the keyboard.
        for box, value in zip(MAC_BOXES, values):
            self.app.click_du(*box)
            self.app.key('End', 'shift+Home')
            if value != '':
                self.app.type(str(value))
            else:
                self.app.key('BackSpace')

    def shot(self, name):
        self.x.screenshot(os.path.join(ARTIFACTS, 'wine', name + '.png'))

    def test_every_button_sends_its_frame(self):
        app = self.start()
        self.shot('dialog')
        self.assertFalse(app.holds(self.com1.path), 'the port is open at start')
        self.type_address(SERVER_IP, '192.168.1.10')
        self.type_address(CENTRAL_IP, '10.13.17.19')
        self.type_address(SUBNET_IP, '255.255.255.0')
        self.type_address(GATEWAY_IP, '192.168.1.1')
        # Line feed, carriage return, XON, XOFF, 0xFF and form feed arrive as they are.
        self.type_mac([10, 13, 17, 19, 255, 12])
        self.shot('dialog-filled')
        app.click_du(*WRITE_MAC)
        self.assertEqual(self.com1.read(9), HEADER + bytes([0x55, 10, 13, 17, 19, 255, 12]))
        self.assertTrue(app.holds(self.com1.path), 'the MAC write closed the port')
        self.assert_line_9600_8n1_raw(self.com1)
        for button, frame in ((WRITE_SERVER, address_frame(0x51, [192, 168, 1, 10])),
                              (WRITE_CENTRAL, address_frame(0x52, [10, 13, 17, 19])),
                              (WRITE_SUBNET, address_frame(0x54, [255, 255, 255, 0])),
                              (WRITE_GATEWAY, address_frame(0x53, [192, 168, 1, 1]))):
            app.click_du(*button)
            self.assertEqual(self.com1.read(7), frame)
            self.assertTrue(app.wait_released(self.com1.path, timeout=3),
                            'an address write left the port open')
        self.assertTrue(self.com1.quiet())

    def test_rejected_mac_box_sends_nothing_and_keeps_the_focus(self):
        app = self.start()
        self.type_mac(['256'])
        app.click_du(*WRITE_MAC)
        self.expect_message_box('wine-rejected-mac')
        self.assertTrue(self.com1.quiet())
        # The box keeps the focus: what is typed next replaces its text.
        app.key('End', 'shift+Home')
        app.type('7')
        app.click_du(*WRITE_MAC)
        self.assertEqual(self.com1.read(9), HEADER + bytes([0x55, 7, 0, 0, 0, 0, 0]))

    def test_port_that_leads_nowhere_is_reported_and_the_program_goes_on(self):
        app = self.start()
        # COM1 leads nowhere: the adapter is not plugged in. (Wine reports this as
        # ERROR_INVALID_FUNCTION, where Windows says the port is not there, so the message is
        # the one with the system's own words.)
        os.unlink(self.com1.link)
        try:
            app.click_du(*WRITE_SERVER)
            self.expect_message_box('wine-port-leads-nowhere')
        finally:
            self.com1.point()
        self.assertIsNone(app.proc.poll())
        app.click_du(*WRITE_SERVER)
        self.assertEqual(self.com1.read(7), address_frame(0x51, [0, 0, 0, 0]))

    def message_text(self, box):
        return self.app.message_text()

    # What Wine does with a pulled adapter: the terminal is hung up, so write() and the
    # TIOCOUTQ behind ClearCommError fail with EIO, which Wine gives as STATUS_DEVICE_NOT_READY,
    # ERROR_NOT_READY (dlls/ntdll/unix/file.c: NtWriteFile, errno_to_status); an overlapped
    # write fails at once or when wineserver polls the terminal (server/fd.c wakes the write
    # queue on POLLHUP). Wine reports no success here. What can block under Wine is
    # FlushFileBuffers: serial_FlushBuffersFile (dlls/ntdll/unix/serial.c) calls tcdrain
    # without a bound on the dialog's thread; tavrin no longer calls it. The write waits with
    # the deadline whatever happens, and the test checks the message, not only a box.
    def test_pulled_adapter_is_said_at_once_and_a_new_adapter_works_without_a_restart(self):
        app = self.start()
        app.click_du(*WRITE_MAC)  # leaves the port open
        self.assertEqual(self.com1.read(9), HEADER + bytes([0x55, 0, 0, 0, 0, 0, 0]))
        pulled = self.com1.path
        self.com1.close()
        try:
            app.messages.clear()
            clicked = time.time()
            app.click_du(*WRITE_SERVER)
            self.assertIn('的设备已断开', self.wait_message(clicked))
            self.expect_message_box('wine-pulled-adapter-after-mac')
            self.assertTrue(app.wait_released(pulled, timeout=3), 'the gone device is held')
        finally:
            self.com1.plug_new()
        app.click_du(*WRITE_SERVER)
        self.assertEqual(self.com1.read(7), address_frame(0x51, [0, 0, 0, 0]))

    def test_stuck_line_times_out_and_nothing_stale_follows(self):
        app = self.start()
        self.com1.stop_output()
        try:
            clicked = time.time()
            app.click_du(*WRITE_SERVER)
            self.assertIn('发送超时', self.wait_message(clicked))
            self.expect_message_box('wine-stuck-line')
            self.assertTrue(app.wait_released(self.com1.path, timeout=3))
        finally:
            self.com1.stop_output(False)
        self.assertTrue(self.com1.quiet(0.5), 'stale bytes came after the line resumed')
        app.click_du(*WRITE_SERVER)
        self.assertEqual(self.com1.read(7), address_frame(0x51, [0, 0, 0, 0]))

    def screen_box(self, du):
        """A control's rectangle (dialog units) on the screen."""
        left, top, _, _ = self.x.geometry(self.app.window)
        x, y, cx, cy = du
        ux, uy = self.driver.unit
        return (left + int(x * ux), top + int(y * uy), int(cx * ux), int(cy * uy))

    def test_texture_gradients_blue_labels_and_hover(self):
        self.start()
        self.x.xdotool('mousemove', 1000, 760)
        time.sleep(0.5)
        path = os.path.join(ARTIFACTS, 'wine', 'look.png')
        self.x.screenshot(path)
        screen = Screen(path)
        # The background is the tiled bitmap, not one flat colour.
        self.assertGreater(len(screen.colours(self.screen_box((5, 175, 40, 20)))), 3)
        # The labels are blue.
        label = screen.colours(self.screen_box((18, 41, 34, 12)))
        self.assertTrue(any(b > 200 and r < 80 and g < 80 for (r, g, b) in label),
                        'no blue in the label')
        # A button: its green frame, and a gradient from top to bottom.
        button = self.screen_box(WRITE_CENTRAL)
        self.assertIn(FRAME_COLOUR, screen.colours(button))
        bx, by, bw, bh = button
        top = screen.colours((bx + bw // 2, by + 4, 1, 1))
        bottom = screen.colours((bx + bw // 2, by + bh - 5, 1, 1))
        self.assertNotEqual(top, bottom, 'the button is flat')
        self.assertNotIn(HOVER_TOP_COLOUR, screen.colours(button))
        # The pointer on the button draws the hover lines.
        self.app.xvfb.xdotool('mousemove', '--window', self.app.window,
                              *self.driver.centre(*WRITE_CENTRAL))
        time.sleep(1.0)
        self.x.screenshot(path.replace('look', 'look-hover'))
        hovered = Screen(path.replace('look', 'look-hover')).colours(button)
        self.assertIn(HOVER_TOP_COLOUR, hovered)

    def test_about_box_from_the_system_menu(self):
        app = self.start()
        app.key('alt+space')
        time.sleep(0.3)
        self.shot('system-menu')
        app.key('Up', 'Return')  # the program's entry is the menu's last
        about = self.x.find_window('关于 tavrin', timeout=5)
        self.assertIsNotNone(about, 'the About box did not open')
        self.shot('about')
        self.x.xdotool('windowfocus', '--sync', about, check=False)
        app.key('Return')
        self.assertIsNone(app.proc.poll())

    def test_site_mode_from_the_system_menu_records_a_write_all(self):
        app = self.start()
        self.type_address(SERVER_IP, '192.168.1.10')
        self.type_address(CENTRAL_IP, '192.168.1.20')
        self.type_address(SUBNET_IP, '255.255.255.0')
        self.type_address(GATEWAY_IP, '192.168.1.1')
        self.type_mac([0, 17, 10, 13, 255, 19])
        app.key('alt+space')
        time.sleep(0.3)
        self.shot('site-system-menu')
        # From the last entry (About) up over the greyed end and open entries to the start.
        app.key('Up', 'Up', 'Up', 'Up', 'Return')
        start = self.x.find_window('开始现场记录', timeout=5)
        self.assertIsNotNone(start, 'the start dialog did not open')
        self.x.xdotool('windowfocus', '--sync', start, check=False)
        app.key('End', 'shift+Home')
        app.type('C:\\site-record.csv')
        self.shot('site-start')
        app.key('Return')
        deadline = time.time() + 5
        while self.x.find_window('开始现场记录', timeout=0.1) and time.time() < deadline:
            time.sleep(0.05)
        caption = self.x.xdotool('getwindowname', app.window).strip()
        self.assertEqual(caption, '6150 IP SET — 现场：已写 0 台')
        app.click_du(*WRITE_ALL)
        frames = b''.join(address_frame(op, octets) for op, octets in (
            (0x51, [192, 168, 1, 10]), (0x52, [192, 168, 1, 20]), (0x54, [255, 255, 255, 0]),
            (0x53, [192, 168, 1, 1]))) + HEADER + bytes([0x55, 0, 17, 10, 13, 255, 19])
        self.assertEqual(self.com1.read(len(frames), timeout=6), frames)
        box = self.x.find_window('tavrin', timeout=8)
        self.assertIsNotNone(box, 'no message after the write-all')
        self.assertIn('已发送', app.message_text())
        self.assertIn('192.168.1.20', app.message_text())
        self.shot('site-sent')
        self.x.xdotool('windowfocus', '--sync', box, check=False)
        app.key('Return')
        time.sleep(0.5)
        self.assertEqual(self.x.xdotool('getwindowname', app.window).strip(),
                         '6150 IP SET — 现场：已写 1 台')
        # The next unit's controller address is in its box.
        app.click_du(*WRITE_CENTRAL)
        self.assertEqual(self.com1.read(7), address_frame(0x52, [192, 168, 1, 21]))
        # The line is appended once the frame has gone out.
        deadline = time.time() + 3
        while True:
            with open(os.path.join(self.prefix.root, 'drive_c', 'site-record.csv'), 'rb') as f:
                lines = f.read().decode('utf-8-sig').split('\r\n')
            if len(lines) >= 4 or time.time() > deadline:
                break
            time.sleep(0.05)
        self.assertEqual(len(lines), 4)
        cells = lines[1].split(',')
        self.assertEqual(cells[:1] + cells[2:], ['1', '', 'COM1', '全部信息', '192.168.1.10',
                                                 '192.168.1.20', '255.255.255.0', '192.168.1.1',
                                                 '00-11-0A-0D-FF-13', '已发送', ''])
        self.assertEqual(lines[2].split(',')[4:7], ['中控IP', '', '192.168.1.21'])


class HighDpiTest(unittest.TestCase):
    """A 200 % desktop (192 DPI): dialog units and point sizes follow the DPI, so the dialog
    is drawn twice as large, not a small one enlarged, and the buttons still work."""

    def test_dialog_follows_the_dpi(self):
        x = Xvfb()
        com1 = LinkedPort(os.path.join(PREFIX, 'dpi-com1-device'))
        com2 = LinkedPort(os.path.join(PREFIX, 'dpi-com2-device'))
        prefix = WinePrefix(os.path.join(PREFIX, 'prefix-192dpi'), {1: com1.link, 2: com2.link},
                            dpi=192)
        app = None
        try:
            app = WineTavrin(EXE, x, prefix)
            _, _, width, height = x.geometry(app.window)
            # At 96 DPI the dialog is 441 pixels wide; its height follows the font's.
            self.assertEqual(width, 2 * 441)
            self.assertGreater(height, 600)
            x.screenshot(os.path.join(ARTIFACTS, 'wine', 'dialog-192dpi.png'))
            driver = WineAppDriver(app, x)
            app.click(*driver.centre(*WRITE_SERVER))
            self.assertEqual(com1.read(7), address_frame(0x51, [0, 0, 0, 0]))
        finally:
            if app is not None:
                app.kill()
            prefix.stop()
            com1.close()
            com2.close()
            x.stop()


if __name__ == '__main__':
    EXE, ARTIFACTS, PREFIX = sys.argv[1:4]
    os.makedirs(PREFIX, exist_ok=True)
    test_tavrin.ARTIFACTS = ARTIFACTS
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
