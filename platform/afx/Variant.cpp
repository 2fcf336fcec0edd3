// Automation values.
#include "platform/afx/Variant.h"

#include "platform/afx/CByteArray.h"

#include <stdexcept>

void VariantClear(VARIANT* pvarg) {
    if (pvarg != nullptr) {
        *pvarg = VARIANT{};
    }
}

COleVariant::COleVariant(SHORT nSrc, VARTYPE vtSrc) {
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = nSrc != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vtSrc == VT_I2) {
        vt = VT_I2;
        iVal = nSrc;
    } else {
        throw std::invalid_argument("COleVariant: a short is VT_I2 or VT_BOOL");
    }
}

COleVariant::COleVariant(LONG lSrc, VARTYPE vtSrc) {
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = lSrc != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vtSrc == VT_I4) {
        vt = VT_I4;
        lVal = lSrc;
    } else {
        throw std::invalid_argument("COleVariant: a long is VT_I4 or VT_BOOL");
    }
}

COleVariant::COleVariant(LPCTSTR lpszSrc) {
    vt = VT_BSTR;
    bstrVal = lpszSrc != nullptr ? lpszSrc : "";
}

COleVariant::COleVariant(const std::string& strSrc) {
    vt = VT_BSTR;
    bstrVal = strSrc;
}

COleVariant::COleVariant(const CByteArray& arrSrc) {
    vt = VT_ARRAY | VT_UI1;
    bytes = arrSrc.Bytes();
}

COleVariant COleVariant::FromBool(bool value) {
    return COleVariant(static_cast<SHORT>(value ? 1 : 0), VT_BOOL);
}
