// The framework's bitmap wrapper.
#pragma once

#include "platform/afx/CGdiObject.h"

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;

    operator HBITMAP() const { return Typed<HBITMAP>(); }

    // Loads the bitmap resource of that id; fails for an unknown id.
    BOOL LoadBitmap(UINT nIDResource);
};
