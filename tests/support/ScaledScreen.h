// Scaled screens for the tests: the offscreen platform they run on has an unscaled primary
// screen (where windows open) and screens at 2, 1.5, 1.25 and 1.75 device pixels per pixel
// (screens.json), so a window can be rendered at those ratios and moved between them.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include <functional>

class QWidget;

namespace test {

// The device pixel ratios of the scaled screens.
constexpr double kDoubleRatio = 2.0;
constexpr double kFractionalRatio = 1.5;
constexpr double kFractionalRatios[] = {1.25, kFractionalRatio, 1.75};

// Moves a top-level window onto the screen with the given device pixel ratio (1: the
// primary screen), at the same distance from the screen's top-left, and lets it repaint
// there; false when it did not arrive.
bool MoveToScreen(QWidget* window, double ratio);

// The top-level window rendered as the screen shows it, in device pixels.
QImage Grab(QWidget* window);

// The device pixels that show a rectangle of logical pixels of a top-level window: each
// edge at its logical coordinate times the ratio, rounded, as the window system places
// child windows.
QRect DeviceRect(const QRect& logical, double ratio);

// The logical pixel whose device pixels (as DeviceRect gives them) include a device pixel.
int LogicalOf(int device, double ratio);

// The logical pixels of an area whose device pixels hold ink, and how many of them are all
// ink. A nearest-neighbour enlargement of a rendering at scale 1 has every inked pixel
// solid; text drawn at the device resolution has thin strokes, so far fewer. Pixels that
// are a single device pixel count for neither.
struct InkBlocks {
    int inked = 0;
    int solid = 0;
};
InkBlocks CountInkBlocks(const QImage& device, const QRect& area, double ratio,
                         const std::function<bool(QRgb)>& isInk);

} // namespace test
