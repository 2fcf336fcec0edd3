#!/usr/bin/env python3
"""The load configuration of a Windows program built with GNU ld, which does not fill in
the image's load configuration entry: `patch` points the entry at the program's
_load_config_used (its address from the linker's map), and `show` prints what a loader
reads there, with the image's DLL imports and resources (the tests read them through the
Image class).

usage: pe_load_config.py patch EXE MAP
       pe_load_config.py show EXE
"""
import re
import struct
import sys

LOAD_CONFIG = 10  # the data directory's entries
IMPORTS = 1
RESOURCES = 2
# DependentLoadFlags' offset in IMAGE_LOAD_CONFIG_DIRECTORY32 and 64.
DEPENDENT_LOAD_FLAGS = {0x10b: 54, 0x20b: 78}


class Image:
    def __init__(self, data):
        self.data = data
        self.pe = struct.unpack_from('<I', data, 0x3c)[0]
        if data[self.pe:self.pe + 4] != b'PE\0\0':
            raise ValueError('not a PE image')
        self.machine, self.sections_count = struct.unpack_from('<HH', data, self.pe + 4)
        optional_size = struct.unpack_from('<H', data, self.pe + 20)[0]
        self.optional = self.pe + 24
        self.magic = struct.unpack_from('<H', data, self.optional)[0]
        wide = self.magic == 0x20b
        self.image_base = struct.unpack_from('<Q' if wide else '<I', data,
                                             self.optional + (24 if wide else 28))[0]
        self.directories = self.optional + (112 if wide else 96)
        self.sections = []
        table = self.optional + optional_size
        for i in range(self.sections_count):
            name, vsize, vaddr, rawsize, rawptr = struct.unpack_from('<8sIIII', data,
                                                                     table + 40 * i)
            self.sections.append((name.rstrip(b'\0').decode(), vaddr, max(vsize, rawsize),
                                  rawptr))

    def directory(self, index):
        return struct.unpack_from('<II', self.data, self.directories + 8 * index)

    def offset(self, rva):
        for _, vaddr, size, rawptr in self.sections:
            if vaddr <= rva < vaddr + size:
                return rawptr + rva - vaddr
        raise ValueError('address %#x is in no section' % rva)

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b'\0', start)].decode()

    def imports(self):
        rva, _ = self.directory(IMPORTS)
        names = []
        while rva:
            entry = struct.unpack_from('<IIIII', self.data, self.offset(rva))
            if not any(entry):
                break
            names.append(self.c_string(entry[3]))
            rva += 20
        return names

    def resources(self):
        """{(type, name): data} of the image's resources (first language of each); types
        and names are numbers, or text for named ones."""
        root, _ = self.directory(RESOURCES)
        found = {}
        if not root:
            return found

        def entries(rva):
            start = self.offset(rva)
            named, numbered = struct.unpack_from('<HH', self.data, start + 12)
            for i in range(named + numbered):
                name, target = struct.unpack_from('<II', self.data, start + 16 + 8 * i)
                if name & 0x80000000:
                    at = self.offset(root + (name & 0x7fffffff))
                    length = struct.unpack_from('<H', self.data, at)[0]
                    name = self.data[at + 2:at + 2 + 2 * length].decode('utf-16-le')
                yield name, target

        for kind, types in entries(root):
            for name, languages in entries(root + (types & 0x7fffffff)):
                _, leaf = next(entries(root + (languages & 0x7fffffff)))
                rva, size = struct.unpack_from('<II', self.data, self.offset(root + leaf))
                start = self.offset(rva)
                found[(kind, name)] = self.data[start:start + size]
        return found

    def dependent_load_flags(self):
        rva, size = self.directory(LOAD_CONFIG)
        if not rva:
            return None
        start = self.offset(rva)
        declared = struct.unpack_from('<I', self.data, start)[0]
        field = DEPENDENT_LOAD_FLAGS[self.magic]
        if min(size, declared) < field + 2:
            return None
        return struct.unpack_from('<H', self.data, start + field)[0]


def patch(exe, map_file):
    text = open(map_file, encoding='utf-8', errors='replace').read()
    found = re.search(r'^\s+0x([0-9a-f]+)\s+_?_load_config_used\s*$', text, re.M)
    if not found:
        sys.exit('%s: no _load_config_used in the map' % map_file)
    data = bytearray(open(exe, 'rb').read())
    image = Image(bytes(data))
    rva = int(found.group(1), 16) - image.image_base
    size = struct.unpack_from('<I', data, image.offset(rva))[0]
    struct.pack_into('<II', data, image.directories + 8 * LOAD_CONFIG, rva, size)
    open(exe, 'wb').write(data)


def show(exe):
    image = Image(open(exe, 'rb').read())
    flags = image.dependent_load_flags()
    print('machine %#x' % image.machine)
    print('dependent load flags %s' % ('none' if flags is None else '%#x' % flags))
    print('imports %s' % ' '.join(sorted(name.lower() for name in image.imports())))
    print('resources %s' % ' '.join('%s/%s' % key for key in sorted(image.resources(), key=str)))


if __name__ == '__main__':
    if sys.argv[1:2] == ['patch'] and len(sys.argv) == 4:
        patch(sys.argv[2], sys.argv[3])
    elif sys.argv[1:2] == ['show'] and len(sys.argv) == 3:
        show(sys.argv[2])
    else:
        sys.exit(__doc__)
