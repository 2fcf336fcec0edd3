#include "app/SetupApp.h"

#include "dialog/SetupDialog.h"
#include "platform/afx/Afx.h"
#include "platform/afx/ControlContainer.h"

#include <cstdio>

// The one application object.
CSetupApp theApp;

namespace {
constexpr int kExitDialogFailed = 1;
}

BOOL CSetupApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();
    CSetupDialog dlg;
    m_pMainWnd = &dlg;
    if (dlg.DoModal() == kDoModalFailed) {
        // Without its window the program can do nothing; say why instead of vanishing.
        std::fprintf(stderr, "%s: 无法创建主对话框：%s\n", AfxGetAppName(),
                     platform::LastWindowCreationError().c_str());
        m_nExitCode = kExitDialogFailed;
    }
    m_pMainWnd = nullptr;
    return FALSE;
}
