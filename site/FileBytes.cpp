// Reading a plan or a record whole.
#include "site/FileBytes.h"

#include <fstream>
#include <system_error>

namespace site {

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;
constexpr std::size_t kBytesPerMegabyte = 1024 * 1024;

} // namespace

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path PathFromText(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

FileBytes FileBytes::Read(const std::filesystem::path& path, std::size_t limit) {
    const std::string name = "“" + PathText(path) + "”";
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {false, true, {}, "找不到文件" + name + "。"};
    }
    if (std::filesystem::is_directory(status)) {
        return {false, false, {}, name + "是一个文件夹，不是文件。请选择一个文件。"};
    }
    std::ifstream in(path, std::ios::binary);
    if (error || !in) {
        return {
            false, false, {}, "无法打开文件" + name + "：没有读取它的权限，或它正被其他程序独占。"};
    }
    std::string bytes;
    std::string chunk(kChunkSize, '\0');
    // Reading on past the limit by up to a chunk tells a file that is too large.
    while (bytes.size() <= limit && in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return {false, false, {}, "读取文件" + name + "时出错。请检查磁盘后再试。"};
    }
    if (bytes.size() > limit) {
        return {false,
                false,
                {},
                "文件" + name + "太大（超过 " + std::to_string(limit / kBytesPerMegabyte) +
                    " MB），不是 tavrin 的计划或记录。请检查选择的文件。"};
    }
    return {true, false, std::move(bytes), {}};
}

} // namespace site
