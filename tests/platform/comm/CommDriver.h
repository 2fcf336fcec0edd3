// Drives the communications control by its properties, as the program's wrapper does.
#pragma once

#include "platform/afx/CByteArray.h"
#include "platform/afx/COleDispatchException.h"
#include "platform/comm/CommControl.h"
#include "platform/comm/CommErrors.h"
#include "platform/comm/SerialPortDevice.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace test {

using platform::comm::CommError;

class CommDriver {
public:
    // The control on this system's serial device, or on device.
    CommDriver() = default;
    explicit CommDriver(std::unique_ptr<platform::comm::SerialPortDevice> device)
        : control(std::move(device)) {}

    void SetPort(short port) {
        control.PutProperty(platform::comm::kDispCommPort, COleVariant(port));
    }
    void Open() {
        control.PutProperty(platform::comm::kDispPortOpen, COleVariant(SHORT{1}, VT_BOOL));
    }
    void Close() {
        control.PutProperty(platform::comm::kDispPortOpen, COleVariant(SHORT{0}, VT_BOOL));
    }
    bool IsOpen() { return control.GetProperty(platform::comm::kDispPortOpen).boolVal != 0; }
    void SetSettings(const char* text) {
        control.PutProperty(platform::comm::kDispSettings, COleVariant(text));
    }
    void Send(const std::vector<BYTE>& bytes) {
        CByteArray array;
        array.SetSize(static_cast<INT_PTR>(bytes.size()));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            array.SetAt(static_cast<INT_PTR>(i), bytes[i]);
        }
        control.PutProperty(platform::comm::kDispOutput, COleVariant(array));
    }

    platform::comm::CommControl control;
};

// The control's error that action raises, checked to have the expected code; the test
// fails when the action raises nothing.
inline std::string ErrorFrom(const std::function<void()>& action, CommError expected) {
    try {
        action();
    } catch (const COleDispatchException& e) {
        EXPECT_EQ(e.m_wCode, static_cast<WORD>(expected)) << e.m_strDescription.GetString();
        EXPECT_EQ(e.GetErrorMessage(), e.m_strDescription);
        return e.m_strDescription.GetString();
    }
    ADD_FAILURE() << "no error raised";
    return {};
}

} // namespace test
