#pragma once
// Runs pictavo-cli in a child process with a private settings folder and
// without XDG_RUNTIME_DIR, and collects its exit code and output.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace pictavo::test {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The wrapper that runs the tool as nobody when the tests run as root, who
// may read and write anything; empty otherwise. For runWrapped().
QStringList withoutRootRights();

// The number of local links a "check" run looked up, read from its summary
// line; -1 when there is none.
int checkedLocalLinks(const QByteArray& output);

class CliRunner {
public:
    CliRun run(const QStringList& args) const;
    // Starts the tool with the same environment as run() and returns at once.
    void start(QProcess& process, const QStringList& args) const;
    // Runs wrapper's program with wrapper's arguments followed by the tool
    // and args (for example setpriv, to run without root's rights).
    CliRun runWrapped(const QStringList& wrapper, const QStringList& args) const;
    void startWrapped(QProcess& process, const QStringList& wrapper, const QStringList& args) const;
    // A path inside the runner's temporary folder.
    QString path(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

private:
    QTemporaryDir dir_;
};

}  // namespace pictavo::test
