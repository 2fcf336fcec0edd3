// Text, text extents, DrawState and icons.
#include "platform/linux/gdi/ColorRef.h"
#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/gdi/GdiFont.h"
#include "platform/linux/gdi/Icon.h"
#include "platform/linux/gdi/StockObjects.h"
#include "platform/linux/gdi/TextLayout.h"
#include <windows.h>

#include <algorithm>

using engine::DcOf;
using engine::IconOf;

using engine::TextLayout;

namespace {

// The embossed copy of disabled text lies one pixel right of and below the text.
constexpr int kEmbossOffset = 1;

QFontMetrics Metrics(engine::DeviceContext& dc) {
    return QFontMetrics(dc.Attributes().font->Font(), &dc.Target());
}

// Draws one line of prepared text with its top-left corner at `topLeft` in `color`,
// underlining the characters at `underlined` (indices into `run`); the background is
// filled first in the background colour when `opaque`.
void DrawRun(engine::DeviceContext& dc, QPoint topLeft, const QString& run,
             const std::vector<int>& underlined, COLORREF color, bool opaque) {
    const QFontMetrics metrics = Metrics(dc);
    const int width = metrics.horizontalAdvance(run);
    if (opaque) {
        dc.FillRegion(QRegion(topLeft.x(), topLeft.y(), width, metrics.height()),
                      dc.Attributes().bkColor);
    }
    QPainter& painter = dc.Painter();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(engine::ToQColor(color));
    painter.setFont(dc.Attributes().font->Font());
    const int baseline = topLeft.y() + metrics.ascent();
    painter.drawText(QPoint(topLeft.x(), baseline), run);
    painter.restore();
    // The underline sits one row below the baseline row, inside the character cell.
    const int underlineY = std::min(baseline + 1, topLeft.y() + metrics.height() - 1);
    for (int index : underlined) {
        if (index < 0 || index >= run.size()) {
            continue;
        }
        const int from = metrics.horizontalAdvance(run.left(index));
        const int to = metrics.horizontalAdvance(run.left(index + 1));
        dc.FillRegion(QRegion(topLeft.x() + from, underlineY, to - from, 1), color);
    }
}

// The underlined positions that fall into a line, relative to its start.
std::vector<int> UnderlinedIn(const std::vector<int>& underlined, const TextLayout::Line& line) {
    std::vector<int> inLine;
    for (int index : underlined) {
        if (index >= line.start && index < line.start + line.length) {
            inLine.push_back(index - line.start);
        }
    }
    return inLine;
}

} // namespace

BOOL GetTextExtentPoint32(HDC hdc, LPCTSTR lpString, int c, LPSIZE psizl) {
    if (!hdc || !psizl || c < 0 || (!lpString && c > 0)) {
        return FALSE;
    }
    const QFontMetrics metrics = Metrics(*DcOf(hdc));
    const QString text = TextLayout::Decode(lpString, c);
    *psizl = SIZE{metrics.horizontalAdvance(text), metrics.height()};
    return TRUE;
}

int DrawText(HDC hdc, LPCTSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    if (!hdc || !lprc) {
        return 0;
    }
    const QString raw = TextLayout::Decode(lpchText, cchText);
    const TextLayout::Prefixed prepared =
        (format & DT_NOPREFIX) ? TextLayout::Prefixed{raw, {}} : TextLayout::StripPrefixes(raw);
    const QFontMetrics metrics = Metrics(*DcOf(hdc));
    const int boxWidth = lprc->right - lprc->left;
    std::vector<TextLayout::Line> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back({0, static_cast<int>(prepared.text.size())});
    } else {
        const int breakWidth = (format & DT_WORDBREAK) ? std::max(1, boxWidth) : 0;
        lines = TextLayout::BreakLines(prepared.text, metrics, breakWidth);
    }
    const int lineHeight = metrics.height();
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    int widest = 0;
    for (const TextLayout::Line& line : lines) {
        const QString run = prepared.text.mid(line.start, line.length);
        widest = std::max(widest, metrics.horizontalAdvance(run));
    }
    if (format & DT_CALCRECT) {
        lprc->right = lprc->left + widest;
        lprc->bottom = lprc->top + textHeight;
        return textHeight;
    }
    int y = lprc->top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) {
        y = lprc->top + (lprc->bottom - lprc->top - lineHeight) / 2;
    }
    QPainter& painter = DcOf(hdc)->Painter();
    painter.save();
    const QRect clip(lprc->left, lprc->top, std::max(0, boxWidth),
                     std::max(0, static_cast<int>(lprc->bottom - lprc->top)));
    painter.setClipRect(clip, Qt::IntersectClip);
    const bool opaque = DcOf(hdc)->Attributes().bkMode == OPAQUE;
    for (const TextLayout::Line& line : lines) {
        const QString run = prepared.text.mid(line.start, line.length);
        int x = lprc->left;
        if (format & DT_CENTER) {
            x = lprc->left + (boxWidth - metrics.horizontalAdvance(run)) / 2;
        }
        DrawRun(*DcOf(hdc), {x, y}, run, UnderlinedIn(prepared.underlined, line),
                DcOf(hdc)->Attributes().textColor, opaque);
        y += lineHeight;
    }
    painter.restore();
    return y - lprc->top;
}

BOOL DrawState(HDC hdc, HBRUSH /*hbrFore*/, DRAWSTATEPROC /*qfnCallBack*/, LPARAM lData,
               WPARAM wData, int x, int y, int /*cx*/, int /*cy*/, UINT uFlags) {
    constexpr UINT kKindMask = 0x000F; // the flags' bits that say what kind of image it is
    const UINT kind = uFlags & kKindMask;
    const auto* text = reinterpret_cast<LPCTSTR>(lData);
    if (!hdc || !text || (kind != DST_TEXT && kind != DST_PREFIXTEXT)) {
        return FALSE;
    }
    // A length of 0 means the text is terminated.
    const QString raw = TextLayout::Decode(text, wData == 0 ? -1 : static_cast<int>(wData));
    const TextLayout::Prefixed prepared =
        kind == DST_PREFIXTEXT ? TextLayout::StripPrefixes(raw) : TextLayout::Prefixed{raw, {}};
    const QPoint at(x, y);
    if (uFlags & DSS_DISABLED) {
        // Embossed, always transparent: a highlight copy offset down and right, then the
        // text itself in the shadow colour.
        const COLORREF light = engine::StockObjects::SysColor(COLOR_3DHILIGHT);
        const COLORREF shadow = engine::StockObjects::SysColor(COLOR_3DSHADOW);
        DrawRun(*DcOf(hdc), at + QPoint(kEmbossOffset, kEmbossOffset), prepared.text,
                prepared.underlined, light, false);
        DrawRun(*DcOf(hdc), at, prepared.text, prepared.underlined, shadow, false);
        return TRUE;
    }
    DrawRun(*DcOf(hdc), at, prepared.text, prepared.underlined, DcOf(hdc)->Attributes().textColor,
            DcOf(hdc)->Attributes().bkMode == OPAQUE);
    return TRUE;
}

BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
    if (!hDC || !hIcon) {
        return FALSE;
    }
    QPainter& painter = DcOf(hDC)->Painter();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(X, Y), IconOf(hIcon)->Image(engine::Icon::kStandardSize));
    painter.restore();
    return TRUE;
}
