#!/usr/bin/env python3
"""Builds the Debian package with CPack, unpacks it into a scratch folder and checks what a
technician's machine gets: the program, its menu entry, icon, metainfo and man page, and
dependencies that cover every library the program links.

Usage: test_package.py BUILD_DIR SOURCE_DIR VERSION"""
import glob
import gzip
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

SKIP = 77  # ctest's SKIP_RETURN_CODE
ICON_SIZES = (16, 32, 48, 64, 128)
# The desktop entry has no reverse-domain id: the project has no domain of its own, and
# the launcher, icon and binary are all plainly "tavrin".
APPSTREAM_OVERRIDE = '--override=cid-desktopapp-is-not-rdns=info'
# Facts the man page must tell a technician.
MAN_TERMS = ('TAVRIN_COM1', 'TAVRIN_COM2', '/dev/ttyS0', '/dev/ttyS1', 'dialout', '9600',
             '服务器IP烧写', '中控IP烧写', '子网掩码烧写', '网关IP烧写', 'MAC烧写', '写入全部信息')
# Runtime packages the program cannot start without on Debian.
REQUIRED_DEPENDS = ('libqt6widgets6', 'libqt6serialport6', 'fonts-arphic-uming')
# How long the unpacked program must stay up to count as started.
SMOKE_SECONDS = 1.5

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print('FAIL:', what)


def run(*args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def build_package(build_dir, scratch):
    result = run('cpack', '-G', 'DEB', '-B', scratch, cwd=build_dir, timeout=60)
    if result.returncode != 0:
        sys.exit('cpack failed:\n' + result.stdout + result.stderr)
    debs = glob.glob(os.path.join(scratch, '*.deb'))
    if len(debs) != 1:
        sys.exit('expected one .deb, found %s' % debs)
    return debs[0]


def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    if head[:8] != b'\x89PNG\r\n\x1a\n' or head[12:16] != b'IHDR':
        return None
    return struct.unpack('>II', head[16:24])


def check_layout(root, source_dir, version):
    usr = os.path.join(root, 'usr')
    binary = os.path.join(usr, 'bin', 'tavrin')
    check(os.path.isfile(binary) and os.access(binary, os.X_OK), 'usr/bin/tavrin executable')

    desktop = os.path.join(usr, 'share', 'applications', 'tavrin.desktop')
    check(os.path.isfile(desktop), 'desktop entry installed')
    if os.path.isfile(desktop):
        entry = dict(line.rstrip('\n').split('=', 1)
                     for line in open(desktop, encoding='utf-8') if '=' in line)
        check(entry.get('Name') == 'tavrin', 'desktop entry Name is tavrin')
        check(entry.get('Comment') == 'tavrin Microsoft 基础类应用程序',
              'desktop entry Comment is the file description')
        check(entry.get('Icon') == 'tavrin' and entry.get('Exec', '').split()[0] == 'tavrin',
              'desktop entry starts tavrin with its icon')
        check('Utility' in entry.get('Categories', '').split(';'), 'desktop entry in Utility')

    for size in ICON_SIZES:
        icon = os.path.join(usr, 'share', 'icons', 'hicolor', '%dx%d' % (size, size), 'apps',
                            'tavrin.png')
        check(png_size(icon) == (size, size) if os.path.isfile(icon) else False,
              'icon %dx%d is a PNG of that size' % (size, size))
    icon32 = os.path.join(usr, 'share', 'icons', 'hicolor', '32x32', 'apps', 'tavrin.png')
    if shutil.which('compare') and os.path.isfile(icon32):
        # The desktop icon is the dialog's own icon, pixel for pixel (alpha included).
        result = run('compare', '-metric', 'AE',
                     os.path.join(source_dir, 'res', 'dialog.ico') + '[0]', icon32, 'null:')
        check(result.returncode == 0, '32x32 icon differs from res/dialog.ico (%s): run '
              'res/make_images.py' % result.stderr.strip())
    else:
        print('note: ImageMagick compare missing (scripts/deps.sh test); icon pixels unchecked')

    metainfo = os.path.join(usr, 'share', 'metainfo', 'tavrin.metainfo.xml')
    check(os.path.isfile(metainfo), 'metainfo installed')
    if os.path.isfile(metainfo):
        releases = [r.get('version') for r in ET.parse(metainfo).getroot().iter('release')]
        check(releases[:1] == [version], 'metainfo announces %s, not %s' % (version, releases))

    man = os.path.join(usr, 'share', 'man', 'man1', 'tavrin.1.gz')
    check(os.path.isfile(man), 'man page installed gzipped')
    if os.path.isfile(man):
        text = gzip.open(man, 'rt', encoding='utf-8').read()
        check(text.startswith('.TH TAVRIN 1'), 'man page is section 1')
        missing = [t for t in MAN_TERMS if t not in text]
        check(not missing, 'man page tells %s' % ', '.join(missing))
    return binary, desktop, metainfo


def check_validators(root, desktop, metainfo):
    if shutil.which('desktop-file-validate'):
        result = run('desktop-file-validate', desktop)
        check(result.returncode == 0 and not result.stdout.strip(),
              'desktop-file-validate: ' + result.stdout + result.stderr)
    else:
        print('note: desktop-file-validate missing (scripts/deps.sh test installs it)')
    if shutil.which('appstreamcli'):
        result = run('appstreamcli', 'validate', '--no-net', APPSTREAM_OVERRIDE, metainfo)
        check(result.returncode == 0, 'appstreamcli validate: ' + result.stdout + result.stderr)
        result = run('appstreamcli', 'validate-tree', '--no-net', APPSTREAM_OVERRIDE, root)
        check(result.returncode == 0, 'appstreamcli validate-tree: ' + result.stdout)
    else:
        print('note: appstreamcli missing (scripts/deps.sh test installs it)')


def owning_package(library):
    """The Debian package that holds a library the loader resolves, or None."""
    listing = run('ldconfig', '-p').stdout
    for line in listing.splitlines():
        name, _, path = line.strip().partition(' => ')
        if name.split()[0] == library and os.path.exists(path):
            owner = run('dpkg', '-S', os.path.realpath(path))
            if owner.returncode != 0:  # merged /usr: dpkg knows the /lib name
                owner = run('dpkg', '-S', path)
            if owner.returncode == 0:
                return owner.stdout.split(':')[0]
    return None


def check_depends(deb, binary):
    depends = run('dpkg-deb', '-f', deb, 'Depends').stdout
    names = {d.strip().split()[0] for d in depends.replace('|', ',').split(',') if d.strip()}
    for name in REQUIRED_DEPENDS:
        check(name in names, 'Depends names %s (has: %s)' % (name, depends.strip()))
    # Every library the program links must come from a package it depends on.
    needed = [line.split()[1] for line in run('objdump', '-p', binary).stdout.splitlines()
              if line.strip().startswith('NEEDED')]
    check(bool(needed), 'objdump lists the linked libraries')
    for library in needed:
        owner = owning_package(library)
        if owner is not None and not library.startswith('ld-linux'):
            check(owner in names, '%s (from %s) is covered by Depends' % (library, owner))


def check_starts(binary):
    """The packaged (stripped) program starts and stays in its dialog."""
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen')
    proc = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    time.sleep(SMOKE_SECONDS)
    alive = proc.poll() is None
    proc.kill()
    _, err = proc.communicate(timeout=10)
    check(alive, 'packaged program keeps running with its dialog: ' + err.strip())


def main():
    build_dir, source_dir, version = sys.argv[1:4]
    for tool in ('cpack', 'dpkg-deb', 'objdump'):
        if shutil.which(tool) is None:
            print('missing %s: run scripts/deps.sh test' % tool)
            return SKIP
    with tempfile.TemporaryDirectory(prefix='tavrin-package-') as scratch:
        deb = build_package(build_dir, scratch)
        root = os.path.join(scratch, 'root')
        subprocess.run(['dpkg-deb', '-x', deb, root], check=True)
        binary, desktop, metainfo = check_layout(root, source_dir, version)
        check_validators(root, desktop, metainfo)
        check_depends(deb, binary)
        check_starts(binary)
    print('%d failure(s)' % len(failures) if failures else 'package ok')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
