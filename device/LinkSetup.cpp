// Setting up and switching the serial link.
#include "device/LinkSetup.h"

void ConfigureSerialLink(SerialLink& link, int nPort) {
    link.SetCommPort(static_cast<short>(nPort));
    link.SetInputMode(kInputModeBinary);
    link.SetSettings(kLineSettings);
}

void SwitchSerialPort(SerialLink& link, const CString& portText, int& nPort) {
    if (portText == kPortCom2) {
        nPort = kPortNumberCom2;
    }
    if (portText == kPortCom1) {
        nPort = kPortNumberCom1;
    }
    if (link.GetPortOpen()) {
        link.SetPortOpen(false);
    }
    link.SetCommPort(static_cast<short>(nPort));
}
