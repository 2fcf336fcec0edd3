// One line of a site's record: one write, single or all, sent or stopped. The record is a CSV
// file (UTF-8 with a byte order mark, CRLF, a Chinese header row) that Excel on a Chinese
// Windows and LibreOffice open as it is. Its columns, in this order:
//
//   序号       the line's sequence number, from 1
//   时间       local date and time with the UTC offset, "2026-12-09 14:03:27 +08:00"
//   标签       the unit's label (a plan's room), empty without one
//   串口       the port and its device, "COM1（/dev/ttyUSB0）"
//   写入内容   what was written: 全部信息, 服务器IP, 中控IP, 子网掩码, 网关 or MAC
//   服务器IP 中控IP 子网掩码 网关 MAC
//              the values as sent (addresses dotted, MAC as 00-11-0A-0D-FF-13); a value a
//              single write does not send stays empty
//   结果       已发送, or the message that stopped the write
//   备注       the warnings the technician answered "Yes" to, when there were any
#pragma once

#include "site/UnitValues.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace site {

// The result of a write whose frames all went out. The device never answers, so "sent".
inline constexpr std::string_view kResultSent = "已发送";

struct RecordEntry {
    std::uint64_t sequence = 0;
    std::string time;
    std::string label;
    std::string port;
    WriteKind kind = WriteKind::All;
    UnitValues values;
    std::string result{kResultSent};
    std::string note;

    bool Sent() const { return result == kResultSent; }
};

// The header row's cells, in column order.
inline constexpr std::string_view kRecordColumns[] = {"序号",     "时间",     "标签",   "串口",
                                                      "写入内容", "服务器IP", "中控IP", "子网掩码",
                                                      "网关",     "MAC",      "结果",   "备注"};
inline constexpr std::size_t kRecordColumnCount = std::size(kRecordColumns);

// The entry as one CSV line, quoted where a cell needs it, without its line end: the text a
// message shows when the line could not be appended.
std::string FormatRecordLine(const RecordEntry& entry);
// What a new record file starts with: the byte order mark and the header row with its CRLF.
std::string RecordFileStart();

} // namespace site
