// The process's entry point on this platform: makes sure a display can be opened, starts the
// toolkit and hands over to the program's WinMain, as the system's loader does.
#include "platform/linux/startup/DisplayCheck.h"
#include <windows.h>

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv) {
    if (!startup::DisplayCheck::Run(argc, argv)) {
        return startup::DisplayCheck::kExitNoDisplay;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    // The program decides when it ends, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    char noArguments[] = "";
    return WinMain(nullptr, nullptr, noArguments, SW_SHOW);
}
