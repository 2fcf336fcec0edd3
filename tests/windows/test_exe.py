#!/usr/bin/env python3
"""The built tavrin.exe as Windows' loader and Explorer see it, for either architecture:
only Windows' own DLLs, taken from the system folder; the icons, bitmap, strings, version
block and manifest in its resources. Usage: test_exe.py EXE MACHINE VERSION"""
import os
import struct
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'scripts'))
from pe_load_config import Image  # noqa: E402

EXE = MACHINE = VERSION = None
SYSTEM_DLLS = {'advapi32.dll', 'comctl32.dll', 'gdi32.dll', 'kernel32.dll', 'msvcrt.dll',
               'oleaut32.dll', 'setupapi.dll', 'user32.dll'}
# Loaded at their first call, by the site mode alone; both are known DLLs, which Windows takes
# from the system folder whoever asks.
DELAYED_DLLS = {'comdlg32.dll', 'shell32.dll'}
LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x800
RT_BITMAP, RT_STRING, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 2, 6, 14, 16, 24


def string_table_entry(block, number, resource_id):
    """String resource_id from its table block (16 counted UTF-16 strings)."""
    at = 0
    for index in range(16):
        length = struct.unpack_from('<H', block, at)[0]
        text = block[at + 2:at + 2 + 2 * length].decode('utf-16-le')
        if (number - 1) * 16 + index == resource_id:
            return text
        at += 2 + 2 * length
    return None


class ExeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(EXE, 'rb') as f:
            cls.image = Image(f.read())
        cls.resources = cls.image.resources()

    def test_architecture_and_imports(self):
        self.assertEqual(self.image.machine, MACHINE)
        imports = {name.lower() for name in self.image.imports()}
        # Statically linked: no compiler runtime, no toolkit, nothing to ship beside it.
        self.assertLessEqual(imports, SYSTEM_DLLS, 'imports a DLL Windows does not have')
        self.assertIn('comctl32.dll', imports)
        self.assertFalse(imports & DELAYED_DLLS, 'loads at start a DLL only the site mode needs')

    def test_dlls_come_from_the_system_folder_only(self):
        # A DLL planted beside the program in a download folder is never loaded.
        self.assertEqual(self.image.dependent_load_flags(), LOAD_LIBRARY_SEARCH_SYSTEM32)

    def test_icons_bitmap_and_strings(self):
        for key in ((RT_GROUP_ICON, 128), (RT_GROUP_ICON, 131), (RT_BITMAP, 130)):
            self.assertIn(key, self.resources)
        block = self.resources[(RT_STRING, 101 // 16 + 1)]
        self.assertEqual(string_table_entry(block, 101 // 16 + 1, 101), '关于 tavrin(&A)...')

    def test_version_block_names_the_release(self):
        block = self.resources[(RT_VERSION, 1)].decode('utf-16-le', errors='replace')
        for text in ('FileVersion', VERSION, 'tavrin.exe', '中控IP烧写工具', '080404b0'):
            self.assertIn(text, block)
        major, minor, patch, build = (int(part) for part in VERSION.split('.'))
        fixed = self.resources[(RT_VERSION, 1)]
        signature = fixed.index(struct.pack('<I', 0xFEEF04BD))
        ms, ls = struct.unpack_from('<II', fixed, signature + 8)
        self.assertEqual((ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF),
                         (major, minor, patch, build))

    def test_manifest_dpi_aware_classic_controls(self):
        manifest = self.resources[(RT_MANIFEST, 1)].decode('utf-8')
        self.assertIn('<dpiAware', manifest)
        self.assertIn('supportedOS', manifest)
        self.assertIn('version="%s"' % VERSION, manifest)
        # No Common-Controls 6 dependency: the controls keep their classic look.
        self.assertNotIn('Microsoft.Windows.Common-Controls', manifest)


if __name__ == '__main__':
    EXE, MACHINE, VERSION = sys.argv[1], int(sys.argv[2], 0), sys.argv[3]
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
