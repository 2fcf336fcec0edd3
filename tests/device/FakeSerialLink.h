// A serial link that records every call, with the pauses, in one log.
#pragma once

#include "device/SerialLink.h"
#include "platform/afx/COleDispatchException.h"

#include <cstdio>
#include <string>
#include <vector>

namespace test {

class FakeSerialLink : public SerialLink {
public:
    void SetCommPort(short port) override { log.push_back("port " + std::to_string(port)); }
    bool GetPortOpen() override {
        log.push_back(open ? "open?=yes" : "open?=no");
        return open;
    }
    void SetPortOpen(bool value) override {
        log.push_back(value ? "open" : "close");
        if (value && failOpen) {
            throw COleDispatchException("无法打开串口 COM1", 0, 1);
        }
        open = value;
    }
    void SetSettings(LPCTSTR settings) override {
        log.push_back(std::string("settings ") + settings);
    }
    void SetOutput(const VARIANT& output) override {
        std::string entry = output.vt == (VT_ARRAY | VT_UI1) ? "send" : "send(wrong type)";
        for (BYTE b : afx::VariantBytes(output)) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", b);
            entry += hex;
        }
        log.push_back(entry);
        frames.push_back(afx::VariantBytes(output));
        if (failSend) {
            throw COleDispatchException("发送失败", 0, 2);
        }
    }
    void SetInputMode(long mode) override { log.push_back("input mode " + std::to_string(mode)); }

    // The pause function to hand to the writer.
    auto Pause() {
        return [this](DWORD ms) { log.push_back("pause " + std::to_string(ms)); };
    }

    bool open = false;
    bool failOpen = false;
    bool failSend = false;
    std::vector<std::string> log;
    std::vector<std::vector<BYTE>> frames;
};

} // namespace test
