#include "platform/linux/gdi/TextLayout.h"

#include <QTextBoundaryFinder>

#include <cstring>

namespace engine {

namespace {
constexpr QChar kPrefix = u'&';
} // namespace

QString TextLayout::Decode(LPCTSTR text, int count) {
    if (!text) {
        return {};
    }
    const qsizetype length = count < 0 ? static_cast<qsizetype>(std::strlen(text)) : count;
    return QString::fromUtf8(text, length);
}

TextLayout::Prefixed TextLayout::StripPrefixes(const QString& raw) {
    Prefixed result;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != kPrefix) {
            result.text += raw[i];
            continue;
        }
        if (i + 1 >= raw.size()) {
            break;
        }
        ++i;
        if (raw[i] != kPrefix) {
            result.underlined.push_back(static_cast<int>(result.text.size()));
        }
        result.text += raw[i];
    }
    return result;
}

std::vector<TextLayout::Line> TextLayout::BreakLines(const QString& text,
                                                     const QFontMetrics& metrics, int width) {
    std::vector<Line> lines;
    int start = 0;
    for (;;) {
        int end = static_cast<int>(text.indexOf(u'\n', start));
        const bool last = end < 0;
        if (last) {
            end = static_cast<int>(text.size());
        }
        int length = end - start;
        if (length > 0 && text[start + length - 1] == u'\r') {
            --length;
        }
        for (const Line& line : BreakParagraph(text, start, length, metrics, width)) {
            lines.push_back(line);
        }
        if (last) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

std::vector<TextLayout::Line> TextLayout::BreakParagraph(const QString& text, int start, int length,
                                                         const QFontMetrics& metrics, int width) {
    const QString paragraph = text.mid(start, length);
    if (width <= 0 || metrics.horizontalAdvance(paragraph) <= width) {
        return {Line{start, length}};
    }
    // Break opportunities after the start, the end of the paragraph among them.
    std::vector<int> breaks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, paragraph);
    for (qsizetype next = finder.toNextBoundary(); next > 0; next = finder.toNextBoundary()) {
        breaks.push_back(static_cast<int>(next));
    }
    const int size = static_cast<int>(paragraph.size());
    const auto trimmedEnd = [&paragraph](int from, int to) {
        while (to > from && paragraph[to - 1].isSpace()) {
            --to;
        }
        return to;
    };
    std::vector<Line> lines;
    int lineStart = 0;
    while (lineStart < size) {
        // The last break whose line fits; a word wider than the line stands on its own.
        int lineBreak = -1;
        for (int candidate : breaks) {
            if (candidate <= lineStart) {
                continue;
            }
            const int end = trimmedEnd(lineStart, candidate);
            const bool fits =
                metrics.horizontalAdvance(paragraph.mid(lineStart, end - lineStart)) <= width;
            if (fits || lineBreak < 0) {
                lineBreak = candidate;
            }
            if (!fits) {
                break;
            }
        }
        if (lineBreak < 0) {
            lineBreak = size;
        }
        lines.push_back(Line{start + lineStart, trimmedEnd(lineStart, lineBreak) - lineStart});
        lineStart = lineBreak;
        while (lineStart < size && paragraph[lineStart] == u' ') {
            ++lineStart;
        }
    }
    return lines;
}

} // namespace engine
