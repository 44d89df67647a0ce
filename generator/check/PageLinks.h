#pragma once
// Finds the file references of an HTML page: the value of every href, src
// and background attribute of every tag, with the line it is on. A pure
// function of the page text; comments, declarations and the contents of
// script and style elements hold no references. Values may be quoted with
// " or ' or unquoted; character references in them (&amp;, &#38;, &#x26;)
// are decoded as a browser decodes them.

#include <QString>
#include <QStringView>

#include <vector>

namespace pictavo {

struct PageLink {
    QString reference;  // the attribute value, character references decoded
    int line = 0;       // 1-based line of the value's start
};

std::vector<PageLink> findPageLinks(QStringView html);

// text with the character references a browser knows in URLs decoded;
// unknown references stay as written.
QString decodeCharacterReferences(QStringView text);

}  // namespace pictavo
