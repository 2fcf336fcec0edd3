#include "platform/win/WindowCreationError.h"

namespace platform {

namespace {
CString g_creationError;
}

const CString& LastWindowCreationError() {
    return g_creationError;
}

void SetWindowCreationError(const CString& reason) {
    g_creationError = reason;
}

} // namespace platform
