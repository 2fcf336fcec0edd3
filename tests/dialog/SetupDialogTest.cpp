// The setup dialog as the program builds it: its controls from the template, the state at
// start, the buttons' frames on a pseudo-terminal, and the look (texture, label colours and
// fonts).
#include "dialog/SetupDialog.h"

#include "dialog/DialogLook.h"
#include "platform/afx/Afx.h"
#include "platform/afx/ControlContainer.h"
#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/gdi/GdiBitmap.h"
#include "platform/linux/gdi/GdiBrush.h"
#include "platform/linux/gdi/GdiFont.h"
#include "platform/linux/gdi/ImageResources.h"
#include "platform/linux/user/Window.h"
#include "res/Resource.h"
#include "support/PseudoTerminal.h"

#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

CWinApp g_testApp; // the dialog loads its icon through the application object

using Bytes = std::vector<BYTE>;

// The frames of the values FillIn enters. Every address differs from the others and the
// server's octets and the MAC bytes each differ from one another, so a frame built from the
// wrong control, with the wrong opcode or with its bytes out of order does not match.
const Bytes kServerFrame = {0x53, 0x45, 0x51, 192, 168, 1, 10};
const Bytes kControllerFrame = {0x53, 0x45, 0x52, 10, 13, 17, 19};
const Bytes kSubnetFrame = {0x53, 0x45, 0x54, 255, 255, 255, 0};
const Bytes kGatewayFrame = {0x53, 0x45, 0x53, 192, 168, 1, 1};
const Bytes kMacFrame = {0x53, 0x45, 0x55, 0, 1, 2, 17, 19, 255};

Bytes Joined(std::initializer_list<Bytes> frames) {
    Bytes all;
    for (const Bytes& frame : frames) {
        all.insert(all.end(), frame.begin(), frame.end());
    }
    return all;
}

class SetupDialogTest : public testing::Test {
protected:
    void SetUp() override {
        AfxEnableControlContainer();
        m_messages.clear();
        m_previousBox =
            engine::SetMessageBoxHandler([this](const std::string& text, const std::string&, UINT) {
                m_messages.push_back(text);
                return IDOK;
            });
        m_previousSleep = engine::SetSleepHandler([this](DWORD ms) { m_pauses.push_back(ms); });
    }
    void TearDown() override {
        engine::SetMessageBoxHandler(std::move(m_previousBox));
        engine::SetSleepHandler(std::move(m_previousSleep));
    }

    // Runs the dialog modally and calls body while it is open.
    void WhileOpen(const std::function<void(CSetupDialog&)>& body) {
        CSetupDialog dlg;
        QTimer::singleShot(0, [&] {
            body(dlg);
            dlg.EndDialog(IDCANCEL);
        });
        ASSERT_EQ(dlg.DoModal(), IDCANCEL);
    }

    static void Click(CWnd& dlg, UINT id) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                        reinterpret_cast<LPARAM>(dlg.GetDlgItem(static_cast<int>(id))->m_hWnd));
    }

    static CIPAddressCtrl* Address(CWnd& dlg, UINT id) {
        return static_cast<CIPAddressCtrl*>(
            CWnd::FromHandlePermanent(dlg.GetDlgItem(static_cast<int>(id))->m_hWnd));
    }

    // Enters the values of the k...Frame frames, the MAC boxes with blanks and tabs around
    // some of the numbers.
    static void FillIn(CWnd& dlg) {
        Address(dlg, IDC_SERVER_IP)->SetAddress(192, 168, 1, 10);
        Address(dlg, IDC_CENTRAL_IP)->SetAddress(10, 13, 17, 19);
        Address(dlg, IDC_SUBNET_MASK)->SetAddress(255, 255, 255, 0);
        Address(dlg, IDC_GATEWAY_IP)->SetAddress(192, 168, 1, 1);
        const char* mac[] = {"0", " 1", "2\t", "17", "19", "255"};
        for (UINT i = 0; i < 6; ++i) {
            dlg.GetDlgItem(static_cast<int>(IDC_MAC1 + i))->SetWindowText(mac[i]);
        }
    }

    // How many of this process's descriptors are open on the path.
    static int OpenCount(const std::string& path) {
        int count = 0;
        for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code ec;
            if (std::filesystem::read_symlink(fd.path(), ec) == path) {
                ++count;
            }
        }
        return count;
    }

    test::PseudoTerminal m_com1;
    test::ScopedEnv m_env{"TAVRIN_COM1", m_com1.SlavePath()};
    std::vector<std::string> m_messages;
    std::vector<DWORD> m_pauses;
    engine::MessageBoxHandler m_previousBox;
    engine::SleepHandler m_previousSleep;
};

TEST_F(SetupDialogTest, StartsWithComOneBlankAddressesZeroMacAndThePortClosed) {
    const int heldBefore = OpenCount(m_com1.SlavePath());
    WhileOpen([&](CSetupDialog& dlg) {
        CString text;
        dlg.GetDlgItem(IDC_PORT)->GetWindowText(text);
        EXPECT_EQ(text, "COM1");
        for (UINT id : {IDC_SERVER_IP, IDC_CENTRAL_IP, IDC_SUBNET_MASK, IDC_GATEWAY_IP}) {
            EXPECT_TRUE(Address(dlg, id)->IsBlank()) << id;
        }
        for (UINT id = IDC_MAC1; id <= IDC_MAC6; ++id) {
            dlg.GetDlgItem(static_cast<int>(id))->GetWindowText(text);
            EXPECT_EQ(text, "0") << id;
        }
        EXPECT_EQ(OpenCount(m_com1.SlavePath()), heldBefore);
        EXPECT_FALSE(dlg.GetDlgItem(IDC_HIDDEN_EDIT)->IsWindowVisible());
        for (UINT id = IDC_WRITE_SERVER; id <= IDC_WRITE_ALL; ++id) {
            CWnd* button = dlg.GetDlgItem(static_cast<int>(id));
            EXPECT_EQ(button->GetStyle() & BS_TYPEMASK, BS_OWNERDRAW) << id;
            CRect rc;
            button->GetClientRect(&rc);
            EXPECT_EQ(rc.Width(), 88);
            EXPECT_EQ(rc.Height(), 27);
        }
    });
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SetupDialogTest, EachButtonSendsItsFrameAndFollowsThePortRules) {
    WhileOpen([&](CSetupDialog& dlg) {
        FillIn(dlg);
        Click(dlg, IDC_WRITE_SERVER);
        EXPECT_EQ(m_com1.Read(7), kServerFrame);
        Click(dlg, IDC_WRITE_CENTRAL);
        EXPECT_EQ(m_com1.Read(7), kControllerFrame);
        Click(dlg, IDC_WRITE_SUBNET);
        EXPECT_EQ(m_com1.Read(7), kSubnetFrame);
        Click(dlg, IDC_WRITE_GATEWAY);
        EXPECT_EQ(m_com1.Read(7), kGatewayFrame);
        const int closed = OpenCount(m_com1.SlavePath());
        Click(dlg, IDC_WRITE_MAC);
        EXPECT_EQ(m_com1.Read(9), kMacFrame);
        EXPECT_EQ(OpenCount(m_com1.SlavePath()), closed + 1) << "the MAC write leaves it open";
        // While it is open the line has the settings the controller listens with.
        EXPECT_TRUE(test::LineIs9600EightNoneOneRaw(m_com1.SlaveSettings()));
        Click(dlg, IDC_WRITE_SERVER);
        EXPECT_EQ(m_com1.Read(7).size(), 7U);
        EXPECT_EQ(OpenCount(m_com1.SlavePath()), closed);
        EXPECT_TRUE(m_pauses.empty());
    });
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SetupDialogTest, WriteAllSendsFiveFramesWithAPauseAfterEach) {
    WhileOpen([&](CSetupDialog& dlg) {
        FillIn(dlg);
        Click(dlg, IDC_WRITE_ALL);
        EXPECT_EQ(m_com1.Read(4 * 7 + 9),
                  Joined({kServerFrame, kControllerFrame, kSubnetFrame, kGatewayFrame, kMacFrame}));
        EXPECT_EQ(m_pauses, (std::vector<DWORD>{500, 500, 500, 500, 500}));
    });
}

TEST_F(SetupDialogTest, RejectedMacBoxIsReportedOnceAndSendsNothing) {
    WhileOpen([&](CSetupDialog& dlg) {
        for (const char* bad : {"256", "1a", ""}) {
            m_messages.clear();
            dlg.GetDlgItem(IDC_MAC3)->SetWindowText(bad);
            Click(dlg, IDC_WRITE_MAC);
            EXPECT_EQ(m_messages.size(), 1U) << bad;
            EXPECT_TRUE(m_com1.Idle()) << bad;
            EXPECT_EQ(engine::WindowOf(dlg.m_hWnd)->Widget()->focusWidget(),
                      engine::WindowOf(dlg.GetDlgItem(IDC_MAC3)->m_hWnd)->Widget())
                << bad;
        }
        m_messages.clear();
        FillIn(dlg);
        dlg.GetDlgItem(IDC_MAC3)->SetWindowText("256");
        Click(dlg, IDC_WRITE_ALL);
        EXPECT_EQ(m_messages.size(), 1U);
        EXPECT_EQ(m_com1.Read(4 * 7 + 9),
                  Joined({kServerFrame, kControllerFrame, kSubnetFrame, kGatewayFrame}))
            << "the sequence ends at the MAC";
    });
}

TEST_F(SetupDialogTest, MissingDeviceIsReportedAndTheOtherPortStillWorks) {
    test::PseudoTerminal com2;
    test::ScopedEnv missing("TAVRIN_COM1", "/dev/tavrin-test-no-such-port");
    test::ScopedEnv second("TAVRIN_COM2", com2.SlavePath());
    WhileOpen([&](CSetupDialog& dlg) {
        FillIn(dlg);
        Click(dlg, IDC_WRITE_SERVER);
        ASSERT_EQ(m_messages.size(), 1U);
        EXPECT_NE(m_messages[0].find("COM1"), std::string::npos);
        auto* port = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_PORT));
        port->SetCurSel(1);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_PORT), CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(port->m_hWnd));
        Click(dlg, IDC_WRITE_SERVER);
        EXPECT_EQ(com2.Read(7), kServerFrame);
    });
}

// The look: the texture over the whole client area, the label colours and fonts.
class SetupDialogLookTest : public SetupDialogTest {
protected:
    static QImage Painted(CWnd* pWnd) {
        engine::WindowOf(pWnd->m_hWnd)->Invalidate(true);
        engine::WindowOf(pWnd->m_hWnd)->Widget()->grab(); // renders through the window's own paint
        return engine::WindowOf(pWnd->m_hWnd)->Surface();
    }

    static std::set<QRgb> OpaqueColours(const QImage& image) {
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 0) {
                    colours.insert(image.pixel(x, y) & 0xFFFFFF);
                }
            }
        }
        return colours;
    }
};

TEST_F(SetupDialogLookTest, TextureCoversTheClientAreaFromTheTopLeft) {
    const QImage tile = engine::LoadImageResource(RT_BITMAP, IDB_BACKGROUND);
    ASSERT_EQ(tile.size(), QSize(53, 20));
    WhileOpen([&](CSetupDialog& dlg) {
        const QImage surface = Painted(&dlg);
        ASSERT_FALSE(surface.isNull());
        for (int y = 0; y < surface.height(); ++y) {
            for (int x = 0; x < surface.width(); ++x) {
                ASSERT_EQ(surface.pixel(x, y), tile.pixel(x % 53, y % 20)) << x << "," << y;
            }
        }
        const QString dir = qEnvironmentVariable("TAVRIN_ARTIFACTS") + "/dialog";
        std::filesystem::create_directories(dir.toStdString());
        engine::WindowOf(dlg.m_hWnd)->Widget()->grab().save(dir + "/setup-dialog.png");
    });
}

TEST_F(SetupDialogLookTest, TextureFillsSurfacesOfAnySize) {
    const QImage tile = engine::LoadImageResource(RT_BITMAP, IDB_BACKGROUND);
    for (const QSize size : {QSize(1, 1), QSize(54, 21), QSize(200, 77)}) {
        CWnd window;
        ASSERT_TRUE(window.Create("static", "", WS_POPUP, CRect(0, 0, size.width(), size.height()),
                                  nullptr, 0));
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        {
            engine::DeviceContext dc(image, QPoint(0, 0), image.rect());
            PaintTexturedBackground(&window, CDC::FromHandle(&dc));
        }
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                ASSERT_EQ(image.pixel(x, y), tile.pixel(x % 53, y % 20));
            }
        }
    }
}

TEST_F(SetupDialogLookTest, LabelsAndTitleDrawOnlyTheirBlueOnTheBackground) {
    WhileOpen([&](CSetupDialog& dlg) {
        int labels = 0;
        for (const auto& child : engine::WindowOf(dlg.m_hWnd)->Children()) {
            const bool label = child->Id() == afx::kUnnamedControlId;
            const bool title = child->Id() == IDC_TITLE;
            if (!label && !title) {
                continue;
            }
            const QImage surface = Painted(CWnd::FromHandle(child.get()));
            const QRgb blue = label ? qRgb(10, 10, 255) : qRgb(0, 0, 255);
            EXPECT_EQ(OpaqueColours(surface), std::set<QRgb>{blue & 0xFFFFFF}) << child->Text();
            labels += label ? 1 : 0;
        }
        EXPECT_EQ(labels, 6);
    });
}

TEST_F(SetupDialogLookTest, ColourQueriesSetFontsOnceAndLeaveOtherControlsAlone) {
    WhileOpen([&](CSetupDialog& dlg) {
        CWnd* label = nullptr;
        for (const auto& child : engine::WindowOf(dlg.m_hWnd)->Children()) {
            if (child->Id() == afx::kUnnamedControlId) {
                label = CWnd::FromHandle(child.get());
                break;
            }
        }
        ASSERT_NE(label, nullptr);
        QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
        auto query = [&](UINT message, CWnd* control, engine::DeviceContext& dc) {
            return reinterpret_cast<HBRUSH>(dlg.SendMessage(
                message, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(control->m_hWnd)));
        };
        HFONT first = nullptr;
        for (int round = 0; round < 3; ++round) {
            engine::DeviceContext dc(image, QPoint(0, 0), image.rect());
            EXPECT_EQ(query(WM_CTLCOLORSTATIC, label, dc), GetStockObject(NULL_BRUSH));
            EXPECT_EQ(GetTextColor(&dc), RGB(10, 10, 255));
            EXPECT_EQ(GetBkMode(&dc), TRANSPARENT);
            EXPECT_EQ(dc.Attributes().font->Font().pixelSize(), 14);
            first = round == 0 ? dc.Attributes().font : first;
            EXPECT_EQ(dc.Attributes().font, first) << "a colour query made a new font";
        }
        {
            engine::DeviceContext dc(image, QPoint(0, 0), image.rect());
            query(WM_CTLCOLORSTATIC, dlg.GetDlgItem(IDC_TITLE), dc);
            EXPECT_EQ(GetTextColor(&dc), RGB(0, 0, 255));
            EXPECT_EQ(dc.Attributes().font->Font().pixelSize(), 24);
        }
        CWnd other;
        ASSERT_TRUE(other.Create("static", "x", WS_CHILD, CRect(0, 0, 5, 5), &dlg, 4321));
        engine::DeviceContext dc(image, QPoint(0, 0), image.rect());
        EXPECT_EQ(query(WM_CTLCOLORSTATIC, &other, dc), GetSysColorBrush(COLOR_3DFACE));
        EXPECT_EQ(query(WM_CTLCOLOREDIT, dlg.GetDlgItem(IDC_MAC1), dc),
                  GetSysColorBrush(COLOR_WINDOW));
    });
}

TEST(DialogLook, MinimisedIconIsCentredWithTheOddPixelToTheFarSide) {
    EXPECT_EQ(CenteredIconOrigin(CSize(37, 32), CSize(32, 32)), CPoint(3, 0));
    EXPECT_EQ(CenteredIconOrigin(CSize(36, 42), CSize(32, 32)), CPoint(2, 5));
    EXPECT_EQ(CenteredIconOrigin(CSize(441, 302), CSize(32, 32)), CPoint(205, 135));
}

} // namespace

namespace {

// A dialog whose creation handler refuses the window.
class RefusingDialog : public CDialog {
public:
    RefusingDialog() : CDialog(IDD_ABOUTBOX_DIALOG) {}

protected:
    int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RefusingDialog, CDialog)
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(DialogCreation, RefusedCreateRequestMeansNoWindow) {
    RefusingDialog dlg;
    EXPECT_EQ(dlg.DoModal(), kDoModalFailed);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(afx::LastWindowCreationError().empty());
}

} // namespace
