#include "core/WriteError.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace pictavo {

namespace {

bool failsForEveryFile(int systemError, const QString& path) {
    switch (systemError) {
        case ENOSPC:
        case EDQUOT:
        case EROFS:
            return true;
        case EACCES:
        case EPERM: {
            const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
            return ::access(folder.constData(), W_OK) != 0;
        }
        default:
            return false;
    }
}

}  // namespace

Error writeFailure(const QString& path, int systemError, const QString& reason) {
    const QString why = systemError != 0   ? QString::fromLocal8Bit(std::strerror(systemError))
                        : reason.isEmpty() ? QStringLiteral("unknown error")
                                           : reason;
    const Error failure(QStringLiteral("cannot write %1: %2").arg(path, why));
    return failsForEveryFile(systemError, path) ? failure.affectingEveryFile() : failure;
}

}  // namespace pictavo
