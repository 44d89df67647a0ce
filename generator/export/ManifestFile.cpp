#include "generator/export/ManifestFile.h"

#include "core/AtomicFile.h"
#include "core/PathUtil.h"

#include <QFile>

namespace pictavo {

namespace {

// Raised whenever a change of the image work changes the bytes it writes.
constexpr int kImageWorkRevision = 1;
// Far above the few hundred bytes a record takes for the largest albums.
constexpr qint64 kManifestSizeLimit = qint64(1) << 30;

}  // namespace

QString manifestFileName() {
    return QStringLiteral(".pictavo-export");
}

QString programFingerprint() {
    return QStringLiteral("Pictavo %1, image work %2")
        .arg(QStringLiteral(PICTAVO_VERSION))
        .arg(kImageWorkRevision);
}

std::optional<ExportManifest> readManifest(const QString& outputFolder) {
    QFile file(path::join(outputFolder, manifestFileName()));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kManifestSizeLimit)
        return std::nullopt;
    return parseManifest(file.readAll());
}

Status writeManifest(const QString& outputFolder, const ExportManifest& manifest) {
    return writeFileAtomically(path::join(outputFolder, manifestFileName()),
                               serializeManifest(manifest));
}

}  // namespace pictavo
