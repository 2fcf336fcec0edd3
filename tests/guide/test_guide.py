#!/usr/bin/env python3
"""The Chinese user guide as plain text for Notepad, rendered by the build from
README.zh-CN.md: the file's form (byte order mark, CRLF), that nothing of the guide is lost
(headings, the frame table, every Chinese character in order, every code line), that no
Markdown syntax is left, and how lines are wrapped; and that the messages it quotes are the
code's, and that every message of the serial ports is explained in it.
Usage: test_guide.py SOURCE_DIR RENDERED_TXT [unittest args]"""
import os
import re
import subprocess
import sys
import tempfile
import unittest

SOURCE_DIR = None
RENDERED = None
MAX_WIDTH = 76
HANGING = 2  # closing punctuation may hang past the limit
CJK = re.compile(r'[\u4e00-\u9fff]')

render_guide = None


def load_renderer():
    global render_guide
    sys.path.insert(0, os.path.join(SOURCE_DIR, 'scripts'))
    import render_guide as module
    render_guide = module


def markdown():
    with open(os.path.join(SOURCE_DIR, 'README.zh-CN.md'), encoding='utf-8') as f:
        return f.read()


def rendered_bytes():
    with open(RENDERED, 'rb') as f:
        return f.read()


def rendered_lines():
    return rendered_bytes().decode('utf-8-sig').split('\r\n')[:-1]


def code_lines(text):
    """The lines inside the guide's fenced code blocks."""
    lines, inside = [], False
    for line in text.splitlines():
        if line.strip().startswith('```'):
            inside = not inside
        elif inside:
            lines.append(line)
    return lines


def table(text, first_header):
    """The rows of the Markdown table whose first header is `first_header`, as plain cells."""
    lines = text.splitlines()
    start = next(i for i, line in enumerate(lines)
                 if line.startswith('|') and line.strip('| ').startswith(first_header))
    rows = []
    for line in lines[start:]:
        if not line.startswith('|'):
            break
        cells = [c.strip().replace('`', '') for c in line.strip().strip('|').split('|')]
        if not set(''.join(cells)) <= set('-: '):  # not the rule under the header
            rows.append(cells)
    return rows


# The folders whose texts the user can be shown for a port, and the messages of the dialog
# and of the start-up, and the site mode's, that the guide explains too.
SERIAL_FOLDERS = ('platform/serial', 'platform/linux/serial', 'platform/windows/serial')
CODE_FOLDERS = SERIAL_FOLDERS + ('platform/afx', 'platform/linux/startup', 'app', 'dialog',
                                 'site')
# Texts of the control that only a program using it wrongly gets (a bad port number, settings
# the dialog never sets, output to a closed port): the dialog never shows them.
CALLERS_ERRORS = ('端口号', '已打开，不能', '请先关闭端口', '未打开，不能', '串口参数', '”无效',
                  '应为', '应有', '个停止位')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
# Runs of Chinese text between punctuation, cut too where a value is put in (a port, a device,
# a number, a bracket).
FRAGMENT = re.compile(r'[\u4e00-\u9fff“”…]+')


def code_texts(folders):
    """The string literals of the C++ sources in folders, adjacent ones joined."""
    texts = []
    for folder in folders:
        for root, _, files in os.walk(os.path.join(SOURCE_DIR, folder)):
            for name in sorted(files):
                if name.endswith(('.cpp', '.h')):
                    with open(os.path.join(root, name), encoding='utf-8') as f:
                        source = f.read()
                    joined = re.sub(r'"\s*\n\s*"', '', source)
                    texts += [m.group(1).replace('\\n', '\n') for m in LITERAL.finditer(joined)]
    return texts


def fragments(text):
    return [f for f in FRAGMENT.findall(text) if len(CJK.findall(f)) >= 2]


class MessagesTest(unittest.TestCase):
    def test_every_quoted_message_is_the_codes(self):
        code = '\n'.join(code_texts(CODE_FOLDERS))
        quotes = [line[2:] for line in markdown().splitlines() if line.startswith('> ')]
        self.assertGreater(len(quotes), 30)
        for quote in quotes:
            for fragment in fragments(quote):
                with self.subTest(quote=quote, fragment=fragment):
                    self.assertTrue(fragment in code, 'not in the code')

    def test_every_message_of_the_serial_ports_is_explained(self):
        guide = markdown()
        for text in code_texts(SERIAL_FOLDERS):
            if any(mark in text for mark in CALLERS_ERRORS):
                continue
            for fragment in fragments(text):
                with self.subTest(text=text, fragment=fragment):
                    self.assertTrue(fragment in guide, 'not in the guide')


class RenderedFileTest(unittest.TestCase):
    def test_is_utf8_with_bom_and_crlf_throughout(self):
        data = rendered_bytes()
        self.assertTrue(data.startswith(b'\xef\xbb\xbf'), 'no byte order mark')
        data.decode('utf-8')
        self.assertTrue(data.endswith(b'\r\n'))
        self.assertEqual(data.count(b'\n'), data.count(b'\r\n'), 'a line end without CR')
        self.assertEqual(data.count(b'\r'), data.count(b'\r\n'), 'a CR without LF')

    def test_is_what_the_renderer_makes_of_the_guide_now(self):
        # The build renders it from the checked-in guide; a stale or hand-made copy differs.
        with tempfile.TemporaryDirectory() as scratch:
            fresh = os.path.join(scratch, 'guide.txt')
            subprocess.run([sys.executable, os.path.join(SOURCE_DIR, 'scripts', 'render_guide.py'),
                            os.path.join(SOURCE_DIR, 'README.zh-CN.md'), fresh], check=True)
            with open(fresh, 'rb') as f:
                self.assertEqual(f.read(), rendered_bytes())


class NothingLostTest(unittest.TestCase):
    def test_every_heading_is_a_line_of_its_own(self):
        lines = rendered_lines()
        for match in re.finditer(r'^(#+)\s+(.*)$', markdown(), re.M):
            level, text = len(match.group(1)), render_guide.inline(match.group(2))
            with self.subTest(heading=text):
                if level <= 2:
                    self.assertIn(text, lines)
                    underline = lines[lines.index(text) + 1]
                    self.assertEqual(set(underline), {'=' if level == 1 else '-'})
                    self.assertEqual(len(underline), render_guide.width(text))
                else:
                    self.assertIn(render_guide.SUBHEADING_MARK + text, lines)

    def test_the_frame_table_keeps_each_row_on_one_line_in_order(self):
        rows = table(markdown(), '按钮')
        self.assertEqual([r[0] for r in rows],
                         ['按钮', '服务器IP烧写', '中控IP烧写', '子网掩码烧写', '网关IP烧写', 'MAC烧写',
                          '写入全部信息'])
        lines = rendered_lines()
        columns = set()
        for cells in rows:
            with self.subTest(row=cells[0]):
                line = next((l for l in lines if l.startswith(cells[0] + ' ')), None)
                self.assertIsNotNone(line, 'no line for ' + cells[0])
                position = 0
                for cell in filter(None, cells):
                    found = line.find(cell, position)
                    self.assertGreaterEqual(found, 0, '%r not after column %d of %r' %
                                            (cell, position, line))
                    position = found + len(cell)
                # where the last column starts, in screen columns
                columns.add(render_guide.width(line[:line.find(cells[-1])]))
        self.assertEqual(len(columns), 1, 'the examples do not line up: %s' % columns)

    def test_every_chinese_character_survives_in_order(self):
        # Pictures are left out, and with them their captions.
        source = re.sub(r'!\[[^\]]*\]\([^)]*\)', '', markdown())
        self.assertEqual(CJK.findall('\n'.join(rendered_lines())), CJK.findall(source))

    def test_code_blocks_are_kept_line_for_line(self):
        lines = rendered_lines()
        for line in code_lines(markdown()):
            with self.subTest(line=line):
                self.assertIn(render_guide.CODE_INDENT + line, lines)


class PlainTextTest(unittest.TestCase):
    def test_no_markdown_syntax_is_left(self):
        text = '\n'.join(rendered_lines())
        for pattern, what in ((r'\]\(', 'link target'), (r'!\[', 'image'), (r'\[[^\]]*\]\(', 'link'),
                              (r'\*\*', 'bold'), (r'`', 'code span'), (r'^#', 'heading mark'),
                              (r'^\|', 'table bar'), (r'^>', 'quote mark')):
            with self.subTest(what=what):
                self.assertIsNone(re.search(pattern, text, re.M), what)
        self.assertIn('English: README.md', text.splitlines())

    def test_lines_fit_notepads_width_except_code(self):
        code = {render_guide.CODE_INDENT + line for line in code_lines(markdown())}
        for line in rendered_lines():
            if line in code:
                continue
            with self.subTest(line=line):
                long_words = [w for w in line.split() if render_guide.width(w) > MAX_WIDTH // 2]
                if not long_words:
                    self.assertLessEqual(render_guide.width(line), MAX_WIDTH + HANGING)


class WrapTest(unittest.TestCase):
    def test_chinese_breaks_anywhere_but_not_before_closing_punctuation(self):
        text = '中控不回应，tavrin 也不从中控读回任何数据。' * 12
        for limit in range(20, 41):
            lines = render_guide.wrap(text, limit=limit)
            self.assertEqual(''.join(lines).replace(' ', ''), text.replace(' ', ''))
            for line in lines:
                self.assertLessEqual(render_guide.width(line), limit + HANGING, line)
                self.assertNotIn(line[0], render_guide.NO_LINE_START, line)
                self.assertNotIn(line[-1], render_guide.NO_LINE_END, line)

    def test_words_are_not_split_and_a_long_one_stands_alone(self):
        words = ['serial', 'TAVRIN_COM1=/dev/serial/by-id/usb-FTDI_FT232R_USB_UART-if00-port0',
                 'dialout', '9600']
        lines = render_guide.wrap(' '.join(words * 3), limit=30)
        self.assertEqual([w for line in lines for w in line.split()], words * 3)
        self.assertIn(words[1], lines)

    def test_prefixes_start_the_first_and_following_lines(self):
        lines = render_guide.wrap('甲乙丙丁戊己庚辛壬癸' * 4, '- ', '  ', limit=24)
        self.assertTrue(lines[0].startswith('- 甲'))
        self.assertTrue(all(line.startswith('  ') and line[2] != ' ' for line in lines[1:]))

    def test_inline_markup_becomes_its_text(self):
        self.assertEqual(render_guide.inline('见 [English](README.md) 和 **粗体** 与 `a*b*c` '
                                             '![图](x.png)\\*'), '见 English 和 粗体 与 a*b*c *')


if __name__ == '__main__':
    SOURCE_DIR, RENDERED = sys.argv[1], sys.argv[2]
    load_renderer()
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
