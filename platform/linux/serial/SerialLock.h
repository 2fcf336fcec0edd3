// The lock file with which a serial device is held exclusively: the same file that Qt Serial
// Port takes, so that the holder of a busy port can be named.
#pragma once

#include <string>

namespace serial {

// The lock file path for a device ("/dev/ttyS0" -> "/var/lock/LCK..ttyS0"), found in the
// same lock directories and in the same order as Qt Serial Port looks; empty when none of
// them is usable.
std::string SerialLockFilePath(const std::string& devicePath);

// Who holds the lock file, as "minicom（进程 1234）"; empty when the file is absent or names
// no live process.
std::string SerialLockHolder(const std::string& lockFilePath);

} // namespace serial
