// The dialog manager's entry points: a modal dialog made from an extended template in
// memory, its end, and dialog units.
#include <windows.h>

#include "platform/linux/user/DialogWindow.h"
#include "platform/linux/user/WindowClasses.h"

#include <QWidget>

namespace {

constexpr INT_PTR kDialogFailed = -1;
constexpr const char* kDialogClass = "#32770";

engine::DialogWindow* DialogOf(HWND hDlg) {
    return IsWindow(hDlg) ? dynamic_cast<engine::DialogWindow*>(engine::WindowOf(hDlg)) : nullptr;
}

} // namespace

// Creates the dialog (WM_CREATE), its controls in template order with the template's font,
// sends WM_INITDIALOG and, when that answers TRUE, focuses the first tab stop; then runs it
// until EndDialog and destroys it. -1 when the template or one of its controls cannot be
// made or the dialog refuses to be created.
INT_PTR DialogBoxIndirectParam(HINSTANCE, LPCDLGTEMPLATE hDialogTemplate, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    const std::optional<engine::DialogResource> resource =
        engine::ReadDialogResource(hDialogTemplate);
    if (!resource) {
        return kDialogFailed;
    }
    const engine::DialogBaseUnits units =
        engine::BaseUnitsForFont(resource->fontFace, resource->pointSize);
    const RECT px = engine::MapDialogUnits(RECT{0, 0, resource->cx, resource->cy}, units);
    engine::WindowParams params;
    params.style = resource->style;
    params.exStyle = resource->exStyle;
    params.rect = QRect(0, 0, px.right, px.bottom);
    params.text = resource->caption;
    auto owned = std::make_unique<engine::DialogWindow>(params, lpDialogFunc);
    // An owned dialog stays above its owner.
    if (IsWindow(hWndParent) && engine::WindowOf(hWndParent)->Widget() != nullptr) {
        owned->Widget()->setParent(engine::WindowOf(hWndParent)->Widget(),
                                   owned->Widget()->windowFlags());
    }
    auto* dialog = static_cast<engine::DialogWindow*>(
        engine::AnnounceWindow(std::move(owned), kDialogClass, nullptr));
    if (dialog == nullptr) {
        return kDialogFailed;
    }
    if (!dialog->CreateControls(*resource)) {
        DestroyWindow(dialog);
        return kDialogFailed;
    }
    if (SendMessage(dialog, WM_INITDIALOG, 0, dwInitParam) != FALSE && IsWindow(dialog)) {
        dialog->FocusFirstTabStop();
    }
    if (!IsWindow(dialog)) {
        return kDialogFailed;
    }
    const INT_PTR result = dialog->RunModal();
    DestroyWindow(dialog);
    return result;
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    engine::DialogWindow* dialog = DialogOf(hDlg);
    if (dialog == nullptr) {
        return FALSE;
    }
    dialog->EndModal(static_cast<int>(nResult));
    return TRUE;
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
    if (DialogOf(hDlg) == nullptr || lpRect == nullptr) {
        return FALSE;
    }
    *lpRect = engine::MapDialogUnits(*lpRect, DialogOf(hDlg)->Units());
    return TRUE;
}
