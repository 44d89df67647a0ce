#pragma once
// StringTable: every text the user sees, by its number (resources/StringIds.h).
// The built-in table holds the English texts; a language module read at
// start-up overrides some of them (resources/LanguageFile.h). uiText() reads
// the table the program uses. Texts are data, never format strings: callers
// fill placeholders with QString::arg, and a translation whose placeholders
// differ from the English text's is refused when the module is read.
//
// The current table is set once at start-up on the GUI thread and only read
// afterwards, from any thread.

#include <QHash>
#include <QString>

namespace pictavo {

class StringTable {
public:
    // The English texts.
    static const StringTable& builtIn();
    // The table the program uses (the built-in one until a language is set).
    static const StringTable& current();
    static void setCurrent(StringTable table);

    bool contains(int id) const { return texts_.contains(id); }
    // The text of id; empty for a number the table does not know.
    QString text(int id) const { return texts_.value(id); }
    // Replaces the text of a known id; unknown ids are ignored (false).
    bool setText(int id, const QString& text);
    QList<int> ids() const;

private:
    QHash<int, QString> texts_;
};

// StringTable::current().text(id)
QString uiText(int id);

// A menu text without its "&" markers, an appended "(&N)" accelerator and
// the "\t"-separated key: "&Open...\tCtrl+O" and "打开(&O)...\tCtrl+O" give
// "Open..." and "打开...".
QString plainMenuText(const QString& menuText);

}  // namespace pictavo
