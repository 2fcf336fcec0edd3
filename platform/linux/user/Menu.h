// A menu (what an HMENU points to): its items, and showing it as a popup.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class QPoint;
class QWidget;

namespace engine {

class Menu : public HMENU__ {
public:
    struct Item {
        UINT flags = MF_STRING;
        UINT id = 0;
        std::string text; // '&' marks the mnemonic, a tab the start of the shortcut text
    };

    Menu() = default;
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    void Append(const Item& item) { m_items.push_back(item); }
    // Sets the item's MF_GRAYED bit as in flags; the previous bit, or -1 without that item.
    int Enable(UINT id, UINT flags);

    // Shows the menu at a screen position and returns the chosen item's id, 0 if none.
    UINT Popup(QWidget* parent, const QPoint& globalPos) const;

private:
    std::vector<Item> m_items;
};

inline Menu* MenuOf(HMENU handle) {
    return static_cast<Menu*>(handle);
}

} // namespace engine
