// Stand-in for the framework's report of an exception until the window core is merged.
#include "platform/win/CException.h"

int CException::ReportError(UINT) const {
    return 0;
}
