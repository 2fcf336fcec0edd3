#!/usr/bin/env python3
"""tavrin-cli.exe, the Windows console program: linked as tavrin.exe is (Windows' own DLLs
only, from the system folder), and under Wine, COM1 mapped to a pseudo-terminal gets the
frames with their pauses, a record under a Chinese name gets the write's line, a port this PC
does not have exits 3, and the machine's ports are listed. No display is needed.
Usage: test_windows_cli.py EXE PREFIX_DIR [unittest args]"""
import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

from harness import Port
from wine import WINE, WinePrefix

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'scripts'))
from pe_load_config import Image  # noqa: E402

EXE = PREFIX = None
HEADER = bytes([0x53, 0x45])
# Wine starts the program in about a second once its server runs; the first run starts it.
WINE_SECONDS = 60
SYSTEM_DLLS = {'advapi32.dll', 'kernel32.dll', 'msvcrt.dll', 'setupapi.dll'}
LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x800
SUBSYSTEM_OFFSET = 68  # in the optional header, for PE32 and PE32+ alike
IMAGE_SUBSYSTEM_WINDOWS_CUI = 3


class ConsoleExeTest(unittest.TestCase):
    def test_console_program_with_only_system_dlls_from_the_system_folder(self):
        with open(EXE, 'rb') as f:
            image = Image(f.read())
        subsystem = int.from_bytes(image.data[image.optional + SUBSYSTEM_OFFSET:][:2], 'little')
        self.assertEqual(subsystem, IMAGE_SUBSYSTEM_WINDOWS_CUI, 'not a console program')
        imports = {name.lower() for name in image.imports()}
        self.assertLessEqual(imports, SYSTEM_DLLS, 'imports a DLL Windows does not have')
        self.assertNotIn('user32.dll', imports)
        self.assertEqual(image.dependent_load_flags(), LOAD_LIBRARY_SEARCH_SYSTEM32)


class WindowsCliTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.com1 = Port()
        link = os.path.join(PREFIX, 'cli-com1-device')
        if os.path.lexists(link):
            os.unlink(link)
        os.symlink(cls.com1.path, link)
        cls.prefix = WinePrefix(os.path.join(PREFIX, 'cli-prefix'), {1: link})

    @classmethod
    def tearDownClass(cls):
        cls.prefix.stop()
        cls.com1.close()

    def run_cli(self, *args):
        return subprocess.run([WINE, EXE, *args], env=self.prefix.base_env, capture_output=True,
                              timeout=WINE_SECONDS)

    def test_frames_reach_com1_in_order_with_the_pauses(self):
        proc = subprocess.Popen([WINE, EXE, '--port', 'com1', '--json', '--controller',
                                 '10.13.17.19', '--mac', '00:11:0a:0d:ff:13'],
                                env=self.prefix.base_env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)
        arrivals = self.com1.read_timed(16, timeout=WINE_SECONDS)
        out, err = proc.communicate(timeout=WINE_SECONDS)
        self.assertEqual(proc.returncode, 0, err.decode('utf-8', 'replace'))
        self.assertEqual(bytes(b for _, b in arrivals),
                         HEADER + bytes([0x52, 10, 13, 17, 19]) +
                         HEADER + bytes([0x55, 0x00, 0x11, 0x0A, 0x0D, 0xFF, 0x13]))
        gap = arrivals[7][0] - arrivals[0][0]
        self.assertGreaterEqual(gap, 0.45)
        report = json.loads(out.decode('utf-8'))
        self.assertEqual((report['port'], report['device']), ('COM1', r'\\.\COM1'))
        self.assertEqual(report['frames_sent'], 2)

    def test_record_gets_the_line_of_the_write_under_a_chinese_name(self):
        with tempfile.TemporaryDirectory() as folder:
            record = os.path.join(folder, '记录.csv')
            result = self.run_cli('--port', 'COM1', '--record', 'Z:' + record.replace('/', '\\'),
                                  '--mac', '00:11:0a:0d:ff:14')
            self.assertEqual(result.returncode, 0, result.stderr.decode('utf-8', 'replace'))
            self.assertEqual(self.com1.read(9),
                             HEADER + bytes([0x55, 0x00, 0x11, 0x0A, 0x0D, 0xFF, 0x14]))
            with open(record, 'rb') as f:
                lines = f.read().decode('utf-8-sig').split('\r\n')
            self.assertEqual(lines[0], '序号,时间,标签,串口,写入内容,服务器IP,中控IP,子网掩码,网关,MAC,结果,备注')
            self.assertRegex(lines[1], r'^1,[^,]+,,COM1（\\\\\.\\COM1）,MAC,,,,,00-11-0A-0D-FF-14,已发送,$')
            self.assertEqual(lines[2:], [''])

    def test_a_port_this_pc_does_not_have_exits_3(self):
        result = self.run_cli('--port', 'COM9', '--server', '1.2.3.4')
        self.assertEqual(result.returncode, 3, result.stderr.decode('utf-8', 'replace'))
        self.assertIn('无法打开串口 COM9', result.stderr.decode('utf-8'))
        self.assertTrue(self.com1.quiet(0.3))

    def test_list_ports(self):
        result = self.run_cli('--list-ports', '--json')
        self.assertEqual(result.returncode, 0, result.stderr.decode('utf-8', 'replace'))
        ports = json.loads(result.stdout.decode('utf-8'))['ports']
        self.assertIn('COM1', [port['node'] for port in ports])


if __name__ == '__main__':
    EXE, PREFIX = sys.argv[1:3]
    os.makedirs(PREFIX, exist_ok=True)
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
