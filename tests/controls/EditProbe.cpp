#include "tests/controls/EditProbe.h"

namespace test {

BEGIN_MESSAGE_MAP(EditProbe, CHoverFrameEdit)
ON_MESSAGE(WM_MOUSEMOVE, OnMoveProbe)
ON_MESSAGE(WM_MOUSEHOVER, OnHoverProbe)
ON_MESSAGE(WM_MOUSELEAVE, OnLeaveProbe)
END_MESSAGE_MAP()

} // namespace test
