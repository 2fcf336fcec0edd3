// The framework's exceptions. They are thrown by value and caught by reference; the message
// dispatcher reports any that a handler lets escape.
#pragma once

#include "platform/afx/CString.h"

class CException {
public:
    virtual ~CException() = default;
    // The description shown to the user when the exception is reported.
    virtual CString GetErrorMessage() const = 0;
    // Shows the description in the framework's message box; returns the box's result.
    virtual int ReportError(UINT nType = 0x30 /* MB_ICONEXCLAMATION */) const;
};

// Thrown after the user has already been told (a failed data exchange).
class CUserException : public CException {
public:
    CString GetErrorMessage() const override { return {}; }
    int ReportError(UINT) const override { return 0; }
};

// An operation the platform cannot do, with its description.
class CNotSupportedException : public CException {
public:
    explicit CNotSupportedException(CString text) : m_text(std::move(text)) {}
    CString GetErrorMessage() const override { return m_text; }

private:
    CString m_text;
};
