// An exception that escapes a handler is reported in the framework's message box, titled
// with the application name, and dispatch goes on.
#include "support/WinTestSupport.h"

#include "platform/afx/CException.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/MessageMapEntries.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

constexpr UINT kThrowButton = 300;
constexpr UINT kCountButton = 301;
constexpr const char* kDescription = "端口已被另一个程序打开。";

class CThrowingDialog : public CDialog {
public:
    explicit CThrowingDialog(UINT id) : CDialog(id) {}
    int reachedAfterThrow = 0;
    int counted = 0;
    bool throwStd = false;

protected:
    void OnThrow() {
        if (throwStd) {
            throw std::runtime_error("标准异常");
        }
        throw CNotSupportedException(kDescription);
        ++reachedAfterThrow; // never: the rest of the handler is abandoned
    }
    void OnCount() { ++counted; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingDialog, CDialog)
ON_BN_CLICKED(kThrowButton, OnThrow)
ON_BN_CLICKED(kCountButton, OnCount)
END_MESSAGE_MAP()

UINT ThrowingTemplate() {
    static const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kThrowButton, "button", "抛出", 10, 10, 59, 18,
                            WS_TABSTOP | WS_VISIBLE),
        wintest::DialogItem(kCountButton, "button", "计数", 10, 40, 59, 18,
                            WS_TABSTOP | WS_VISIBLE),
    }));
    return id;
}

QAbstractButton* Button(CDialog& dialog, UINT id) {
    return qobject_cast<QAbstractButton*>(wintest::WidgetOf(dialog.GetDlgItem(id)->m_hWnd));
}

TEST(ExceptionReport, TheDescriptionIsShownUnderTheApplicationName) {
    CWinApp app("tavrin");
    wintest::MessageBoxRecorder boxes;
    CThrowingDialog dialog(ThrowingTemplate());
    wintest::RunModal(dialog, [&] {
        wintest::Click(Button(dialog, kThrowButton));
        wintest::Click(Button(dialog, kCountButton));
        wintest::Click(Button(dialog, kThrowButton));
        wintest::Click(Button(dialog, kCountButton));
        EXPECT_TRUE(wintest::WidgetOf(dialog)->isVisible());
    });
    ASSERT_EQ(boxes.boxes.size(), 2U);
    EXPECT_EQ(boxes.boxes[0].text, kDescription);
    EXPECT_EQ(boxes.boxes[0].caption, "tavrin");
    EXPECT_EQ(boxes.boxes[0].type & 0xF0, MB_ICONEXCLAMATION);
    EXPECT_EQ(dialog.reachedAfterThrow, 0);
    EXPECT_EQ(dialog.counted, 2) << "dispatch goes on after a report";
}

TEST(ExceptionReport, WithoutAnAppObjectTheCaptionIsTheExecutablesName) {
    wintest::MessageBoxRecorder boxes;
    CThrowingDialog dialog(ThrowingTemplate());
    dialog.throwStd = true;
    wintest::RunModal(dialog, [&] { Button(dialog, kThrowButton)->click(); });
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].text, "标准异常");
    EXPECT_EQ(boxes.boxes[0].caption, QCoreApplication::applicationName().toStdString());
    EXPECT_FALSE(boxes.boxes[0].caption.empty());
}

} // namespace
