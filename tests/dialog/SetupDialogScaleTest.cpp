// The setup dialog on scaled screens: labels and title drawn at the device resolution, the
// texture scaled as a picture without seams, the layout in logical pixels, and the
// unscaled rendering as before once the dialog is back on an unscaled screen.
#include "dialog/SetupDialog.h"

#include "platform/afx/Afx.h"
#include "platform/afx/ControlContainer.h"
#include "platform/afx/DialogTemplate.h"
#include "platform/linux/gdi/ImageResources.h"
#include "platform/linux/user/Window.h"
#include "res/Resource.h"
#include "support/ScaledScreen.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr QRgb kLabelBlue = qRgb(10, 10, 255);
constexpr QRgb kTitleBlue = qRgb(0, 0, 255);
constexpr int kRgbMask = 0xFFFFFF;
constexpr double kRatios[] = {test::kDoubleRatio, test::kFractionalRatio};

class SetupDialogScaleTest : public testing::Test {
protected:
    void SetUp() override {
        AfxEnableControlContainer();
        m_previousBox = engine::SetMessageBoxHandler(
            [](const std::string&, const std::string&, UINT) { return IDOK; });
    }
    void TearDown() override { engine::SetMessageBoxHandler(std::move(m_previousBox)); }

    // Runs the dialog modally and calls body with its top-level widget while it is open,
    // once its first paint is done (labels that need more room widen after it).
    static void WhileOpen(const std::function<void(CSetupDialog&, QWidget*)>& body) {
        CSetupDialog dlg;
        QTimer::singleShot(0, [&] {
            test::Grab(engine::WindowOf(dlg.m_hWnd)->Widget());
            QCoreApplication::processEvents();
            body(dlg, engine::WindowOf(dlg.m_hWnd)->Widget());
            dlg.EndDialog(IDCANCEL);
        });
        ASSERT_EQ(dlg.DoModal(), IDCANCEL);
    }

    static bool IsText(const engine::Window& child) {
        return child.Id() == afx::kUnnamedControlId || child.Id() == IDC_TITLE;
    }

    engine::MessageBoxHandler m_previousBox;
};

TEST_F(SetupDialogScaleTest, LabelsAndTitleAreDrawnAtTheDeviceResolution) {
    for (const double ratio : kRatios) {
        WhileOpen([&](CSetupDialog& dlg, QWidget* top) {
            ASSERT_TRUE(test::MoveToScreen(top, ratio)) << ratio;
            const QImage image = test::Grab(top);
            ASSERT_EQ(image.size(), test::DeviceRect(QRect(QPoint(), top->size()), ratio).size());
            int texts = 0;
            for (const auto& child : engine::WindowOf(dlg.m_hWnd)->Children()) {
                if (!IsText(*child)) {
                    continue;
                }
                const QRgb blue = child->Id() == IDC_TITLE ? kTitleBlue : kLabelBlue;
                const test::InkBlocks blocks =
                    test::CountInkBlocks(image, child->WindowRect(), ratio, [blue](QRgb pixel) {
                        return (pixel & kRgbMask) == (blue & kRgbMask);
                    });
                ASSERT_GT(blocks.inked, 0) << child->Text() << " at " << ratio;
                // An enlarged rendering would have every inked pixel solid.
                EXPECT_LT(blocks.solid * 2, blocks.inked) << child->Text() << " at " << ratio;
                ++texts;
            }
            EXPECT_EQ(texts, 7);
        });
    }
}

TEST_F(SetupDialogScaleTest, TextureIsScaledAsAPictureWithoutSeams) {
    const QImage tile = engine::LoadImageResource(RT_BITMAP, IDB_BACKGROUND);
    ASSERT_EQ(tile.size(), QSize(53, 20));
    for (const double ratio : kRatios) {
        WhileOpen([&](CSetupDialog& dlg, QWidget* top) {
            ASSERT_TRUE(test::MoveToScreen(top, ratio)) << ratio;
            const QImage image = test::Grab(top);
            // Device pixels next to a control may show a bit of it; leave a margin.
            std::vector<QRect> controls;
            for (const auto& child : engine::WindowOf(dlg.m_hWnd)->Children()) {
                controls.push_back(
                    test::DeviceRect(child->WindowRect().adjusted(-1, -1, 1, 1), ratio));
            }
            int checked = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    bool covered = false;
                    for (const QRect& control : controls) {
                        covered = covered || control.contains(x, y);
                    }
                    if (covered) {
                        continue;
                    }
                    const int tx = test::LogicalOf(x, ratio) % tile.width();
                    const int ty = test::LogicalOf(y, ratio) % tile.height();
                    ASSERT_EQ(image.pixel(x, y) & kRgbMask, tile.pixel(tx, ty) & kRgbMask)
                        << x << "," << y << " at " << ratio;
                    ++checked;
                }
            }
            EXPECT_GT(checked, image.width() * image.height() / 2);
        });
    }
}

TEST_F(SetupDialogScaleTest, ControlsKeepTheirPlacesInLogicalPixels) {
    WhileOpen([&](CSetupDialog& dlg, QWidget* top) {
        std::vector<QRect> unscaled;
        for (const auto& child : engine::WindowOf(dlg.m_hWnd)->Children()) {
            unscaled.push_back(child->WindowRect());
        }
        const QSize size = top->size();
        for (const double ratio : kRatios) {
            ASSERT_TRUE(test::MoveToScreen(top, ratio)) << ratio;
            EXPECT_EQ(top->size(), size) << ratio;
            std::vector<QRect> scaled;
            for (const auto& child : engine::WindowOf(dlg.m_hWnd)->Children()) {
                scaled.push_back(child->WindowRect());
            }
            EXPECT_EQ(scaled, unscaled) << ratio;
        }
    });
}

TEST_F(SetupDialogScaleTest, BackOnAnUnscaledScreenTheDialogLooksAsBefore) {
    WhileOpen([&](CSetupDialog&, QWidget* top) {
        const QImage before = test::Grab(top);
        for (const double ratio : {test::kDoubleRatio, test::kFractionalRatio, 1.0}) {
            ASSERT_TRUE(test::MoveToScreen(top, ratio)) << ratio;
        }
        EXPECT_EQ(test::Grab(top), before);
    });
}

} // namespace
