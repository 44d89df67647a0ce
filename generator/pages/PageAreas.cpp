#include "generator/pages/PageAreas.h"

#include "generator/html/HtmlBuilders.h"
#include "generator/pages/FolderPages.h"

namespace pictavo {

namespace {

QString alignAttribute(const QString& alignValue) {
    if (alignValue.isEmpty())
        return {};
    return QStringLiteral(" align=\"") + alignValue + QLatin1Char('"');
}

// FONT tag, styled content and the closing tag of an area.
QString fontWrapped(const AreaProperty& area, const QString& content) {
    return FontOpen(area) + WrapFontStyles(area, content) + QStringLiteral("\n</FONT>\n");
}

// "<TR align>\n<TD width=100% height=5% colspan=..>\n": the opening of the
// full-width bars.
QString fullWidthBarOpening(HtmlPageWriter& writer, const AreaProperty& area) {
    const AreaAttributes attributes = buildAreaAttributes(writer, area);
    return QStringLiteral("<TR") + attributes.align +
           QStringLiteral(">\n<TD width=\"100%\" height=\"5%\" colspan=") +
           QString::number(writer.gridCols + writer.extraColumns) + QLatin1Char(' ') +
           attributes.bordercolor + QLatin1Char(' ') + attributes.bgcolor + QLatin1Char(' ') +
           attributes.background + QStringLiteral(">\n");
}

QString fullWidthBarRow(HtmlPageWriter& writer, const AreaProperty& area, const QString& content) {
    const QString opening = fullWidthBarOpening(writer, area);
    return opening + fontWrapped(area, content) + QStringLiteral("</TD>\n</TR>\n");
}

bool hasIndexRow(const QString& indexBar) {
    return !indexBar.isEmpty() && indexBar != kSinglePageIndexBar;
}

QString folderHref(HtmlPageWriter& writer, const CSiteFolder& folder, bool isRoot) {
    if (!folder.url.isEmpty())
        return PublishLinkedFile(writer, folder.url);
    if (isRoot)
        return QStringLiteral("./index.htm");
    return folderPageName(folder, 0, false);
}

}  // namespace

AreaAttributes buildAreaAttributes(HtmlPageWriter& writer, const AreaProperty& area,
                                   const QString& alignValue) {
    AreaAttributes attributes;
    attributes.align = alignAttribute(alignValue);
    const QString backgroundUrl = PublishLinkedFile(writer, area.bgimg);
    if (!backgroundUrl.isEmpty()) {
        attributes.background = QStringLiteral("background=\"") + backgroundUrl + QLatin1Char('"');
    }
    attributes.bgcolor = ColorAttribute(QStringLiteral("bgcolor"), area.bgclr);
    attributes.bordercolor =
        ColorAttribute(QStringLiteral("bordercolor"), writer.album.layout.table.lineclr);
    return attributes;
}

AreaAttributes buildAreaAttributes(HtmlPageWriter& writer, const AreaProperty& area) {
    return buildAreaAttributes(writer, area, area.align);
}

QString HeaderBarRow(HtmlPageWriter& writer) {
    const QString& header = writer.album.website.headerStr;
    if (header.isEmpty())
        return {};
    return fullWidthBarRow(writer, writer.album.layout.head, header);
}

QString TopNavigatorRow(HtmlPageWriter& writer, const QString& topNavigator) {
    return fullWidthBarRow(writer, writer.album.layout.top, topNavigator);
}

QString HistoryBarRow(HtmlPageWriter& writer, const QString& historyTrail) {
    const AreaProperty& history = writer.album.layout.history;
    const QString opening = fullWidthBarOpening(writer, history);
    return opening + QStringLiteral("<TABLE><TR align=center>") +
           WrapFontStyles(history, historyTrail) +
           QStringLiteral("\n</TR></TABLE>\n</TD>\n</TR>\n");
}

QString DescriptionRow(HtmlPageWriter& writer, const QString& description) {
    const MainAreaProperty& main = writer.album.layout.main;
    const AreaAttributes attributes = buildAreaAttributes(writer, main, main.mainAlign);
    return QStringLiteral("<TD colspan=") + QString::number(writer.gridCols) + QLatin1Char(' ') +
           attributes.bordercolor + QLatin1Char(' ') + attributes.bgcolor + QLatin1Char(' ') +
           attributes.background + QLatin1Char(' ') + attributes.align + QStringLiteral(">\n") +
           fontWrapped(main, description) + QStringLiteral("</TD>\n");
}

QString NextNavigatorCell(HtmlPageWriter& writer, const QString& nextNavigator) {
    const AreaProperty& next = writer.album.layout.next;
    const AreaAttributes attributes = buildAreaAttributes(writer, next);
    return QStringLiteral("<TD width=\"20%\" height=\"90%\" rowspan=") +
           QString::number(writer.gridRows + writer.extraRows) + QLatin1Char(' ') +
           attributes.bordercolor + QLatin1Char(' ') + attributes.bgcolor + QLatin1Char(' ') +
           attributes.background + QLatin1Char(' ') + attributes.align + QStringLiteral(">\n") +
           fontWrapped(next, nextNavigator) + QStringLiteral("</TD>\n");
}

QString GridCell(HtmlPageWriter& writer, const QString& content, int widthPercent) {
    const MainAreaProperty& main = writer.album.layout.main;
    const AreaAttributes attributes = buildAreaAttributes(writer, main, main.mainAlign);
    return QStringLiteral("<TD width=\"%1%\" ").arg(widthPercent) + attributes.bordercolor +
           QLatin1Char(' ') + attributes.bgcolor + QLatin1Char(' ') + attributes.background +
           QLatin1Char(' ') + attributes.align + QStringLiteral(">\n") + FontOpen(main) +
           WrapFontStyles(main, content) + QStringLiteral("</FONT></TD>\n");
}

QString IndexBarRow(HtmlPageWriter& writer, const QString& indexBar) {
    if (!hasIndexRow(indexBar))
        return {};
    const AreaProperty& idx = writer.album.layout.idx;
    const AreaAttributes attributes = buildAreaAttributes(writer, idx);
    return QStringLiteral("<TR>\n<TD width=\"80%\" height=\"5%\" align=") + idx.align.get() +
           QStringLiteral(" colspan=") + QString::number(writer.gridCols) + QLatin1Char(' ') +
           attributes.bordercolor + QLatin1Char(' ') + attributes.bgcolor + QLatin1Char(' ') +
           attributes.background + QStringLiteral(">\n") + fontOpenInline(idx) +
           wrapFontStylesInline(idx, indexBar) + QStringLiteral("</FONT></TD>\n</TR>\n");
}

QString FooterBarRow(HtmlPageWriter& writer) {
    const QString& footer = writer.album.website.footerStr;
    if (footer.isEmpty())
        return {};
    return fullWidthBarRow(writer, writer.album.layout.footer, footer);
}

QString ComposePage(HtmlPageWriter& writer, const FolderPageParts& parts) {
    writer.extraColumns = !parts.nextNavigator.isEmpty() && !parts.isRoot ? 1 : 0;
    writer.extraRows =
        (hasIndexRow(parts.indexBar) ? 1 : 0) + (parts.description.isEmpty() ? 0 : 1);

    QString page = DocumentStart();
    page += HeadSection(writer, parts.title);
    page += BodyStart(writer);
    page += TableStart(writer.album);
    page += HeaderBarRow(writer);
    page += TopNavigatorRow(writer, parts.topNavigator);
    page += HistoryBarRow(writer, parts.historyTrail);
    if (!parts.description.isEmpty()) {
        page += QStringLiteral("<TR>\n");
        page += DescriptionRow(writer, parts.description);
        page += QStringLiteral("</TR>\n");
    }
    if (writer.extraColumns == 1) {
        page += QStringLiteral("<TR>\n");
        page += NextNavigatorCell(writer, parts.nextNavigator);
        page += QStringLiteral("</TR>\n");
    }
    page += QStringLiteral("<TR>\n");
    if (parts.gridRows.isEmpty()) {
        page += QStringLiteral("<TD></TD></TR>\n");
        if (writer.extraColumns == 1) {
            for (int row = 1; row < writer.gridRows; ++row)
                page += QStringLiteral("<TR></TR>\n");
        }
    } else {
        page += parts.gridRows;
    }
    page += IndexBarRow(writer, parts.indexBar);
    page += FooterBarRow(writer);
    page += TableEnd() + BodyEnd() + DocumentEnd();
    return page;
}

QString CombineTextAndImage(const QString& text, const QString& image, int posstyle) {
    if (text.isEmpty() || image.isEmpty())
        return image + text;
    switch (posstyle) {
        case kLeftImageRightText:
            return image + text;
        case kRightImageLeftText:
            return text + image;
        case kTopImageBottomText:
            return image + QStringLiteral("<br>") + text;
        case kBottomImageTopText:
            return text + QStringLiteral("<br>") + image;
        default:
            return {};
    }
}

QString applyLinkStyle(QString text, QString image, const QString& href, bool hasLinkImage,
                       int lnkstyle, int posstyle) {
    switch (lnkstyle) {
        case kTextLink:
            if (!text.isEmpty())
                text = MakeLink(text, href);
            return CombineTextAndImage(text, image, posstyle);
        case kImageLink:
            if (hasLinkImage)
                image = MakeLink(image, href);
            return CombineTextAndImage(text, image, posstyle);
        case kBothLink:
            return MakeLink(CombineTextAndImage(text, image, posstyle), href);
        default:
            return {};
    }
}

QString MakeFolderLink(HtmlPageWriter& writer, const CSiteFolder& folder, bool isRoot,
                       bool centred) {
    if (folder.lnkimg.isEmpty() && folder.caption.isEmpty())
        return {};
    const QString href = folderHref(writer, folder, isRoot);
    const QString imageUrl = PublishLinkedFile(writer, folder.lnkimg);
    QString image;
    if (!imageUrl.isEmpty()) {
        image = QStringLiteral("<IMG src=\"") + imageUrl + QStringLiteral("\" border=\"0\" ") +
                (centred ? QStringLiteral("align=\"center\"") : QString()) + QLatin1Char('>');
    }
    return applyLinkStyle(folder.caption, image, href, !folder.lnkimg.isEmpty(), folder.lnkstyle,
                          folder.posstyle);
}

QString TopNavigatorContent(HtmlPageWriter& writer) {
    const CSiteFolder* root = writer.album.tree.root();
    if (!root)
        return {};
    QString content = QStringLiteral("<table rows=1 cols=%1>\n<TR").arg(root->childCount()) +
                      alignAttribute(writer.album.layout.top.align) + QStringLiteral(">\n");
    for (const auto& child : root->children()) {
        content += QStringLiteral("<td>\n");
        content += MakeFolderLink(writer, *child, false, false);
        content += QStringLiteral("</td>\n");
    }
    return content + QStringLiteral("</tr>\n</table>\n");
}

QString NextNavigatorContent(HtmlPageWriter& writer, const CSiteFolder& folder) {
    QString content;
    for (const auto& child : folder.children()) {
        content += MakeFolderLink(writer, *child, false, false);
        content += QStringLiteral("<br><br>\n");
    }
    return content;
}

QString historyFolderCell(HtmlPageWriter& writer, const CSiteFolder& folder, bool isRoot) {
    const QString fontOpen = FontOpen(writer.album.layout.history);
    return QStringLiteral("<td>") + fontOpen + MakeFolderLink(writer, folder, isRoot, true) +
           QStringLiteral("</FONT></td>");
}

QString historyArrowCell(const HtmlPageWriter& writer) {
    return QStringLiteral("<td>") + FontOpen(writer.album.layout.history) +
           QStringLiteral("-></FONT></td>");
}

QString ancestorTrail(HtmlPageWriter& writer, const CSiteFolder& selected) {
    QString trail;
    for (const CSiteFolder* folder = selected.parent(); folder; folder = folder->parent()) {
        const bool isRoot = folder == writer.album.tree.root();
        const QString cell = historyFolderCell(writer, *folder, isRoot);
        trail = trail.isEmpty() ? cell : cell + historyArrowCell(writer) + trail;
    }
    return trail;
}

}  // namespace pictavo
