#include "generator/export/SiteFiles.h"

#include "core/AtomicFile.h"
#include "core/PathUtil.h"

#include <QDir>

namespace pictavo {

namespace {

void copyReplacing(const QString& source, const QString& destination, RunReport& report) {
    const Status status = copyFileAtomically(source, destination);
    if (!status)
        report.add(source, status.error());
}

}  // namespace

QStringList siteFileFolders() {
    return {QStringLiteral("image"),    QStringLiteral("doc"), QStringLiteral("audio"),
            QStringLiteral("video"),    QStringLiteral("zip"), QStringLiteral("others"),
            QStringLiteral("thumbnail")};
}

void createFilesTree(const QString& outputFolder, RunReport& report) {
    QStringList folders{QStringLiteral("files")};
    for (const QString& sub : siteFileFolders())
        folders << QStringLiteral("files/") + sub;
    const QDir root(outputFolder);
    for (const QString& folder : folders) {
        if (root.exists(folder))
            continue;
        if (!root.mkdir(folder))
            report.add(root.filePath(folder), QStringLiteral("cannot create directory"));
    }
}

QStringList navigationButtonNames() {
    return {QStringLiteral("pctvnavl.gif"), QStringLiteral("pctvnavn.gif"),
            QStringLiteral("pctvnavf.gif"), QStringLiteral("pctvnavt.gif"),
            QStringLiteral("pctvnavp.gif")};
}

void CopyNavigationButtons(const QString& dataFolder, const QString& outputFolder,
                           RunReport& report) {
    const QString source = path::join(dataFolder, QStringLiteral("button"));
    const QString destination = path::join(outputFolder, QStringLiteral("files/image"));
    for (const QString& name : navigationButtonNames())
        copyReplacing(path::join(source, name), path::join(destination, name.toLower()), report);
}

QByteArray autorunInfText() {
    return QByteArrayLiteral("[autorun]\r\nOPEN=autorun.exe\r\nICON=ie.ico\r\n");
}

void writeAutorunFiles(const QString& dataFolder, const QString& outputFolder, RunReport& report) {
    for (const QString& name : {QStringLiteral("autorun.exe"), QStringLiteral("ie.ico")})
        copyReplacing(path::join(dataFolder, name), path::join(outputFolder, name), report);
    const QString inf = path::join(outputFolder, QStringLiteral("autorun.inf"));
    const Status status = writeFileAtomically(inf, autorunInfText());
    if (!status)
        report.add(inf, status.error());
}

}  // namespace pictavo
