// Rows of comma-separated text as RFC 4180 writes them, read leniently enough for what Excel,
// LibreOffice and a text editor save: a quoted cell may hold separators, doubled quotes and
// line breaks; lines end in CRLF, LF or a lone CR; a quote inside an unquoted cell is text.
// The writing side: a cell quoted where it has to be.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace site {

struct CsvRow {
    // The line of the text the row starts on, from 1.
    std::size_t line = 0;
    std::vector<std::string> cells;
    // Whether a line end closed the row (the text's last row may lack one).
    bool terminated = false;
    // What is wrong with the row's quoting (a Chinese phrase); empty when nothing is.
    std::string problem;

    // Whether every cell is empty or blank (a row Excel leaves at the end of a sheet).
    bool Blank() const;
};

class CsvReader {
public:
    CsvReader(std::string_view text, char separator) : m_text(text), m_separator(separator) {}

    // The next row into row; false at the end of the text.
    bool Next(CsvRow& row);

private:
    // Reads one quoted cell starting at the opening quote into cell.
    void ReadQuoted(std::string& cell, CsvRow& row);
    // Consumes a line end at the current position; false when there is none.
    bool TakeLineEnd();

    std::string_view m_text;
    char m_separator = ',';
    std::size_t m_at = 0;
    std::size_t m_line = 1;
};

// The cell as a CSV field: as it is, or in quotes (inner quotes doubled) when it holds the
// separator, a quote, a line break, or starts or ends with a blank.
std::string CsvField(std::string_view cell, char separator = ',');

} // namespace site
