// Where Windows looks for the DLLs the program loads. By default a DLL that is not one of
// the system's known DLLs (comctl32.dll is not) is looked for in the program's own folder
// first, so a DLL planted beside tavrin.exe in a download folder would run with the user's
// rights. The load configuration's DependentLoadFlags make the loader take the program's
// imports from the system folder only; the linker points the image's load configuration
// entry at _load_config_used. DLLs loaded later, by the system's own code, follow the
// default directories, which the program sets to the system folder before anything else.
#include <windows.h>

extern "C" {
// The name the linker looks for; const data, but not optimised away: the image refers to it.
extern const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used;
const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = [] {
    IMAGE_LOAD_CONFIG_DIRECTORY config{};
    config.Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY);
    config.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32; // DependentLoadFlags in newer headers
    return config;
}();
}

namespace {

struct SystemFolderOnly {
    SystemFolderOnly() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }
};

const SystemFolderOnly g_systemFolderOnly;

} // namespace
