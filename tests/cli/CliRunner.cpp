#include "CliRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

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

void CliRunner::start(QProcess& process, const QStringList& args) const {
    startWrapped(process, {}, args);
}

void CliRunner::startWrapped(QProcess& process, const QStringList& wrapper,
                             const QStringList& args) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir_.path());
    if (wrapper.isEmpty())
        process.start(QStringLiteral(PICTAVO_CLI), args);
    else
        process.start(wrapper.first(),
                      wrapper.mid(1) + QStringList(QStringLiteral(PICTAVO_CLI)) + args);
}

CliRun CliRunner::run(const QStringList& args) const {
    return runWrapped({}, args);
}

CliRun CliRunner::runWrapped(const QStringList& wrapper, const QStringList& args) const {
    QProcess process;
    startWrapped(process, wrapper, args);
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

}  // namespace pictavo::test
