#include "platform/afx/CWinApp.h"

#include "platform/afx/Resources.h"

#include <string_view>

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
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return ::LoadIcon(AfxGetInstanceHandle(), MAKEINTRESOURCE(nIDResource));
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

// The application's name, else the executable's name without folder and extension.
LPCTSTR AfxGetAppName() {
    if (g_pApp != nullptr && !g_pApp->m_pszAppName.IsEmpty()) {
        return g_pApp->m_pszAppName;
    }
    static CString fromModule;
    constexpr DWORD kMaxPath = 260;
    TCHAR buffer[kMaxPath] = {};
    const std::basic_string_view<TCHAR> path(buffer, GetModuleFileName(nullptr, buffer, kMaxPath));
    const std::size_t start = path.find_last_of(TEXT("/\\")) + 1; // 0 without a folder
    const std::size_t dot = path.find_last_of('.');
    const std::size_t end = dot != path.npos && dot > start ? dot : path.size();
    fromModule = CString(buffer + start, static_cast<int>(end - start));
    return fromModule;
}

int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) {
        return 1;
    }
    if (pApp->m_pszAppName.IsEmpty()) {
        pApp->m_pszAppName = AfxGetAppName();
    }
    if (!pApp->InitInstance()) {
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

// The program's entry point: the framework runs the application object.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
