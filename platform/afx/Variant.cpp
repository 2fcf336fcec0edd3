// Automation values.
#include "platform/afx/Variant.h"

#include "platform/afx/CByteArray.h"
#include "platform/afx/CString.h"

#include <cstring>
#include <new>
#include <stdexcept>

namespace {

void ThrowIfFailed(HRESULT result) {
    if (result < 0) {
        throw std::bad_alloc();
    }
}

} // namespace

COleVariant::COleVariant(const VARIANT& varSrc) {
    VariantInit(this);
    ThrowIfFailed(
        VariantCopy(this, const_cast<VARIANT*>(&varSrc))); // mingw-w64 declares it non-const
}

COleVariant& COleVariant::operator=(const VARIANT& varSrc) {
    ThrowIfFailed(
        VariantCopy(this, const_cast<VARIANT*>(&varSrc))); // mingw-w64 declares it non-const
    return *this;
}

COleVariant::COleVariant(SHORT nSrc, VARTYPE vtSrc) : COleVariant(LONG{nSrc}, vtSrc) {
    if (vt == VT_I4) {
        vt = VT_I2;
        iVal = nSrc;
    }
}

COleVariant::COleVariant(LONG lSrc, VARTYPE vtSrc) {
    VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = lSrc != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vtSrc == VT_I4 || vtSrc == VT_I2) {
        vt = VT_I4;
        lVal = lSrc;
    } else {
        throw std::invalid_argument("COleVariant: a number is VT_I2, VT_I4 or VT_BOOL");
    }
}

COleVariant::COleVariant(LPCTSTR lpszSrc) : COleVariant(CString(lpszSrc)) {}

COleVariant::COleVariant(const CString& strSrc) {
    VariantInit(this);
    bstrVal = strSrc.AllocSysString();
    vt = VT_BSTR;
}

COleVariant::COleVariant(const CByteArray& arrSrc) {
    VariantInit(this);
    const std::vector<BYTE>& bytes = arrSrc.Bytes();
    parray = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (parray == nullptr) {
        throw std::bad_alloc();
    }
    if (!bytes.empty()) {
        std::memcpy(parray->pvData, bytes.data(), bytes.size());
    }
    vt = VT_ARRAY | VT_UI1;
}

namespace afx {

std::vector<BYTE> VariantBytes(const VARIANT& value) {
    if (value.vt != (VT_ARRAY | VT_UI1) || value.parray == nullptr) {
        return {};
    }
    void* data = nullptr;
    if (SafeArrayAccessData(value.parray, &data) < 0) {
        return {};
    }
    const auto* first = static_cast<const BYTE*>(data);
    std::vector<BYTE> bytes(first, first + value.parray->rgsabound[0].cElements);
    SafeArrayUnaccessData(value.parray);
    return bytes;
}

std::string ByteText(BSTR text) {
    std::string bytes;
    const UINT length = SysStringLen(text);
    bytes.reserve(length);
    for (UINT i = 0; i < length; ++i) {
        bytes += text[i] <= 0xFF ? static_cast<char>(text[i]) : '?';
    }
    return bytes;
}

} // namespace afx
