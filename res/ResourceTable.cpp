// Makes the program's resources known to the framework when the program is loaded.
#include "platform/afx/Resources.h"
#include "platform/win32/gdi/ImageResources.h"
#include "res/Resource.h"
#include "res/Templates.h"
#include <windows.h>

namespace {

struct ResourceTable {
    ResourceTable() {
        platform::RegisterDialogTemplate(IDD_ABOUTBOX_DIALOG, &res::AboutDialogTemplate());
        platform::RegisterDialogTemplate(IDD_SETUP_DIALOG, &res::SetupDialogTemplate());
        platform::RegisterString(IDS_ABOUT, "关于 tavrin(&A)...");
        platform::RegisterImageResource(RT_GROUP_ICON, IDI_MAINFRAME, ":/res/app.ico");
        platform::RegisterImageResource(RT_BITMAP, IDB_BACKGROUND, ":/res/background.bmp");
        platform::RegisterImageResource(RT_GROUP_ICON, IDI_DIALOG_ICON, ":/res/dialog.ico");
    }
};

const ResourceTable g_resourceTable;

} // namespace
