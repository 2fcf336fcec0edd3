// The IP address window class: four number fields separated by dots. Digits only; a '.' or
// a full field moves on to the next field; a value over 255 becomes 255; Backspace in an
// empty field and the arrow keys cross between fields; pasting "a.b.c.d" fills all four.
#pragma once

#include "platform/linux/user/Window.h"

#include <array>
#include <optional>
#include <string>

class QLineEdit;
class QObject;

namespace engine {

class IpAddressWindow : public Window {
public:
    static constexpr int kFields = 4;
    using Fields = std::array<std::optional<BYTE>, kFields>; // nullopt: a blank field

    explicit IpAddressWindow(const WindowParams& params);
    ~IpAddressWindow() override;

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SetFont(HFONT font) override;

    Fields GetFields() const;
    LRESULT GetAddress(DWORD* address) const;
    void SetFields(const Fields& fields);
    void FocusField(int index);
    // Fills all four fields from "a.b.c.d" text; false (nothing changed) if it is not one.
    bool PasteAddress(const QString& text);

private:
    class FieldFilter;
    friend class FieldFilter;

    bool FieldKey(int index, QObject* watched, QEvent* event);
    void ClampField(int index);
    void LayoutFields();
    void PaintDots();

    std::array<QLineEdit*, kFields> m_fields{};
    std::unique_ptr<FieldFilter> m_filter;
};

// Parses "a.b.c.d" (blank parts allowed, each part 0 to 255, surrounding blanks ignored).
std::optional<IpAddressWindow::Fields> ParseAddressText(const QString& text);

} // namespace engine
