// OLE Automation's strings, arrays and variants. A BSTR is preceded by its length in bytes
// and followed by a zero; a SAFEARRAY made here owns its data, which follows it in one block.
#include <oleauto.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

using Prefix = DWORD;

Prefix* PrefixOf(BSTR text) {
    return reinterpret_cast<Prefix*>(text) - 1;
}

} // namespace

BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui) {
    const std::size_t bytes = sizeof(Prefix) + (std::size_t(ui) + 1) * sizeof(OLECHAR);
    auto* block = static_cast<Prefix*>(std::malloc(bytes));
    if (block == nullptr) {
        return nullptr;
    }
    *block = static_cast<Prefix>(ui * sizeof(OLECHAR));
    auto* text = reinterpret_cast<OLECHAR*>(block + 1);
    if (strIn != nullptr) {
        std::memcpy(text, strIn, ui * sizeof(OLECHAR));
    } else {
        std::memset(text, 0, ui * sizeof(OLECHAR));
    }
    text[ui] = 0;
    return text;
}

UINT SysStringLen(BSTR pbstr) {
    return pbstr != nullptr ? *PrefixOf(pbstr) / sizeof(OLECHAR) : 0;
}

void VariantInit(VARIANTARG* pvarg) {
    pvarg->vt = VT_EMPTY;
    pvarg->wReserved1 = pvarg->wReserved2 = pvarg->wReserved3 = 0;
}

HRESULT VariantClear(VARIANTARG* pvarg) {
    if (pvarg == nullptr) {
        return E_INVALIDARG;
    }
    // A locked array is left allocated, as SafeArrayDestroy refuses to free it.
    if (pvarg->vt == VT_BSTR && pvarg->bstrVal != nullptr) {
        std::free(PrefixOf(pvarg->bstrVal));
    } else if (pvarg->vt == (VT_ARRAY | VT_UI1) && pvarg->parray != nullptr &&
               pvarg->parray->cLocks == 0) {
        std::free(pvarg->parray);
    }
    pvarg->vt = VT_EMPTY;
    return S_OK;
}

HRESULT VariantCopy(VARIANTARG* pvargDest, const VARIANTARG* pvargSrc) {
    if (pvargDest == nullptr || pvargSrc == nullptr) {
        return E_INVALIDARG;
    }
    if (pvargDest == pvargSrc) {
        return S_OK;
    }
    VARIANT copy = *pvargSrc;
    if (pvargSrc->vt == VT_BSTR && pvargSrc->bstrVal != nullptr) {
        copy.bstrVal = SysAllocStringLen(pvargSrc->bstrVal, SysStringLen(pvargSrc->bstrVal));
        if (copy.bstrVal == nullptr) {
            return E_OUTOFMEMORY;
        }
    } else if (pvargSrc->vt == (VT_ARRAY | VT_UI1) && pvargSrc->parray != nullptr) {
        const SAFEARRAY& source = *pvargSrc->parray;
        copy.parray = SafeArrayCreateVector(VT_UI1, source.rgsabound[0].lLbound,
                                            source.rgsabound[0].cElements);
        if (copy.parray == nullptr) {
            return E_OUTOFMEMORY;
        }
        std::memcpy(copy.parray->pvData, source.pvData, source.rgsabound[0].cElements);
    } else if (pvargSrc->vt & VT_ARRAY) {
        return DISP_E_BADVARTYPE;
    }
    VariantClear(pvargDest);
    *pvargDest = copy;
    return S_OK;
}

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lLbound, ULONG cElements) {
    if (vt != VT_UI1) {
        return nullptr;
    }
    void* block = std::malloc(sizeof(SAFEARRAY) + cElements);
    if (block == nullptr) {
        return nullptr;
    }
    auto* array = new (block) SAFEARRAY{};
    array->cDims = 1;
    array->cbElements = 1;
    array->pvData = array + 1;
    array->rgsabound[0] = {cElements, lLbound};
    std::memset(array->pvData, 0, cElements);
    return array;
}

HRESULT SafeArrayAccessData(SAFEARRAY* psa, void** ppvData) {
    if (psa == nullptr || ppvData == nullptr) {
        return E_INVALIDARG;
    }
    ++psa->cLocks;
    *ppvData = psa->pvData;
    return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* psa) {
    if (psa == nullptr || psa->cLocks == 0) {
        return E_INVALIDARG;
    }
    --psa->cLocks;
    return S_OK;
}
