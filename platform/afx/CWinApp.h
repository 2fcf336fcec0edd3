// The application object: exactly one, constructed before the program starts; the framework's
// entry point runs its InitInstance and, if that returns TRUE, a message loop.
#pragma once

#include "platform/afx/CString.h"
#include <windows.h>

class CWnd;

class CWinApp {
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    CWnd* m_pMainWnd = nullptr;
    CString m_pszAppName; // set from the executable's base name when none is given

    virtual BOOL InitInstance() { return TRUE; }
    // Runs the message loop; returns the exit code.
    virtual int Run();
    // Called at the end; its result is the process's exit status.
    virtual int ExitInstance() { return m_nExitCode; }

    HICON LoadIcon(UINT nIDResource) const;
    // Three-dimensional control drawing is the only look here; kept for the program's sake.
    BOOL Enable3dControls() { return TRUE; }

protected:
    int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
LPCTSTR AfxGetAppName();

// The framework's entry point, which the program's WinMain runs: the application object's
// InitInstance and, if that returns TRUE, its message loop.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
