// The About box, reached from the setup dialog's system menu.
#pragma once

#include "platform/afx/CDialog.h"

class CAboutDialog : public CDialog {
public:
    CAboutDialog();

protected:
    DECLARE_MESSAGE_MAP()
};
