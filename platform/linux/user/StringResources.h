// The program's string table on this system: the resource table registers each string.
#pragma once

#include <windows.h>

#include <string>

namespace engine {

// Records string resource id (UTF-8); a later registration of the same id replaces it.
void RegisterStringResource(UINT id, const char* text);
// Copies as much of the text as fits into a buffer of `size` characters with its terminating
// zero, never cutting a character in half; returns the characters copied (0 without room).
int CopyText(const std::string& text, TCHAR* buffer, int size);

} // namespace engine
