#include "cli/Command.h"

#include <cstdio>

namespace pictavo::cli {

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

bool wantsHelp(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

}  // namespace pictavo::cli
