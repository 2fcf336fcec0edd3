// The application: runs the device setup dialog as the whole life of the program.
#pragma once

#include "platform/afx/CWinApp.h"

class CSetupApp : public CWinApp {
public:
    CSetupApp() = default;

    BOOL InitInstance() override;
};
