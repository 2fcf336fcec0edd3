// Text preparation shared by the text operations: UTF-8 decoding, prefix characters (&)
// and breaking text into lines.
#pragma once

#include <windows.h>

#include <QFontMetrics>
#include <QString>

#include <vector>

namespace engine {

class TextLayout {
public:
    // Text with its prefix characters removed and the positions of the characters they
    // underline: "&x" underlines x, "&&" is a literal '&', a trailing '&' is dropped.
    struct Prefixed {
        QString text;
        std::vector<int> underlined;
    };
    // One line of laid-out text: a range of the prepared text.
    struct Line {
        int start = 0;
        int length = 0;
    };

    // Decodes `count` bytes of UTF-8 (a negative count: up to the terminating zero).
    static QString Decode(LPCTSTR text, int count);
    static Prefixed StripPrefixes(const QString& raw);
    // Splits at line feeds (dropping carriage returns before them) and, when `width` is
    // positive, at break opportunities so that each line fits the width where possible;
    // spaces at a break are dropped.
    static std::vector<Line> BreakLines(const QString& text, const QFontMetrics& metrics,
                                        int width);

private:
    static std::vector<Line> BreakParagraph(const QString& text, int start, int length,
                                            const QFontMetrics& metrics, int width);
};

} // namespace engine
