// Serial lock files.
#include "platform/linux/serial/SerialLock.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <string>

namespace serial {

namespace {

const char* const kDevicePrefix = "/dev/";
const char* const kLockPrefix = "/LCK..";

QStringList LockDirectories() {
    return {QStringLiteral("/var/lock"), QStringLiteral("/etc/locks"),
            QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation)};
}

bool ProcessAlive(qint64 pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// The process's command name from /proc, for lock files written without an application name.
QString CommandOf(qint64 pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

} // namespace

std::string SerialLockFilePath(const std::string& devicePath) {
    QString name = QString::fromStdString(devicePath);
    if (name.startsWith(QLatin1String(kDevicePrefix))) {
        name = name.mid(static_cast<int>(std::char_traits<char>::length(kDevicePrefix)));
    }
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.prepend(QLatin1String(kLockPrefix));
    for (const QString& directory : LockDirectories()) {
        const QFileInfo info(directory);
        const QString path = directory + name;
        if (info.isReadable() && (QFile::exists(path) || info.isWritable())) {
            return path.toStdString();
        }
    }
    return {};
}

std::string SerialLockHolder(const std::string& lockFilePath) {
    if (lockFilePath.empty()) {
        return {};
    }
    const QLockFile lock(QString::fromStdString(lockFilePath));
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application) || !ProcessAlive(pid)) {
        return {};
    }
    if (application.isEmpty()) {
        application = CommandOf(pid);
    }
    const std::string process = "进程 " + std::to_string(pid);
    return application.isEmpty() ? process : application.toStdString() + "（" + process + "）";
}

} // namespace serial
