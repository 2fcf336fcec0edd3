// The communications control's interface: its class identifier and the dispatch ids of its
// properties. The control, its window-class wrapper and the dialog template that hosts it
// all take them from here.
#pragma once

#include "platform/afx/Guid.h"

namespace comm {

// {648A5600-2C6E-101B-82B6-000000000014}
constexpr CLSID kCommControlClsid = {
    0x648A5600, 0x2C6E, 0x101B, {0x82, 0xB6, 0x00, 0x00, 0x00, 0x00, 0x00, 0x14}};

constexpr DISPID kDispCommPort = 4;   // VT_I2, 1 to 255
constexpr DISPID kDispPortOpen = 20;  // VT_BOOL
constexpr DISPID kDispSettings = 23;  // VT_BSTR, "baud,parity,data,stop"
constexpr DISPID kDispOutput = 25;    // VT_ARRAY|VT_UI1 or VT_BSTR, put only
constexpr DISPID kDispInputMode = 29; // VT_I4, text or binary

} // namespace comm
