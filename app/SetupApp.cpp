#include "app/SetupApp.h"

#include "dialog/SetupDialog.h"
#include "platform/afx/Afx.h"
#include "platform/afx/AfxMessageBox.h"
#include "platform/afx/ControlContainer.h"

#include <cstdio>
#include <string>

// The one application object.
CSetupApp theApp;

namespace {
constexpr int kExitDialogFailed = 1;
constexpr const char* kProgramName = "tavrin";
} // namespace

BOOL CSetupApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();
    CSetupDialog dlg;
    m_pMainWnd = &dlg;
    if (dlg.DoModal() == kDoModalFailed) {
        // Without its window the program can do nothing; say why instead of vanishing: on
        // the terminal it was started from, and in a message box for a desktop start.
        const std::string message = "无法创建主对话框：" + afx::LastWindowCreationError();
        std::fprintf(stderr, "%s: %s\n", kProgramName, message.c_str());
        AfxMessageBox(CString(message), MB_ICONERROR);
        m_nExitCode = kExitDialogFailed;
    }
    m_pMainWnd = nullptr;
    return FALSE;
}
