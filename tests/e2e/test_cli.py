#!/usr/bin/env python3
"""End-to-end tests of tavrin-cli on pseudo-terminals: the bytes and pauses that reach the
line, every exit status, the JSON report read back, a bad value in each position, Ctrl+C in
the middle of a sequence, and the libraries it loads.
Usage: test_cli.py BINARY [unittest args]"""
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
import unittest

import test_tavrin
from harness import Port, any_holds

BINARY = None
HEADER = bytes([0x53, 0x45])
ALL = ['--server', '192.168.1.10', '--controller', '192.168.1.20', '--mask', '255.255.255.0',
       '--gateway', '192.168.1.1', '--mac', '00-11-0A-0D-FF-13']
FRAMES = [HEADER + bytes([0x51, 192, 168, 1, 10]), HEADER + bytes([0x52, 192, 168, 1, 20]),
          HEADER + bytes([0x54, 255, 255, 255, 0]), HEADER + bytes([0x53, 192, 168, 1, 1]),
          HEADER + bytes([0x55, 0x00, 0x11, 0x0A, 0x0D, 0xFF, 0x13])]
# A new record's start: the byte order mark and the header row.
RECORD_START = '\ufeff序号,时间,标签,串口,写入内容,服务器IP,中控IP,子网掩码,网关,MAC,结果,备注\r\n'.encode()
TIME_CELL = re.compile(r',\d{4}-\d\d-\d\d \d\d:\d\d:\d\d [+-]\d\d:\d\d,')
NOBODY = 65534
PAUSE = 0.5
# Pauses are timed on a machine shared with builds: a frame may come late, never early.
EARLY, LATE = 0.45, 0.9


def run(*args, env=None, timeout=20):
    return subprocess.run([BINARY, *args], capture_output=True, text=True, timeout=timeout,
                          env=dict(os.environ, **(env or {})))


def start(*args, env=None):
    return subprocess.Popen([BINARY, *args], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            text=True, env=dict(os.environ, **(env or {})))


class CliTest(unittest.TestCase):
    assert_line_9600_8n1_raw = test_tavrin.DialogTest.assert_line_9600_8n1_raw

    def setUp(self):
        self.port = Port()

    def tearDown(self):
        self.port.close()

    def report(self, result):
        """The JSON object of a run, which is all its standard output holds."""
        lines = result.stdout.splitlines()
        self.assertEqual(len(lines), 1, result.stdout)
        return json.loads(lines[0])

    def test_write_all_sends_five_frames_in_order_500_ms_apart(self):
        started = time.time()
        proc = start('--port', self.port.path, '--all', *ALL)
        arrivals = self.port.read_timed(sum(map(len, FRAMES)), timeout=8)
        # The port stays open in the pause after the MAC frame; Qt puts the old line back when
        # it closes.
        self.assert_line_9600_8n1_raw(self.port)
        out, err = proc.communicate(timeout=10)
        elapsed = time.time() - started
        self.assertEqual(proc.returncode, 0, err)
        self.assertEqual(bytes(b for _, b in arrivals), b''.join(FRAMES))
        starts, at = [], 0
        for frame in FRAMES:
            starts.append(arrivals[at][0])
            at += len(frame)
        gaps = [b - a for a, b in zip(starts, starts[1:])]
        self.assertTrue(all(EARLY <= gap <= LATE for gap in gaps), gaps)
        # The pause after the last frame too, as write-all makes it.
        self.assertGreaterEqual(elapsed, 5 * PAUSE - 0.05)
        self.assertEqual(out.splitlines()[0], '53 45 51 C0 A8 01 0A  服务器IP 192.168.1.10')
        self.assertEqual(len(out.splitlines()), 5)
        self.assertIn('发送 5 帧', err)
        self.assertTrue(self.port.quiet())

    def test_subset_in_write_all_order_through_com1_and_the_port_rule(self):
        # Given MAC first and server last: sent server first, MAC last.
        proc = start('--port', 'COM1', '--mac', '0 17 10 13 255 19', '--server', '10.0.0.1',
                     env={'TAVRIN_COM1': self.port.path})
        self.assertEqual(self.port.read(7), HEADER + bytes([0x51, 10, 0, 0, 1]))
        # An address write closes the port before the pause.
        deadline = time.time() + 0.4
        while any_holds([proc.pid], self.port.path) and time.time() < deadline:
            time.sleep(0.02)
        self.assertFalse(any_holds([proc.pid], self.port.path), 'port left open after address')
        self.assertEqual(self.port.read(9), HEADER + bytes([0x55, 0, 17, 10, 13, 255, 19]))
        # The MAC write leaves it open, here until the program ends.
        time.sleep(0.1)
        self.assertTrue(any_holds([proc.pid], self.port.path), 'port closed after the MAC')
        self.assertEqual(proc.wait(timeout=5), 0)

    def test_json_report_of_a_write(self):
        result = run('--port', self.port.path, '--json', '--mac', '00:11:0a:0d:ff:13')
        self.assertEqual(result.returncode, 0, result.stderr)
        report = self.report(result)
        self.assertEqual(report['port'], self.port.path)
        self.assertEqual(report['outcome'], 'sent')
        self.assertEqual(report['exit_code'], 0)
        self.assertEqual(report['frames_sent'], 1)
        self.assertEqual(report['frames'], [{'setting': 'mac', 'value': '00-11-0A-0D-FF-13',
                                             'hex': '53 45 55 00 11 0A 0D FF 13', 'sent': True}])
        self.assertIsNone(report['record_line'])
        self.assertEqual(self.port.read(9), FRAMES[4])

    def test_dry_run_shows_the_frames_and_opens_nothing(self):
        result = run('--dry-run', '--port', self.port.path, *ALL)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual([line.split('  ')[0] for line in result.stdout.splitlines()],
                         [' '.join('%02X' % b for b in frame) for frame in FRAMES])
        self.assertTrue(self.port.quiet(0.2))
        report = self.report(run('-n', '--json', '--mac=0.1.2.3.4.255', '--port', 'COM7'))
        self.assertTrue(report['dry_run'])
        self.assertEqual(report['frames_sent'], 0)
        self.assertEqual(report['port'], 'COM7')
        self.assertEqual(report['frames'][0]['hex'], '53 45 55 00 01 02 03 04 FF')

    def test_a_bad_value_in_any_position_sends_nothing(self):
        bad = {'--server': '192.168.1.256', '--controller': '192.168.1', '--mask': '255.255.255.0.0',
               '--gateway': 'gateway', '--mac': '00-11-0A-0D-FF-1G'}
        for option, value in bad.items():
            args = list(ALL)
            args[args.index(option) + 1] = value
            result = run('--port', self.port.path, '--json', *args)
            self.assertEqual(result.returncode, 2, option)
            report = self.report(result)
            self.assertEqual((report['outcome'], report['frames_sent']), ('bad-arguments', 0))
            self.assertIn(value, result.stderr)
            self.assertIn(option, report['message'])
        for mac in ('00-11-0A-0D-FF', '0 17 10 13 255 256', '00:11-0A:0D:FF:13', ''):
            self.assertEqual(run('--port', self.port.path, '--mac', mac).returncode, 2, mac)
        self.assertTrue(self.port.quiet(0.3))

    def test_bad_command_lines_exit_2(self):
        for args in (['--port', 'COM1'], ['--bogus'], ['--port'], ['--mac', '1 2 3 4 5 6', 'x'],
                     ['--port', 'COM1', '--port', 'COM2', '--mac', '0 0 0 0 0 0'],
                     ['--port', 'COM1', '--all', '--mac', '0 0 0 0 0 0'],
                     ['--port', 'COM0', '--mac', '0 0 0 0 0 0'], ['--mac', '0 0 0 0 0 0'],
                     ['--port', 'COM1', '--force', '--mac', '0 0 0 0 0 0'],
                     ['--list-ports', '--port', 'COM1'], ['--help=yes']):
            result = run(*args, '--json')
            self.assertEqual(result.returncode, 2, args)
            self.assertEqual(self.report(result)['outcome'], 'bad-arguments')
            self.assertIn('tavrin-cli --help', result.stderr)

    def record_lines(self, path):
        """The record's lines after its header, each with its time cell blanked."""
        with open(path, 'rb') as record:
            data = record.read()
        self.assertTrue(data.startswith(RECORD_START), data[:80])
        self.assertTrue(data.endswith(b'\r\n'), data[-20:])
        lines = data[len(RECORD_START):].decode('utf-8').split('\r\n')[:-1]
        return [TIME_CELL.sub(',,', line, count=1) for line in lines]

    def test_record_holds_a_write_all_as_one_line_and_single_writes_one_each(self):
        with tempfile.TemporaryDirectory() as folder:
            record = os.path.join(folder, '记录.csv')
            result = run('--port', self.port.path, '--record', record, *ALL)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(self.port.read(37), b''.join(FRAMES))
            result = run('--port', self.port.path, '--record', record, '--json',
                         '--mac', '02-00-00-00-00-07', '--gateway', '10.0.0.1')
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(self.port.read(16), HEADER + bytes([0x53, 10, 0, 0, 1]) + HEADER +
                             bytes([0x55, 2, 0, 0, 0, 0, 7]))
            lines = self.record_lines(record)
            self.assertEqual(lines, [
                '1,,,%s,全部信息,192.168.1.10,192.168.1.20,255.255.255.0,192.168.1.1,'
                '00-11-0A-0D-FF-13,已发送,' % self.port.path,
                '2,,,%s,网关,,,,10.0.0.1,,已发送,' % self.port.path,
                '3,,,%s,MAC,,,,,02-00-00-00-00-07,已发送,' % self.port.path])
            # The JSON report carries the run's lines as appended, times and all.
            carried = self.report(result)['record_line'].split('\n')
            self.assertEqual([TIME_CELL.sub(',,', line, count=1) for line in carried], lines[1:])

    def test_a_record_that_cannot_be_appended_exits_6_before_sending(self):
        with tempfile.TemporaryDirectory() as folder:
            os.chmod(folder, 0o755)
            read_only = os.path.join(folder, 'record.csv')
            with open(read_only, 'wb') as record:
                record.write(RECORD_START)
            os.chmod(read_only, 0o444)
            as_user = None
            if os.geteuid() == 0:  # root writes any file: run as an ordinary user
                os.chown(read_only, NOBODY, NOBODY)
                as_user = lambda: (os.setgid(NOBODY), os.setuid(NOBODY))
            missing = os.path.join(folder, 'gone', 'record.csv')
            for path, why in ((read_only, '只读'), (missing, '不存在')):
                result = subprocess.run(
                    [BINARY, '--port', self.port.path, '--record', path, '--json', *ALL],
                    capture_output=True, text=True, timeout=20, preexec_fn=as_user)
                self.assertEqual(result.returncode, 6, result.stderr)
                report = self.report(result)
                self.assertEqual((report['outcome'], report['frames_sent']), ('record-failed', 0))
                self.assertIn(why, report['message'])
                self.assertIn('什么也没有发送', result.stderr)
            self.assertTrue(self.port.quiet(0.3))
            with open(read_only, 'rb') as record:
                self.assertEqual(record.read(), RECORD_START)
            self.assertFalse(os.path.exists(os.path.dirname(missing)))

    def test_a_record_gone_during_the_write_prints_the_missing_line_and_exits_6(self):
        with tempfile.TemporaryDirectory() as folder:
            stick = os.path.join(folder, 'stick')
            os.mkdir(stick)
            proc = start('--port', self.port.path, '--record', os.path.join(stick, 'r.csv'), *ALL)
            self.assertEqual(self.port.read(7), FRAMES[0])
            os.rename(stick, os.path.join(folder, 'pulled'))  # the USB stick is pulled out
            out, err = proc.communicate(timeout=10)
            self.assertEqual(proc.returncode, 6, err)
            self.assertEqual(self.port.read(30), b''.join(FRAMES[1:]))
            self.assertIn('这台中控已写入', err)
            self.assertIn('不存在', err)
            self.assertRegex(err, r'\n1,[^,]+,,%s,全部信息,192\.168\.1\.10,' % re.escape(self.port.path))

    def test_plan_next_programs_three_units_then_says_the_plan_is_done(self):
        with tempfile.TemporaryDirectory() as folder:
            plan, record = os.path.join(folder, 'plan.csv'), os.path.join(folder, 'record.csv')
            with open(plan, 'w', encoding='utf-8') as rows:
                rows.write('标签,中控IP,MAC\n')
                for room in (301, 302, 303):
                    rows.write('%d 教室,192.168.1.%d,00-11-0A-0D-01-%02X\n' % (room, room - 280,
                                                                             room - 300))
            common = ['--port', self.port.path, '--plan', plan, '--record', record, '--next',
                      '--server', '192.168.1.10', '--mask', '255.255.255.0',
                      '--gateway', '192.168.1.1']
            for room in (301, 302, 303):
                result = run(*common)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertIn('%d 教室' % room, result.stderr)
                self.assertEqual(self.port.read(37), FRAMES[0] + HEADER +
                                 bytes([0x52, 192, 168, 1, room - 280]) + FRAMES[2] +
                                 FRAMES[3] + HEADER + bytes([0x55, 0, 0x11, 0x0A, 0x0D, 1,
                                                             room - 300]))
            self.assertIn('计划中的 3 台中控已全部写完', result.stderr)
            self.assertEqual([line.split(',')[2] for line in self.record_lines(record)],
                             ['301 教室', '302 教室', '303 教室'])
            done = run(*common, '--json')
            self.assertEqual(done.returncode, 7, done.stderr)
            self.assertEqual(self.report(done)['outcome'], 'plan-done')
            self.assertIn('计划已全部写完', done.stderr)
            # A value the plan gives may not be given again on the command line.
            os.remove(record)
            mixed = run(*common, '--mac', '00-11-0A-0D-01-09')
            self.assertEqual(mixed.returncode, 2, mixed.stderr)
            self.assertIn('--mac', mixed.stderr)
            self.assertTrue(self.port.quiet(0.3))
            self.assertFalse(os.path.exists(record))

    def test_a_bad_plan_lists_every_bad_line_and_sends_nothing(self):
        with tempfile.TemporaryDirectory() as folder:
            plan, record = os.path.join(folder, 'plan.csv'), os.path.join(folder, 'record.csv')
            with open(plan, 'w', encoding='utf-8') as rows:
                rows.write('标签,中控IP,MAC\n301,192.168.1.21,00-11-0A-0D-01-01\n'
                           '302,192.168.1.300,00-11-0A-0D-01-02\n303,192.168.1.23,00-11\n'
                           '304,192.168.1.21,00-11-0A-0D-01-04\n')
            result = run('--port', self.port.path, '--plan', plan, '--record', record, '--next',
                         *ALL[:2], *ALL[4:8], '--json')
            self.assertEqual(result.returncode, 2, result.stderr)
            message = self.report(result)['message']
            for line in ('第 3 行', '第 4 行', '第 5 行'):
                self.assertIn(line, message)
            self.assertNotIn('\n第 2 行', message)
            self.assertTrue(self.port.quiet(0.3))
            self.assertFalse(os.path.exists(record))

    def test_check_stops_a_duplicate_and_force_sends_it_with_a_note(self):
        with tempfile.TemporaryDirectory() as folder:
            record = os.path.join(folder, 'record.csv')
            self.assertEqual(run('--port', self.port.path, '--record', record, *ALL).returncode, 0)
            self.assertEqual(self.port.read(37), b''.join(FRAMES))
            # A record always checks: the same unit again is stopped with the question.
            again = run('--port', self.port.path, '--record', record, *ALL)
            self.assertEqual(again.returncode, 2, again.stderr)
            self.assertIn('中控IP 192.168.1.20 已写给了记录中较早的一台：序号 1', again.stderr)
            self.assertIn('MAC 00-11-0A-0D-FF-13 已写给了记录中较早的一台', again.stderr)
            self.assertIn('--force', again.stderr)
            self.assertTrue(self.port.quiet(0.3))
            forced = run('--port', self.port.path, '--record', record, '--force', *ALL)
            self.assertEqual(forced.returncode, 0, forced.stderr)
            self.assertEqual(self.port.read(37), b''.join(FRAMES))
            self.assertRegex(self.record_lines(record)[1].split(',')[11],
                             r'^已确认警告：中控IP 与序号 1 ?重复；MAC 与序号 1 ?重复$')
        # --check without a record checks the values alone, a dry run too.
        result = run('-n', '--check', '--controller', '192.168.1.0', '--mask', '255.255.255.0')
        self.assertEqual(result.returncode, 2, result.stderr)
        self.assertIn('网络地址', result.stderr)
        self.assertEqual(result.stdout, '')
        forced = run('-n', '--check', '--force', '--mac', '01-00-5E-00-00-01')
        self.assertEqual(forced.returncode, 0, forced.stderr)
        self.assertIn('组播', forced.stderr)

    def test_missing_port_and_no_serial_device_exit_3(self):
        for path in ('/dev/ttyNOSUCH0', '/dev/null'):
            result = run('--port', path, '--json', '--server', '1.2.3.4')
            self.assertEqual(result.returncode, 3, result.stderr)
            self.assertEqual(self.report(result)['frames_sent'], 0)
            self.assertIn('无法打开串口', result.stderr)

    def test_busy_port_exits_4_and_sends_nothing(self):
        first = start('--port', self.port.path, '--mac', '0 0 0 0 0 1', '--server', '1.1.1.1')
        self.assertEqual(self.port.read(7), HEADER + bytes([0x51, 1, 1, 1, 1]))
        self.assertEqual(self.port.read(9), HEADER + bytes([0x55, 0, 0, 0, 0, 0, 1]))
        # The first holds the port during the pause after its MAC frame.
        result = run('--port', self.port.path, '--json', '--gateway', '2.2.2.2')
        self.assertEqual(result.returncode, 4, result.stderr)
        self.assertIn('占用', self.report(result)['message'])
        self.assertEqual(first.wait(timeout=5), 0)
        self.assertTrue(self.port.quiet(0.2))

    def test_device_gone_mid_sequence_exits_5_with_the_frames_sent(self):
        proc = start('--port', self.port.path, '--json', *ALL)
        self.assertEqual(self.port.read(14), FRAMES[0] + FRAMES[1])
        # Bytes reach the terminal before the program's wait for them to drain
        # returns; pull the adapter in the pause after the second frame, not
        # inside that wait, where the frame could not be said to have left.
        time.sleep(0.25)
        os.close(self.port.master)  # the adapter is pulled out
        self.port.master = os.open('/dev/null', os.O_RDONLY)
        out, err = proc.communicate(timeout=10)
        self.assertEqual(proc.returncode, 5, err)
        report = json.loads(out)
        self.assertEqual(report['frames_sent'], 2)
        self.assertEqual([f['sent'] for f in report['frames']], [True, True] + [False] * 3)
        self.assertIn('已发出 2 帧（共 5 帧）', err)

    def test_ctrl_c_stops_between_frames_and_closes_the_port(self):
        proc = start('--port', self.port.path, '--json', *ALL)
        self.assertEqual(self.port.read(14), FRAMES[0] + FRAMES[1])
        proc.send_signal(signal.SIGINT)
        out, err = proc.communicate(timeout=5)
        self.assertEqual(proc.returncode, 130, err)
        report = json.loads(out)
        self.assertEqual((report['outcome'], report['frames_sent']), ('stopped', 2))
        self.assertIn('Ctrl+C', err)
        self.assertIn('已发出 2 帧（共 5 帧）', err)
        self.assertTrue(self.port.quiet(0.8))

    def test_list_ports_help_and_version(self):
        listing = run('--list-ports')
        self.assertEqual(listing.returncode, 0, listing.stderr)
        self.assertIsInstance(json.loads(run('-l', '--json').stdout)['ports'], list)
        text = run('--help')
        self.assertEqual(text.returncode, 0)
        for term in ('--port', '--record', '--plan', '--check', '--force', '--dry-run', '--json',
                     '--list-ports', '退出状态', '130', '示例'):
            self.assertIn(term, text.stdout)
        version = run('-V')
        self.assertTrue(version.stdout.startswith('tavrin-cli '), version.stdout)

    def test_loads_no_gui_library(self):
        libraries = subprocess.run(['ldd', BINARY], capture_output=True, text=True).stdout
        self.assertIn('libQt6SerialPort', libraries)
        for gui in ('libQt6Gui', 'libQt6Widgets', 'libX11', 'libxcb', 'libGL'):
            self.assertNotIn(gui, libraries)


if __name__ == '__main__':
    BINARY = os.path.abspath(sys.argv[1])
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
