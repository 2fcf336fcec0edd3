#!/usr/bin/env python3
"""What a screen reader finds in the real program: its accessible tree read over AT-SPI
(at-spi2-core's buses and Debian's python3-pyatspi, which belongs to /usr/bin/python3),
under an X server and a session bus of the test's own.

Usage: test_accessibility.py BINARY ARTIFACT_DIR [unittest args]
Exits with 77 (skipped) when the session bus or the accessibility bus cannot start."""
import os
import sys
import time
import unittest

from accessibility_bus import AccessibilityBus, BusUnavailable
from harness import DIALOG_TITLE, Port, Tavrin, Xvfb

SKIP = 77  # ctest's SKIP_RETURN_CODE
# How long the program may take to show up on the accessibility bus.
REGISTER_SECONDS = 20

BUTTONS = {'服务器IP烧写', '中控IP烧写', '子网掩码烧写', '网关IP烧写', 'MAC烧写', '写入全部信息'}
ADDRESS_LABELS = ('服务器IP', '中控IP', '子网掩码', '网关IP')
# The four fields of each address, then the six bytes of the MAC address.
BOXES = {'%s %d' % (label, field) for label in ADDRESS_LABELS for field in range(1, 5)} | \
        {'MAC %d' % byte for byte in range(1, 7)}
# Every text of the dialog, the title above the controls included.
LABELS = set(ADDRESS_LABELS) | {'串口选择', 'MAC', '中控IP烧写'}
PORT_LABEL = '串口选择'
PORTS = ['COM1', 'COM2']
ABOUT_TITLE = '关于 tavrin'
ABOUT_LABELS = {'tavrin 1.0 版', '写入 6150 中控的网络参数。'}

BINARY = None
ARTIFACTS = None
pyatspi = None  # imported once the private session bus is in the environment


class Node:
    """One accessible object as a screen reader reads it."""

    def __init__(self, accessible, depth):
        self.accessible = accessible
        self.depth = depth
        self.name = accessible.name
        self.role = accessible.getRoleName()
        states = accessible.getState()
        self.showing = states.contains(pyatspi.STATE_SHOWING)
        self.focusable = states.contains(pyatspi.STATE_FOCUSABLE)
        self.labelled_by = [relation.getTarget(i).name
                            for relation in accessible.getRelationSet()
                            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                            for i in range(relation.getNTargets())]

    def spoken_name(self):
        """The label a screen reader announces: the labelled-by relation's, else the name."""
        return ' '.join(self.labelled_by) if self.labelled_by else self.name

    def __str__(self):
        label = ' labelled-by %s' % self.labelled_by if self.labelled_by else ''
        hidden = '' if self.showing else ' (not showing)'
        return '%s%r [%s]%s%s' % ('  ' * self.depth, self.name, self.role, label, hidden)


def read_tree(accessible, depth=0):
    nodes = [Node(accessible, depth)]
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            nodes.extend(read_tree(child, depth + 1))
    return nodes


def find_application(pid):
    """The program's application object on the accessibility bus, once it has a dialog."""
    deadline = time.time() + REGISTER_SECONDS
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:  # an application that went away while being asked
                continue
        time.sleep(0.1)
    return None


def find_window(app, title):
    """The tree of the program's top-level window titled `title`, waiting for it."""
    deadline = time.time() + REGISTER_SECONDS
    while time.time() < deadline:
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name == title and window.childCount > 0:
                return read_tree(window)
        time.sleep(0.1)
    return None


def showing(nodes, role):
    return [n for n in nodes if n.showing and n.role == role]


class AccessibleTreeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.com1, cls.com2 = Port(), Port()
        cls.program = Tavrin(BINARY, XVFB, {1: cls.com1, 2: cls.com2},
                             extra_env=dict(BUS.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1'))
        cls.app = find_application(cls.program.proc.pid)
        cls.dialog = find_window(cls.app, DIALOG_TITLE) if cls.app is not None else None
        if cls.dialog is not None:
            save_tree('setup-dialog', cls.dialog)

    @classmethod
    def tearDownClass(cls):
        cls.program.kill()
        cls.com1.close()
        cls.com2.close()

    def setUp(self):
        self.assertIsNotNone(self.app, 'tavrin did not register on the accessibility bus')
        self.assertIsNotNone(self.dialog, 'no accessible dialog titled ' + DIALOG_TITLE)

    def test_the_dialog_is_a_dialog_named_by_its_caption(self):
        self.assertEqual(self.dialog[0].role, 'dialog')

    def test_every_button_by_its_caption(self):
        self.assertEqual({n.name for n in showing(self.dialog, 'push button')}, BUTTONS)

    def test_every_box_by_its_label(self):
        self.assertEqual({n.spoken_name() for n in showing(self.dialog, 'text')}, BOXES)

    def test_the_port_list_is_named_by_its_label_and_offers_both_ports(self):
        combos = showing(self.dialog, 'combo box')
        self.assertEqual(len(combos), 1, [str(n) for n in combos])
        port = combos[0]
        self.assertEqual(port.spoken_name(), PORT_LABEL)
        self.assertIn(port.name, PORTS)  # Qt's name for a combo box: the chosen port
        items = [n.name for n in read_tree(port.accessible) if n.role == 'list item']
        self.assertEqual(items, PORTS)

    def test_every_text_is_a_label(self):
        self.assertEqual({n.name for n in showing(self.dialog, 'label')}, LABELS)
        fillers = [str(n) for n in showing(self.dialog, 'filler')
                   if n.name in LABELS and n.accessible.childCount == 0]
        self.assertEqual(fillers, [], 'texts read as fillers')

    def test_nothing_the_focus_can_reach_is_unnamed(self):
        unnamed = [str(n) for n in self.dialog if n.showing and n.focusable and
                   n.role != 'dialog' and not n.spoken_name()]
        self.assertEqual(unnamed, [])

    def test_the_about_box_has_its_texts_as_labels_and_an_unnamed_icon(self):
        self.program.key('alt+space')
        time.sleep(0.3)
        self.program.key('a')
        about = find_window(self.app, ABOUT_TITLE)
        self.assertIsNotNone(about, 'no accessible window titled ' + ABOUT_TITLE)
        save_tree('about-box', about)
        self.assertEqual({n.name for n in showing(about, 'label') if n.name}, ABOUT_LABELS)
        self.assertEqual({n.name for n in showing(about, 'push button')}, {'确定'})
        # The icon's template text is a resource number, nothing to read out.
        self.assertFalse(any(n.name.isdigit() for n in about), '\n'.join(map(str, about)))
        window = XVFB.find_window(ABOUT_TITLE, timeout=5)
        XVFB.xdotool('windowfocus', '--sync', window, check=False)
        self.program.key('Return')


def save_tree(name, nodes):
    """Keeps the tree as read, to compare with what a screen reader says."""
    folder = os.path.join(ARTIFACTS, 'e2e')
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, 'accessible-%s.txt' % name), 'w', encoding='utf-8') as out:
        out.write('\n'.join(map(str, nodes)) + '\n')


def main():
    global BINARY, ARTIFACTS, XVFB, BUS, pyatspi
    BINARY, ARTIFACTS = sys.argv[1], sys.argv[2]
    XVFB = Xvfb()
    try:
        try:
            BUS = AccessibilityBus(XVFB.display)
        except BusUnavailable as error:
            print('SKIP: no accessibility bus here: %s' % error)
            return SKIP
        try:
            # libatspi finds the accessibility bus through the session bus of the environment.
            os.environ.update(DISPLAY=XVFB.display,
                              DBUS_SESSION_BUS_ADDRESS=BUS.env['DBUS_SESSION_BUS_ADDRESS'],
                              XDG_RUNTIME_DIR=BUS.runtime_dir)
            os.environ.pop('AT_SPI_BUS_ADDRESS', None)
            try:
                import pyatspi as atspi
            except ImportError as error:
                print('pyatspi missing for %s (%s): run scripts/deps.sh test' %
                      (sys.executable, error))
                return 1
            pyatspi = atspi
            run = unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2, exit=False)
            return 0 if run.result.wasSuccessful() else 1
        finally:
            BUS.stop()
    finally:
        XVFB.stop()


if __name__ == '__main__':
    sys.exit(main())
