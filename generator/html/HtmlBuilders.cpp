#include "generator/html/HtmlBuilders.h"

#include <utility>

namespace pictavo {

namespace {

QString hexByte(int value) {
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

QString fontTag(const AreaProperty& area) {
    return QStringLiteral("<FONT face=\"") + area.font.name.get() + QStringLiteral("\" size=") +
           QString::number(HtmlFontSize(area.font.size)) + QLatin1Char(' ') +
           ColorAttribute(QStringLiteral("color"), area.font.clr) + QLatin1Char('>');
}

// Wraps text in the four style tags in their fixed order; lineBreak follows
// every tag.
QString wrapStyles(const FontProperty& font, const QString& text, const QString& lineBreak) {
    const std::pair<int, const char*> styles[] = {
        {font.s, "STRIKE"}, {font.i, "EM"}, {font.u, "U"}, {font.b, "STRONG"}};
    QString result = text;
    for (const auto& [enabled, tag] : styles) {
        if (!enabled)
            continue;
        const QString name = QLatin1String(tag);
        result = QLatin1Char('<') + name + QLatin1Char('>') + lineBreak + result +
                 QStringLiteral("</") + name + QLatin1Char('>') + lineBreak;
    }
    return result;
}

QString metaLine(const MetaVariable& meta) {
    const QString opening =
        meta.ifsys ? QStringLiteral("<meta http-equiv=\"") : QStringLiteral("<meta name=\"");
    return opening + meta.name.get() + QStringLiteral("\" content=\"") + meta.val.get() +
           QStringLiteral("\">\n");
}

}  // namespace

QString ColorToHtml(int colour) {
    return QLatin1Char('#') + hexByte(colour) + hexByte(colour >> 8) + hexByte(colour >> 16);
}

QString ColorAttribute(const QString& name, int colour) {
    if (colour == kNoColour)
        return {};
    return name + QLatin1Char('=') + ColorToHtml(colour);
}

int HtmlFontSize(int tenthsOfPoint) {
    const int points = tenthsOfPoint / 10;
    if (points <= 9)
        return 1;
    if (points <= 11)
        return 2;
    if (points <= 13)
        return 3;
    if (points <= 16)
        return 4;
    if (points <= 21)
        return 5;
    if (points <= 30)
        return 6;
    return 7;
}

QString FontOpen(const AreaProperty& area) {
    return fontTag(area) + QLatin1Char('\n');
}

QString fontOpenInline(const AreaProperty& area) {
    return fontTag(area);
}

QString WrapFontStyles(const AreaProperty& area, const QString& text) {
    return wrapStyles(area.font, text, QStringLiteral("\n"));
}

QString wrapFontStylesInline(const AreaProperty& area, const QString& text) {
    return wrapStyles(area.font, text, QString());
}

QString MakeLink(const QString& text, const QString& href, bool addExtension) {
    if (href.isEmpty())
        return text;
    return QStringLiteral("<A href=\"") + href +
           (addExtension ? QStringLiteral(".htm") : QString()) + QStringLiteral("\">") + text +
           QStringLiteral("</A>");
}

QString PublishLinkedFile(HtmlPageWriter& writer, const QString& sourcePath) {
    if (sourcePath.isEmpty())
        return {};
    return writer.output.publishLinkedFile(sourcePath);
}

void WritePageFile(HtmlPageWriter& writer, const QString& fileName, const QString& text) {
    writer.output.writePage(fileName.toLower(), text);
}

QString DocumentStart() {
    return QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n<HTML>\n");
}

QString HeadSection(HtmlPageWriter& writer, const QString& pageTitle) {
    const WebsiteProperty& website = writer.album.website;
    QString head = QStringLiteral("<HEAD>\n");
    if (!website.language.save.isEmpty()) {
        head += QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=") +
                website.language.save.get() + QStringLiteral("\">\n");
    }
    for (const MetaVariable& meta : website.metas)
        head += metaLine(meta);
    head += QStringLiteral("<TITLE>\n");
    if (!website.general.title.isEmpty()) {
        head += website.general.title.get() + QStringLiteral("---");
    }
    head += pageTitle + QStringLiteral("</TITLE>\n");
    const QString soundUrl = PublishLinkedFile(writer, website.general.bgsndpath);
    if (!soundUrl.isEmpty()) {
        head += QStringLiteral("<bgsound src=\"") + soundUrl + QStringLiteral("\" loop=") +
                QString::number(website.general.bgsndloop) + QStringLiteral(">\n");
    }
    return head + QStringLiteral("</HEAD>\n");
}

QString BodyStart(HtmlPageWriter& writer) {
    const WebsiteProperty& website = writer.album.website;
    const MarginProperty& margin = website.margin;
    const BackgroundProperty& background = website.background;
    QString body = QStringLiteral("<BODY");
    if (margin.usetopmargin)
        body += QStringLiteral(" topmargin=") + QString::number(margin.topmargin);
    if (margin.useleftmargin) {
        body += QStringLiteral(" leftmargin=") + QString::number(margin.leftmargin);
    }
    if (background.custom) {
        const QString imageUrl =
            background.bgimg ? PublishLinkedFile(writer, background.bgimgpath) : QString();
        if (!imageUrl.isEmpty()) {
            body += QStringLiteral(" background=\"") + imageUrl + QLatin1Char('"');
            if (background.watermark)
                body += QStringLiteral(" bgproperties=\"fixed\"");
        }
        if (!background.defcolor) {
            body += QStringLiteral(" bgcolor=\"") + ColorToHtml(background.bgcolor) +
                    QStringLiteral("\" text=\"") + ColorToHtml(background.txtcolor) +
                    QStringLiteral("\" link=\"") + ColorToHtml(background.hlnkcolor) +
                    QStringLiteral("\" vlink=\"") + ColorToHtml(background.vlnkcolor) +
                    QStringLiteral("\" alink=\"") + ColorToHtml(background.alnkcolor) +
                    QLatin1Char('"');
        }
    }
    return body + QStringLiteral(">\n");
}

QString TableStart(const Album& album) {
    const TableProperty& table = album.layout.table;
    return QStringLiteral("<TABLE width=\"100%\" height=\"95%\"  border=") +
           QString::number(table.borderwidth) + QLatin1Char(' ') +
           ColorAttribute(QStringLiteral("bordercolor"), table.borderclr) +
           QStringLiteral(" cellspacing=") + QString::number(table.cellspacing) +
           QStringLiteral(" cellpadding=") + QString::number(table.cellpadding) +
           QStringLiteral(" >\n");
}

QString TableEnd() {
    return QStringLiteral("</TABLE>\n");
}

QString BodyEnd() {
    return QStringLiteral("</BODY>\n");
}

QString DocumentEnd() {
    return QStringLiteral("</HTML>\n");
}

}  // namespace pictavo
