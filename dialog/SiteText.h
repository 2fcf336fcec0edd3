// The site mode's texts between the dialog, which holds them in the program's characters
// (CString), and the site's logic, which keeps UTF-8 and file system paths; and where a new
// record goes by default.
#pragma once

#include "platform/afx/CString.h"

#include <chrono>
#include <filesystem>
#include <string>

std::string Utf8Of(const CString& text);
std::filesystem::path PathOf(const CString& text);
CString TextOf(const std::filesystem::path& path);

// "tavrin-记录-2026-12-09.csv" in the user's documents folder, with the local date at now;
// in the current folder when the system names no documents folder.
std::filesystem::path DefaultRecordPath(std::chrono::system_clock::time_point now);
