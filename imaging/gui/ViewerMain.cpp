// pictavo-viewer [--slideshow] PATH...: shows pictures one at a time with
// zoom and a one-second slide show. Files are shown in the given order; a
// folder stands for its images in name order.
#include "imaging/gui/ImageViewerWindow.h"
#include "imaging/viewer/ViewerPaths.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pictavo-viewer"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows pictures with zoom and a slide show."));
    parser.addHelpOption();
    const QCommandLineOption slideShow(QStringLiteral("slideshow"),
                                       QStringLiteral("Start the slide show at once."));
    parser.addOption(slideShow);
    parser.addPositionalArgument(QStringLiteral("PATH"),
                                 QStringLiteral("Picture files or folders of pictures."),
                                 QStringLiteral("PATH..."));
    parser.process(app);

    const QStringList paths = pictavo::collectViewerPaths(parser.positionalArguments());
    if (paths.isEmpty()) {
        std::fputs("pictavo-viewer: no pictures to show\n", stderr);
        return 1;
    }
    pictavo::ImageViewerWindow viewer(paths, 0);
    if (parser.isSet(slideShow))
        viewer.toggleSlideShow();
    viewer.showMaximized();
    return app.exec();
}
