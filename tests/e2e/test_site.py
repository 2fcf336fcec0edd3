#!/usr/bin/env python3
"""End-to-end tests of the site mode in the real tavrin binary: started from the system menu
with the keyboard, units written one after another, the frames on the line, the next unit's
values in the boxes, the caption and the record's lines; a record continued after a restart,
a duplicate refused, a record that cannot be appended, and a plan.
Usage: test_site.py BINARY ARTIFACT_DIR [unittest args]"""
import datetime
import os
import shutil
import sys
import tempfile
import time
import unittest

from harness import Port, Tavrin, Xvfb, du_centre
from test_tavrin import (CENTRAL_IP, GATEWAY_IP, MAC_BOXES, SERVER_IP, SUBNET_IP, WRITE_ALL,
                         WRITE_CENTRAL, address_frame)

BINARY = None
ARTIFACTS = None
CAPTION = '6150 IP SET'
START_TITLE = '开始现场记录'
HEADER = '序号,时间,标签,串口,写入内容,服务器IP,中控IP,子网掩码,网关,MAC,结果,备注'
SITE = ('192.168.1.10', '255.255.255.0', '192.168.1.1')


def unit_frames(controller, mac, server=SITE[0], mask=SITE[1], gateway=SITE[2]):
    """The five frames of a write-all."""
    octets = lambda text: [int(part) for part in text.split('.')]
    return (address_frame(0x51, octets(server)) + address_frame(0x52, octets(controller))
            + address_frame(0x54, octets(mask)) + address_frame(0x53, octets(gateway))
            + bytes([0x53, 0x45, 0x55]) + bytes(mac))


class SiteTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.x = Xvfb()

    @classmethod
    def tearDownClass(cls):
        cls.x.stop()

    def setUp(self):
        self.com1 = Port()
        self.com2 = Port()
        self.home = tempfile.mkdtemp()
        os.mkdir(os.path.join(self.home, 'Documents'))
        self.record = os.path.join(self.home, 'Documents', 'tavrin-记录-%s.csv'
                                   % datetime.date.today().isoformat())
        self.app = None

    def tearDown(self):
        if self.app is not None:
            self.app.kill()
        self.com1.close()
        self.com2.close()
        shutil.rmtree(self.home, ignore_errors=True)

    def start(self):
        env = {'HOME': self.home, 'XDG_CONFIG_HOME': os.path.join(self.home, '.config'),
               'LANG': 'C.UTF-8'}
        self.app = Tavrin(BINARY, self.x, {1: self.com1, 2: self.com2}, env)
        return self.app

    def caption(self):
        return self.x.xdotool('getwindowname', self.app.window).strip()

    def type_box(self, control, text):
        x, y, cx, cy = control
        # the first of the four fields
        self.app.click(*du_centre(x, y, cx // 4, cy))
        self.app.type(text)

    def type_unit(self, controller, mac):
        for control, text in ((SERVER_IP, SITE[0]), (CENTRAL_IP, controller),
                              (SUBNET_IP, SITE[1]), (GATEWAY_IP, SITE[2])):
            self.type_box(control, text)
        for box, value in zip(MAC_BOXES, mac):
            self.app.click_du(*box)
            self.app.key('ctrl+a')
            self.app.type(str(value))

    def start_site(self, plan=None):
        """Opens the start dialog from the system menu with the keyboard and takes the default
        record, with the plan when given."""
        self.x.xdotool('windowfocus', '--sync', self.app.window, check=False)
        self.app.key('alt+space')
        time.sleep(0.3)
        self.app.key('s')
        dialog = self.x.find_window(START_TITLE, timeout=5)
        self.assertIsNotNone(dialog, 'the start dialog did not open')
        self.x.xdotool('windowfocus', '--sync', dialog, check=False)
        if plan:
            self.app.key('Tab', 'Tab')
            self.app.type(plan)
        self.x.screenshot(os.path.join(ARTIFACTS, 'e2e', 'site-start.png'))
        self.app.key('Return')
        self.assertTrue(self.wait_gone(START_TITLE), 'the start dialog stayed open')

    def wait_gone(self, title, timeout=5):
        deadline = time.time() + timeout
        while self.x.find_window(title, timeout=0.1) and time.time() < deadline:
            time.sleep(0.05)
        return not self.x.find_window(title, timeout=0.1)

    def answer(self, key='Return', timeout=8):
        """Waits for a message box, answers it with key; False when none came."""
        box = self.x.find_window('tavrin', timeout=timeout)
        if box is None:
            return False
        time.sleep(0.2)
        self.x.xdotool('windowfocus', '--sync', box, check=False)
        self.app.key(key)
        self.assertTrue(self.wait_gone('tavrin'), 'the message box stayed open')
        return True

    def write_all(self, expected):
        self.app.click_du(*WRITE_ALL)
        self.assertEqual(self.com1.read(len(expected), timeout=6), expected)
        self.assertTrue(self.answer(), 'no message after the write-all')

    def record_lines(self, count=None):
        """The record's lines after its header, the time column left out; with count, waits
        up to 3 s for that many (a line is appended once its frames have gone out)."""
        deadline = time.time() + 3
        while True:
            with open(self.record, 'rb') as f:
                data = f.read()
            if count is None or data.count(b'\r\n') > count or time.time() > deadline:
                break
            time.sleep(0.05)
        self.assertTrue(data.startswith(b'\xef\xbb\xbf'), 'no byte order mark')
        self.assertTrue(data.endswith(b'\r\n'), 'the last line is not whole')
        lines = data[3:].decode('utf-8').split('\r\n')[:-1]
        self.assertEqual(lines[0], HEADER)
        # The time aside (its second column), each line as written.
        return [','.join(line.split(',')[:1] + line.split(',')[2:]) for line in lines[1:]]

    def test_three_units_advance_then_continue_refuse_a_duplicate_and_a_missing_folder(self):
        self.start()
        self.type_unit('192.168.1.20', [0, 17, 10, 13, 255, 19])
        self.start_site()
        self.assertEqual(self.caption(), CAPTION + ' — 现场：已写 0 台')
        for n in range(3):
            self.write_all(unit_frames('192.168.1.%d' % (20 + n), [0, 17, 10, 13, 255, 19 + n]))
        self.assertEqual(self.caption(), CAPTION + ' — 现场：已写 3 台')
        self.x.screenshot(os.path.join(ARTIFACTS, 'e2e', 'site-caption.png'))
        # The fourth unit's values are in the boxes: the controller button sends them.
        self.app.click_du(*WRITE_CENTRAL)
        self.assertEqual(self.com1.read(7), address_frame(0x52, [192, 168, 1, 23]))
        unit = ',,COM1,全部信息,192.168.1.10,%s,255.255.255.0,192.168.1.1,%s,已发送,'
        expected = ['%d' % (n + 1) + unit % ('192.168.1.%d' % (20 + n), '00-11-0A-0D-FF-%d'
                                             % (13 + n)) for n in range(3)]
        expected.append('4,,COM1,中控IP,,192.168.1.23,,,,已发送,')
        self.assertEqual(self.record_lines(4), expected)

        # Restarted, the same record goes on: its count, and its addresses as duplicates.
        self.app.kill()
        self.start()
        self.type_unit('192.168.1.21', [0, 17, 10, 13, 255, 40])
        self.start_site()
        self.assertEqual(self.caption(), CAPTION + ' — 现场：已写 3 台')
        self.app.click_du(*WRITE_ALL)
        self.assertTrue(self.answer('Return'), 'no question for the duplicate address')
        self.assertTrue(self.com1.quiet(), 'sent although the answer was No')
        self.assertEqual(len(self.record_lines()), 4)

        # The record's folder is gone: said before anything is sent, and nothing is.
        moved = os.path.join(self.home, 'moved')
        os.rename(os.path.join(self.home, 'Documents'), moved)
        self.app.click_du(*WRITE_ALL)
        self.assertTrue(self.answer(), 'no message for the record that cannot be appended')
        self.assertTrue(self.com1.quiet(), 'sent although the record cannot take the line')
        os.rename(moved, os.path.join(self.home, 'Documents'))
        self.assertEqual(len(self.record_lines()), 4)

    def test_a_plan_drives_three_units_with_their_labels(self):
        plan = os.path.join(self.home, 'plan.csv')
        with open(plan, 'w', encoding='utf-8', newline='') as f:
            f.write('房间,中控IP,MAC,服务器IP,子网掩码,网关\r\n')
            for n, room in enumerate(('301 教室', '302 教室', '303 教室')):
                f.write('%s,10.0.3.%d,00-11-22-00-03-%02X,10.0.0.5,255.255.0.0,10.0.0.1\r\n'
                        % (room, 11 + n, 1 + n))
        self.start()
        self.start_site(plan)
        self.assertEqual(self.caption(), CAPTION + ' — 现场：已写 0 台，下一台 301 教室')
        for n in range(3):
            self.write_all(unit_frames('10.0.3.%d' % (11 + n), [0, 0x11, 0x22, 0, 3, 1 + n],
                                       '10.0.0.5', '255.255.0.0', '10.0.0.1'))
            if n == 0:
                self.assertEqual(self.caption(), CAPTION + ' — 现场：已写 1 台，下一台 302 教室')
        self.assertEqual(self.caption(), CAPTION + ' — 现场：已写 3 台，计划已全部写完')
        self.assertEqual(self.record_lines(3), [
            '%d,30%d 教室,COM1,全部信息,10.0.0.5,10.0.3.%d,255.255.0.0,10.0.0.1,'
            '00-11-22-00-03-0%d,已发送,' % (n + 1, n + 1, 11 + n, n + 1) for n in range(3)])


if __name__ == '__main__':
    BINARY, ARTIFACTS = sys.argv[1], sys.argv[2]
    os.makedirs(os.path.join(ARTIFACTS, 'e2e'), exist_ok=True)
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
