#!/usr/bin/env python3
"""Builds the Windows packages with CPack from the Windows build tree, into a scratch
folder, and checks what a technician gets: a ZIP holding tavrin.exe, tavrin-cli.exe,
LICENSE.txt and the Chinese guide 使用说明.txt (under a name Explorer shows in Chinese), and a
Unicode NSIS installer that carries the same files, puts them in Program Files, adds a Start
menu entry and an uninstaller listed in Apps & features, offers to put the folder on the PATH,
and removes all of it again.

Usage: test_windows_package.py BUILD_DIR VERSION"""
import glob
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

SKIP = 77  # ctest's SKIP_RETURN_CODE
GUIDE = '使用说明.txt'
PAYLOAD = ('tavrin.exe', 'tavrin-cli.exe', 'LICENSE.txt', GUIDE)
PROGRAMS = ('tavrin.exe', 'tavrin-cli.exe')
PUBLISHER = 'the tavrin developers'
# The PE machine field of tavrin.exe, and the package suffix and Program Files it goes with.
MACHINES = {0x8664: ('win64', '$PROGRAMFILES64'), 0x14c: ('win32', '$PROGRAMFILES')}
ZIP_UTF8_FLAG = 0x800
UNINSTALL_KEY = r'Software\Microsoft\Windows\CurrentVersion\Uninstall'
CPACK_SECONDS = 120

failures = []


def check(ok, what):
    print('ok:  ' if ok else 'FAIL:', what)
    if not ok:
        failures.append(what)


def run(*args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def pe_machine(data):
    """The machine field of a PE image, or None if the bytes are not one."""
    if data[:2] != b'MZ' or len(data) < 0x40:
        return None
    offset = struct.unpack_from('<I', data, 0x3c)[0]
    if data[offset:offset + 4] != b'PE\0\0':
        return None
    return struct.unpack_from('<H', data, offset + 4)[0]


def cache_value(build_dir, name):
    with open(os.path.join(build_dir, 'CMakeCache.txt'), encoding='utf-8') as cache:
        for line in cache:
            if line.startswith(name + ':'):
                return line.rstrip('\n').split('=', 1)[1]
    return None


def cpack(build_dir, generator, scratch, name):
    result = run('cpack', '-G', generator, '-B', scratch, cwd=build_dir, timeout=CPACK_SECONDS)
    package = os.path.join(scratch, name)
    check(result.returncode == 0 and os.path.isfile(package),
          'cpack -G %s makes %s (%d bytes)' % (generator, name,
                                              os.path.getsize(package)
                                              if os.path.isfile(package) else 0))
    if result.returncode != 0:
        print(result.stdout + result.stderr)
    return package if os.path.isfile(package) else None


def check_payload(files, build_dir, source_dir, where):
    """The files as the build made them: the programs byte for byte, the licence as LICENSE
    with Windows line ends, the guide as rendered."""
    for program in PROGRAMS:
        with open(os.path.join(build_dir, program), 'rb') as f:
            check(files.get(program) == f.read(), '%s: %s is the built one' % (where, program))
    with open(os.path.join(source_dir, 'LICENSE'), 'rb') as f:
        licence = f.read()
    text = files.get('LICENSE.txt', b'')
    check(text.replace(b'\r\n', b'\n') == licence and b'\n' not in text.replace(b'\r\n', b''),
          '%s: LICENSE.txt is LICENSE with CRLF line ends' % where)
    with open(os.path.join(build_dir, GUIDE), 'rb') as f:
        check(files.get(GUIDE) == f.read(), '%s: %s is the rendered guide' % (where, GUIDE))


def check_zip(package, arch, version, build_dir, source_dir):
    with zipfile.ZipFile(package) as archive:
        entries = [e for e in archive.infolist() if not e.is_dir()]
        folder = 'tavrin-%s-%s/' % (version, arch)
        names = sorted(e.filename for e in entries)
        check(names == sorted(folder + name for name in PAYLOAD),
              'zip holds exactly %s in %s: %s' % (', '.join(PAYLOAD), folder, names))
        # Without the flag Explorer reads the name in the local code page: mojibake.
        for entry in entries:
            if not entry.filename.isascii():
                check(entry.flag_bits & ZIP_UTF8_FLAG,
                      'zip marks the name %s as UTF-8' % entry.filename)
        files = {e.filename[len(folder):]: archive.read(e) for e in entries
                 if e.filename.startswith(folder)}
    check_payload(files, build_dir, source_dir, 'zip')


def check_installer(package, machine, build_dir, source_dir, scratch):
    with open(package, 'rb') as f:
        data = f.read()
    # NSIS installers are 32-bit whatever they install.
    check(pe_machine(data) == 0x14c, 'installer is a 32-bit Windows program (PE)')
    check(b'NullsoftInst' in data, 'installer is an NSIS one')
    sevenzip = shutil.which('7zz') or shutil.which('7z')
    if sevenzip is None:
        print('note: 7-Zip missing (Debian package 7zip); installer contents unchecked')
        return
    listing = run(sevenzip, 'l', '-slt', package).stdout
    check('SubType = NSIS-3 Unicode' in listing,
          'installer is a Unicode one (Chinese names and texts survive)')
    paths = [line[len('Path = '):] for line in listing.splitlines()
             if line.startswith('Path = ')][1:]
    installed = sorted(p for p in paths if not p.startswith('$PLUGINSDIR'))
    check(installed == sorted(PAYLOAD + ('Uninstall.exe',)),
          'installer puts %s and its uninstaller in the install folder: %s' %
          (', '.join(PAYLOAD), installed))
    unpacked = os.path.join(scratch, 'installer')
    run(sevenzip, 'x', '-y', '-o' + unpacked, package, *PAYLOAD)
    files = {}
    for name in PAYLOAD:
        path = os.path.join(unpacked, name)
        if os.path.isfile(path):
            with open(path, 'rb') as f:
                files[name] = f.read()
    for program in PROGRAMS:
        check(pe_machine(files.get(program, b'')) == machine,
              'installer: %s is for the same machine as the build' % program)
    check_payload(files, build_dir, source_dir, 'installer')


def check_script(scratch, arch, root, version):
    """The installer's script as CPack wrote it: where it installs, the Start menu entry,
    the Apps & features entry, and an uninstaller that takes every piece away."""
    scripts = glob.glob(os.path.join(scratch, '_CPack_Packages', arch, 'NSIS', 'project.nsi'))
    check(len(scripts) == 1, 'CPack left the installer script project.nsi')
    if not scripts:
        return
    with open(scripts[0], encoding='utf-8-sig') as f:
        script = f.read()
    check(re.search(r'^\s*Unicode true\s*$', script, re.M), 'script asks for Unicode')
    check('InstallDir "%s\\tavrin"' % root in script, 'installs into %s\\tavrin' % root)
    check(re.search(r'^\s*RequestExecutionLevel admin\s*$', script, re.M),
          'installer asks for administrator rights (Program Files, HKLM)')

    links = re.findall(r'CreateShortCut "\$SMPROGRAMS\\\$STARTMENU_FOLDER\\([^"]+\.lnk)" '
                       r'"\$INSTDIR\\tavrin\.exe"', script)
    check(len(links) == 1 and not links[0].isascii(),
          'one Start menu entry for tavrin.exe, named in Chinese: %s' % links)
    for link in links:
        check('Delete "$SMPROGRAMS\\$MUI_TEMP\\%s"' % link in script,
              'uninstaller removes the Start menu entry')

    values = dict(re.findall(r'Push "(\w+)"\n\s*Push "((?:\$\\"|[^"])*)"\n'
                             r'\s*Call ConditionalAddToRegistry',
                             script))
    check(re.search(r'WriteRegStr SHCTX "%s\\tavrin"' % re.escape(UNINSTALL_KEY), script),
          'Apps & features entry under %s\\tavrin (no version: an update replaces it)' %
          UNINSTALL_KEY)
    check(values.get('DisplayName', '').startswith('tavrin') and
          not values.get('DisplayName', '').isascii(),
          'DisplayName %r' % values.get('DisplayName'))
    check(values.get('DisplayVersion') == version, 'DisplayVersion %r' % values.get('DisplayVersion'))
    check(values.get('Publisher') == PUBLISHER, 'Publisher %r' % values.get('Publisher'))
    check(values.get('DisplayIcon') == '$INSTDIR\\tavrin.exe',
          'DisplayIcon %r' % values.get('DisplayIcon'))
    check(values.get('UninstallString') == '$\\"$INSTDIR\\Uninstall.exe$\\"' and
          'WriteUninstaller "$INSTDIR\\Uninstall.exe"' in script,
          'UninstallString names the uninstaller it writes')
    check(re.search(r'DeleteRegKey SHCTX "%s\\tavrin"' % re.escape(UNINSTALL_KEY), script),
          'uninstaller removes its Apps & features entry')
    check(re.search(r'StrCmp "ON" "ON" 0 inst', script),
          'an older install is uninstalled first')
    for name in PAYLOAD:
        check('Delete "$INSTDIR\\%s"' % name in script, 'uninstaller deletes %s' % name)
    check(re.search(r'StrCmp "ON" "ON" 0 doNotAddToPath', script) and
          'Call un.RemoveFromPath' in script,
          'the installer offers the PATH for tavrin-cli, the uninstaller takes it off')
    icons = re.findall(r'!define MUI_(?:UN)?ICON "([^"]+)"', script)
    check(len(icons) == 2 and all(os.path.isfile(i) for i in icons),
          'installer and uninstaller have the program icon: %s' % icons)


def main():
    build_dir, version = sys.argv[1:3]
    build_dir = os.path.abspath(build_dir)
    for tool in ('cpack', 'makensis'):
        if shutil.which(tool) is None:
            print('missing %s (Debian packages cmake, nsis)' % tool)
            return SKIP
    source_dir = cache_value(build_dir, 'CMAKE_HOME_DIRECTORY')
    with open(os.path.join(build_dir, 'tavrin.exe'), 'rb') as f:
        machine = pe_machine(f.read())
    if machine not in MACHINES:
        sys.exit('%s/tavrin.exe is not a Windows program for x86: build the Windows tree'
                 % build_dir)
    arch, root = MACHINES[machine]
    print('checking the %s packages of tavrin %s' % (arch, version))
    with tempfile.TemporaryDirectory(prefix='tavrin-windows-package-') as scratch:
        package = cpack(build_dir, 'ZIP', scratch, 'tavrin-%s-%s.zip' % (version, arch))
        if package:
            check_zip(package, arch, version, build_dir, source_dir)
        package = cpack(build_dir, 'NSIS', scratch, 'tavrin-%s-%s.exe' % (version, arch))
        if package:
            check_installer(package, machine, build_dir, source_dir, scratch)
            check_script(scratch, arch, root, version)
    print('%d failure(s)' % len(failures) if failures else 'windows packages ok')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
