#include "CliRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <unistd.h>

namespace pictavo::test {

QStringList withoutRootRights() {
    if (::geteuid() != 0)
        return {};
    return {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
}

int checkedLocalLinks(const QByteArray& output) {
    static const QRegularExpression summary(
        QStringLiteral("checked \\d+ pages and (\\d+) local links"));
    const QRegularExpressionMatch match = summary.match(QString::fromUtf8(output));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QStringList brokenLinks(const QByteArray& output) {
    QStringList targets;
    for (const QByteArray& line : output.split('\n')) {
        const qsizetype at = line.indexOf("broken link: ");
        if (at >= 0)
            targets << QString::fromUtf8(line.mid(at + 13));
    }
    return targets;
}

void setWritable(const QStringList& paths, bool writable) {
    const QFile::Permissions rights =
        writable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                 : QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    for (const QString& path : paths)
        EXPECT_TRUE(QFile::setPermissions(path, rights)) << path.toStdString();
}

void CliRunner::start(QProcess& process, const QStringList& args,
                      const QStringList& wrapper) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir_.path());
    const QStringList command = wrapper + QStringList(QStringLiteral(PICTAVO_CLI)) + args;
    process.start(command.first(), command.mid(1));
}

CliRun CliRunner::run(const QStringList& args, const QStringList& wrapper) const {
    QProcess process;
    start(process, args, wrapper);
    CliRun result;
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void CliRunner::writeFile(const QString& name, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray CliRunner::readFile(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString CliRunner::writeImage(const QString& name, QSize size) const {
    QImage image(size, QImage::Format_RGB888);
    image.fill(QColor(40, 120, 200));
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    EXPECT_TRUE(image.save(path(name))) << name.toStdString();
    return path(name);
}

QString CliRunner::newAlbum(const QStringList& imports) const {
    const QString album = path(QStringLiteral("album.www"));
    EXPECT_EQ(run({"new", album}).exitCode, 0);
    if (!imports.isEmpty()) {
        const CliRun imported = run(QStringList{"import", album} + imports);
        EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    }
    return album;
}

}  // namespace pictavo::test
