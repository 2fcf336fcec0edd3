// The framework's own message box as the user meets it: titled with the application's name,
// Chinese button captions, the answer of the button pressed, and text that can be selected
// with the mouse, so that a device path in it can be copied.
#include "support/WinTestSupport.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/afx/CWinApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr const char* kPath = "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0";
constexpr const char* kText = "打开串口失败：/dev/serial/by-id/usb-FTDI_FT232R-if00-port0";
constexpr int kPathStart = 7; // characters before the path
constexpr int kPathLength = 44;

struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
    Qt::TextInteractionFlags flags;
    QString copied;
};

// Shows the message box with `type`, records what it shows and presses `press`.
int ShowAndPress(UINT type, QMessageBox::StandardButton press, SeenBox& seen) {
    QTimer::singleShot(0, qApp, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no message box is shown";
            return;
        }
        seen.title = box->windowTitle();
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) {
            seen.text = label->text();
            seen.flags = label->textInteractionFlags();
            // The device path, as a user would select it with the mouse, then Ctrl+C.
            QGuiApplication::clipboard()->clear();
            label->setSelection(kPathStart, kPathLength);
            QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
            seen.copied = QGuiApplication::clipboard()->text();
        }
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
        }
        if (QAbstractButton* button = box->button(press)) {
            button->click();
        } else {
            ADD_FAILURE() << "the box has not the button to press";
            box->reject();
        }
    });
    return AfxMessageBox(kText, type);
}

} // namespace

TEST(MessageBox, ShowsTheTextSelectableUnderTheAppNameWithChineseButtons) {
    CWinApp app("tavrin");
    SeenBox ok;
    EXPECT_EQ(ShowAndPress(MB_OK | MB_ICONERROR, QMessageBox::Ok, ok), IDOK);
    EXPECT_EQ(ok.title, "tavrin");
    EXPECT_EQ(ok.text, QString::fromUtf8(kText));
    EXPECT_TRUE(ok.flags.testFlag(Qt::TextSelectableByMouse));
    EXPECT_EQ(ok.copied, kPath);
    EXPECT_EQ(ok.buttons, QStringList{QString::fromUtf8("确定")});

    SeenBox question;
    EXPECT_EQ(ShowAndPress(MB_YESNO | MB_ICONQUESTION, QMessageBox::No, question), IDNO);
    question.buttons.sort();
    QStringList yesNo{QString::fromUtf8("是(&Y)"), QString::fromUtf8("否(&N)")};
    yesNo.sort();
    EXPECT_EQ(question.buttons, yesNo);
}
