// GBK decoding on Windows: code page 936 through UTF-16, refusing bytes that are not GBK.
#include "site/TextEncoding.h"

#include <windows.h>

#include <climits>

namespace site {

namespace {

constexpr UINT kGbkCodePage = 936;

} // namespace

std::optional<std::string> GbkToUtf8(std::string_view bytes) {
    if (bytes.empty()) {
        return std::string();
    }
    if (bytes.size() > INT_MAX) {
        return std::nullopt;
    }
    const int size = static_cast<int>(bytes.size());
    const int wideLength =
        MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (wideLength <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(),
                        wideLength);
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, text.data(), length, nullptr, nullptr);
    return text;
}

} // namespace site
