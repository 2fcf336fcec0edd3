// The yardstick for tavrin's start-up and memory: a plain Qt dialog with the same controls at
// the same places (four address boxes of four fields, six MAC boxes, a port list, six
// buttons, seven labels), in the same font, written the ordinary Qt way. With BENCH_PORT set,
// its first button writes the server address frame (all fields blank) to that device with
// QSerialPort, as a plain Qt program would: the yardstick of what Qt's own input, painting
// and port handling cost before a byte leaves.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>

namespace {

// Dialog units to pixels with the 9-point dialog font's base units, 6 x 12.
constexpr int kBaseX = 6;
constexpr int kBaseY = 12;
constexpr int kFields = 4;
constexpr int kWriteTimeoutMs = 1000;
constexpr char kAddressFrame[] = {0x53, 0x45, 0x51, 0, 0, 0, 0};

QRect Du(int x, int y, int cx, int cy) {
    const auto px = [](int v) { return (v * kBaseX + 2) / 4; };
    const auto py = [](int v) { return (v * kBaseY + 4) / 8; };
    return QRect(px(x), py(y), px(x + cx) - px(x), py(y + cy) - py(y));
}

template <typename W> W* Place(QDialog* dialog, W* widget, QRect rect) {
    widget->setParent(dialog);
    widget->setGeometry(rect);
    return widget;
}

void AddAddress(QDialog* dialog, QRect rect) {
    auto* box = Place(dialog, new QWidget, rect);
    const int width = rect.width() / kFields;
    for (int i = 0; i < kFields; ++i) {
        auto* field = new QLineEdit(box);
        field->setMaxLength(3);
        field->setAlignment(Qt::AlignCenter);
        field->setGeometry(i * width, 0, width - 4, rect.height());
    }
}

void WriteFrame(const QString& path) {
    QSerialPort port(path);
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    if (port.open(QIODevice::WriteOnly)) {
        port.write(kAddressFrame, sizeof kAddressFrame);
        port.waitForBytesWritten(kWriteTimeoutMs);
        port.close();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("6150 IP SET");
    dialog.setFont(QFont("AR PL UMing CN", 9));
    dialog.setFixedSize(Du(0, 0, 294, 201).size());

    const char* buttons[] = {"服务器IP烧写", "中控IP烧写", "子网掩码烧写", "网关IP烧写"};
    const int rows[] = {58, 75, 93, 112};
    for (int i = 0; i < 4; ++i) {
        auto* button = Place(&dialog, new QPushButton(buttons[i]), Du(211, rows[i], 59, 18));
        if (i == 0 && qEnvironmentVariableIsSet("BENCH_PORT")) {
            QObject::connect(button, &QPushButton::clicked,
                             [] { WriteFrame(qEnvironmentVariable("BENCH_PORT")); });
        }
    }
    Place(&dialog, new QPushButton("MAC烧写"), Du(211, 130, 59, 18));
    Place(&dialog, new QPushButton("写入全部信息"), Du(107, 163, 59, 18));

    const char* labels[] = {"服务器IP", "中控IP", "子网掩码", "网关IP"};
    const int labelRows[] = {61, 79, 97, 113};
    for (int i = 0; i < 4; ++i) {
        Place(&dialog, new QLabel(labels[i]), Du(19, labelRows[i], 33, 14));
        AddAddress(&dialog, Du(61, labelRows[i] - 2, 95, 15));
    }
    Place(&dialog, new QLabel("串口选择"), Du(18, 41, 34, 12));
    auto* title = Place(&dialog, new QLabel("中控IP烧写"), Du(79, 13, 100, 16));
    title->setAlignment(Qt::AlignCenter);
    auto* port = Place(&dialog, new QComboBox, Du(61, 41, 45, 12));
    port->addItems({"COM1", "COM2"});

    Place(&dialog, new QLabel("MAC"), Du(23, 133, 20, 12));
    const int macColumns[] = {62, 86, 112, 136, 162, 186};
    for (int x : macColumns) {
        Place(&dialog, new QLineEdit, Du(x, 133, 21, 13));
    }
    Place(&dialog, new QLineEdit, Du(121, 41, 30, 12))->hide();

    dialog.show();
    return dialog.exec();
}
