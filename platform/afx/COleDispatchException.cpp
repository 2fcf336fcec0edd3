// Dispatch exceptions.
#include "platform/afx/COleDispatchException.h"

void AfxThrowOleDispatchException(WORD wCode, const CString& description) {
    throw COleDispatchException(description, 0, wCode);
}
