#include "platform/afx/WindowCreationError.h"

namespace afx {

namespace {
std::string g_creationError;
}

const std::string& LastWindowCreationError() {
    return g_creationError;
}

void SetWindowCreationError(const std::string& reason) {
    g_creationError = reason;
}

} // namespace afx
