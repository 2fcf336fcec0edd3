// The pixels of pen strokes, as Win32 draws them without antialiasing.
#pragma once

#include <QPoint>
#include <QRegion>

namespace engine {

class LineRasterizer {
public:
    // The pixels of a solid line from `from` towards `to` drawn with a pen of `width` pixels.
    // One-pixel lines follow Bresenham and exclude the end point; wider lines are centred on
    // the path with round caps at both ends.
    static QRegion Line(QPoint from, QPoint to, int width);

private:
    // The pen's footprint around one point of the path.
    static QRegion Stamp(QPoint centre, int width);
};

} // namespace engine
