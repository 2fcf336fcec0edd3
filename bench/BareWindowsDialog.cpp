// The yardstick for tavrin.exe's start-up, memory, size and address write: a plain Win32
// dialog, no framework, built from an in-memory template with the same controls at the same
// places in dialog units and the same dialog font (four SysIPAddress32 boxes, a port list with
// COM1 and COM2, six MAC boxes and a hidden edit box, six buttons, seven labels). Its caption
// differs from tavrin's so that a window search never takes one for the other.
//
// Its first button writes the server address frame (all fields blank) the plainest way
// Windows offers: open \\.\COM1, set 9600 8N1, one synchronous write, FlushFileBuffers, close.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

constexpr WORD kWriteServer = 1000;
constexpr WORD kPort = 1013;
constexpr WORD kUnnamed = 0xFFFF;
constexpr WORD kPointSize = 9;
constexpr BYTE kAddressFrame[] = {0x53, 0x45, 0x51, 0, 0, 0, 0};

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kLabel = SS_LEFT | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE;
constexpr DWORD kTitle = SS_CENTER | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE;
constexpr DWORD kCombo = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kAddress = WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kEdit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;

struct Item {
    WORD id;
    const wchar_t* cls;
    const wchar_t* text;
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle = 0;
};

const Item kItems[] = {
    {kWriteServer, L"button", L"服务器IP烧写", 211, 58, 59, 18, kButton},
    {1001, L"button", L"中控IP烧写", 211, 75, 59, 18, kButton},
    {1002, L"button", L"子网掩码烧写", 211, 93, 59, 18, kButton},
    {1003, L"button", L"网关IP烧写", 211, 112, 59, 18, kButton},
    {kUnnamed, L"static", L"服务器IP", 19, 61, 33, 14, kLabel, WS_EX_TRANSPARENT},
    {kUnnamed, L"static", L"中控IP", 19, 79, 27, 14, kLabel, WS_EX_TRANSPARENT},
    {kUnnamed, L"static", L"子网掩码", 19, 97, 33, 14, kLabel, WS_EX_TRANSPARENT},
    {kUnnamed, L"static", L"网关IP", 22, 113, 25, 14, kLabel, WS_EX_TRANSPARENT},
    {kPort, L"combobox", L"", 61, 41, 45, 39, kCombo},
    {kUnnamed, L"static", L"串口选择", 18, 41, 34, 12, kLabel, WS_EX_TRANSPARENT},
    {1016, L"static", L"中控IP烧写", 79, 13, 100, 16, kTitle, WS_EX_TRANSPARENT},
    {1008, WC_IPADDRESSW, L"", 61, 59, 95, 15, kAddress},
    {1009, WC_IPADDRESSW, L"", 61, 77, 95, 15, kAddress},
    {1010, WC_IPADDRESSW, L"", 62, 96, 95, 15, kAddress},
    {1011, WC_IPADDRESSW, L"", 62, 113, 95, 15, kAddress},
    {1017, L"edit", L"", 121, 41, 30, 12, kEdit},
    {kUnnamed, L"static", L"MAC", 23, 133, 20, 12, kLabel, WS_EX_TRANSPARENT},
    {1018, L"edit", L"", 62, 133, 21, 13, kEdit | WS_VISIBLE},
    {1019, L"edit", L"", 86, 133, 21, 13, kEdit | WS_VISIBLE},
    {1020, L"edit", L"", 112, 133, 21, 13, kEdit | WS_VISIBLE},
    {1021, L"edit", L"", 136, 133, 21, 13, kEdit | WS_VISIBLE},
    {1022, L"edit", L"", 162, 133, 21, 13, kEdit | WS_VISIBLE},
    {1023, L"edit", L"", 186, 133, 21, 13, kEdit | WS_VISIBLE},
    {1004, L"button", L"MAC烧写", 211, 130, 59, 18, kButton},
    {1005, L"button", L"写入全部信息", 107, 163, 59, 18, kButton},
};

// A DLGTEMPLATE and its DLGITEMTEMPLATEs as the dialog manager reads them: WORDs, strings
// NUL-terminated, each item on a DWORD boundary.
class TemplateWriter {
public:
    std::vector<WORD> words;

    void Word(WORD w) { words.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(std::wstring_view text) {
        words.insert(words.end(), text.begin(), text.end());
        Word(0);
    }
    void AlignDword() {
        if (words.size() % 2 != 0) {
            Word(0);
        }
    }
};

std::vector<WORD> MakeTemplate() {
    TemplateWriter t;
    const DWORD style =
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.Dword(style);
    t.Dword(WS_EX_APPWINDOW);
    t.Word(static_cast<WORD>(std::size(kItems)));
    t.Word(0); // x
    t.Word(0); // y
    t.Word(294);
    t.Word(201);
    t.Word(0); // no menu
    t.Word(0); // the system's dialog class
    t.Text(L"bare dialog");
    t.Word(kPointSize);
    t.Text(L"宋体");
    for (const Item& item : kItems) {
        t.AlignDword();
        t.Dword(item.style | WS_CHILD);
        t.Dword(item.exStyle);
        t.Word(static_cast<WORD>(item.x));
        t.Word(static_cast<WORD>(item.y));
        t.Word(static_cast<WORD>(item.cx));
        t.Word(static_cast<WORD>(item.cy));
        t.Word(item.id);
        t.Text(item.cls);
        t.Text(item.text);
        t.Word(0); // no creation data
    }
    return t.words;
}

void WriteAddressFrame() {
    const HANDLE port = CreateFileW(L"\\\\.\\COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        return;
    }
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (GetCommState(port, &dcb)) {
        dcb.BaudRate = CBR_9600;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = TRUE;
        dcb.fParity = FALSE;
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        if (SetCommState(port, &dcb)) {
            DWORD written = 0;
            WriteFile(port, kAddressFrame, sizeof kAddressFrame, &written, nullptr);
            FlushFileBuffers(port);
        }
    }
    CloseHandle(port);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        const HWND list = GetDlgItem(dialog, kPort);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"COM1"));
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"COM2"));
        SendMessageW(list, CB_SETCURSEL, 0, 0);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kWriteServer && HIWORD(wParam) == BN_CLICKED) {
            WriteAddressFrame();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    const std::vector<WORD> dialogTemplate = MakeTemplate();
    return static_cast<int>(DialogBoxIndirectParamW(
        instance, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), nullptr, DialogProc,
        0));
}
