#include "dialog/SetupDialog.h"

#include "app/AboutDialog.h"
#include "device/LinkSetup.h"
#include "dialog/DialogLook.h"
#include "platform/afx/Afx.h"
#include "res/Resource.h"

namespace {

// The address write reads its control through GetAddress; the count of filled fields is
// not used.
OctetSource AddressOf(CIPAddressCtrl& control) {
    return [&control](BYTE& a, BYTE& b, BYTE& c, BYTE& d) { control.GetAddress(a, b, c, d); };
}

constexpr BYTE kMinByte = 0;
constexpr BYTE kMaxByte = 255;
constexpr UINT kSysCommandMask = 0xFFF0;

} // namespace

BEGIN_MESSAGE_MAP(CSetupDialog, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CTLCOLOR()
ON_WM_CREATE()
ON_WM_ERASEBKGND()
ON_BN_CLICKED(IDC_WRITE_SERVER, OnWriteServer)
ON_BN_CLICKED(IDC_WRITE_SUBNET, OnWriteSubnet)
ON_BN_CLICKED(IDC_WRITE_CENTRAL, OnWriteCentral)
ON_BN_CLICKED(IDC_WRITE_GATEWAY, OnWriteGateway)
ON_CBN_SELCHANGE(IDC_PORT, OnSelchangePort)
ON_BN_CLICKED(IDC_WRITE_ALL, OnWriteAll)
ON_BN_CLICKED(IDC_WRITE_MAC, OnWriteMac)
END_MESSAGE_MAP()

CSetupDialog::CSetupDialog(CWnd* pParent)
    : CDialog(IDD_SETUP_DIALOG, pParent), m_hIcon(AfxGetApp()->LoadIcon(IDI_DIALOG_ICON)),
      m_writer(m_comm, [](DWORD ms) { Sleep(ms); }) {}

void CSetupDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WRITE_ALL, m_btnWriteAll);
    DDX_Control(pDX, IDC_WRITE_MAC, m_btnWriteMac);
    DDX_Control(pDX, IDC_PORT, m_cbPort);
    DDX_Control(pDX, IDC_GATEWAY_IP, m_ipGateway);
    DDX_Control(pDX, IDC_SUBNET_MASK, m_ipSubnet);
    DDX_Control(pDX, IDC_CENTRAL_IP, m_ipCentral);
    DDX_Control(pDX, IDC_SERVER_IP, m_ipServer);
    DDX_Control(pDX, IDC_WRITE_SERVER, m_btnWriteServer);
    DDX_Control(pDX, IDC_WRITE_CENTRAL, m_btnWriteCentral);
    DDX_Control(pDX, IDC_WRITE_SUBNET, m_btnWriteSubnet);
    DDX_Control(pDX, IDC_WRITE_GATEWAY, m_btnWriteGateway);
    DDX_Control(pDX, IDC_HIDDEN_EDIT, m_editHidden);
    DDX_Control(pDX, IDC_COMM, m_comm);
    DDX_Text(pDX, IDC_MAC1, m_mac[0]);
    DDX_Text(pDX, IDC_MAC2, m_mac[1]);
    DDX_Text(pDX, IDC_MAC3, m_mac[2]);
    DDX_Text(pDX, IDC_MAC4, m_mac[3]);
    DDX_Text(pDX, IDC_MAC5, m_mac[4]);
    DDV_MinMaxByte(pDX, m_mac[4], kMinByte, kMaxByte);
    DDX_Text(pDX, IDC_MAC6, m_mac[5]);
    DDV_MinMaxByte(pDX, m_mac[5], kMinByte, kMaxByte);
}

BOOL CSetupDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        // The site mode's entries go before the About entry, which stays the menu's last.
        m_site.AddMenuEntries(*pSysMenu);
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUT);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUT, strAboutMenu);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_cbPort.SetCurSel(0);
    m_nPort = kPortNumberCom1;
    ConfigureSerialLink(m_comm, m_nPort);
    return TRUE;
}

void CSetupDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & kSysCommandMask) == IDM_ABOUT) {
        CAboutDialog dlgAbout;
        dlgAbout.DoModal();
    } else if (!m_site.OnSysCommand(nID & kSysCommandMask)) {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CSetupDialog::OnPaint() {
    if (IsIconic()) {
        PaintMinimizedIcon(this, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CSetupDialog::OnQueryDragIcon() {
    return m_hIcon;
}

HBRUSH CSetupDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor != CTLCOLOR_STATIC) {
        return hbr;
    }
    return m_labelFonts.ColorLabel(pDC, pWnd->GetDlgCtrlID(), hbr);
}

int CSetupDialog::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDialog::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    return 0;
}

BOOL CSetupDialog::OnEraseBkgnd(CDC* pDC) {
    PaintTexturedBackground(this, pDC);
    return TRUE;
}

void CSetupDialog::OnWriteServer() {
    Write(site::WriteKind::Server, [this] {
        m_writer.WriteAddress(DeviceOpcode::ServerAddress, AddressOf(m_ipServer));
        return true;
    });
}

void CSetupDialog::OnWriteSubnet() {
    Write(site::WriteKind::Mask, [this] {
        m_writer.WriteAddress(DeviceOpcode::SubnetMask, AddressOf(m_ipSubnet));
        return true;
    });
}

void CSetupDialog::OnWriteCentral() {
    Write(site::WriteKind::Controller, [this] {
        m_writer.WriteAddress(DeviceOpcode::ControllerAddress, AddressOf(m_ipCentral));
        return true;
    });
}

void CSetupDialog::OnWriteGateway() {
    Write(site::WriteKind::Gateway, [this] {
        m_writer.WriteAddress(DeviceOpcode::GatewayAddress, AddressOf(m_ipGateway));
        return true;
    });
}

void CSetupDialog::OnSelchangePort() {
    CString strPort;
    m_cbPort.GetWindowText(strPort);
    SwitchSerialPort(m_comm, strPort, m_nPort);
}

void CSetupDialog::OnWriteAll() {
    Write(site::WriteKind::All, [this] { return m_writer.WriteAll(Addresses(), Mac()); });
}

void CSetupDialog::OnWriteMac() {
    Write(site::WriteKind::Mac, [this] { return m_writer.WriteMac(Mac()); });
}

MacSource CSetupDialog::Mac() {
    return MacSource{[this] { return UpdateData(TRUE); }, std::span<const BYTE, 6>(m_mac)};
}

AddressSources CSetupDialog::Addresses() {
    return AddressSources{AddressOf(m_ipServer), AddressOf(m_ipCentral), AddressOf(m_ipSubnet),
                          AddressOf(m_ipGateway)};
}

void CSetupDialog::Write(site::WriteKind kind, const SiteMode::Send& send) {
    if (!m_site.IsOn()) {
        send();
        return;
    }
    if (const std::optional<site::UnitValues> values = BoxValues(kind)) {
        m_site.Write(kind, *values, "COM" + std::to_string(m_nPort), send);
    }
}

std::optional<site::UnitValues> CSetupDialog::BoxValues(site::WriteKind kind) {
    // The MAC boxes are read (and checked, with the data exchange's message) only for a write
    // that sends them; another write records the MAC as last read.
    if (site::Sends(kind, site::WriteKind::Mac) && !UpdateData(TRUE)) {
        return std::nullopt;
    }
    site::UnitValues values;
    Ipv4Octets* octets[] = {&values.server, &values.controller, &values.mask, &values.gateway};
    for (std::size_t i = 0; i < std::size(octets); ++i) {
        AddressBoxes()[i]->GetAddress((*octets[i])[0], (*octets[i])[1], (*octets[i])[2],
                                      (*octets[i])[3]);
    }
    std::copy(m_mac.begin(), m_mac.end(), values.mac.begin());
    return values;
}

void CSetupDialog::ShowValues(const site::UnitValues& values) {
    const Ipv4Octets* octets[] = {&values.server, &values.controller, &values.mask,
                                  &values.gateway};
    for (std::size_t i = 0; i < std::size(octets); ++i) {
        AddressBoxes()[i]->SetAddress((*octets[i])[0], (*octets[i])[1], (*octets[i])[2],
                                      (*octets[i])[3]);
    }
    std::copy(values.mac.begin(), values.mac.end(), m_mac.begin());
    UpdateData(FALSE);
}
