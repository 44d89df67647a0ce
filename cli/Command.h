#pragma once
// A sub-command of pictavo-cli. Exit statuses: 0 success, 1 failure
// (message on stderr), 2 usage error. Every command answers --help.
//
// The arguments of every command go through one parser: "--name" flags and
// "--name VALUE" options from the command's own list, "--" ends the options,
// everything else is positional in the order given. An option the command
// does not list is a usage error, as is an option without its value. main()
// prints a command's help for --help or -h and parses before it runs the
// command.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace pictavo::cli {

// kIncomplete: an export wrote its output, but some files could not be read
// or written; the problems are listed on stderr. kBrokenLinks: an export
// with --check wrote everything, but the check found broken links.
enum ExitCode : int { kSuccess = 0, kFailure = 1, kUsage = 2, kIncomplete = 3, kBrokenLinks = 4 };

struct OptionSpec {
    const char* name;  // with its "--"
    bool takesValue;
};

class ParsedArgs {
public:
    // Parses args by options; gives the usage problem, or an empty text.
    QString parse(const QStringList& args, std::span<const OptionSpec> options);

    const QStringList& positional() const { return positional_; }
    bool has(const char* option) const { return given_.contains(QLatin1String(option)); }
    // The value of an option given with one (the last, when repeated).
    std::optional<QString> value(const char* option) const;

private:
    QStringList positional_;
    QSet<QString> given_;
    QHash<QString, QString> values_;
};

struct Command {
    const char* name;
    const char* summary;
    const char* help;  // starts with "usage: pictavo-cli <name>"
    std::span<const OptionSpec> options;
    int (*run)(const ParsedArgs& args);
};

// Prints to stdout / stderr (UTF-8, one line each).
void printOut(const QString& line);
void printError(const QString& line);

// Prints "pictavo-cli <command>: <message>" and the usage hint; returns kUsage.
int usageError(const char* command, const QString& message);
// Prints "pictavo-cli: <message>"; returns kFailure.
int failure(const QString& message);

// Runs command with args (the words after its name): help, parsing, run.
int runCommand(const Command& command, const QStringList& args);

}  // namespace pictavo::cli
