// Appending to a site's record, and saying why it cannot be done.
#include "site/RecordAppender.h"

#include "site/FileBytes.h"

#include <system_error>

namespace site {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// LibreOffice keeps a file it has open beside it under this name, ".~lock.<name>#".
constexpr std::string_view kOfficeLockPrefix = ".~lock.";
constexpr std::string_view kOfficeLockSuffix = "#";

std::filesystem::path OfficeLockOf(const std::filesystem::path& path) {
    return path.parent_path() /
           PathFromText(std::string(kOfficeLockPrefix) + PathText(path.filename()) +
                        std::string(kOfficeLockSuffix));
}

std::string Folder(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.parent_path();
    return "“" + PathText(folder.empty() ? std::filesystem::path(".") : folder) + "”";
}

} // namespace

std::string FileProblemMessage(const FileOutcome& outcome, const std::filesystem::path& path) {
    const std::string file = "记录文件“" + PathText(path) + "”";
    switch (outcome.problem) {
    case FileProblem::None:
        return {};
    case FileProblem::Busy:
        return file + "正被另一个程序打开或锁定（例如 Excel 打开着它，或另一个 tavrin "
                      "正在写入），tavrin 无法写入。请关闭打开它的程序（在 Excel "
                      "中关闭这个文件）后再写入。";
    case FileProblem::ReadOnly:
        return file + "是只读的，tavrin 无法写入。请在文件属性中取消“只读”（Linux 上：chmod u+w "
                      "该文件），或选择另一个记录文件。";
    case FileProblem::ReadOnlyDisk:
        return file + "所在的磁盘是只读的（例如 U 盘的写保护开关打开了）。请关闭写保护，或把记录"
                      "保存到另一个位置。";
    case FileProblem::DiskFull:
        return file + "所在的磁盘已满。请腾出磁盘空间，或把记录保存到另一个磁盘。";
    case FileProblem::FolderMissing:
        return file + "所在的文件夹" + Folder(path) +
               "不存在了（例如 U 盘被拔出，或文件夹被移动、删除）。请插回 U 盘或恢复这个文件夹，"
               "或选择另一个位置的记录文件。";
    case FileProblem::NoPermission:
        return "没有在" + Folder(path) + "中写入" + file +
               "的权限。请把记录保存到自己的文件夹（例如“文档”），或请管理员开放权限。";
    case FileProblem::NotAFile:
        return "“" + PathText(path) +
               "”不是普通文件（是一个文件夹或设备），不能用作记录。请选择另一个文件名。";
    case FileProblem::Other:
        break;
    }
    return "无法写入" + file + "：系统报告了一个错误（" + outcome.systemText +
           "）。请检查磁盘后再试。";
}

std::string AppendResult::MissingLineMessage() const {
    return "这台中控已写入（所有帧已发送），但它的记录行没有写进记录文件：" + reason +
           "\n\n请把下面这一行复制下来，补进记录文件的末尾：\n" + line;
}

std::string RecordAppender::Check() const {
    const std::filesystem::path& path = m_file.Path();
    std::error_code error;
    // LibreOffice does not lock the file, but saving there would drop the lines written since.
    if (std::filesystem::exists(OfficeLockOf(path), error)) {
        return "记录文件“" + PathText(path) +
               "”正在 LibreOffice 中打开；在那里保存会覆盖 tavrin 之后写入的行。请先在 "
               "LibreOffice 中关闭这个文件再写入。";
    }
    const FileOutcome probed = m_file.Probe();
    if (!probed.Ok()) {
        return FileProblemMessage(probed, path);
    }
    const std::filesystem::space_info space = std::filesystem::space(
        path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path(), error);
    if (!error && space.available < kMinimumFreeBytes) {
        return FileProblemMessage({FileProblem::DiskFull, {}}, path);
    }
    return {};
}

AppendResult RecordAppender::Append(const RecordEntry& entry) const {
    AppendResult result;
    result.line = FormatRecordLine(entry);
    const FileOutcome outcome =
        m_file.Append(result.line + std::string(kLineEnd), RecordFileStart());
    result.ok = outcome.Ok();
    result.reason = FileProblemMessage(outcome, m_file.Path());
    return result;
}

} // namespace site
