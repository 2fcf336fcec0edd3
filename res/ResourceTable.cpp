// Makes the program's dialog templates known to the framework when the program is loaded.
// (Icons, the bitmap and the strings are in the resource script, tavrin.rc.)
#include "platform/afx/Resources.h"
#include "res/Resource.h"
#include "res/Templates.h"

namespace {

struct ResourceTable {
    ResourceTable() {
        afx::RegisterDialogTemplate(IDD_ABOUTBOX_DIALOG, &res::AboutDialogTemplate());
        afx::RegisterDialogTemplate(IDD_SETUP_DIALOG, &res::SetupDialogTemplate());
        afx::RegisterDialogTemplate(IDD_SITE_START, &res::SiteStartDialogTemplate());
    }
};

const ResourceTable g_resourceTable;

} // namespace
