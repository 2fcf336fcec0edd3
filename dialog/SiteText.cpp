// The site mode's texts and paths.
#include "dialog/SiteText.h"

#include "site/LocalTime.h"

#include <shlobj.h>

#include <array>
#include <cstdio>

namespace {

constexpr const char* kRecordNameFormat = "tavrin-记录-%04d-%02d-%02d.csv";
constexpr std::size_t kRecordNameSize = 64;

} // namespace

std::string Utf8Of(const CString& text) {
#ifdef UNICODE
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.GetString(), text.GetLength(), nullptr,
                                          0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.GetString(), text.GetLength(), utf8.data(), bytes, nullptr,
                        nullptr);
    return utf8;
#else
    return text.GetString();
#endif
}

std::filesystem::path PathOf(const CString& text) {
    return std::filesystem::path(text.GetString());
}

CString TextOf(const std::filesystem::path& path) {
    return CString(path.native());
}

std::filesystem::path DefaultRecordPath(std::chrono::system_clock::time_point now) {
    const site::LocalTimeFields today = site::LocalFields(now);
    std::array<char, kRecordNameSize> name{};
    std::snprintf(name.data(), name.size(), kRecordNameFormat, today.year, today.month, today.day);
    std::array<TCHAR, MAX_PATH> folder{};
    const bool found = SHGetFolderPath(nullptr, CSIDL_PERSONAL, nullptr, 0, folder.data()) == S_OK;
    // The name is UTF-8 text; a path takes it as such only through char8_t.
    const std::u8string utf8Name(name.data(),
                                 name.data() + std::char_traits<char>::length(name.data()));
    return (found ? std::filesystem::path(folder.data()) : std::filesystem::path()) / utf8Name;
}
