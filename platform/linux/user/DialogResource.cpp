#include "platform/linux/user/DialogResource.h"

#include <QString>
#include <cstring>
#include <utility>

namespace engine {

namespace {

constexpr WORD kTemplateVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kOrdinalMark = 0xFFFF;
constexpr int kPointsPerInch = 72;
constexpr int kPixelsPerInch = 96;
constexpr int kHorizontalUnitsPerBase = 4;
constexpr int kVerticalUnitsPerBase = 8;

// The system's control classes by atom.
const char* ClassOfAtom(WORD atom) {
    constexpr std::pair<WORD, const char*> kClasses[] = {
        {0x0080, "button"}, {0x0081, "edit"}, {0x0082, "static"}, {0x0085, "combobox"}};
    for (const auto& [classAtom, name] : kClasses) {
        if (classAtom == atom) {
            return name;
        }
    }
    return "";
}

// Reads the words of a template in order; a template is made of 16-bit words, DWORDs and
// zero-terminated UTF-16 strings, each control aligned to 4 bytes.
class TemplateReader {
public:
    explicit TemplateReader(const void* data) : m_data(static_cast<const unsigned char*>(data)) {}

    WORD Word() {
        WORD w;
        std::memcpy(&w, m_data + m_offset, sizeof w);
        m_offset += sizeof w;
        return w;
    }
    DWORD Dword() {
        const DWORD low = Word();
        return low | (DWORD(Word()) << 16);
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return m_data[m_offset++]; }
    std::string String() {
        std::u16string text;
        for (WORD w = Word(); w != 0; w = Word()) {
            text.push_back(static_cast<char16_t>(w));
        }
        return QString::fromStdU16String(text).toStdString();
    }
    // A string, or an ordinal after the 0xFFFF mark.
    std::string StringOrOrdinal(std::optional<WORD>& ordinal) {
        WORD first = Word();
        if (first == kOrdinalMark) {
            ordinal = Word();
            return {};
        }
        m_offset -= sizeof(WORD);
        return String();
    }
    void AlignToDword() { m_offset = (m_offset + 3) & ~std::size_t(3); }

private:
    const unsigned char* m_data;
    std::size_t m_offset = 0;
};

// (a * b) / c rounded half away from zero, as MulDiv does.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

std::optional<DialogResource> ReadDialogResource(LPCDLGTEMPLATE data) {
    if (data == nullptr) {
        return std::nullopt;
    }
    TemplateReader in(data);
    if (in.Word() != kTemplateVersion || in.Word() != kExtendedSignature) {
        return std::nullopt;
    }
    DialogResource dialog;
    in.Dword(); // help id
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
    const WORD count = in.Word();
    in.Short(); // x and y: a modal dialog is placed by the system
    in.Short();
    dialog.cx = in.Short();
    dialog.cy = in.Short();
    std::optional<WORD> menu;
    std::optional<WORD> windowClass;
    if (!in.StringOrOrdinal(menu).empty() || menu || !in.StringOrOrdinal(windowClass).empty() ||
        windowClass) {
        return std::nullopt;
    }
    dialog.caption = in.String();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Word();
        in.Word(); // weight
        in.Byte(); // italic
        in.Byte(); // character set
        dialog.fontFace = in.String();
    }
    for (WORD i = 0; i < count; ++i) {
        in.AlignToDword();
        DialogResourceItem item;
        in.Dword(); // help id
        item.exStyle = in.Dword();
        item.style = in.Dword();
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = in.Dword();
        std::optional<WORD> atom;
        item.className = in.StringOrOrdinal(atom);
        if (atom) {
            item.className = ClassOfAtom(*atom);
        }
        item.text = in.StringOrOrdinal(item.ordinal);
        const WORD extra = in.Word();
        for (WORD b = 0; b < extra; ++b) {
            in.Byte();
        }
        dialog.items.push_back(std::move(item));
    }
    return dialog;
}

DialogBaseUnits BaseUnitsForFont(const std::string&, WORD pointSize) {
    // The dialog faces are CJK faces whose Latin glyphs are half the em: the average
    // character width is half the pixel height (9 pt: 6 x 12).
    const int height = pointSize * kPixelsPerInch / kPointsPerInch;
    return {height / 2, height};
}

RECT MapDialogUnits(const RECT& dialogUnits, DialogBaseUnits units) {
    return RECT{MulDiv(dialogUnits.left, units.x, kHorizontalUnitsPerBase),
                MulDiv(dialogUnits.top, units.y, kVerticalUnitsPerBase),
                MulDiv(dialogUnits.right, units.x, kHorizontalUnitsPerBase),
                MulDiv(dialogUnits.bottom, units.y, kVerticalUnitsPerBase)};
}

} // namespace engine
