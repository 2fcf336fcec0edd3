// The device setup dialog: the operator's entries for the controller's four addresses and its
// MAC address, the port choice, and the buttons that write them into the device.
#pragma once

#include "controls/GradientButton.h"
#include "controls/HoverFrameEdit.h"
#include "device/DeviceWriter.h"
#include "device/MSComm.h"
#include "dialog/LabelFonts.h"
#include "dialog/SiteMode.h"
#include "platform/afx/CComboBox.h"
#include "platform/afx/CDialog.h"
#include "platform/afx/CIPAddressCtrl.h"

#include <array>
#include <optional>

class CSetupDialog : public CDialog {
public:
    explicit CSetupDialog(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Message handlers.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    BOOL OnEraseBkgnd(CDC* pDC);

    // Command handlers.
    void OnWriteServer();
    void OnWriteSubnet();
    void OnWriteCentral();
    void OnWriteGateway();
    void OnSelchangePort();
    void OnWriteAll();
    void OnWriteMac();

    DECLARE_MESSAGE_MAP()

private:
    MacSource Mac();
    AddressSources Addresses();
    // Sends a write: as it is while the site mode is off, through the mode while it is on.
    void Write(site::WriteKind kind, const SiteMode::Send& send);
    // The boxes' values for the site mode; none when a MAC box the write sends is rejected.
    std::optional<site::UnitValues> BoxValues(site::WriteKind kind);
    void ShowValues(const site::UnitValues& values);
    // The address boxes in the order of a unit's values: server, controller, mask, gateway.
    std::array<CIPAddressCtrl*, 4> AddressBoxes() {
        return {&m_ipServer, &m_ipCentral, &m_ipSubnet, &m_ipGateway};
    }

    int m_nPort = 0;
    CGradientButton m_btnWriteAll;
    CGradientButton m_btnWriteMac;
    CComboBox m_cbPort;
    CIPAddressCtrl m_ipGateway;
    CIPAddressCtrl m_ipSubnet;
    CIPAddressCtrl m_ipCentral;
    CIPAddressCtrl m_ipServer;
    CGradientButton m_btnWriteServer;
    CGradientButton m_btnWriteCentral;
    CGradientButton m_btnWriteSubnet;
    CGradientButton m_btnWriteGateway;
    CHoverFrameEdit m_editHidden;
    CMSComm m_comm;
    std::array<BYTE, 6> m_mac{};
    HICON m_hIcon = nullptr;
    CLabelFonts m_labelFonts;
    DeviceWriter m_writer;
    SiteMode m_site{*this, [this](const site::UnitValues& values) { ShowValues(values); },
                    [this] { return *BoxValues(site::WriteKind::Server); }};
};
