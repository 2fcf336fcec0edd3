// The program's string table on this system: the resource table registers each string.
#pragma once

#include <windows.h>

namespace engine {

// Records string resource id (UTF-8); a later registration of the same id replaces it.
void RegisterStringResource(UINT id, const char* text);

} // namespace engine
