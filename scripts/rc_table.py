#!/usr/bin/env python3
"""Reads the icon, bitmap and string entries of a resource script and writes the C++ table
that registers them with the Windows API for Linux, so that both systems take the program's
resources from the one script. Images are named by their Qt resource path under /res.

usage: rc_table.py SCRIPT OUTPUT
"""
import re
import sys

IMAGE = re.compile(r'^\s*(\w+)\s+(ICON|BITMAP)\s+"([^"]+)"\s*$')
STRING = re.compile(r'^\s*(\w+)\s+"((?:[^"]|"")*)"\s*$')
TYPES = {'ICON': 'RT_GROUP_ICON', 'BITMAP': 'RT_BITMAP'}


def cpp_string(text):
    """A resource-script string ("" is a quote) as a C++ literal."""
    text = text.replace('""', '"')
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def read(script):
    images, strings = [], []
    in_table = in_block = False
    for line in open(script, encoding='utf-8'):
        line = line.rstrip()
        word = line.strip()
        if word.startswith('//') or word.startswith('#'):
            continue
        if word == 'STRINGTABLE':
            in_table = True
        elif in_table and word in ('BEGIN', '{'):
            in_block = True
        elif in_block and word in ('END', '}'):
            in_table = in_block = False
        elif in_block and STRING.match(line):
            name, text = STRING.match(line).groups()
            strings.append((name, cpp_string(text)))
        elif IMAGE.match(line):
            name, kind, path = IMAGE.match(line).groups()
            images.append((name, TYPES[kind], ':/res/' + path))
    return images, strings


def main():
    script, output = sys.argv[1:3]
    images, strings = read(script)
    if not images or not strings:
        sys.exit('%s: no images or no string table' % script)
    lines = ['// Generated from %s by scripts/rc_table.py: do not edit.' % script.split('/')[-1],
             '#include "platform/linux/gdi/ImageResources.h"',
             '#include "platform/linux/user/StringResources.h"',
             '#include "res/Resource.h"',
             '',
             'namespace {',
             '',
             'struct ScriptResources {',
             '    ScriptResources() {']
    for name, kind, path in images:
        lines.append('        engine::RegisterImageResource(%s, %s, "%s");' % (kind, name, path))
    for name, text in strings:
        lines.append('        engine::RegisterStringResource(%s, %s);' % (name, text))
    lines += ['    }', '};', '', 'const ScriptResources g_scriptResources;', '',
              '} // namespace', '']
    text = '\n'.join(lines)
    try:
        if open(output, encoding='utf-8').read() == text:
            return
    except OSError:
        pass
    open(output, 'w', encoding='utf-8').write(text)


if __name__ == '__main__':
    main()
