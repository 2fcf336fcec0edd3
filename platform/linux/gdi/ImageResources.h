// The program's image resources (bitmaps and icon groups) by type and numeric id. The
// resource table registers where each image lives (a Qt resource path or a file).
#pragma once

#include <windows.h>

#include <string>

class QImage;

namespace engine {

// Records the image file of a resource (a Qt resource path such as ":/res/app.ico", or a file
// name; UTF-8); a later registration of the same id replaces it.
void RegisterImageResource(UINT type, UINT id, const std::string& path);
// Forgets every registration (and the icons loaded from them); for tests.
void ClearImageResources();
// The image of a resource (the first image of an icon group); null if unknown or unreadable.
QImage LoadImageResource(UINT type, UINT id);
// The shared icon of an icon group (RT_GROUP_ICON) with all its sizes; loaded once, owned by
// the registry and never destroyed by the program. nullptr if unknown or unreadable.
HICON LoadIconResource(UINT id);

} // namespace engine
