// Test entry point: a Qt application on the offscreen platform unless a display is asked for,
// with an unscaled primary screen and scaled ones beside it (screens.json), and a folder for
// the renderings that tests keep.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TAVRIN_TEST_SCREENS);
    }
    if (qEnvironmentVariableIsEmpty("TAVRIN_ARTIFACTS")) {
        qputenv("TAVRIN_ARTIFACTS", TAVRIN_DEFAULT_ARTIFACTS); // renderings for people to look at
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
