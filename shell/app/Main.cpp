// pictavo: the desktop program. No argument starts with a new album; a path
// opens that album.
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/app/AppCommands.h"
#include "shell/app/PaneFactory.h"
#include "shell/app/StartUp.h"
#include "shell/frame/MainWindow.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/DialogPrompts.h"
#include "shell/settings/LanguageLoading.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>

int main(int argc, char** argv) {
    using namespace pictavo;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pictavo"));
    QApplication::setApplicationVersion(QStringLiteral(PICTAVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(PICTAVO_DESKTOP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    installUserLanguage();

    QCommandLineParser parser;
    parser.setApplicationDescription(uiText(sid::AboutText));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("album"),
                                 QStringLiteral("the album (.www) to open"),
                                 QStringLiteral("[ALBUM.www]"));
    parser.process(app);

    DialogPrompts prompts;
    AppContext context(SettingsStore(), prompts);
    loadUserSettings(context);
    MainWindow window(context, createPanes(context));
    prompts.setParentWindow(&window);
    registerAppCommands(context, window);
    window.applyInitialLayout(window.screen()->availableGeometry().size());
    window.showMaximized();
    openStartupAlbum(window, parser.positionalArguments());
    showTipAtStartup(context, &window);
    return app.exec();
}
