#include "platform/processes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tlm {

QStringList ProcessList::names() const
{
    QStringList result;
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : entries) {
        bool numeric = false;
        pid.toLongLong(&numeric);
        if (!numeric)
            continue;
        // The executable's file name, as the process table names it; comm when exe is not readable.
        const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
        if (!exe.isEmpty()) {
            result << QFileInfo(exe).fileName();
            continue;
        }
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        if (comm.open(QIODevice::ReadOnly))
            result << QString::fromLocal8Bit(comm.readAll()).trimmed();
    }
    return result;
}

} // namespace tlm
