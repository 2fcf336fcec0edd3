#!/usr/bin/env python3
"""Takes docs/tavrin.png: tavrin (release build, scripts/run.sh makes it) in an X server of
its own with example settings typed in, cropped to the dialog. With --scale F, the same on a
screen scaled F times (QT_SCALE_FACTOR) into docs/tavrin-Fx.png. Needs Xvfb, xdotool and
ImageMagick (scripts/deps.sh test)."""
import argparse
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
# The dialog's client area in pixels on an unscaled screen; with no window manager it sits
# at the screen's top left.
DIALOG_SIZE = (441, 302)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--scale', type=float, default=1.0, help='the screen\'s scale factor')
    scale = parser.parse_args().scale
    name = 'tavrin.png' if scale == 1 else 'tavrin-%gx.png' % scale
    crop = '%dx%d+0+0' % tuple(round(side * scale) for side in DIALOG_SIZE)
    x = Xvfb()
    port = Port()
    app = Tavrin(os.path.join(ROOT, 'build', 'release', 'tavrin'), x, {1: port.path},
                 {'QT_SCALE_FACTOR': '%g' % scale} if scale != 1 else None)
    try:
        for box, text in ADDRESSES + MAC:
            # The pointer moves in device pixels: logical positions times the scale.
            app.click(*(round(c * scale) for c in du_centre(*box)))
            app.key('ctrl+a')
            app.type(str(text))
        x.xdotool('mousemove', 0, 0)
        time.sleep(0.6)  # the pointer has left: no hover frame in the picture
        x.screenshot('/tmp/tavrin-screen.png')
        subprocess.run(['convert', '/tmp/tavrin-screen.png', '-crop', crop, '+repage', '-strip',
                        os.path.join(ROOT, 'docs', name)], check=True)
    finally:
        app.kill()
        port.close()
        x.stop()


if __name__ == '__main__':
    main()
