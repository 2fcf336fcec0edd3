// The communications control wrapper.
#include "device/MSComm.h"

BOOL CMSComm::Create(LPCTSTR /*lpszClassName*/, LPCTSTR lpszWindowName, DWORD dwStyle,
                     const RECT& rect, CWnd* pParentWnd, UINT nID, void* /*pContext*/) {
    return CreateControl(GetClsid(), lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

void CMSComm::SetCommPort(short port) {
    SetProperty(comm::kDispCommPort, VT_I2, port);
}

bool CMSComm::GetPortOpen() {
    BOOL open = FALSE;
    GetProperty(comm::kDispPortOpen, VT_BOOL, &open);
    return open != FALSE;
}

void CMSComm::SetPortOpen(bool open) {
    SetProperty(comm::kDispPortOpen, VT_BOOL, static_cast<BOOL>(open ? TRUE : FALSE));
}

void CMSComm::SetSettings(LPCTSTR settings) {
    SetProperty(comm::kDispSettings, VT_BSTR, settings);
}

void CMSComm::SetOutput(const VARIANT& output) {
    SetProperty(comm::kDispOutput, VT_VARIANT, &output);
}

void CMSComm::SetInputMode(long mode) {
    SetProperty(comm::kDispInputMode, VT_I4, mode);
}
