#include "support/ScaledScreen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace test {

namespace {

QScreen* ScreenWithRatio(double ratio) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio) {
            return screen;
        }
    }
    return nullptr;
}

int DeviceEdge(int logical, double ratio) {
    return static_cast<int>(std::lround(logical * ratio));
}

} // namespace

bool MoveToScreen(QWidget* window, double ratio) {
    QScreen* target = ScreenWithRatio(ratio);
    if (target == nullptr || window == nullptr) {
        return false;
    }
    const QPoint offset = window->pos() - window->screen()->geometry().topLeft();
    window->move(target->geometry().topLeft() + offset);
    // The move, the screen change and the repaint each come through the event loop.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents();
    }
    return window->screen() == target && window->devicePixelRatioF() == ratio;
}

QImage Grab(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect DeviceRect(const QRect& logical, double ratio) {
    const int left = DeviceEdge(logical.left(), ratio);
    const int top = DeviceEdge(logical.top(), ratio);
    return QRect(left, top, DeviceEdge(logical.left() + logical.width(), ratio) - left,
                 DeviceEdge(logical.top() + logical.height(), ratio) - top);
}

int LogicalOf(int device, double ratio) {
    // Edges round half up, so a device pixel whose centre lies on an edge is the right-hand
    // (lower) pixel's.
    return static_cast<int>(std::ceil((device + 0.5) / ratio)) - 1;
}

InkBlocks CountInkBlocks(const QImage& device, const QRect& area, double ratio,
                         const std::function<bool(QRgb)>& isInk) {
    InkBlocks blocks;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRect block = DeviceRect(QRect(x, y, 1, 1), ratio) & device.rect();
            if (block.width() * block.height() < 2) {
                continue;
            }
            int ink = 0;
            for (int dy = block.top(); dy <= block.bottom(); ++dy) {
                for (int dx = block.left(); dx <= block.right(); ++dx) {
                    ink += isInk(device.pixel(dx, dy)) ? 1 : 0;
                }
            }
            blocks.inked += ink > 0 ? 1 : 0;
            blocks.solid += ink == block.width() * block.height() ? 1 : 0;
        }
    }
    return blocks;
}

} // namespace test
