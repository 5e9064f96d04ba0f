#include "platform/paths.h"

#include <QDir>

namespace tlm {

Paths Paths::standard()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return Paths(base + QStringLiteral("/Tallowmere"));
}

} // namespace tlm
