#!/usr/bin/env python3
"""Takes docs/tavrin.png: tavrin (release build, scripts/run.sh makes it) in an X server of
its own with example settings typed in, cropped to the dialog. Needs Xvfb, xdotool and
ImageMagick (scripts/deps.sh test)."""
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
sys.path.insert(0, os.path.join(ROOT, 'tests', 'e2e'))
from harness import Port, Tavrin, Xvfb, du_centre  # noqa: E402

# Boxes in dialog units (x, y, cx, cy) and what goes into them.
ADDRESSES = [((61, 59, 95, 15), '192.168.1.10'), ((61, 77, 95, 15), '192.168.1.20'),
             ((62, 96, 95, 15), '255.255.255.0'), ((62, 113, 95, 15), '192.168.1.1')]
MAC = [((x, 133, 21, 13), value)
       for x, value in zip((62, 86, 112, 136, 162, 186), (0, 17, 34, 51, 68, 85))]
# With no window manager the dialog's client area sits at the screen's top left.
DIALOG_SIZE = '441x302+0+0'


def main():
    x = Xvfb()
    port = Port()
    app = Tavrin(os.path.join(ROOT, 'build', 'release', 'tavrin'), x, {1: port.path})
    try:
        for box, text in ADDRESSES + MAC:
            app.click(*du_centre(*box))
            app.key('ctrl+a')
            app.type(str(text))
        x.xdotool('mousemove', 0, 0)
        time.sleep(0.6)  # the pointer has left: no hover frame in the picture
        x.screenshot('/tmp/tavrin-screen.png')
        subprocess.run(['convert', '/tmp/tavrin-screen.png', '-crop', DIALOG_SIZE, '+repage',
                        '-strip', os.path.join(ROOT, 'docs', 'tavrin.png')], check=True)
    finally:
        app.kill()
        port.close()
        x.stop()


if __name__ == '__main__':
    main()
