#include "platform/linux/user/IpAddressWindow.h"

#include "platform/linux/user/BridgeWidget.h"
#include <commctrl.h>
#include <windows.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStringList>

namespace engine {

namespace {

constexpr int kMaxOctet = 255;
constexpr int kDigitsPerField = 3;
constexpr const char* kDot = ".";

} // namespace

// Routes the key events of the four fields to the window.
class IpAddressWindow::FieldFilter : public QObject {
public:
    explicit FieldFilter(IpAddressWindow* owner) : m_owner(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        for (int i = 0; i < kFields; ++i) {
            if (watched == m_owner->m_fields[i]) {
                return m_owner->FieldKey(i, watched, event);
            }
        }
        return false;
    }

private:
    IpAddressWindow* m_owner;
};

std::optional<IpAddressWindow::Fields> ParseAddressText(const QString& text) {
    const QStringList parts = text.trimmed().split('.');
    if (parts.size() != IpAddressWindow::kFields) {
        return std::nullopt;
    }
    IpAddressWindow::Fields fields;
    static const QRegularExpression digits("^[0-9]{1,3}$");
    for (int i = 0; i < IpAddressWindow::kFields; ++i) {
        const QString part = parts[i].trimmed();
        if (part.isEmpty()) {
            continue;
        }
        if (!digits.match(part).hasMatch() || part.toInt() > kMaxOctet) {
            return std::nullopt;
        }
        fields[static_cast<size_t>(i)] = static_cast<BYTE>(part.toInt());
    }
    return fields;
}

IpAddressWindow::IpAddressWindow(const WindowParams& params)
    : Window([&] {
          WindowParams p = params;
          p.exStyle |= WS_EX_CLIENTEDGE;
          return p;
      }()),
      m_filter(std::make_unique<FieldFilter>(this)) {
    auto* container = new BridgeWidget<QWidget>(this);
    static const QRegularExpression digits("[0-9]{0,3}");
    for (int i = 0; i < kFields; ++i) {
        auto* field = new QLineEdit(container);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(kDigitsPerField);
        field->setValidator(new QRegularExpressionValidator(digits, field));
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        field->setPalette(palette);
        field->setFocusPolicy(Qt::ClickFocus);
        field->setAccessibleName(
            QStringLiteral("%1 %2").arg(QString::fromStdString(params.text)).arg(i + 1));
        field->installEventFilter(m_filter.get());
        // The filter, which dies with this window, is the context of the connections: the
        // fields outlive the window part of the object while Window's destructor hides and
        // deletes them, and a field losing the focus then must not call back into it.
        QObject::connect(field, &QLineEdit::textEdited, m_filter.get(), [this, i] {
            if (m_fields[i]->text().size() == kDigitsPerField &&
                m_fields[i]->cursorPosition() == kDigitsPerField) {
                ClampField(i);
                if (i + 1 < kFields) {
                    FocusField(i + 1);
                }
            }
            NotifyParent(EN_CHANGE);
        });
        QObject::connect(field, &QLineEdit::editingFinished, m_filter.get(),
                         [this, i] { ClampField(i); });
        m_fields[i] = field;
    }
    container->setFocusProxy(m_fields[0]);
    SetWidget(container);
    LayoutFields();
}

IpAddressWindow::~IpAddressWindow() {
    for (QLineEdit* field : m_fields) {
        field->removeEventFilter(m_filter.get());
    }
}

LRESULT IpAddressWindow::ClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintDots();
        return 0;
    case WM_SIZE:
        LayoutFields();
        return Window::ClassProc(message, wParam, lParam);
    case IPM_GETADDRESS:
        return GetAddress(reinterpret_cast<DWORD*>(lParam));
    case IPM_SETADDRESS:
        SetFields({FIRST_IPADDRESS(static_cast<DWORD>(lParam)),
                   SECOND_IPADDRESS(static_cast<DWORD>(lParam)),
                   THIRD_IPADDRESS(static_cast<DWORD>(lParam)),
                   FOURTH_IPADDRESS(static_cast<DWORD>(lParam))});
        return TRUE;
    case IPM_CLEARADDRESS:
        SetFields({});
        return 0;
    case IPM_SETFOCUS:
        FocusField(static_cast<int>(wParam));
        return 0;
    case IPM_ISBLANK:
        return GetAddress(nullptr) == 0;
    default:
        return Window::ClassProc(message, wParam, lParam);
    }
}

// Packs the fields into an address, first field in the high byte, a blank field as 0;
// returns how many fields are not blank.
LRESULT IpAddressWindow::GetAddress(DWORD* address) const {
    const Fields fields = GetFields();
    DWORD packed = 0;
    LRESULT filled = 0;
    for (const auto& field : fields) {
        packed = (packed << 8) | field.value_or(0);
        filled += field.has_value() ? 1 : 0;
    }
    if (address != nullptr) {
        *address = packed;
    }
    return filled;
}

std::string IpAddressWindow::Text() const {
    QStringList parts;
    for (const auto& value : GetFields()) {
        parts << QString::number(value.value_or(0));
    }
    return parts.join('.').toStdString();
}

void IpAddressWindow::SetText(const std::string& text) {
    if (auto fields = ParseAddressText(QString::fromStdString(text))) {
        SetFields(*fields);
    }
}

void IpAddressWindow::SetFont(HFONT font) {
    Window::SetFont(font);
    LayoutFields();
}

IpAddressWindow::Fields IpAddressWindow::GetFields() const {
    Fields fields;
    for (int i = 0; i < kFields; ++i) {
        const QString text = m_fields[i]->text();
        if (!text.isEmpty()) {
            fields[static_cast<size_t>(i)] = static_cast<BYTE>(std::min(text.toInt(), kMaxOctet));
        }
    }
    return fields;
}

void IpAddressWindow::SetFields(const Fields& fields) {
    for (int i = 0; i < kFields; ++i) {
        const auto& value = fields[static_cast<size_t>(i)];
        m_fields[i]->setText(value ? QString::number(*value) : QString());
    }
    NotifyParent(EN_CHANGE);
}

void IpAddressWindow::FocusField(int index) {
    if (index < 0 || index >= kFields) {
        return;
    }
    m_fields[index]->setFocus(Qt::OtherFocusReason);
    m_fields[index]->selectAll();
}

bool IpAddressWindow::PasteAddress(const QString& text) {
    const auto fields = ParseAddressText(text);
    if (!fields) {
        return false;
    }
    SetFields(*fields);
    FocusField(kFields - 1);
    return true;
}

bool IpAddressWindow::FieldKey(int index, QObject*, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        ClampField(index);
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    if (TranslateDialogKey(event)) {
        return true;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    QLineEdit* field = m_fields[index];
    if (key->matches(QKeySequence::Paste)) {
        return PasteAddress(QApplication::clipboard()->text());
    }
    const QString typed = key->text();
    if ((typed == kDot || typed == " ") && key->modifiers() == Qt::NoModifier) {
        if (!field->text().isEmpty() && !field->hasSelectedText()) {
            FocusField(index + 1);
        }
        return true;
    }
    const bool digit = typed.size() == 1 && typed[0].isDigit() && typed[0].unicode() < 0x80;
    if (digit && field->text().size() == kDigitsPerField && !field->hasSelectedText() &&
        field->cursorPosition() == kDigitsPerField && index + 1 < kFields) {
        FocusField(index + 1);
        m_fields[index + 1]->setText(typed);
        NotifyParent(EN_CHANGE);
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Left:
        // Backspace over a selection deletes it, even at the field's start.
        if (field->cursorPosition() == 0 && index > 0 &&
            (key->key() == Qt::Key_Left || !field->hasSelectedText())) {
            m_fields[index - 1]->setFocus(Qt::OtherFocusReason);
            m_fields[index - 1]->end(false);
            return true;
        }
        return false;
    case Qt::Key_Right:
        if (field->cursorPosition() == field->text().size() && index + 1 < kFields) {
            m_fields[index + 1]->setFocus(Qt::OtherFocusReason);
            m_fields[index + 1]->home(false);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void IpAddressWindow::ClampField(int index) {
    QLineEdit* field = m_fields[index];
    if (!field->text().isEmpty() && field->text().toInt() > kMaxOctet) {
        field->setText(QString::number(kMaxOctet));
        NotifyParent(EN_CHANGE);
    }
}

void IpAddressWindow::LayoutFields() {
    const QRect client = ClientRect();
    const int dotWidth = Widget()->fontMetrics().horizontalAdvance(kDot) + 2;
    const int fieldWidth = std::max(1, (client.width() - (kFields - 1) * dotWidth) / kFields);
    const QPoint origin = ClientOrigin();
    for (int i = 0; i < kFields; ++i) {
        m_fields[i]->setFont(Widget()->font());
        m_fields[i]->setGeometry(origin.x() + i * (fieldWidth + dotWidth), origin.y(), fieldWidth,
                                 client.height());
    }
}

void IpAddressWindow::PaintDots() {
    HDC hdc = BeginPaint();
    RECT rc{0, 0, ClientRect().width(), ClientRect().height()};
    FillRect(hdc, &rc, GetSysColorBrush((Style() & WS_DISABLED) ? COLOR_3DFACE : COLOR_WINDOW));
    if (Font() != nullptr) {
        SelectObject(hdc, Font());
    }
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    const QPoint origin = ClientOrigin();
    for (int i = 0; i + 1 < kFields; ++i) {
        const QRect field = m_fields[i]->geometry().translated(-origin);
        RECT dot{field.right() + 1, 0, m_fields[i + 1]->geometry().left() - origin.x(), rc.bottom};
        DrawText(hdc, kDot, 1, &dot, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    EndPaint(hdc);
}

} // namespace engine
