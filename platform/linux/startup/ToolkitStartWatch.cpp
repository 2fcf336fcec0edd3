#include "platform/linux/startup/ToolkitStartWatch.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <vector>

namespace startup {

namespace {

constexpr std::string_view kPlatformCategory = "qt.qpa.";
constexpr std::string_view kXCategory = "qt.qpa.xcb";
// What the X platform plugin says when its connection fails, whatever the reason.
constexpr std::string_view kXConnectFailed = "could not connect to display";

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QByteArray file;
    QByteArray function;
    int line;
    QString text;
};

std::mutex g_watchMutex;
bool g_watching = false;
bool g_xConnectFailed = false;
QtMessageHandler g_previousHandler = nullptr;
std::vector<HeldMessage> g_held;
std::string g_refusedLine;
int g_exitStatus = 0;

// Hands the held messages to the handler that was there before, and the handling back.
void StopWatching() {
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
    {
        const std::lock_guard lock(g_watchMutex);
        if (!g_watching) {
            return;
        }
        g_watching = false;
        held.swap(g_held);
        previous = g_previousHandler;
    }
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(
            message.file.isEmpty() ? nullptr : message.file.data(), message.line,
            message.function.isEmpty() ? nullptr : message.function.data(),
            message.category.data());
        previous(message.type, context, message.text);
    }
}

void WatchStart(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::string_view category = context.category != nullptr ? context.category : "";
    QtMessageHandler previous = nullptr;
    {
        const std::lock_guard lock(g_watchMutex);
        previous = g_previousHandler;
        // Once the handling is being handed back, a late message goes straight on.
        if (g_watching && type == QtFatalMsg && g_xConnectFailed) {
            // The toolkit gives up because the display turned the program away.
            ToolkitStartWatch::PrintLine(g_refusedLine);
            std::_Exit(g_exitStatus);
        }
        if (g_watching && type != QtFatalMsg && category.starts_with(kPlatformCategory)) {
            if (category == kXCategory && text.startsWith(QLatin1StringView(kXConnectFailed))) {
                g_xConnectFailed = true;
            }
            g_held.push_back({type, QByteArray(context.category), QByteArray(context.file),
                              QByteArray(context.function), context.line, text});
            return;
        }
    }
    if (type == QtFatalMsg) {
        StopWatching(); // what the platform plugin said explains the toolkit's end
    }
    if (previous != nullptr) {
        previous(type, context, text);
    }
}

// Watches until the application object has set up its platform: the pre-routines run
// right after that, also when the start goes well.
} // namespace

void ToolkitStartWatch::Start(std::string refusedLine, int exitStatus) {
    {
        const std::lock_guard lock(g_watchMutex);
        g_refusedLine = std::move(refusedLine);
        g_exitStatus = exitStatus;
        g_xConnectFailed = false;
        g_watching = true;
    }
    QtMessageHandler previous = qInstallMessageHandler(WatchStart);
    {
        const std::lock_guard lock(g_watchMutex);
        g_previousHandler = previous;
    }
    qAddPreRoutine(StopWatching);
}

void ToolkitStartWatch::PrintLine(const std::string& line) {
    std::fputs((line + "\n").c_str(), stderr);
    std::fflush(stderr);
}

} // namespace startup
