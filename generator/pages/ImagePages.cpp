#include "generator/pages/ImagePages.h"

#include "generator/html/HtmlBuilders.h"
#include "generator/pages/PageAreas.h"

namespace pictavo {

namespace {

QString imagePageTarget(const QString& prefix, int imageIndex) {
    return prefix + QStringLiteral("i%1.htm").arg(imageIndex);
}

QString button(const char* file, const QString& target, bool linked) {
    const QString image = QStringLiteral("<IMG src=\"./files/image/") + QLatin1String(file) +
                          QStringLiteral("\" border=0>");
    if (!linked)
        return image;
    return QStringLiteral("<A href = \"") + target + QStringLiteral("\">") + image +
           QStringLiteral("</A>");
}

QString imageNavigatorRow(HtmlPageWriter& writer, const ImagePageInput& input) {
    const AreaAttributes attributes = buildAreaAttributes(writer, writer.album.layout.imgnavi);
    return QStringLiteral("<TR") + attributes.align + QStringLiteral(">\n<TD height=\"5%\" ") +
           attributes.bordercolor + QLatin1Char(' ') + attributes.bgcolor + QLatin1Char(' ') +
           attributes.background + QStringLiteral(" >\n") + imageNavigatorButtons(input) +
           QStringLiteral("</TD></TR>\n");
}

QString imageTag(const ImagePageInput& input) {
    const QSize size = input.displaySize;
    if (size.width() != 0 && size.height() != 0) {
        return QStringLiteral("<IMG src = \"") + input.imageUrl + QStringLiteral("\" width=") +
               QString::number(size.width()) + QStringLiteral(" height=") +
               QString::number(size.height()) + QStringLiteral(">\n");
    }
    return QStringLiteral("<IMG src = \"") + input.imageUrl + QStringLiteral("\">\n");
}

// Caption and description in the image area's font; only face, size and
// colour apply here, not the style switches.
QString textBlock(const AreaProperty& img, const ImagePageInput& input) {
    if (input.caption.isEmpty() && input.description.isEmpty())
        return {};
    QString block = FontOpen(img);
    if (!input.caption.isEmpty())
        block += input.caption + QStringLiteral("\n<BR>");
    if (!input.description.isEmpty())
        block += input.description + QLatin1Char('\n');
    return block + QStringLiteral("</FONT>");
}

QString imageRow(HtmlPageWriter& writer, const ImagePageInput& input) {
    const AreaProperty& img = writer.album.layout.img;
    const AreaAttributes attributes = buildAreaAttributes(writer, img);
    return QStringLiteral("<TR") + attributes.align + QStringLiteral(">\n<TD ") +
           attributes.bordercolor + QLatin1Char(' ') + attributes.bgcolor + QLatin1Char(' ') +
           attributes.background + QStringLiteral(">\n") + imageTag(input) +
           QStringLiteral("<BR>") + textBlock(img, input) + QStringLiteral("</TD></TR>\n");
}

}  // namespace

QString imagePageName(const QString& prefix, int imageIndex) {
    return imagePageTarget(prefix, imageIndex).toLower();
}

QString backToFolderTarget(const ImagePageInput& input) {
    if (!input.isRoot)
        return input.prefix + QStringLiteral("p%1.htm").arg(input.pageNumber);
    if (input.pageNumber == 0)
        return QStringLiteral("./index.htm");
    return QStringLiteral("main%1.htm").arg(input.pageNumber);
}

QString imageNavigatorButtons(const ImagePageInput& input) {
    const bool hasPrevious = input.imageIndex > 0;
    const bool hasNext = input.imageIndex < input.imageCount - 1;
    const QString& prefix = input.prefix;
    return button(kBackButton, backToFolderTarget(input), true) + QLatin1Char('\n') +
           button(kFirstButton, imagePageTarget(prefix, 0), hasPrevious) + QLatin1Char('\n') +
           button(kPreviousButton, imagePageTarget(prefix, input.imageIndex - 1), hasPrevious) +
           QLatin1Char('\n') +
           button(kNextButton, imagePageTarget(prefix, input.imageIndex + 1), hasNext) +
           QLatin1Char('\n') +
           button(kLastButton, imagePageTarget(prefix, input.imageCount - 1), hasNext) +
           QLatin1Char('\n');
}

QString imagePageText(HtmlPageWriter& writer, const ImagePageInput& input) {
    QString page = DocumentStart();
    page += HeadSection(writer, input.title);
    page += BodyStart(writer);
    page += TableStart(writer.album);
    page += HeaderBarRow(writer);
    page += TopNavigatorRow(writer, input.topNavigator);
    page += HistoryBarRow(writer, input.historyTrail);
    page += imageNavigatorRow(writer, input);
    page += imageRow(writer, input);
    page += FooterBarRow(writer);
    page += TableEnd() + BodyEnd() + DocumentEnd();
    return page;
}

QString WriteImagePage(HtmlPageWriter& writer, const ImagePageInput& input) {
    const QString name = imagePageName(input.prefix, input.imageIndex);
    WritePageFile(writer, name, imagePageText(writer, input));
    return name;
}

}  // namespace pictavo
