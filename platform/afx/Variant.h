// The framework's COleVariant: a VARIANT that owns what it holds, made from the framework's
// own types. The record and its functions are the system's (OLE Automation).
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <vector>

class CByteArray;
class CString;

class COleVariant : public tagVARIANT {
public:
    COleVariant() { VariantInit(this); }
    COleVariant(const VARIANT& varSrc);
    COleVariant(const COleVariant& varSrc) : COleVariant(static_cast<const VARIANT&>(varSrc)) {}
    COleVariant& operator=(const VARIANT& varSrc);
    COleVariant& operator=(const COleVariant& varSrc) {
        return *this = static_cast<const VARIANT&>(varSrc);
    }
    ~COleVariant() { VariantClear(this); }

    // A 16-bit value as VT_I2, or as VT_BOOL when vtSrc says so (non-zero is true).
    COleVariant(SHORT nSrc, VARTYPE vtSrc = VT_I2);
    // A 32-bit value as VT_I4, or as VT_BOOL when vtSrc says so.
    COleVariant(LONG lSrc, VARTYPE vtSrc = VT_I4);
    // Text as VT_BSTR.
    COleVariant(LPCTSTR lpszSrc);
    COleVariant(const CString& strSrc);
    // The array's bytes as VT_ARRAY|VT_UI1.
    COleVariant(const CByteArray& arrSrc);
};

namespace afx {

// The bytes of a VT_ARRAY|VT_UI1 value (empty for any other type).
std::vector<BYTE> VariantBytes(const VARIANT& value);
// The text of a BSTR with each character as one byte, as a serial line sends text; a
// character beyond one byte becomes '?'.
std::string ByteText(BSTR text);

} // namespace afx
