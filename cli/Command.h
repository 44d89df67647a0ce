#pragma once
// A sub-command of pictavo-cli. Exit statuses: 0 success, 1 failure
// (message on stderr), 2 usage error. Every command answers --help.

#include <QStringList>

namespace pictavo::cli {

// kIncomplete: an export wrote its output, but some files could not be read
// or written; the problems are listed on stderr. kBrokenLinks: an export
// with --check wrote everything, but the check found broken links.
enum ExitCode : int { kSuccess = 0, kFailure = 1, kUsage = 2, kIncomplete = 3, kBrokenLinks = 4 };

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& args);  // args after the command name
};

// Prints to stdout / stderr (UTF-8, one line each).
void printOut(const QString& line);
void printError(const QString& line);

// Prints "pictavo-cli <command>: <message>" and the usage hint; returns kUsage.
int usageError(const char* command, const QString& message);
// Prints "pictavo-cli: <message>"; returns kFailure.
int failure(const QString& message);
// True when args ask for help (--help or -h anywhere).
bool wantsHelp(const QStringList& args);

}  // namespace pictavo::cli
