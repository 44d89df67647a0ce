#pragma once
// Runs pictavo-cli in a child process with a private settings folder and
// without XDG_RUNTIME_DIR, and collects its exit code and output; helpers
// for the files the tests make and the reports the tool prints.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <unistd.h>

// Lets GoogleTest show QString values as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pictavo::test {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The wrapper that runs the tool as nobody when the tests run as root, who
// may read and write anything; empty otherwise.
inline QStringList withoutRootRights() {
    if (::geteuid() != 0)
        return {};
    return {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
}

// The number of local links a "check" run looked up, read from its summary
// line; -1 when there is none.
inline int checkedLocalLinks(const QByteArray& output) {
    static const QRegularExpression summary(
        QStringLiteral("checked \\d+ pages and (\\d+) local links"));
    const QRegularExpressionMatch match = summary.match(QString::fromUtf8(output));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The targets of the "broken link:" lines of a check report.
inline QStringList brokenLinks(const QByteArray& output) {
    QStringList targets;
    for (const QByteArray& line : output.split('\n'))
        if (const qsizetype at = line.indexOf("broken link: "); at >= 0)
            targets << QString::fromUtf8(line.mid(at + 13));
    return targets;
}

// Folders (or files) readable by all and writable by none, or the owner's again.
inline void setWritable(const QStringList& paths, bool writable) {
    const QFile::Permissions rights =
        writable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                 : QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    for (const QString& path : paths)
        EXPECT_TRUE(QFile::setPermissions(path, rights)) << path.toStdString();
}

class CliRunner {
public:
    // Starts the tool and returns at once; wrapper's program and arguments go
    // before the tool (for example setpriv, to run without root's rights).
    void start(QProcess& process, const QStringList& args, const QStringList& wrapper = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir_.path());
        const QStringList command = wrapper + QStringList(QStringLiteral(PICTAVO_CLI)) + args;
        process.start(command.first(), command.mid(1));
    }
    CliRun run(const QStringList& args, const QStringList& wrapper = {}) const {
        QProcess process;
        start(process, args, wrapper);
        if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray readFile(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Writes a one-coloured image (of the name's format) and returns its path.
    QString writeImage(const QString& name, QSize size) const {
        QImage image(size, QImage::Format_RGB888);
        image.fill(QColor(40, 120, 200));
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        EXPECT_TRUE(image.save(path(name))) << name.toStdString();
        return path(name);
    }
    // Runs "new" and then "import" of paths when there are any; returns the album's path.
    QString newAlbum(const QStringList& imports = {}) const {
        const QString album = path(QStringLiteral("album.www"));
        EXPECT_EQ(run({"new", album}).exitCode, 0);
        if (!imports.isEmpty()) {
            EXPECT_EQ(run(QStringList{"import", album} + imports).exitCode, 0);
        }
        return album;
    }

private:
    QTemporaryDir dir_;
};

}  // namespace pictavo::test
