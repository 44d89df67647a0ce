#pragma once
// IniDocument: the text of an INI file as ordered groups of key=value lines.
// Keys before the first "[Group]" line belong to the unnamed top group.
// Parsing is a pure function of the bytes; keys and groups the program does
// not know are kept, in their order, when the document is written back.
// Comment lines (";" or "#") and lines without "=" are dropped. Blanks around
// keys and values are not part of them; a value with blanks at either end or
// a leading double quote is written in double quotes, and one pair of
// enclosing double quotes is removed on reading. Plain value, not
// thread-safe.

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace pictavo {

class IniDocument {
public:
    static IniDocument parse(const QByteArray& bytes);
    // UTF-8 text with "\n" line ends; the top group first, without a header.
    QByteArray serialize() const;

    bool hasGroup(const QString& group) const;
    // The value of key in group ("" names the top group), as written.
    std::optional<QString> value(const QString& group, const QString& key) const;
    // Replaces the value or appends the key at the end of its group (the
    // group is created at the end of the document when missing). A value
    // holding a line break cannot be stored: it is refused (false) and the
    // document is unchanged.
    bool setValue(const QString& group, const QString& key, const QString& value);

private:
    struct Group {
        QString name;
        std::vector<std::pair<QString, QString>> entries;
    };
    const Group* findGroup(const QString& name) const;
    Group& groupFor(const QString& name);

    std::vector<Group> groups_{Group{}};  // groups_[0] is the top group
};

}  // namespace pictavo
