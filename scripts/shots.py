#!/usr/bin/env python3
"""Takes the dialog's pictures that a change to drawing code is checked with, into a folder:
at each scale, idle, the pointer resting on a button, each box focused, and a message box.
Two builds' folders are then compared picture by picture (--compare). Needs Xvfb, xdotool and
ImageMagick (scripts/deps.sh test).

    scripts/shots.py build/release/tavrin /tmp/after
    scripts/shots.py --compare /tmp/before /tmp/after"""
import argparse
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
sys.path.insert(0, os.path.join(ROOT, 'tests', 'e2e'))
from harness import Port, Tavrin, Xvfb, du_centre  # noqa: E402

SCALES = (1, 1.5, 2)
# Boxes in dialog units (x, y, cx, cy): the four addresses' first fields and two MAC boxes.
BOXES = {'server': (61, 59, 95, 15), 'controller': (61, 77, 95, 15),
         'mask': (62, 96, 95, 15), 'gateway': (62, 113, 95, 15),
         'mac1': (62, 133, 21, 13), 'mac6': (186, 133, 21, 13)}
WRITE_ALL = (107, 163, 59, 18)
MAC_BUTTON = (211, 130, 59, 18)
SETTLE = 0.6  # hover and repaint have happened by then
# A focused box's caret blinks, half a second on and half off: of five pictures this far
# apart, on a busy machine too, at least one has it off, and the brightest is that one.
CARET_SAMPLES, CARET_SPACING = 5, 0.3


def take(binary, folder):
    os.makedirs(folder, exist_ok=True)
    for scale in SCALES:
        x = Xvfb()
        port = Port()
        env = {'QT_SCALE_FACTOR': '%g' % scale} if scale != 1 else None
        app = Tavrin(binary, x, {1: port.path}, env)

        def at(box):
            return [round(c * scale) for c in du_centre(*box)]

        def shot(name, samples=1):
            time.sleep(SETTLE)
            path = os.path.join(folder, '%gx-%s.png' % (scale, name))
            taken = []
            for i in range(samples):
                if i:
                    time.sleep(CARET_SPACING)
                taken.append('%s.%d.png' % (path, i))
                x.screenshot(taken[-1])
            brightest = max(taken, key=brightness)
            for picture in taken:
                if picture == brightest:
                    os.replace(picture, path)
                else:
                    os.remove(picture)

        try:
            x.xdotool('mousemove', 0, 0)
            shot('idle')
            x.xdotool('mousemove', '--window', app.window, *at(WRITE_ALL))
            shot('hover')
            for name, box in BOXES.items():
                app.click(*at(box))
                x.xdotool('mousemove', 0, 0)
                shot('focus-' + name, CARET_SAMPLES)
            app.click(*at(BOXES['mac1']))
            app.key('ctrl+a')
            app.type('256')
            app.click(*at(MAC_BUTTON))
            x.xdotool('mousemove', 0, 0)
            shot('message')
        finally:
            app.kill()
            port.close()
            x.stop()


def brightness(picture):
    result = subprocess.run(['identify', '-format', '%[fx:mean]', picture],
                            capture_output=True, text=True, check=True)
    return float(result.stdout)


def compare(before, after):
    names = sorted(set(os.listdir(before)) | set(os.listdir(after)))
    differ = 0
    for name in names:
        a, b = os.path.join(before, name), os.path.join(after, name)
        if not (os.path.exists(a) and os.path.exists(b)):
            print('%s: only in one folder' % name)
            differ += 1
            continue
        result = subprocess.run(['compare', '-metric', 'AE', a, b, 'null:'],
                                capture_output=True, text=True)
        pixels = result.stderr.strip()
        print('%s: %s pixels differ' % (name, pixels))
        differ += pixels != '0'
    print('%d of %d pictures differ' % (differ, len(names)))
    return 1 if differ else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--compare', action='store_true', help='compare two folders of pictures')
    parser.add_argument('first', help='the program (or, with --compare, the folder before)')
    parser.add_argument('second', help='the folder to write (or, with --compare, the one after)')
    args = parser.parse_args()
    if args.compare:
        return compare(args.first, args.second)
    take(os.path.abspath(args.first), args.second)
    return 0


if __name__ == '__main__':
    sys.exit(main())
