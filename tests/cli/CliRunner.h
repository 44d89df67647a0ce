#pragma once
// Runs pictavo-cli in a child process with a private settings folder and
// without XDG_RUNTIME_DIR, and collects its exit code and output.

#include <QByteArray>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

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
QStringList withoutRootRights();

// The number of local links a "check" run looked up, read from its summary
// line; -1 when there is none.
int checkedLocalLinks(const QByteArray& output);
// The targets of the "broken link:" lines of a check report.
QStringList brokenLinks(const QByteArray& output);
// Folders (or files) readable by all and writable by none, or the owner's again.
void setWritable(const QStringList& paths, bool writable);

class CliRunner {
public:
    // wrapper's program and arguments go before the tool (for example
    // setpriv, to run without root's rights).
    CliRun run(const QStringList& args, const QStringList& wrapper = {}) const;
    // Starts the tool with the same environment as run() and returns at once.
    void start(QProcess& process, const QStringList& args, const QStringList& wrapper = {}) const;
    QString path(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    // Writes a one-coloured image (of the name's format) and returns its path.
    QString writeImage(const QString& name, QSize size) const;
    // Runs "new" and then "import" of paths when there are any; returns the album's path.
    QString newAlbum(const QStringList& imports = {}) const;

private:
    QTemporaryDir dir_;
};

}  // namespace pictavo::test
