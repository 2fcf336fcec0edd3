// The window-class wrapper of the hosted communications control. Each operation is one
// property call by dispatch id; errors of the control pass through as its exceptions.
#pragma once

#include "device/SerialLink.h"
#include "platform/ole/Guid.h"
#include "platform/win/CWnd.h"

class CMSComm : public CWnd, public SerialLink {
public:
    // {648A5600-2C6E-101B-82B6-000000000014}
    static constexpr CLSID kClsid = {
        0x648A5600, 0x2C6E, 0x101B, {0x82, 0xB6, 0x00, 0x00, 0x00, 0x00, 0x00, 0x14}};

    static constexpr DISPID kDispCommPort = 4;
    static constexpr DISPID kDispPortOpen = 0x14;
    static constexpr DISPID kDispSettings = 0x17;
    static constexpr DISPID kDispOutput = 0x19;
    static constexpr DISPID kDispInputMode = 0x1D;

    CMSComm() = default;

    static const CLSID& GetClsid() { return kClsid; }

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
