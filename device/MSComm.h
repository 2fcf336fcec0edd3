// The window-class wrapper of the hosted communications control. Each operation is one
// property call by dispatch id; errors of the control pass through as its exceptions.
#pragma once

#include "device/SerialLink.h"
#include "platform/afx/CWnd.h"
#include "platform/comm/CommControlInterface.h"

class CMSComm : public CWnd, public SerialLink {
public:
    CMSComm() = default;

    static const CLSID& GetClsid() { return comm::kCommControlClsid; }

    // Creates the control as a child window by class identifier; the class name and the
    // creation context are not used.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;

    void SetCommPort(short port) override;
    bool GetPortOpen() override;
    void SetPortOpen(bool open) override;
    void SetSettings(LPCTSTR settings) override;
    void SetOutput(const VARIANT& output) override;
    void SetInputMode(long mode) override;
};
