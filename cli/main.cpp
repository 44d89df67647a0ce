// pictavo-cli: builds, inspects and exports Pictavo albums without a window.
#include "cli/Commands.h"

#include <QGuiApplication>

namespace {

QtMessageHandler defaultMessageHandler = nullptr;

// Qt warns on every start without XDG_RUNTIME_DIR (common in containers and
// scripts); that note says nothing about the command, so it is dropped and
// every other message goes to Qt's own handler.
void quietMessageHandler(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    defaultMessageHandler(type, context, message);
}

void printUsage() {
    using namespace pictavo::cli;
    printOut(QStringLiteral("usage: pictavo-cli <command> [options]\n\ncommands:"));
    for (const Command* command : allCommands())
        printOut(QStringLiteral("  %1  %2")
                     .arg(QLatin1String(command->name), -10)
                     .arg(QLatin1String(command->summary)));
    printOut(QStringLiteral("\n'pictavo-cli <command> --help' describes one command."));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pictavo::cli;
    // Text drawing (metafiles, title cards) needs a GUI application; without a
    // display the offscreen platform serves.
    defaultMessageHandler = qInstallMessageHandler(quietMessageHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printError(QStringLiteral("pictavo-cli: no command given"));
        printUsage();
        return kUsage;
    }
    QString name = args.takeFirst();
    if (name == QLatin1String("--version"))
        name = QStringLiteral("version");
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printUsage();
        return kSuccess;
    }
    for (const Command* command : allCommands()) {
        if (name == QLatin1String(command->name))
            return runCommand(*command, args);
    }
    printError(QStringLiteral("pictavo-cli: unknown command '%1'").arg(name));
    printUsage();
    return kUsage;
}
