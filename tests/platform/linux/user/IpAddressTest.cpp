// The IP address control: typing, moving between fields, clamping, pasting and reading.
#include "support/WinTestSupport.h"

#include "platform/afx/CIPAddressCtrl.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace {

constexpr UINT kAddressId = 400;
constexpr UINT kAfterId = 401;

using CAddressDialog = wintest::OneControlDialog<CIPAddressCtrl, kAddressId>;

UINT AddressTemplate() {
    static const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kAddressId, "SysIPAddress32", "IPAddress1", 10, 10, 95, 15,
                            WS_TABSTOP | WS_VISIBLE),
        wintest::DialogItem(kAfterId, "edit", "", 10, 40, 40, 12,
                            WS_BORDER | WS_TABSTOP | WS_VISIBLE),
    }));
    return id;
}

struct Read {
    int count = 0;
    std::array<int, 4> fields{};
};

Read ReadAddress(const CIPAddressCtrl& control) {
    BYTE f[4] = {9, 9, 9, 9};
    Read r;
    r.count = control.GetAddress(f[0], f[1], f[2], f[3]);
    r.fields = {f[0], f[1], f[2], f[3]};
    return r;
}

// The field (0 to 3) of the control that has the focus, -1 if none.
int FocusedField(const CIPAddressCtrl& control) {
    const auto fields = wintest::WidgetOf(control)->findChildren<QLineEdit*>();
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i]->hasFocus()) {
            return i;
        }
    }
    return -1;
}

QLineEdit* Field(const CIPAddressCtrl& control, int index) {
    return wintest::WidgetOf(control)->findChildren<QLineEdit*>().at(index);
}

// Runs body on a fresh control that has the focus.
void WithAddress(const std::function<void(CAddressDialog&)>& body) {
    CAddressDialog dialog(AddressTemplate());
    wintest::RunModal(dialog, [&] {
        ASSERT_EQ(FocusedField(dialog.m_control), 0);
        body(dialog);
    });
}

TEST(IpAddress, StartsBlankAndReadsBlankFieldsAsZero) {
    WithAddress([](CAddressDialog& d) {
        EXPECT_TRUE(d.m_control.IsBlank());
        const Read r = ReadAddress(d.m_control);
        EXPECT_EQ(r.count, 0);
        EXPECT_EQ(r.fields, (std::array<int, 4>{0, 0, 0, 0}));
    });
}

TEST(IpAddress, DotsAndFullFieldsMoveOn) {
    WithAddress([](CAddressDialog& d) {
        wintest::Type("192.168.1.20");
        Read r = ReadAddress(d.m_control);
        EXPECT_EQ(r.count, 4);
        EXPECT_EQ(r.fields, (std::array<int, 4>{192, 168, 1, 20}));

        d.m_control.ClearAddress();
        d.m_control.SetFieldFocus(0);
        wintest::Type("1921681"); // three digits fill a field and move on
        r = ReadAddress(d.m_control);
        EXPECT_EQ(r.count, 3);
        EXPECT_EQ(r.fields, (std::array<int, 4>{192, 168, 1, 0}));
        EXPECT_EQ(FocusedField(d.m_control), 2);
    });
}

TEST(IpAddress, OnlyDigitsAndDotInAnEmptyFieldStays) {
    WithAddress([](CAddressDialog& d) {
        wintest::Type("a-1 x.");
        wintest::Type(".");
        const Read r = ReadAddress(d.m_control);
        EXPECT_EQ(r.count, 1);
        EXPECT_EQ(r.fields[0], 1);
        EXPECT_EQ(FocusedField(d.m_control), 1) << "a second '.' in an empty field stays";
    });
}

TEST(IpAddress, ValuesOver255BecomeTheMaximum) {
    WithAddress([](CAddressDialog& d) {
        wintest::Type("300");
        EXPECT_EQ(Field(d.m_control, 0)->text(), "255");
        EXPECT_EQ(FocusedField(d.m_control), 1);
        wintest::Type("26");
        wintest::Key(Qt::Key_Tab); // leaving the control with an unfinished field
        wintest::Type("");
        d.m_control.SetFieldFocus(1);
        wintest::Key(Qt::Key_End);
        wintest::Type("9");
        EXPECT_EQ(Field(d.m_control, 1)->text(), "255");
        const Read r = ReadAddress(d.m_control);
        EXPECT_EQ(r.fields[0], 255);
        EXPECT_EQ(r.fields[1], 255);
    });
}

TEST(IpAddress, AFourthDigitMovesToTheNextField) {
    WithAddress([](CAddressDialog& d) {
        wintest::Type("123");
        ASSERT_EQ(FocusedField(d.m_control), 1);
        wintest::Key(Qt::Key_Left); // back to the end of the full first field
        ASSERT_EQ(FocusedField(d.m_control), 0);
        wintest::Type("4");
        EXPECT_EQ(FocusedField(d.m_control), 1);
        const Read r = ReadAddress(d.m_control);
        EXPECT_EQ(r.fields[0], 123);
        EXPECT_EQ(r.fields[1], 4);
    });
}

TEST(IpAddress, BackspaceAndArrowsCrossFields) {
    WithAddress([](CAddressDialog& d) {
        wintest::Type("12.");
        ASSERT_EQ(FocusedField(d.m_control), 1);
        wintest::Key(Qt::Key_Backspace); // empty field: back to the end of the previous one
        EXPECT_EQ(FocusedField(d.m_control), 0);
        wintest::Key(Qt::Key_Backspace); // now an ordinary Backspace
        EXPECT_EQ(Field(d.m_control, 0)->text(), "1");

        wintest::Key(Qt::Key_Right); // at the end: into the next field
        EXPECT_EQ(FocusedField(d.m_control), 1);
        wintest::Type("7");
        wintest::Key(Qt::Key_Left);
        EXPECT_EQ(FocusedField(d.m_control), 1) << "Left moves inside the field first";
        wintest::Key(Qt::Key_Left);
        EXPECT_EQ(FocusedField(d.m_control), 0);
        wintest::Key(Qt::Key_Left);
        EXPECT_EQ(FocusedField(d.m_control), 0);
        wintest::Key(Qt::Key_Left); // nothing before the first field
        EXPECT_EQ(FocusedField(d.m_control), 0);
        const Read r = ReadAddress(d.m_control);
        EXPECT_EQ(r.fields[0], 1);
        EXPECT_EQ(r.fields[1], 7);
    });
}

TEST(IpAddress, PastingAnAddressFillsAllFour) {
    WithAddress([](CAddressDialog& d) {
        QApplication::clipboard()->setText(" 10.0.255.1 ");
        wintest::Key(Qt::Key_V, Qt::ControlModifier);
        Read r = ReadAddress(d.m_control);
        EXPECT_EQ(r.count, 4);
        EXPECT_EQ(r.fields, (std::array<int, 4>{10, 0, 255, 1}));

        QApplication::clipboard()->setText("10.0.256.1"); // not an address: nothing changes
        d.m_control.SetFieldFocus(0);
        wintest::Key(Qt::Key_V, Qt::ControlModifier);
        r = ReadAddress(d.m_control);
        EXPECT_EQ(r.fields, (std::array<int, 4>{10, 0, 255, 1}));
    });
}

TEST(IpAddress, SetAndClearAddress) {
    WithAddress([](CAddressDialog& d) {
        d.m_control.SetAddress(172, 16, 0, 254);
        const Read r = ReadAddress(d.m_control);
        EXPECT_EQ(r.count, 4);
        EXPECT_EQ(r.fields, (std::array<int, 4>{172, 16, 0, 254}));
        EXPECT_FALSE(d.m_control.IsBlank());
        d.m_control.ClearAddress();
        EXPECT_TRUE(d.m_control.IsBlank());
    });
}

} // namespace

namespace {

TEST(IpAddress, DestroyingTheControlWhileAFieldHasTheFocus) {
    WithAddress([](CAddressDialog& d) {
        wintest::Type("12");
        ASSERT_EQ(FocusedField(d.m_control), 0);
        EXPECT_TRUE(d.m_control.DestroyWindow());
        QCoreApplication::processEvents();
        EXPECT_EQ(d.GetDlgItem(kAddressId), nullptr);
    });
}

} // namespace
