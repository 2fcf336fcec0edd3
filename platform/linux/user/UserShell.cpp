// The shell and the common file dialogs over the toolkit: the desktop's program for a file,
// the user's documents folder, and the toolkit's file dialog for choosing a file.
#include <commdlg.h>
#include <shellapi.h>
#include <windows.h>

#include "platform/linux/user/Window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QStandardPaths>
#include <QUrl>
#include <cstring>

namespace {

// What ShellExecute returns: above 32 when the request was taken, else an error code.
constexpr std::uintptr_t kShellExecuteOk = 33;
constexpr std::uintptr_t kShellExecuteFileNotFound = 2;

// Copies text with its terminating zero into a buffer of size characters; false if too long.
bool CopyOut(const QString& text, TCHAR* buffer, std::size_t size) {
    const QByteArray bytes = text.toUtf8();
    if (buffer == nullptr || static_cast<std::size_t>(bytes.size()) >= size) {
        return false;
    }
    std::memcpy(buffer, bytes.constData(), static_cast<std::size_t>(bytes.size()) + 1);
    return true;
}

// The toolkit's filter ("CSV 文件 (*.csv);;所有文件 (*)") from the pairs of a Windows one.
QString FilterOf(LPCTSTR pairs) {
    QStringList filters;
    for (LPCTSTR at = pairs; at != nullptr && *at != '\0';) {
        const QString description = QString::fromUtf8(at);
        at += std::strlen(at) + 1;
        const QString patterns = QString::fromUtf8(at).replace(';', ' ');
        at += std::strlen(at) + 1;
        filters << description + " (" + (patterns == "*.*" ? "*" : patterns) + ")";
    }
    return filters.join(";;");
}

// Runs the toolkit's dialog for saving or opening and hands back the name chosen.
BOOL ChooseFile(OPENFILENAME* ofn, bool save) {
    if (ofn == nullptr) {
        return FALSE;
    }
    QWidget* owner = IsWindow(ofn->hwndOwner) ? engine::WindowOf(ofn->hwndOwner)->Widget()
                                              : QApplication::activeWindow();
    const QString title = QString::fromUtf8(ofn->lpstrTitle != nullptr ? ofn->lpstrTitle : "");
    const QString start = QString::fromUtf8(ofn->lpstrFile != nullptr ? ofn->lpstrFile : "");
    const QFileDialog::Options options = (ofn->Flags & OFN_OVERWRITEPROMPT)
                                             ? QFileDialog::Options()
                                             : QFileDialog::DontConfirmOverwrite;
    const QString chosen =
        save ? QFileDialog::getSaveFileName(owner, title, start, FilterOf(ofn->lpstrFilter),
                                            nullptr, options)
             : QFileDialog::getOpenFileName(owner, title, start, FilterOf(ofn->lpstrFilter));
    return !chosen.isEmpty() && CopyOut(chosen, ofn->lpstrFile, ofn->nMaxFile);
}

} // namespace

BOOL GetSaveFileName(OPENFILENAME* lpofn) {
    return ChooseFile(lpofn, true);
}

BOOL GetOpenFileName(OPENFILENAME* lpofn) {
    return ChooseFile(lpofn, false);
}

HINSTANCE ShellExecute(HWND, LPCTSTR, LPCTSTR lpFile, LPCTSTR, LPCTSTR, int) {
    const bool taken = lpFile != nullptr &&
                       QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromUtf8(lpFile)));
    return reinterpret_cast<HINSTANCE>(taken ? kShellExecuteOk : kShellExecuteFileNotFound);
}

HRESULT SHGetFolderPath(HWND, int csidl, void*, DWORD, TCHAR* pszPath) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return csidl == CSIDL_PERSONAL && CopyOut(folder, pszPath, MAX_PATH) ? S_OK : E_FAIL;
}
