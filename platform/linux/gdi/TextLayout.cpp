#include "platform/linux/gdi/TextLayout.h"

#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstring>

namespace engine {

namespace {
constexpr QChar kPrefix = u'&';
constexpr QChar kTab = u'\t';
constexpr int kTabStopChars = 8;
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
                                                     const QFontMetrics& metrics, int width,
                                                     bool expandTabs) {
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
        for (const Line& line : BreakParagraph(text, start, length, metrics, width, expandTabs)) {
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
                                                         const QFontMetrics& metrics, int width,
                                                         bool expandTabs) {
    const QString paragraph = text.mid(start, length);
    if (width <= 0 || RunWidth(paragraph, metrics, expandTabs) <= width) {
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
                RunWidth(paragraph.mid(lineStart, end - lineStart), metrics, expandTabs) <= width;
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

int TextLayout::RunWidth(const QString& run, const QFontMetrics& metrics, bool expandTabs) {
    return OffsetOf(run, static_cast<int>(run.size()), metrics, expandTabs);
}

int TextLayout::OffsetOf(const QString& run, int index, const QFontMetrics& metrics,
                         bool expandTabs) {
    const QString head = run.left(index);
    if (!expandTabs || !head.contains(kTab)) {
        return metrics.horizontalAdvance(head);
    }
    const int stop = std::max(1, kTabStopChars * metrics.averageCharWidth());
    int x = 0;
    const QStringList pieces = head.split(kTab);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        x += metrics.horizontalAdvance(pieces[i]);
        if (i + 1 < pieces.size()) {
            x = (x / stop + 1) * stop;
        }
    }
    return x;
}

} // namespace engine
