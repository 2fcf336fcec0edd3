// The edit control object: the window object that an edit control's subclass derives from.
#pragma once

#include "platform/afx/CWnd.h"

class CEdit : public CWnd {};
