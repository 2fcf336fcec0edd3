#include "app/AboutDialog.h"

#include "platform/afx/MessageMapEntries.h"
#include "res/Resource.h"

BEGIN_MESSAGE_MAP(CAboutDialog, CDialog)
END_MESSAGE_MAP()

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX_DIALOG) {}
