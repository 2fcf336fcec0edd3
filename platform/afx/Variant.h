// Automation values: the variant types the hosted controls exchange, the VARIANT record and
// the framework's COleVariant wrapper.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CByteArray;

constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_I2 = 2;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_BSTR = 8;
constexpr VARTYPE VT_BOOL = 11;
constexpr VARTYPE VT_VARIANT = 12;
constexpr VARTYPE VT_UI1 = 17;
constexpr VARTYPE VT_ARRAY = 0x2000;

using VARIANT_BOOL = SHORT;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// One automation value. vt says which member holds it; the others stay at their defaults.
// Strings are UTF-8; VT_ARRAY|VT_UI1 is a one-dimensional array of unsigned bytes.
struct VARIANT {
    VARTYPE vt = VT_EMPTY;
    SHORT iVal = 0;                       // VT_I2
    LONG lVal = 0;                        // VT_I4
    VARIANT_BOOL boolVal = VARIANT_FALSE; // VT_BOOL
    std::string bstrVal;                  // VT_BSTR
    std::vector<BYTE> bytes;              // VT_ARRAY | VT_UI1
};

// Empties the value and releases what it holds.
void VariantClear(VARIANT* pvarg);

class COleVariant : public VARIANT {
public:
    COleVariant() = default;
    COleVariant(const VARIANT& varSrc) : VARIANT(varSrc) {}
    // A 16-bit value as VT_I2, or as VT_BOOL when vtSrc says so (non-zero is true).
    COleVariant(SHORT nSrc, VARTYPE vtSrc = VT_I2);
    // A 32-bit value as VT_I4, or as VT_BOOL when vtSrc says so.
    COleVariant(LONG lSrc, VARTYPE vtSrc = VT_I4);
    COleVariant(LPCTSTR lpszSrc);
    COleVariant(const std::string& strSrc);
    // The array's bytes as VT_ARRAY|VT_UI1.
    COleVariant(const CByteArray& arrSrc);

    static COleVariant FromBool(bool value);
};
