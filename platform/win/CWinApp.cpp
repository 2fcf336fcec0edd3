#include "platform/win/CWinApp.h"

#include "platform/gdi/ImageResources.h"
#include "platform/win/DisplayCheck.h"

#include <QApplication>
#include <QFileInfo>

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp(LPCTSTR lpszAppName) {
    if (lpszAppName != nullptr) {
        m_pszAppName = lpszAppName;
    }
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

int CWinApp::Run() {
    QApplication::exec();
    return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return platform::LoadIconResource(nIDResource);
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

LPCTSTR AfxGetAppName() {
    static std::string fallback;
    if (g_pApp != nullptr && !g_pApp->m_pszAppName.IsEmpty()) {
        return g_pApp->m_pszAppName;
    }
    fallback = QCoreApplication::instance() != nullptr
                   ? QCoreApplication::applicationName().toStdString()
                   : std::string();
    return fallback.c_str();
}

int AfxWinMain(int argc, char** argv) {
    if (!platform::DisplayCheck::Run(argc, argv)) {
        return platform::DisplayCheck::kExitNoDisplay;
    }
    QApplication application(argc, argv);
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) {
        return 1;
    }
    if (pApp->m_pszAppName.IsEmpty()) {
        pApp->m_pszAppName =
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
    }
    QApplication::setApplicationName(QString::fromUtf8(pApp->m_pszAppName.GetString()));
    QApplication::setQuitOnLastWindowClosed(false);
    if (!pApp->InitInstance()) {
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
