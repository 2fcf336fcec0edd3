// The static control object.
#pragma once

#include "platform/win/CWnd.h"

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    HICON SetIcon(HICON hIcon);
};
