// Text, text extents, DrawState and icons.
#include "platform/gdi/CDC.h"

#include "platform/gdi/ColorRef.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/TextLayout.h"

#include <QStringList>

#include <algorithm>

using platform::TextLayout;

namespace {

constexpr UINT kDrawStateKindMask = 0x000F;
// The embossed copy of disabled text lies one pixel right of and below the text.
constexpr int kEmbossOffset = 1;

QFontMetrics Metrics(platform::DeviceContext& dc) {
    return QFontMetrics(dc.Font()->Font(), &dc.Target());
}

// Draws one line of prepared text with its top-left corner at `topLeft` in `color`,
// underlining the characters at `underlined` (indices into `run`); the background is
// filled first in the background colour when `opaque`.
void DrawRun(platform::DeviceContext& dc, QPoint topLeft, const QString& run,
             const std::vector<int>& underlined, COLORREF color, bool opaque, bool expandTabs) {
    const QFontMetrics metrics = Metrics(dc);
    const int width = TextLayout::RunWidth(run, metrics, expandTabs);
    if (opaque) {
        dc.FillRegion(QRegion(topLeft.x(), topLeft.y(), width, metrics.height()), dc.BkColor());
    }
    QPainter& painter = dc.Painter();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(platform::ToQColor(color));
    painter.setFont(dc.Font()->Font());
    const int baseline = topLeft.y() + metrics.ascent();
    if (expandTabs && run.contains(u'\t')) {
        const QStringList pieces = run.split(u'\t');
        int index = 0;
        for (const QString& piece : pieces) {
            const int x = TextLayout::OffsetOf(run, index, metrics, true);
            painter.drawText(QPoint(topLeft.x() + x, baseline), piece);
            index += static_cast<int>(piece.size()) + 1;
        }
    } else {
        painter.drawText(QPoint(topLeft.x(), baseline), run);
    }
    painter.restore();
    // The underline sits one row below the baseline row, inside the character cell.
    const int underlineY = std::min(baseline + 1, topLeft.y() + metrics.height() - 1);
    for (int index : underlined) {
        if (index < 0 || index >= run.size()) {
            continue;
        }
        const int from = TextLayout::OffsetOf(run, index, metrics, expandTabs);
        const int to = TextLayout::OffsetOf(run, index + 1, metrics, expandTabs);
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

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
    if (!m_hDC) {
        return {};
    }
    const QFontMetrics metrics = Metrics(*m_hDC);
    const QString text = TextLayout::Decode(lpszString, nCount);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

CSize CDC::GetTextExtent(const CString& str) const {
    return GetTextExtent(str.GetString(), str.GetLength());
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    if (!m_hDC || !lpRect) {
        return 0;
    }
    const QString raw = TextLayout::Decode(lpszString, nCount);
    const TextLayout::Prefixed prepared =
        (nFormat & DT_NOPREFIX) ? TextLayout::Prefixed{raw, {}} : TextLayout::StripPrefixes(raw);
    const bool expandTabs = (nFormat & DT_EXPANDTABS) != 0;
    const QFontMetrics metrics = Metrics(*m_hDC);
    const int boxWidth = lpRect->right - lpRect->left;
    std::vector<TextLayout::Line> lines;
    if (nFormat & DT_SINGLELINE) {
        lines.push_back({0, static_cast<int>(prepared.text.size())});
    } else {
        const int breakWidth = (nFormat & DT_WORDBREAK) ? std::max(1, boxWidth) : 0;
        lines = TextLayout::BreakLines(prepared.text, metrics, breakWidth, expandTabs);
    }
    const int lineHeight = metrics.height();
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    int widest = 0;
    for (const TextLayout::Line& line : lines) {
        const QString run = prepared.text.mid(line.start, line.length);
        widest = std::max(widest, TextLayout::RunWidth(run, metrics, expandTabs));
    }
    if (nFormat & DT_CALCRECT) {
        lpRect->right = lpRect->left + widest;
        lpRect->bottom = lpRect->top + textHeight;
        return textHeight;
    }
    int y = lpRect->top;
    if (nFormat & DT_SINGLELINE) {
        if (nFormat & DT_VCENTER) {
            y = lpRect->top + (lpRect->bottom - lpRect->top - lineHeight) / 2;
        } else if (nFormat & DT_BOTTOM) {
            y = lpRect->bottom - lineHeight;
        }
    }
    QPainter& painter = m_hDC->Painter();
    painter.save();
    if (!(nFormat & DT_NOCLIP)) {
        const QRect clip(lpRect->left, lpRect->top, std::max(0, boxWidth),
                         std::max(0, static_cast<int>(lpRect->bottom - lpRect->top)));
        painter.setClipRect(clip, Qt::IntersectClip);
    }
    const bool opaque = m_hDC->BkMode() == OPAQUE;
    const bool showUnderlines = !(nFormat & DT_HIDEPREFIX);
    for (const TextLayout::Line& line : lines) {
        const QString run = prepared.text.mid(line.start, line.length);
        const int runWidth = TextLayout::RunWidth(run, metrics, expandTabs);
        int x = lpRect->left;
        if (nFormat & DT_CENTER) {
            x = lpRect->left + (boxWidth - runWidth) / 2;
        } else if (nFormat & DT_RIGHT) {
            x = lpRect->right - runWidth;
        }
        const std::vector<int> underlined =
            showUnderlines ? UnderlinedIn(prepared.underlined, line) : std::vector<int>{};
        DrawRun(*m_hDC, {x, y}, run, underlined, m_hDC->TextColor(), opaque, expandTabs);
        y += lineHeight;
    }
    painter.restore();
    return y - lpRect->top;
}

BOOL CDC::DrawState(CPoint pt, CSize /*size*/, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, CBrush* /*pBrush*/) {
    if (!m_hDC || !lpszText) {
        return FALSE;
    }
    // A length of 0 means the text is terminated. The text kind comes from the flags or
    // from bPrefixText; combining DST_TEXT with a prefix request stays prefixed text.
    const QString raw = TextLayout::Decode(lpszText, nTextLen == 0 ? -1 : nTextLen);
    const UINT kind = nFlags & kDrawStateKindMask;
    const bool prefixed = bPrefixText || kind == DST_PREFIXTEXT;
    const TextLayout::Prefixed prepared =
        prefixed ? TextLayout::StripPrefixes(raw) : TextLayout::Prefixed{raw, {}};
    const QPoint at(pt.x, pt.y);
    if (nFlags & DSS_DISABLED) {
        // Embossed, always transparent: a highlight copy offset down and right, then the
        // text itself in the shadow colour.
        const COLORREF light = platform::StockObjects::SysColor(COLOR_3DHILIGHT);
        const COLORREF shadow = platform::StockObjects::SysColor(COLOR_3DSHADOW);
        DrawRun(*m_hDC, at + QPoint(kEmbossOffset, kEmbossOffset), prepared.text,
                prepared.underlined, light, false, false);
        DrawRun(*m_hDC, at, prepared.text, prepared.underlined, shadow, false, false);
        return TRUE;
    }
    DrawRun(*m_hDC, at, prepared.text, prepared.underlined, m_hDC->TextColor(),
            m_hDC->BkMode() == OPAQUE, false);
    return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    if (!m_hDC || !hIcon) {
        return FALSE;
    }
    QPainter& painter = m_hDC->Painter();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(x, y), hIcon->Image(platform::Icon::kStandardSize));
    painter.restore();
    return TRUE;
}
