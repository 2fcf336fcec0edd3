// Setting up and switching the serial link: the dialog's start-up configuration and its
// port list's selection change.
#pragma once

#include "device/SerialLink.h"
#include "platform/afx/CString.h"

constexpr LPCTSTR kPortCom1 = TEXT("COM1");
constexpr LPCTSTR kPortCom2 = TEXT("COM2");
constexpr int kPortNumberCom1 = 1;
constexpr int kPortNumberCom2 = 2;
constexpr long kInputModeBinary = 1;
constexpr LPCTSTR kLineSettings = TEXT("9600,n,8,1");

// Start-up configuration: the port number, binary input, 9600 8N1; the port stays closed.
void ConfigureSerialLink(SerialLink& link, int nPort);

// Follows a new selection in the port list: "COM1" or "COM2" (exactly) sets nPort, any other
// text leaves it; an open port is closed and the link is given the port number. The next
// write opens the new port.
void SwitchSerialPort(SerialLink& link, const CString& portText, int& nPort);
