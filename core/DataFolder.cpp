#include "core/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pictavo {

QString dataFolder() {
    const QString fromEnv = qEnvironmentVariable("PICTAVO_DATA_DIR");
    if (!fromEnv.isEmpty()) return fromEnv;

    const QString appDir = QCoreApplication::applicationDirPath();
    if (!appDir.isEmpty()) {
        const QStringList candidates = {
            QDir(appDir).filePath(QStringLiteral("../share/pictavo")),
            QDir(appDir).filePath(QStringLiteral("../../share/pictavo")),
            QDir(appDir).filePath(QStringLiteral("../" PICTAVO_INSTALL_DATA_SUBDIR)),
        };
        for (const QString& candidate : candidates) {
            if (QFileInfo(candidate).isDir()) return QDir::cleanPath(candidate);
        }
    }
    return QStringLiteral(PICTAVO_BUILD_DATA_DIR);
}

}  // namespace pictavo
