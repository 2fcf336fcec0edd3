// Drives the communications control by its properties, as the program's wrapper does.
#pragma once

#include "platform/afx/CByteArray.h"
#include "platform/afx/COleDispatchException.h"
#include "platform/comm/CommControl.h"
#include "platform/serial/CommErrors.h"
#include "platform/serial/SerialPortDevice.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace test {

using serial::CommError;

class CommDriver {
public:
    // The control on this system's serial device, or on device.
    CommDriver() = default;
    explicit CommDriver(std::unique_ptr<serial::SerialPortDevice> device)
        : control(std::move(device)) {}

    void SetPort(short port) { control.PutProperty(comm::kDispCommPort, COleVariant(port)); }
    void Open() { control.PutProperty(comm::kDispPortOpen, COleVariant(SHORT{1}, VT_BOOL)); }
    void Close() { control.PutProperty(comm::kDispPortOpen, COleVariant(SHORT{0}, VT_BOOL)); }
    bool IsOpen() { return control.GetProperty(comm::kDispPortOpen).boolVal != 0; }
    void SetSettings(const char* text) {
        control.PutProperty(comm::kDispSettings, COleVariant(text));
    }
    void Send(const std::vector<BYTE>& bytes) {
        CByteArray array;
        array.SetSize(static_cast<INT_PTR>(bytes.size()));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            array.SetAt(static_cast<INT_PTR>(i), bytes[i]);
        }
        control.PutProperty(comm::kDispOutput, COleVariant(array));
    }

    comm::CommControl control;
};

// The error that action raises, from the control or from a serial device itself, checked to
// have the expected code; the test fails when the action raises nothing.
inline std::string ErrorFrom(const std::function<void()>& action, CommError expected) {
    try {
        action();
    } catch (const serial::PortError& e) {
        EXPECT_EQ(e.Code(), expected) << e.what();
        return e.what();
    } catch (const COleDispatchException& e) {
        EXPECT_EQ(e.m_wCode, static_cast<WORD>(expected)) << e.m_strDescription.GetString();
        EXPECT_EQ(e.GetErrorMessage(), e.m_strDescription);
        return e.m_strDescription.GetString();
    }
    ADD_FAILURE() << "no error raised";
    return {};
}

} // namespace test
