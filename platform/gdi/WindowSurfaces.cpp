#include "platform/gdi/WindowSurfaces.h"

namespace platform {

namespace {
WindowSurfaces* installedSurfaces = nullptr;
} // namespace

void WindowSurfaces::Install(WindowSurfaces* surfaces) {
    installedSurfaces = surfaces;
}

WindowSurfaces* WindowSurfaces::Installed() {
    return installedSurfaces;
}

} // namespace platform
