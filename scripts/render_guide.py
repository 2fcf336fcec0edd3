#!/usr/bin/env python3
"""Renders the Chinese user guide (README.zh-CN.md) as plain text that Windows' Notepad shows
as it is: UTF-8 with a byte order mark, CRLF line ends, paragraphs wrapped to 76 columns (a
Chinese character takes two), headings underlined, tables in aligned columns, code as it is,
and links, images and emphasis reduced to their text. It reads the Markdown the guide uses,
not all of Markdown. Usage: render_guide.py SOURCE.md OUTPUT.txt"""
import re
import sys
import unicodedata

WIDTH = 76
CODE_INDENT = '    '
QUOTE_INDENT = '    '
TABLE_GAP = '  '
# A table's last column is wrapped into at least this many columns.
MIN_LAST_COLUMN = 24
UNDERLINES = {1: '=', 2: '-'}
SUBHEADING_MARK = '◆ '
# Punctuation that must not start a line, and that must not end one.
NO_LINE_START = set('，。、；：！？）」』”’》…→,.;:!?)]}')
NO_LINE_END = set('（「『“‘《([{')

HEADING = re.compile(r'^(#{1,6})\s+(.*?)\s*#*$')
LIST_ITEM = re.compile(r'^(\s*)([-*]|\d+\.)\s+(.*)$')
FENCE = re.compile(r'^\s*```')
TABLE_RULE = re.compile(r'^\|?\s*:?-+:?\s*(\|\s*:?-+:?\s*)*\|?$')
CODE_SPAN = re.compile(r'`([^`]+)`')
IMAGE = re.compile(r'!\[([^\]]*)\]\([^)]*\)')
LINK = re.compile(r'\[([^\]]+)\]\([^)]*\)')
BOLD = re.compile(r'\*\*(.+?)\*\*')
ESCAPE = re.compile(r'\\([\\`*_{}\[\]()#+\-.!|<>])')


def char_width(c):
    """Columns a character takes: two for Chinese (wide, full-width, and the ambiguous
    punctuation that Chinese fonts draw wide), none for combining marks."""
    if unicodedata.combining(c):
        return 0
    return 2 if unicodedata.east_asian_width(c) in 'WFA' else 1


def width(text):
    return sum(char_width(c) for c in text)


def inline(text):
    """Markdown inline syntax to plain text: code spans as they are, images left out, links
    as their text, emphasis and escapes removed."""
    parts = []
    last = 0
    for match in CODE_SPAN.finditer(text):
        parts.append(_plain(text[last:match.start()]))
        parts.append(match.group(1))
        last = match.end()
    parts.append(_plain(text[last:]))
    return ''.join(parts)


def _plain(text):
    text = IMAGE.sub('', text)
    text = LINK.sub(r'\1', text)
    text = BOLD.sub(r'\1', text)
    return ESCAPE.sub(r'\1', text)


def _split(text):
    """Pieces a line may break between: a wide character alone, a run of spaces, or a word
    of narrow characters."""
    pieces = []
    word = ''
    for c in text:
        if c.isspace():
            if word:
                pieces.append(word)
                word = ''
            if pieces and pieces[-1].isspace():
                pieces[-1] += c
            else:
                pieces.append(c)
        elif char_width(c) == 2:
            if word:
                pieces.append(word)
                word = ''
            pieces.append(c)
        else:
            word += c
    if word:
        pieces.append(word)
    return pieces


def wrap(text, first_prefix='', rest_prefix='', limit=WIDTH):
    """Wraps text into lines of at most `limit` columns with the given prefixes. Closing
    punctuation hangs past the limit rather than start a line, opening punctuation moves to
    the next line rather than end one, and a word longer than a line stands on its own."""
    lines = []
    line = []
    prefix = first_prefix

    def used():
        return width(prefix) + sum(width(t) for t in line)

    def flush():
        nonlocal line, prefix
        while line and line[-1].isspace():
            line.pop()
        lines.append(prefix + ''.join(line))
        line = []
        prefix = rest_prefix

    for token in _split(text):
        if token.isspace():
            if line:
                line.append(' ')
            continue
        fits = used() + width(token) <= limit
        if fits or not any(not t.isspace() for t in line) or token[0] in NO_LINE_START:
            line.append(token)
            continue
        carried = []
        while line and (line[-1].isspace() or line[-1][-1] in NO_LINE_END):
            piece = line.pop()
            if not piece.isspace():
                carried.insert(0, piece)
        flush()
        line = carried + [token]
    if line or not lines:
        flush()
    return lines


def render_table(rows):
    cells = [[inline(c.strip()) for c in row.strip().strip('|').split('|')] for row in rows
             if not TABLE_RULE.match(row.strip())]
    columns = max(len(r) for r in cells)
    cells = [r + [''] * (columns - len(r)) for r in cells]
    widths = [max(width(r[i]) for r in cells) for i in range(columns)]
    lead = sum(widths[:-1]) + len(TABLE_GAP) * (columns - 1)
    last = max(min(widths[-1], WIDTH - lead), MIN_LAST_COLUMN)
    out = []
    for number, row in enumerate(cells):
        start = ''.join(c + ' ' * (widths[i] - width(c)) + TABLE_GAP
                        for i, c in enumerate(row[:-1]))
        pieces = wrap(row[-1], limit=last) if row[-1] else ['']
        out.append((start + pieces[0]).rstrip())
        out.extend(' ' * lead + piece for piece in pieces[1:])
        if number == 0:
            out.append(TABLE_GAP.join('-' * w for w in widths[:-1] + [last]))
    return out


def join_lines(lines):
    """Markdown's soft line breaks: no space between two Chinese characters."""
    text = ''
    for line in lines:
        line = line.strip()
        if text and not (char_width(text[-1]) == 2 and char_width(line[0]) == 2):
            text += ' '
        text += line
    return text


def render(markdown):
    source = markdown.splitlines()
    out = []

    def blank():
        if out and out[-1] != '':
            out.append('')

    i = 0
    while i < len(source):
        line = source[i]
        if FENCE.match(line):
            blank()
            i += 1
            while i < len(source) and not FENCE.match(source[i]):
                out.append((CODE_INDENT + source[i]).rstrip())
                i += 1
            i += 1
            blank()
            continue
        heading = HEADING.match(line)
        if heading:
            level, text = len(heading.group(1)), inline(heading.group(2))
            blank()
            if level in UNDERLINES:
                out.extend([text, UNDERLINES[level] * width(text)])
            else:
                out.append(SUBHEADING_MARK + text)
            blank()
            i += 1
            continue
        if line.lstrip().startswith('|'):
            rows = []
            while i < len(source) and source[i].lstrip().startswith('|'):
                rows.append(source[i])
                i += 1
            blank()
            out.extend(render_table(rows))
            blank()
            continue
        if not line.strip():
            blank()
            i += 1
            continue
        if line.startswith('>'):
            quoted = []
            while i < len(source) and source[i].startswith('>'):
                quoted.append(source[i][1:])
                i += 1
            out.extend(wrap(inline(join_lines(quoted)), QUOTE_INDENT, QUOTE_INDENT))
            continue
        item = LIST_ITEM.match(line)
        if item:
            indent, marker, text = item.groups()
            lines = [text]
            i += 1
            while (i < len(source) and source[i].strip() and source[i].startswith(' ')
                   and not LIST_ITEM.match(source[i])):
                lines.append(source[i])
                i += 1
            first = indent + marker + ' '
            out.extend(wrap(inline(join_lines(lines)), first, ' ' * width(first)))
            continue
        paragraph = []
        while (i < len(source) and source[i].strip() and not HEADING.match(source[i])
               and not FENCE.match(source[i]) and not source[i].lstrip().startswith('|')
               and not source[i].startswith('>') and not LIST_ITEM.match(source[i])):
            paragraph.append(source[i])
            i += 1
        text = inline(join_lines(paragraph)).strip()
        if text:  # a paragraph that was only a picture is left out
            out.extend(wrap(text))
    while out and out[-1] == '':
        out.pop()
    return out


def main():
    source, target = sys.argv[1:3]
    with open(source, encoding='utf-8') as f:
        lines = render(f.read())
    with open(target, 'w', encoding='utf-8-sig', newline='\r\n') as f:
        f.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
