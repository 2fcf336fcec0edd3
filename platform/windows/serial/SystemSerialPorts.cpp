// This system's serial ports, from the registry's serial map and from SetupAPI: the ports this
// PC has now, for the messages that offer them. Only the registry and the device list are
// read; no port is opened, so listing them cannot disturb a port that another program is using.
//
// The serial map has a value per running port driver whose data is the port's COM name; it
// is the list of ports that can be opened now. SetupAPI gives what the map does not, the
// name Device Manager shows: each device that is a COM port keeps its port name in the
// "PortName" value of its device key. Devices are looked for both in the Ports class and by
// the COM port interface, since modems and some USB devices are ports of other classes.
#include "platform/serial/SystemSerialPorts.h"

#include "platform/windows/serial/WideText.h"
#include "platform/windows/serial/WindowsCommErrors.h"
#include "platform/windows/serial/WindowsPortList.h"

#include <windows.h>

#include <setupapi.h>

#include <algorithm>
#include <memory>
#include <type_traits>

namespace serial {

namespace {

constexpr const wchar_t* kSerialMapKey = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr const wchar_t* kPortNameValue = L"PortName";
// The Ports (COM & LPT) device class and the COM port device interface.
constexpr GUID kPortsClass = {
    0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
constexpr GUID kComPortInterface = {
    0x86e0d1e0, 0x8089, 0x11d0, {0x9c, 0xe4, 0x08, 0x00, 0x3e, 0x30, 0x1f, 0x73}};

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using ScopedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

struct DeviceListCloser {
    void operator()(HDEVINFO list) const { SetupDiDestroyDeviceInfoList(list); }
};
using ScopedDeviceList = std::unique_ptr<std::remove_pointer_t<HDEVINFO>, DeviceListCloser>;

// A registry string of `bytes` bytes in buffer, which need not end with a zero character.
std::string RegistryText(const std::wstring& buffer, DWORD bytes) {
    std::wstring text =
        buffer.substr(0, std::min<std::size_t>(buffer.size(), bytes / sizeof(wchar_t)));
    if (const auto end = text.find(L'\0'); end != std::wstring::npos) {
        text.resize(end);
    }
    return ToUtf8(text);
}

// The string value `name` of key; empty when it is missing or not a string.
std::string StringValue(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    // Room for a terminator the value may lack; a value that grew meanwhile is not read.
    std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return RegistryText(buffer, bytes);
}

// A string property of a device; empty when it has none.
std::string DeviceProperty(HDEVINFO list, SP_DEVINFO_DATA& device, DWORD property) {
    DWORD type = 0;
    DWORD bytes = 0;
    SetupDiGetDeviceRegistryPropertyW(list, &device, property, &type, nullptr, 0, &bytes);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0) {
        return {};
    }
    std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!SetupDiGetDeviceRegistryPropertyW(
            list, &device, property, &type, reinterpret_cast<BYTE*>(buffer.data()),
            static_cast<DWORD>(buffer.size() * sizeof(wchar_t)), &bytes) ||
        type != REG_SZ) {
        return {};
    }
    return RegistryText(buffer, bytes);
}

void AddDevicesOf(const GUID& guid, DWORD flags, std::vector<InstalledPort>& ports) {
    const HDEVINFO found = SetupDiGetClassDevsW(&guid, nullptr, nullptr, flags);
    if (found == INVALID_HANDLE_VALUE) {
        return;
    }
    const ScopedDeviceList list(found);
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(found, index, &device); ++index) {
        const HKEY opened =
            SetupDiOpenDevRegKey(found, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
        if (opened == static_cast<HKEY>(INVALID_HANDLE_VALUE)) {
            continue;
        }
        InstalledPort port;
        port.name = StringValue(ScopedKey(opened).get(), kPortNameValue);
        if (port.name.empty()) {
            continue;
        }
        port.friendlyName = DeviceProperty(found, device, SPDRP_FRIENDLYNAME);
        if (port.friendlyName.empty()) {
            port.friendlyName = DeviceProperty(found, device, SPDRP_DEVICEDESC);
        }
        port.enumerator = DeviceProperty(found, device, SPDRP_ENUMERATOR_NAME);
        ports.push_back(std::move(port));
    }
}

// The COM names of the serial map (HKLM\HARDWARE\DEVICEMAP\SERIALCOMM): the ports whose
// driver runs now.
std::vector<std::string> MappedPortNames() {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSerialMapKey, 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
        return {};
    }
    const ScopedKey key(opened);
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<std::string> names;
    std::wstring valueName(longestName + 1, L'\0');
    std::wstring data(longestData / sizeof(wchar_t) + 1, L'\0');
    for (DWORD index = 0; index < count; ++index) {
        DWORD nameLength = static_cast<DWORD>(valueName.size());
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        const LSTATUS status = RegEnumValueW(opened, index, valueName.data(), &nameLength, nullptr,
                                             &type, reinterpret_cast<BYTE*>(data.data()), &bytes);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        // A value added or grown while listing is left out rather than read cut short.
        if (status == ERROR_SUCCESS && type == REG_SZ) {
            names.push_back(RegistryText(data, bytes));
        }
    }
    return names;
}

// The present devices of the Ports class and those offering the COM port interface, each
// with the port name of its registry key.
std::vector<InstalledPort> DescribedPorts() {
    std::vector<InstalledPort> ports;
    AddDevicesOf(kPortsClass, DIGCF_PRESENT, ports);
    AddDevicesOf(kComPortInterface, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE, ports);
    return ports;
}

} // namespace

std::vector<SerialDevice> SystemSerialDevices() {
    return OfferedPorts(MappedPortNames(), DescribedPorts());
}

bool OpensDevicePaths() {
    return false;
}

// Windows opens its ports by number only: a path is a port this PC does not have.
void OpenDevicePath(SerialPortDevice&, const std::string& portName, const std::string& path,
                    const LineSettings&) {
    ThrowOpenError({portName, path, {}}, ERROR_FILE_NOT_FOUND);
}

} // namespace serial
