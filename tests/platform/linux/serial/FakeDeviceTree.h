// A made-up /dev, /sys and /proc under a scratch directory, laid out as the kernel and udev
// lay them out, for the serial device list and the messages that show it.
#pragma once

#include "platform/linux/serial/SerialDeviceList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace test {

class FakeDeviceTree {
public:
    struct Usb {
        std::string tty;          // "ttyUSB0"
        std::string usbDevice;    // "1-2", the USB device's directory
        std::string manufacturer; // sysfs strings; empty ones are left out
        std::string product;
        std::string interfaceName;
        std::string byId; // udev's link name; empty without udev
    };

    FakeDeviceTree() {
        char pattern[] = "/tmp/tavrin-devtree-XXXXXX";
        m_root = ::mkdtemp(pattern);
        std::filesystem::create_directories(Dev());
        std::filesystem::create_directories(Sys() / "class" / "tty");
    }
    ~FakeDeviceTree() { std::filesystem::remove_all(m_root); }
    FakeDeviceTree(const FakeDeviceTree&) = delete;
    FakeDeviceTree& operator=(const FakeDeviceTree&) = delete;

    std::filesystem::path Root() const { return m_root; }
    std::filesystem::path Dev() const { return m_root / "dev"; }
    std::filesystem::path Sys() const { return m_root / "sys"; }
    std::filesystem::path Proc() const { return m_root / "proc"; }
    std::filesystem::path Rules() const { return m_root / "rules.d"; }
    serial::SerialDeviceList List() const {
        return serial::SerialDeviceList(Dev(), Sys(), Proc(), Rules());
    }
    std::string Node(const std::string& tty) const { return (Dev() / tty).string(); }
    std::string ById(const std::string& name) const {
        return (Dev() / "serial" / "by-id" / name).string();
    }

    // A USB serial adapter (ttyUSB: the port is a child of the interface) or a USB modem
    // class device (ttyACM: the interface itself is the tty's device).
    void AddUsb(const Usb& usb) {
        const auto device = Sys() / "devices/pci0000:00/0000:00:14.0/usb1" / usb.usbDevice;
        const auto interface = device / (usb.usbDevice + ":1.0");
        const bool acm = usb.tty.starts_with("ttyACM");
        const auto port = acm ? interface : interface / usb.tty;
        Write(device / "idVendor", "0403");
        LinkOnBus(device);
        Write(device / "manufacturer", usb.manufacturer);
        Write(device / "product", usb.product);
        Write(interface / "interface", usb.interfaceName);
        std::filesystem::create_directories(port);
        LinkDriver(port, acm ? "usb/drivers/cdc_acm" : "usb-serial/drivers/ftdi_sio");
        AddTty(usb.tty, port, std::nullopt);
        if (!usb.byId.empty()) {
            std::filesystem::create_directories(Dev() / "serial" / "by-id");
            std::filesystem::create_symlink("../../" + usb.tty, ById(usb.byId));
        }
    }
    // A USB serial adapter whose driver never bound, so that it has no tty (brltty claimed it).
    void AddAdapterWithoutTty(const std::string& usbDevice, const std::string& vendor,
                              const std::string& productId, const std::string& product) {
        const auto device = Sys() / "devices/pci0000:00/0000:00:14.0/usb1" / usbDevice;
        Write(device / "idVendor", vendor);
        Write(device / "idProduct", productId);
        Write(device / "product", product);
        std::filesystem::create_directories(device / (usbDevice + ":1.0"));
        LinkOnBus(device);
    }
    // The rule brltty's package installs, which claims such adapters as they are plugged in.
    void InstallBrlttyRule() { Write(Rules() / "85-brltty.rules", "# brltty"); }
    // A process with its command name and the files it has open, as /proc shows them.
    void AddProcess(int pid, const std::string& command, const std::vector<std::string>& files) {
        const auto dir = Proc() / std::to_string(pid);
        Write(dir / "comm", command);
        std::filesystem::create_directories(dir / "fd");
        for (std::size_t fd = 0; fd < files.size(); ++fd) {
            std::filesystem::create_symlink(files[fd], dir / "fd" / std::to_string(fd + 3));
        }
    }
    // A ttyS port of the serial core; type 0 is a port with no UART behind it.
    void AddBuiltIn(const std::string& tty, const std::string& type) {
        const auto port = Sys() / "devices/pnp0/00:04/00:04:0" / ("00:04:0." + tty.substr(4));
        std::filesystem::create_directories(port);
        LinkDriver(port, "serial-base/drivers/port");
        AddTty(tty, port, type);
    }
    // A ttyS port the 8250 driver keeps in reserve, from a kernel without the type file.
    void AddReservedPort(const std::string& tty) {
        const auto device = Sys() / "devices/platform/serial8250";
        std::filesystem::create_directories(device);
        LinkDriver(device, "platform/drivers/serial8250");
        AddTty(tty, device, std::nullopt);
    }
    // A virtual console or other tty with no hardware device.
    void AddVirtual(const std::string& tty) {
        const auto dir = Sys() / "devices/virtual/tty" / tty;
        std::filesystem::create_directories(dir);
        std::filesystem::create_directory_symlink(dir, Sys() / "class" / "tty" / tty);
        MakeNode(Dev() / tty);
    }
    // A PC without any serial port: ttyS nodes without a UART, a console, a terminal window.
    void AddNoSerialHardware() {
        AddBuiltIn("ttyS0", "0");
        AddBuiltIn("ttyS1", "0");
        AddVirtual("tty1");
        AddPseudoTerminal("0");
    }
    // A pseudo-terminal: a node under /dev/pts, not in /sys/class/tty.
    void AddPseudoTerminal(const std::string& number) {
        std::filesystem::create_directories(Dev() / "pts");
        MakeNode(Dev() / "pts" / number);
    }

private:
    // A sysfs attribute; sysfs leaves out a string the device does not give.
    static void Write(const std::filesystem::path& path, const std::string& text) {
        std::filesystem::create_directories(path.parent_path());
        if (!text.empty()) {
            std::ofstream(path) << text << "\n";
        }
    }
    // A device node stands in as an empty file: the list must never open it anyway.
    static void MakeNode(const std::filesystem::path& path) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream{path};
    }
    // The USB device as /sys/bus/usb/devices lists it.
    void LinkOnBus(const std::filesystem::path& device) const {
        std::filesystem::create_directories(Sys() / "bus/usb/devices");
        std::filesystem::create_directory_symlink(device,
                                                  Sys() / "bus/usb/devices" / device.filename());
    }
    void LinkDriver(const std::filesystem::path& device, const std::string& driver) const {
        const auto target = Sys() / "bus" / driver;
        std::filesystem::create_directories(target);
        std::filesystem::create_directory_symlink(target, device / "driver");
    }
    // The tty's class directory under its device, as the kernel makes it, and its node.
    void AddTty(const std::string& tty, const std::filesystem::path& device,
                const std::optional<std::string>& type) {
        const auto dir = device / "tty" / tty;
        std::filesystem::create_directories(dir);
        std::filesystem::create_directory_symlink(device, dir / "device");
        if (type) {
            Write(dir / "type", *type);
        }
        std::filesystem::create_directory_symlink(dir, Sys() / "class" / "tty" / tty);
        MakeNode(Dev() / tty);
    }

    std::filesystem::path m_root;
};

} // namespace test
