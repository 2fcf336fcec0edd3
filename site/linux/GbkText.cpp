// GBK decoding on Linux: glibc's iconv with code page 936, the table Windows itself uses.
#include "site/TextEncoding.h"

#include <cerrno>
#include <iconv.h>

namespace site {

namespace {

constexpr const char* kGbk = "CP936";
constexpr const char* kUtf8 = "UTF-8";
// No GBK character takes more than three bytes in UTF-8, and each takes at least one.
constexpr std::size_t kUtf8PerGbkByte = 3;

} // namespace

std::optional<std::string> GbkToUtf8(std::string_view bytes) {
    const iconv_t converter = iconv_open(kUtf8, kGbk);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string text(bytes.size() * kUtf8PerGbkByte, '\0');
    // iconv's interface takes char** for its input without writing through it.
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = text.data();
    std::size_t outLeft = text.size();
    const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    // Flush any shift state; GBK has none, but a converter may still hold a byte.
    const bool flushed =
        iconv(converter, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1) || inLeft != 0 || !flushed) {
        return std::nullopt;
    }
    text.resize(text.size() - outLeft);
    return text;
}

} // namespace site
