#include "cli/Command.h"

#include <cstdio>

namespace pictavo::cli {

namespace {

bool wantsHelp(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

const OptionSpec* findOption(std::span<const OptionSpec> options, const QString& name) {
    for (const OptionSpec& option : options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

}  // namespace

QString ParsedArgs::parse(const QStringList& args, std::span<const OptionSpec> options) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            positional_ << arg;
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (const OptionSpec* option = findOption(options, arg); !option) {
            return QStringLiteral("unknown option %1").arg(arg);
        } else if (option->takesValue && i + 1 >= args.size()) {
            return QStringLiteral("%1 needs a value").arg(arg);
        } else {
            given_.insert(arg);
            if (option->takesValue)
                values_.insert(arg, args.at(++i));
        }
    }
    return {};
}

std::optional<QString> ParsedArgs::value(const char* option) const {
    const auto it = values_.constFind(QLatin1String(option));
    if (it == values_.constEnd())
        return std::nullopt;
    return *it;
}

void printOut(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

void printError(const QString& line) {
    std::fputs(line.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

int usageError(const char* command, const QString& message) {
    printError(QStringLiteral("pictavo-cli %1: %2").arg(QLatin1String(command), message));
    printError(QStringLiteral("Try 'pictavo-cli %1 --help'.").arg(QLatin1String(command)));
    return kUsage;
}

int failure(const QString& message) {
    printError(QStringLiteral("pictavo-cli: ") + message);
    return kFailure;
}

int runCommand(const Command& command, const QStringList& args) {
    if (wantsHelp(args)) {
        printOut(QString::fromUtf8(command.help));
        return kSuccess;
    }
    ParsedArgs parsed;
    if (const QString problem = parsed.parse(args, command.options); !problem.isEmpty())
        return usageError(command.name, problem);
    return command.run(parsed);
}

}  // namespace pictavo::cli
