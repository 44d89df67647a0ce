#include "core/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

namespace pictavo {

// Unbuffered: a buffered QSaveFile reports success when the system accepts
// only part of the data (file size limit, full disk) and commits a cut-off
// file; unbuffered, write() returns the short count and the save is
// cancelled.
constexpr QIODevice::OpenMode kWriteMode = QIODevice::WriteOnly | QIODevice::Unbuffered;

Status writeFileAtomically(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (!file.open(kWriteMode))
        return Error(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Error(QStringLiteral("cannot write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        return Error(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return Status::success();
}

Status copyFileAtomically(const QString& source, const QString& destination) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Error(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
    QSaveFile out(destination);
    if (!out.open(kWriteMode))
        return Error(QStringLiteral("cannot write %1: %2").arg(destination, out.errorString()));
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return Error(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
        }
        if (out.write(chunk) != chunk.size()) {
            const QString reason = out.errorString();
            out.cancelWriting();
            return Error(QStringLiteral("cannot write %1: %2").arg(destination, reason));
        }
    }
    if (!out.commit())
        return Error(QStringLiteral("cannot write %1: %2").arg(destination, out.errorString()));
    return Status::success();
}

}  // namespace pictavo
