#!/usr/bin/env python3
"""Builds the Debian package with CPack, unpacks it into a scratch folder and checks what a
technician's machine gets: the program, its menu entry, icon, metainfo, man pages in English
and Chinese, copyright file and changelog, a description a Chinese search finds,
dependencies that cover every library the program links, and nothing that lintian objects
to.

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
import unicodedata
import xml.etree.ElementTree as ET

SKIP = 77  # ctest's SKIP_RETURN_CODE
ICON_SIZES = (16, 32, 48, 64, 128)
# The desktop entry has no reverse-domain id: the project has no domain of its own, and
# the launcher, icon and binary are all plainly "tavrin".
APPSTREAM_OVERRIDE = '--override=cid-desktopapp-is-not-rdns=info'
# Facts the man page must tell a technician.
MAN_TERMS = ('TAVRIN_COM1', 'TAVRIN_COM2', '/dev/ttyS0', '/dev/ttyS1', 'dialout', '9600',
             '服务器IP烧写', '中控IP烧写', '子网掩码烧写', '网关IP烧写', 'MAC烧写', '写入全部信息',
             'MIT', '/usr/share/doc/tavrin/copyright')
# The English page and the Chinese one, each with a phrase of its own to tell them apart.
MAN_PAGES = {'C': ('man1/tavrin.1.gz', 'write the network settings of a 6150 controller'),
             'zh_CN': ('zh_CN/man1/tavrin.1.gz', '通过串口写入 6150 中控的网络参数')}
MAN_SECONDS = 30
# Words a technician in China searches a software centre for.
CHINESE_SEARCH_TERMS = ('串口', '中控')
DESCRIPTION_COLUMNS = 80
LICENSE_SPDX = 'MIT'
LICENSE_DEP5 = 'Expat'  # Debian's name for the MIT licence
DEP5_FORMAT = 'https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/'
XML_LANG = '{http://www.w3.org/XML/1998/namespace}lang'
LINTIAN_SECONDS = 60
# Runtime packages the program cannot start without on Debian.
REQUIRED_DEPENDS = ('libqt6widgets6', 'libqt6serialport6', 'fonts-arphic-uming')
# How long the unpacked program must stay up to count as started.
SMOKE_SECONDS = 1.5
# tavrin-cli's pages, and the libraries it must not link: it runs where there is no display.
CLI_MAN_PAGES = {'C': ('man1/tavrin-cli.1.gz', 'EXIT STATUS'),
                 'zh_CN': ('zh_CN/man1/tavrin-cli.1.gz', '退出状态')}
CLI_MAN_TERMS = ('--port', '--list-ports', '--dry-run', '--json', '--record', '--plan', '--next',
                 '--check', '--force', 'TAVRIN_COM1', '130')
GUI_LIBRARIES = ('libQt6Gui', 'libQt6Widgets')

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
        summaries = metainfo_summaries(os.path.join(usr, 'share', 'metainfo',
                                                    'tavrin.metainfo.xml'))
        for key, lang in (('Comment', None), ('Comment[zh_CN]', 'zh_CN')):
            check(entry.get(key) and entry.get(key) == summaries.get(lang),
                  'desktop entry %s %r says what the metainfo summary says (%r)' %
                  (key, entry.get(key), summaries.get(lang)))
        names = metainfo_texts(os.path.join(usr, 'share', 'metainfo', 'tavrin.metainfo.xml'),
                               'name')
        check(entry.get('Name[zh_CN]') and entry.get('Name[zh_CN]') == names.get('zh_CN'),
              'desktop entry Name[zh_CN] %r is the metainfo name (%r)' %
              (entry.get('Name[zh_CN]'), names.get('zh_CN')))
        for key in ('Keywords', 'Keywords[zh_CN]'):
            words = entry.get(key, '').split(';')
            check(all(term in words for term in CHINESE_SEARCH_TERMS),
                  'desktop entry %s has %s' % (key, ', '.join(CHINESE_SEARCH_TERMS)))
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
        component = ET.parse(metainfo).getroot()
        releases = [r.get('version') for r in component.iter('release')]
        check(releases[:1] == [version], 'metainfo announces %s, not %s' % (version, releases))
        for field in ('metadata_license', 'project_license'):
            check(component.findtext(field) == LICENSE_SPDX,
                  'metainfo %s is %s' % (field, LICENSE_SPDX))
        keywords = [k.text for k in component.iter('keyword') if k.get(XML_LANG) == 'zh_CN']
        check(all(term in keywords for term in CHINESE_SEARCH_TERMS),
              'metainfo has the Chinese keywords %s' % ', '.join(CHINESE_SEARCH_TERMS))
        chinese = ''.join(p.text or '' for p in component.iter('p') if p.get(XML_LANG) == 'zh_CN')
        check(all(term in chinese for term in CHINESE_SEARCH_TERMS),
              'metainfo has a Chinese description')

    for language, (page, _) in MAN_PAGES.items():
        man = os.path.join(usr, 'share', 'man', page)
        check(os.path.isfile(man), '%s man page installed gzipped as %s' % (language, page))
        if os.path.isfile(man):
            text = gzip.open(man, 'rt', encoding='utf-8').read()
            check(text.startswith('.TH TAVRIN 1'), '%s man page is section 1' % language)
            missing = [t for t in MAN_TERMS if t not in text]
            check(not missing, '%s man page tells %s' % (language, ', '.join(missing)))
    check_doc(os.path.join(usr, 'share', 'doc', 'tavrin'), source_dir, version)
    check_cli(usr)
    return binary, desktop, metainfo


def check_cli(usr):
    """tavrin-cli beside the dialog: it runs, links no GUI library, and has both pages, which
    tell every option and the exit statuses."""
    cli = os.path.join(usr, 'bin', 'tavrin-cli')
    check(os.path.isfile(cli) and os.access(cli, os.X_OK), 'usr/bin/tavrin-cli executable')
    if not os.path.isfile(cli):
        return
    result = run(cli, '--version', timeout=10)
    check(result.returncode == 0 and 'tavrin-cli' in result.stdout,
          'the packaged tavrin-cli runs: %s' % (result.stdout + result.stderr).strip())
    needed = [line.split()[1] for line in run('objdump', '-p', cli).stdout.splitlines()
              if line.strip().startswith('NEEDED')]
    check(not [n for n in needed if n.startswith(GUI_LIBRARIES)],
          'tavrin-cli links no GUI library: %s' % needed)
    for language, (page, phrase) in CLI_MAN_PAGES.items():
        path = os.path.join(usr, 'share', 'man', page)
        check(os.path.isfile(path), '%s page of tavrin-cli installed as %s' % (language, page))
        if os.path.isfile(path):
            text = gzip.open(path, 'rt', encoding='utf-8').read().replace('\\-', '-')
            check(text.startswith('.TH TAVRIN-CLI 1'), '%s tavrin-cli page is section 1' % language)
            missing = [t for t in CLI_MAN_TERMS if t not in text]
            check(not missing, '%s tavrin-cli page tells %s' % (language, ', '.join(missing)))


def metainfo_texts(path, element):
    """The texts of the metainfo's top-level `element` by language (None for the
    untranslated one)."""
    if not os.path.isfile(path):
        return {}
    return {e.get(XML_LANG): e.text for e in ET.parse(path).getroot().findall(element)}


def metainfo_summaries(path):
    return metainfo_texts(path, 'summary')


def display_width(text):
    """Columns a terminal gives the text: two for each wide (Chinese) character."""
    return sum(2 if unicodedata.east_asian_width(c) in 'WF' else 1 for c in text)


def check_man_pages(root):
    """Both pages format without a warning from groff, as lintian formats them, and man finds
    each by its language in the unpacked tree."""
    if shutil.which('man') is None:
        print('note: man missing (scripts/deps.sh test installs man-db); pages not formatted')
        return
    quiet = {'PATH': os.environ.get('PATH', ''), 'LC_ALL': 'C.UTF-8', 'MANWIDTH': '80',
             'MANROFFSEQ': ''}
    man_root = os.path.join(root, 'usr', 'share', 'man')
    pages = [('tavrin', language, entry) for language, entry in MAN_PAGES.items()]
    pages += [('tavrin-cli', language, entry) for language, entry in CLI_MAN_PAGES.items()]
    for name, language, (page, phrase) in pages:
        path = os.path.join(man_root, page)
        if not os.path.isfile(path):
            continue
        result = run('man', '--warnings', '-E', 'UTF-8', '-l', path, env=quiet,
                     timeout=MAN_SECONDS)
        check(result.returncode == 0 and not result.stderr.strip(),
              '%s man page formats without warnings: %s' % (language, result.stderr.strip()))
        check(phrase in result.stdout, '%s man page shows %r' % (language, phrase))
        found = run('man', '--pager=cat', '-L', language, name,
                    env=dict(quiet, MANPATH=man_root), timeout=MAN_SECONDS)
        check(phrase in found.stdout, 'man -L %s %s shows the %s page: %s' %
              (language, name, language, (found.stdout[:200] + found.stderr).strip()))


def check_description(deb):
    """The synopsis says what the program does; the long description has the Chinese words a
    software centre is searched with, in lines that fit 80 columns."""
    description = run('dpkg-deb', '-f', deb, 'Description').stdout.rstrip('\n').split('\n')
    synopsis, body = description[0], description[1:]
    check('serial port' in synopsis and '6150' in synopsis,
          'the synopsis says what tavrin does: %r' % synopsis)
    text = '\n'.join(body)
    check(all(term in text for term in CHINESE_SEARCH_TERMS),
          'the long description has %s' % ', '.join(CHINESE_SEARCH_TERMS))
    wide = [line for line in body if display_width(line) > DESCRIPTION_COLUMNS]
    check(not wide, 'description lines wider than %d columns: %s' % (DESCRIPTION_COLUMNS, wide))


def check_doc(doc, source_dir, version):
    """The copyright file carries LICENSE in Debian's machine-readable format, and the
    changelog is the tree's CHANGELOG with this release on top."""
    copyright_file = os.path.join(doc, 'copyright')
    check(os.path.isfile(copyright_file), 'usr/share/doc/tavrin/copyright installed')
    if os.path.isfile(copyright_file):
        fields = open(copyright_file, encoding='utf-8').read()
        check(fields.startswith('Format: ' + DEP5_FORMAT), 'copyright file is DEP-5')
        licence = open(os.path.join(source_dir, 'LICENSE'), encoding='utf-8').read()
        holder = licence.split('Copyright (c) ', 1)[1].split('\n', 1)[0]
        check('\nCopyright: %s\n' % holder in fields, 'copyright file names ' + holder)
        check('\nLicense: %s\n' % LICENSE_DEP5 in fields, 'copyright file says ' + LICENSE_DEP5)
        # Every line of the licence text, in order, as the licence paragraph's lines.
        body = licence.split(holder, 1)[1].strip().splitlines()
        wanted = '\n'.join(' ' + line if line else ' .' for line in body)
        check(wanted in fields, 'copyright file carries the text of LICENSE')
    changelog = os.path.join(doc, 'changelog.gz')
    check(os.path.isfile(changelog), 'usr/share/doc/tavrin/changelog.gz installed')
    if os.path.isfile(changelog):
        text = gzip.open(changelog, 'rt', encoding='utf-8').read()
        check(text == open(os.path.join(source_dir, 'CHANGELOG'), encoding='utf-8').read(),
              'changelog.gz is CHANGELOG')
        check(text.startswith('tavrin (%s) ' % version),
              'the changelog starts with this release, %s' % version)


def check_lintian(deb):
    """Debian's package checker finds no error and no warning."""
    if shutil.which('lintian') is None:
        print('note: lintian missing (scripts/deps.sh test installs it); package not linted')
        return
    result = run('lintian', '--display-info', deb, timeout=LINTIAN_SECONDS)
    print('lintian:\n' + (result.stdout.strip() or '(nothing)'))
    findings = [line for line in result.stdout.splitlines() if line[:2] in ('E:', 'W:')]
    check(not findings, 'lintian finds nothing: ' + '; '.join(findings))
    if not findings:
        check(result.returncode == 0, 'lintian ran: ' + result.stderr.strip())


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
        check_man_pages(root)
        check_description(deb)
        check_depends(deb, binary)
        check_lintian(deb)
        check_starts(binary)
    print('%d failure(s)' % len(failures) if failures else 'package ok')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
