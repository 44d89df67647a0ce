#pragma once
// The text builders every generated page is made of: the document frame
// (DOCTYPE, HEAD, BODY, the outer layout table and the closing tags) and the
// small attribute builders the page areas share (colours, font size, the
// FONT wrapper and its style tags, links). Each builder returns new text;
// the ones that take the writer read the album's properties afresh and reach
// the disk only through its SiteOutput (publishing a linked file, writing a
// page). Used by one thread, like the writer.

#include "generator/pages/HtmlPageWriter.h"
#include "properties/LayoutProperty.h"

#include <QString>

namespace pictavo {

// "#RRGGBB" of a 0x00BBGGRR colour, upper-case hex digits.
QString ColorToHtml(int colour);
// "name=#RRGGBB" without quotes; empty for kNoColour.
QString ColorAttribute(const QString& name, int colour);
// HTML font size 1..7 of a size in tenths of a point.
int HtmlFontSize(int tenthsOfPoint);

// The area's FONT start tag, followed by a line break.
QString FontOpen(const AreaProperty& area);
// The same tag without the line break (the index bar).
QString fontOpenInline(const AreaProperty& area);
// text inside the area's style tags: strike-out innermost, then italic,
// underline, and bold outermost; each tag followed by a line break.
QString WrapFontStyles(const AreaProperty& area, const QString& text);
// The same tags without line breaks (the index bar).
QString wrapFontStylesInline(const AreaProperty& area, const QString& text);

// An A element around text; text alone when href is empty. addExtension
// appends ".htm" to href.
QString MakeLink(const QString& text, const QString& href, bool addExtension = false);

// The site URL of a file a property or an item refers to; empty for an
// empty path (the output is not asked then).
QString PublishLinkedFile(HtmlPageWriter& writer, const QString& sourcePath);
// Hands a finished page to the output under its lower-cased name.
void WritePageFile(HtmlPageWriter& writer, const QString& fileName, const QString& text);

QString DocumentStart();
// The HEAD element: charset, meta variables, TITLE, background sound.
QString HeadSection(HtmlPageWriter& writer, const QString& pageTitle);
// The BODY start tag with margins and, for a custom background, image and
// colours.
QString BodyStart(HtmlPageWriter& writer);
// The start tag of the outer layout table.
QString TableStart(const Album& album);
QString TableEnd();
QString BodyEnd();
QString DocumentEnd();

}  // namespace pictavo
