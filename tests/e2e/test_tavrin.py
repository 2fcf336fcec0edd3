#!/usr/bin/env python3
"""End-to-end tests of the real tavrin binary: typed entries, button clicks, and the bytes
that reach the serial line. Usage: test_tavrin.py BINARY ARTIFACT_DIR [unittest args]"""
import os
import sys
import tempfile
import termios
import time
import unittest

from harness import SCREEN, LinkedPort, Port, Tavrin, Xvfb, du_centre, message_text

BINARY = None
ARTIFACTS = None

# Controls in dialog units (x, y, cx, cy), as the dialog lays them out.
SERVER_IP = (61, 59, 95, 15)
CENTRAL_IP = (61, 77, 95, 15)
SUBNET_IP = (62, 96, 95, 15)
GATEWAY_IP = (62, 113, 95, 15)
PORT_LIST = (61, 41, 45, 12)
MAC_BOXES = [(x, 133, 21, 13) for x in (62, 86, 112, 136, 162, 186)]
WRITE_SERVER = (211, 58, 59, 18)
WRITE_CENTRAL = (211, 75, 59, 18)
WRITE_SUBNET = (211, 93, 59, 18)
WRITE_GATEWAY = (211, 112, 59, 18)
WRITE_MAC = (211, 130, 59, 18)
WRITE_ALL = (107, 163, 59, 18)

HEADER = bytes([0x53, 0x45])
# However the driver behaves, the dialog answers a write within this long.
ANSWER_WITHIN_S = 3.0
# The dialog's client area in pixels on an unscaled screen, and the scale of a 200 % desktop.
DIALOG_SIZE = (441, 302)
SCALE = 2


def address_frame(opcode, octets):
    return HEADER + bytes([opcode]) + bytes(octets)


class DialogTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.x = Xvfb()

    @classmethod
    def tearDownClass(cls):
        cls.x.stop()

    def setUp(self):
        self.com1 = Port()
        self.com2 = Port()
        self.app = None

    def tearDown(self):
        if self.app is not None:
            self.app.kill()
        self.com1.close()
        self.com2.close()

    def start(self, com1=None, env=None):
        self.app = Tavrin(BINARY, self.x, {1: com1 or self.com1, 2: self.com2}, env)
        return self.app

    def type_address(self, control, text):
        x, y, cx, cy = control
        # the first of the four fields
        self.app.click(*du_centre(x, y, cx // 4, cy))
        self.app.type(text)

    def type_mac(self, values):
        for box, value in zip(MAC_BOXES, values):
            self.app.click_du(*box)
            self.app.key('ctrl+a')
            if value != '':
                self.app.type(str(value))
            else:
                self.app.key('BackSpace')

    def assert_line_9600_8n1_raw(self, port):
        iflag, oflag, cflag, lflag, ispeed, ospeed, _ = port.line_settings()
        self.assertEqual((ispeed, ospeed), (termios.B9600, termios.B9600), 'not 9600 baud')
        self.assertEqual(cflag & termios.CSIZE, termios.CS8, 'not 8 data bits')
        self.assertFalse(cflag & termios.PARENB, 'parity on')
        self.assertFalse(cflag & termios.CSTOPB, 'not 1 stop bit')
        self.assertFalse(cflag & termios.CRTSCTS, 'hardware flow control on')
        self.assertFalse(oflag & termios.OPOST, 'output processed')
        self.assertFalse(iflag & (termios.IXON | termios.IXOFF | termios.IXANY | termios.ICRNL
                                  | termios.INLCR | termios.IGNCR | termios.ISTRIP),
                         'input translated or flow controlled')
        self.assertFalse(lflag & (termios.ICANON | termios.ECHO | termios.ISIG | termios.IEXTEN),
                         'not raw')

    def expect_message_box(self, name=None):
        box = self.x.find_window('tavrin', timeout=5)
        self.assertIsNotNone(box, 'no message box titled tavrin')
        time.sleep(0.2)  # let it be drawn before the picture is taken
        # A long message (the list of serial devices) must still fit on the screen.
        x, y, width, height = self.x.geometry(box)
        self.assertTrue(0 <= x and 0 <= y and x + width <= SCREEN[0] and y + height <= SCREEN[1],
                        'message box %dx%d at %d,%d is not on the screen' % (width, height, x, y))
        self.x.screenshot(os.path.join(
            ARTIFACTS, 'e2e', 'message-%s.png' % (name or self.id().split('.')[-1])))
        self.x.xdotool('windowfocus', '--sync', box, check=False)
        self.app.key('Return')
        deadline = time.time() + 5
        while self.x.find_window('tavrin', timeout=0.1) and time.time() < deadline:
            time.sleep(0.05)

    def wait_message(self, clicked_at):
        """The text of the message box that a click brought, checked to have come within
        ANSWER_WITHIN_S of the click; the box is left open."""
        box = self.x.find_window('tavrin', timeout=ANSWER_WITHIN_S + 5)
        took = time.time() - clicked_at
        self.assertIsNotNone(box, 'no message box titled tavrin')
        self.assertLess(took, ANSWER_WITHIN_S, 'the message came after %.1f s' % took)
        return self.message_text(box)

    def message_text(self, box):
        return message_text(self.x, box)

    def test_pulled_adapter_is_said_at_once_and_a_new_adapter_works_without_a_restart(self):
        with tempfile.TemporaryDirectory() as scratch:
            adapter = LinkedPort(os.path.join(scratch, 'com1'))
            try:
                app = self.start(com1=adapter.link)
                app.click_du(*WRITE_MAC)  # leaves the port open
                self.assertEqual(adapter.read(9), HEADER + bytes([0x55, 0, 0, 0, 0, 0, 0]))
                pulled = adapter.path
                adapter.close()
                clicked = time.time()
                app.click_du(*WRITE_SERVER)
                self.assertIn('的设备已断开', self.wait_message(clicked))
                self.expect_message_box('pulled-adapter-after-mac')
                self.assertTrue(app.wait_released(pulled), 'the pulled device is still held')
                adapter.plug_new()  # closed again by the finally clause
                app.click_du(*WRITE_SERVER)
                self.assertEqual(adapter.read(7), address_frame(0x51, [0, 0, 0, 0]))
            finally:
                adapter.close()

    def test_stuck_line_times_out_and_nothing_stale_follows(self):
        app = self.start()
        self.com1.stop_output()
        clicked = time.time()
        app.click_du(*WRITE_SERVER)
        self.assertIn('发送超时', self.wait_message(clicked))
        self.expect_message_box('stuck-line')
        self.assertTrue(app.wait_released(self.com1.path))
        self.com1.stop_output(False)
        self.assertTrue(self.com1.quiet(0.5), 'stale bytes came after the line resumed')
        app.click_du(*WRITE_SERVER)
        self.assertEqual(self.com1.read(7), address_frame(0x51, [0, 0, 0, 0]))

    def test_start_state_and_single_writes(self):
        app = self.start()
        self.assertFalse(app.holds(self.com1.path), 'the port is open at start')
        self.x.screenshot(os.path.join(ARTIFACTS, 'e2e', 'dialog.png'))
        # Blank address fields send zeros; the MAC boxes start at 0; COM1 is chosen.
        app.click_du(*WRITE_SERVER)
        self.assertEqual(self.com1.read(7), address_frame(0x51, [0, 0, 0, 0]))
        app.click_du(*WRITE_MAC)
        self.assertEqual(self.com1.read(9), HEADER + bytes([0x55, 0, 0, 0, 0, 0, 0]))

        self.type_address(SERVER_IP, '192.168.1.10')
        self.type_address(CENTRAL_IP, '10.13.17.19')
        self.type_address(SUBNET_IP, '255.255.255.0')
        self.type_address(GATEWAY_IP, '192.168.1.1')
        self.type_mac([10, 13, 17, 19, 255, 0])

        # MAC leaves the port open; the next address write closes it.
        app.click_du(*WRITE_MAC)
        self.assertEqual(self.com1.read(9), HEADER + bytes([0x55, 10, 13, 17, 19, 255, 0]))
        self.assertTrue(app.holds(self.com1.path), 'the MAC write closed the port')
        self.assert_line_9600_8n1_raw(self.com1)
        app.click_du(*WRITE_SERVER)
        self.assertEqual(self.com1.read(7), address_frame(0x51, [192, 168, 1, 10]))
        self.assertTrue(app.wait_released(self.com1.path), 'the address write left the port open')

        for button, frame in ((WRITE_CENTRAL, address_frame(0x52, [10, 13, 17, 19])),
                              (WRITE_SUBNET, address_frame(0x54, [255, 255, 255, 0])),
                              (WRITE_GATEWAY, address_frame(0x53, [192, 168, 1, 1]))):
            app.click_du(*button)
            self.assertEqual(self.com1.read(7), frame)
            self.assertTrue(app.wait_released(self.com1.path))
        self.assertTrue(self.com1.quiet())
        self.x.screenshot(os.path.join(ARTIFACTS, 'e2e', 'dialog-filled.png'))

    def test_scaled_screen(self):
        # A 200 % desktop: the dialog is twice the size, and a click lands on the control
        # under the pointer, whose logical position is the unscaled one.
        app = self.start(env={'QT_SCALE_FACTOR': str(SCALE)})
        size = self.x.xdotool('getwindowgeometry', '--shell', app.window)
        fields = dict(line.split('=', 1) for line in size.splitlines())
        self.assertEqual((int(fields['WIDTH']), int(fields['HEIGHT'])),
                         tuple(SCALE * side for side in DIALOG_SIZE))
        self.x.screenshot(os.path.join(ARTIFACTS, 'e2e', 'dialog-%dx.png' % SCALE))
        x, y = du_centre(*WRITE_SUBNET)
        app.click(SCALE * x, SCALE * y)
        self.assertEqual(self.com1.read(7), address_frame(0x54, [0, 0, 0, 0]))

    def test_write_all_sends_five_frames_apart(self):
        app = self.start()
        self.type_address(SERVER_IP, '1.2.3.4')
        self.type_address(CENTRAL_IP, '5.6.7.8')
        self.type_address(SUBNET_IP, '255.255.0.0')
        self.type_address(GATEWAY_IP, '9.10.11.12')
        self.type_mac([1, 2, 3, 4, 5, 6])
        reader, arrivals = self.com1.start_timed_read(7 * 4 + 9)
        app.click_du(*WRITE_ALL)
        reader.join()
        data = bytes(b for _, b in arrivals)
        self.assertEqual(data, address_frame(0x51, [1, 2, 3, 4]) + address_frame(0x52, [5, 6, 7, 8])
                         + address_frame(0x54, [255, 255, 0, 0])
                         + address_frame(0x53, [9, 10, 11, 12])
                         + HEADER + bytes([0x55, 1, 2, 3, 4, 5, 6]))
        starts = [arrivals[i][0] for i in (0, 7, 14, 21, 28)]
        for earlier, later in zip(starts, starts[1:]):
            self.assertGreaterEqual(later - earlier, 0.49)

    def test_second_port_gets_the_frames_after_switching(self):
        app = self.start()
        self.type_address(SERVER_IP, '192.168.1.10')
        app.click_du(*PORT_LIST)
        app.key('Down', 'Return')
        app.click_du(*WRITE_SERVER)
        self.assertEqual(self.com2.read(7), address_frame(0x51, [192, 168, 1, 10]))
        self.assertTrue(self.com1.quiet())

    def test_rejected_mac_box_sends_nothing(self):
        app = self.start()
        for bad in ('256', '1a', ''):
            with self.subTest(box=bad):
                self.type_mac([bad])
                app.click_du(*WRITE_MAC)
                self.expect_message_box()
                self.assertTrue(self.com1.quiet())
                self.assertIsNone(app.proc.poll())
        # Enter with a bad box keeps the dialog open too.
        app.key('Return')
        self.expect_message_box()
        self.assertIsNone(app.proc.poll())

    def test_missing_or_wrong_device_is_reported_and_the_program_goes_on(self):
        for name, com1 in (('missing-device', '/dev/tavrin-no-such-port'),
                           ('not-a-serial-device', '/dev/null')):
            with self.subTest(com1=com1):
                app = self.start(com1=com1)
                self.type_address(SERVER_IP, '192.168.1.10')
                app.click_du(*WRITE_SERVER)
                self.expect_message_box(name)
                app.click_du(*PORT_LIST)
                app.key('Down', 'Return')
                app.click_du(*WRITE_SERVER)
                self.assertEqual(self.com2.read(7), address_frame(0x51, [192, 168, 1, 10]))
                app.kill()

    def test_port_held_by_another_tavrin_is_busy_until_that_one_lets_go(self):
        holder = self.start()
        holder.click_du(*WRITE_MAC)  # a MAC write leaves the port open
        self.assertEqual(self.com1.read(9), HEADER + bytes([0x55, 0, 0, 0, 0, 0, 0]))
        self.assertTrue(holder.holds(self.com1.path))
        second = Tavrin(BINARY, self.x, {1: self.com1, 2: self.com2})
        try:
            self.x.xdotool('windowraise', second.window)
            second.click_du(*WRITE_SERVER)
            self.expect_message_box()
            self.assertTrue(self.com1.quiet())
            # The two dialogs lie one over the other: bring the holder's to the top.
            self.x.xdotool('windowraise', holder.window)
            holder.click_du(*WRITE_SERVER)  # an address write closes the port again
            self.assertEqual(self.com1.read(7), address_frame(0x51, [0, 0, 0, 0]))
            self.assertTrue(holder.wait_released(self.com1.path))
            self.x.xdotool('windowraise', second.window)
            second.click_du(*WRITE_SERVER)
            self.assertEqual(self.com1.read(7), address_frame(0x51, [0, 0, 0, 0]))
        finally:
            second.kill()

    def test_pulled_adapter_is_reported_once_and_the_next_device_works(self):
        app = self.start()
        app.click_du(*WRITE_MAC)  # leaves the port open
        self.assertEqual(self.com1.read(9), HEADER + bytes([0x55, 0, 0, 0, 0, 0, 0]))
        pulled = self.com1.path
        self.com1.close()  # the line hangs up under the open port, and its node goes
        self.com1 = Port()
        app.click_du(*WRITE_SERVER)
        self.expect_message_box()
        self.assertTrue(app.wait_released(pulled), 'the port of a gone device stayed open')
        # The next write tries the device again and finds it missing.
        app.click_du(*WRITE_SERVER)
        self.expect_message_box('after-pulled-adapter')
        app.click_du(*PORT_LIST)
        app.key('Down', 'Return')
        app.click_du(*WRITE_SERVER)
        self.assertEqual(self.com2.read(7), address_frame(0x51, [0, 0, 0, 0]))

    def test_about_box_from_the_system_menu(self):
        app = self.start()
        app.key('alt+space')
        time.sleep(0.3)
        self.x.screenshot(os.path.join(ARTIFACTS, 'e2e', 'system-menu.png'))
        app.key('a')
        about = self.x.find_window('关于 tavrin', timeout=5)
        self.assertIsNotNone(about, 'the About box did not open')
        self.x.screenshot(os.path.join(ARTIFACTS, 'e2e', 'about.png'))
        self.x.xdotool('windowfocus', '--sync', about, check=False)
        app.key('Return')
        self.assertIsNone(app.proc.poll())

    def test_enter_and_escape_end_the_program(self):
        app = self.start()
        app.click_du(*MAC_BOXES[0])
        app.key('Return')
        self.assertEqual(app.wait_exit(), 0)
        app = self.start()
        app.key('Escape')
        self.assertEqual(app.wait_exit(), 0)


if __name__ == '__main__':
    BINARY, ARTIFACTS = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
