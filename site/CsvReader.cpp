// Reading CSV rows, and quoting a cell.
#include "site/CsvReader.h"

#include "site/TextPieces.h"

#include <algorithm>

namespace site {

namespace {

constexpr char kQuote = '"';

} // namespace

bool CsvRow::Blank() const {
    return std::all_of(cells.begin(), cells.end(), [](const std::string& cell) {
        return cell.find_first_not_of(kBlanks) == std::string::npos;
    });
}

bool CsvReader::Next(CsvRow& row) {
    if (m_at >= m_text.size()) {
        return false;
    }
    row = CsvRow{};
    row.line = m_line;
    std::string cell;
    while (true) {
        if (m_at < m_text.size() && m_text[m_at] == kQuote && cell.empty()) {
            ReadQuoted(cell, row);
        }
        if (m_at >= m_text.size()) {
            row.cells.push_back(std::move(cell));
            return true;
        }
        const char c = m_text[m_at];
        if (c == m_separator) {
            row.cells.push_back(std::move(cell));
            cell.clear();
            ++m_at;
        } else if (TakeLineEnd()) {
            row.cells.push_back(std::move(cell));
            row.terminated = true;
            return true;
        } else {
            cell += c;
            ++m_at;
        }
    }
}

void CsvReader::ReadQuoted(std::string& cell, CsvRow& row) {
    ++m_at; // the opening quote
    while (m_at < m_text.size()) {
        const char c = m_text[m_at];
        if (c != kQuote) {
            if (c == '\n' ||
                (c == '\r' && (m_at + 1 >= m_text.size() || m_text[m_at + 1] != '\n'))) {
                ++m_line;
            }
            cell += c;
            ++m_at;
        } else if (m_at + 1 < m_text.size() && m_text[m_at + 1] == kQuote) {
            cell += kQuote;
            m_at += 2;
        } else {
            ++m_at; // the closing quote
            const bool ends = m_at >= m_text.size() || m_text[m_at] == m_separator ||
                              m_text[m_at] == '\r' || m_text[m_at] == '\n';
            if (!ends && row.problem.empty()) {
                row.problem = "引号后面紧跟着其他文字";
            }
            return;
        }
    }
    if (row.problem.empty()) {
        row.problem = "引号没有成对（从这一行起直到文件末尾都在引号里）";
    }
}

bool CsvReader::TakeLineEnd() {
    const char c = m_text[m_at];
    if (c == '\r') {
        ++m_at;
        if (m_at < m_text.size() && m_text[m_at] == '\n') {
            ++m_at;
        }
    } else if (c == '\n') {
        ++m_at;
    } else {
        return false;
    }
    ++m_line;
    return true;
}

std::string CsvField(std::string_view cell, char separator) {
    const bool quoted =
        cell.find_first_of(std::string{separator, kQuote, '\r', '\n'}) != std::string_view::npos ||
        (!cell.empty() && (kBlanks.find(cell.front()) != std::string_view::npos ||
                           kBlanks.find(cell.back()) != std::string_view::npos));
    if (!quoted) {
        return std::string(cell);
    }
    std::string field(1, kQuote);
    for (const char c : cell) {
        field += c;
        if (c == kQuote) {
            field += kQuote;
        }
    }
    return field + kQuote;
}

} // namespace site
